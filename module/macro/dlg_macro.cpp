// CDlgMacro: opening, the pages and their tab entries, showing a page, focus memory, size.
// The buttons' actions are in dlg_macro_actions.cpp.
#include "macro/dlg_macro.h"

#include <algorithm>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "host/command_line.h"
#include "macro/dlg_macro_modeless.h"
#include "macro/dlg_macro_prof_page.h"
#include "macro/dlg_macro_tab_page.h"
#include "macro/macro_core_calls.h"
#include "macro/macro_ids.h"
#include "macro/prof_page_ids.h"

namespace {

// The icon buttons in the order of CDlgMacro::buttons_: control, bitmap, tooltip text.
struct IconButton {
    int control, bitmap, tooltip;
};
constexpr IconButton kIconButtons[] = {
    {IDC_MACRO_SELECT_OTHER, IDB_MACRO_SELECT_OTHER, 973},
    {IDC_MACRO_VIEW_BEFORE, IDB_MACRO_VIEW_BEFORE, 974},
    {IDC_MACRO_VIEW_TOP, IDB_MACRO_VIEW_TOP, 975},
    {IDC_MACRO_VIEW_FRONT, IDB_MACRO_VIEW_FRONT, 976},
    {IDC_MACRO_VIEW_SIDE, IDB_MACRO_VIEW_SIDE, 977},
    {IDC_MACRO_CLASH, IDB_MACRO_CLASH, 980},
    {IDC_MACRO_LOAD_VALUES, 0, 978},
    {IDC_MACRO_SAVE_VALUES, 0, 979},
};
constexpr int kLoadIcon = IDI_KV_OPEN, kSaveIcon = IDI_KV_SAVE;
// White is the pictures' transparent colour, as for every picture the project draws.
constexpr COLORREF kTransparent = RGB(255, 255, 255);

constexpr UINT kQueryMacroDialog = 0x7101;

}  // namespace

CDlgMacro::CDlgMacro(CWnd* parent) : CAcUiDialog(IDD_MACRO, parent) {}

CDlgMacro::~CDlgMacro() = default;

Kv_String CDlgMacro::sizeStoreName(const MacroData& macro) {
    Kv_String key = "EDITVARS_";
    if (macro.ids.length() == 1) {
        if (!macro.moduleNames.isEmpty()) key += macro.moduleNames[0];
    } else if (macro.groupIndex >= 0 && macro.groupIndex < macro.groupKeys.length()) {
        // A negative index would pass "below the length" and read before the list.
        key += "GROUP_" + macro.groupKeys[macro.groupIndex];
    } else {
        key += Kv_String(macro.ids.length()) + "_MACROS";
    }
    return "DLG_MACRO_" + key;
}

BOOL CDlgMacro::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    SetDialogName(sizeStoreName(macro).c_str());
    makeButtons();
    getDlgSize(m_hWnd, minWidth_, minHeight_, true);
    resizer_.attach(this);
    resizer_.setAnchor(IDC_MACRO_TABS, CResizer::All);
    for (int id :
         {IDC_MACRO_GROUP_LABEL, IDC_MACRO_GROUP_FILTER, IDC_MACRO_SECOND_LABEL, IDC_MACRO_SECOND_FILTER,
          IDC_MACRO_SELECT_OTHER, IDC_MACRO_VIEW_BEFORE, IDC_MACRO_VIEW_TOP, IDC_MACRO_VIEW_FRONT, IDC_MACRO_VIEW_SIDE,
          IDC_MACRO_CLASH, IDC_MACRO_LOAD_VALUES, IDC_MACRO_SAVE_VALUES, IDC_MACRO_APPLY_AGAIN, IDOK})
        resizer_.setAnchor(id, CResizer::Left | CResizer::Bottom);

    currentPage_ = 0;
    buildPages();
    int startIndex = -1;
    if (!macro.startTab.isEmpty() && kvmacro::findTab(macro, macro.startTab, startIndex) && pageOfTab(startIndex)) {
        selectTab(startIndex);
        if (macro.openProfileOptions && macro.tabs[startIndex].kind == 2)
            static_cast<CDlgMacroProfPage*>(pageOfTab(startIndex))->openOptionsOfShownGroup();
    }
    fillTitleAndFilters();
    ChangeDlgSize(m_hWnd, sizeStoreName(macro), false);
    fitToPages();

    kvmacro::clashInitDlgStarted(modelessId);
    kvmacro::clashResetInfo(modelessId, macro.ids);
    buttons_[5].SetCheck(kvmacro::clashGetStatus() ? BST_CHECKED : BST_UNCHECKED);
    runClashCheck();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

void CDlgMacro::makeButtons() {
    SetDlgItemText(IDOK, dialString(285).c_str());
    for (int i = 0; i < 8; ++i) {
        CButtonST& button = buttons_[i];
        button.SubclassDlgItem(kIconButtons[i].control, this);
        if (kIconButtons[i].bitmap)
            button.SetBitmaps(LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(kIconButtons[i].bitmap)),
                              kTransparent);
        else
            button.SetIcon(kIconButtons[i].control == IDC_MACRO_LOAD_VALUES ? kLoadIcon : kSaveIcon);
        button.SetTooltipText(kIconButtons[i].tooltip);
    }
    buttons_[5].SetCheckButton();
    SetDlgItemText(IDC_MACRO_GROUP_LABEL, dialString(755).c_str());
    SetDlgItemText(IDC_MACRO_SECOND_LABEL, dialString(981).c_str());
    SetDlgItemText(IDC_MACRO_APPLY_AGAIN, dialString(982).c_str());
}

CDlgMacroPage* CDlgMacro::pageOfTab(int tabIndex) const {
    if (tabIndex < 0 || tabIndex >= static_cast<int>(pages_.size())) return nullptr;
    return pages_[static_cast<size_t>(tabIndex)].get();
}

void CDlgMacro::destroyPages() {
    for (auto& page : pages_)
        if (page && page->m_hWnd) page->DestroyWindow();
    pages_.clear();
    tabOfEntry_.clear();
    CTabCtrl* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TABS));
    if (tabs) tabs->DeleteAllItems();
}

void CDlgMacro::buildPages() {
    ++rearranging_;
    sectionLists_ = SectionListCache();
    const int remembered = currentPage_;
    destroyPages();
    CTabCtrl* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TABS));
    for (int i = 0; i < macro.tabs.length(); ++i) {
        const MacroTabData& tab = macro.tabs[i];
        std::unique_ptr<CDlgMacroPage> page;
        if (tab.kind == 0 || tab.kind == 1 || tab.kind == 3) {
            auto templatePage = std::make_unique<CDlgMacroTabPage>(this, i);
            if (templatePage->Create(IDD_MACRO_TAB_PAGE, tabs)) page = std::move(templatePage);
        } else if (tab.kind == 2) {
            auto profilePage = std::make_unique<CDlgMacroProfPage>(this, i);
            // The one temporary object the caller drew is the page's to erase after its options.
            if (macro.tempObjects && macro.tempIds.length() == 1) profilePage->setTemporaryObject(macro.tempIds[0]);
            if (profilePage->Create(IDD_MACRO_PROF_PAGE, tabs)) page = std::move(profilePage);
        }
        // Other kinds get no page.
        if (page) {
            tabs->InsertItem(static_cast<int>(tabOfEntry_.size()), tab.title.c_str());
            tabOfEntry_.push_back(i);
            page->ShowWindow(SW_HIDE);
        }
        pages_.push_back(std::move(page));
    }
    placePages();
    int shown = pageOfTab(remembered) ? remembered : -1;
    if (shown < 0 && !tabOfEntry_.empty()) shown = tabOfEntry_.front();
    selectTab(shown);
    enableValueFiles();
    --rearranging_;
}

void CDlgMacro::enableValueFiles() {
    Kv_String defaultName;
    const bool allowed = kvmacro::propListAllowed(macro, defaultName);
    EnDisCtrl(m_hWnd, IDC_MACRO_LOAD_VALUES, allowed);
    EnDisCtrl(m_hWnd, IDC_MACRO_SAVE_VALUES, allowed);
}

void CDlgMacro::selectTab(int tabIndex) {
    CTabCtrl* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TABS));
    auto entry = std::find(tabOfEntry_.begin(), tabOfEntry_.end(), tabIndex);
    if (tabs && entry != tabOfEntry_.end()) tabs->SetCurSel(static_cast<int>(entry - tabOfEntry_.begin()));
    showSelectedPage();
}

void CDlgMacro::rememberFocus() {
    CDlgMacroPage* page = pageOfTab(currentPage_);
    if (!page || !macro.tabs.isValidIndex(currentPage_)) return;
    const MacroFocusRecord where = page->focusNow();
    if (where.kind != MacroFocusRecord::Kind::None) focusMemory_[macro.tabs[currentPage_].moduleName] = where;
}

void CDlgMacro::showSelectedPage() {
    ++rearranging_;
    showSelectedPageNow();
    --rearranging_;
}

void CDlgMacro::showSelectedPageNow() {
    rememberFocus();
    for (auto& page : pages_)
        if (page) page->ShowWindow(SW_HIDE);
    CTabCtrl* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TABS));
    const int entry = tabs ? tabs->GetCurSel() : -1;
    const int tabIndex = entry >= 0 && entry < static_cast<int>(tabOfEntry_.size()) ? tabOfEntry_[entry] : -1;
    CDlgMacroPage* page = pageOfTab(tabIndex);
    currentPage_ = tabIndex;
    if (!page) return;
    page->ShowWindow(SW_SHOW);
    auto remembered = focusMemory_.find(macro.tabs[tabIndex].moduleName);
    if (pageShown_ && remembered != focusMemory_.end())
        page->restoreFocus(remembered->second);
    else if (!pageShown_)
        page->focusFirst();
    pageShown_ = true;
}

void CDlgMacro::refreshAllPages(bool remember) {
    if (remember) rememberFocus();
    sectionLists_ = SectionListCache();
    for (auto& page : pages_)
        if (page) page->fillControls();
    CDlgMacroPage* current = pageOfTab(currentPage_);
    if (current) {
        auto remembered = focusMemory_.find(macro.tabs[currentPage_].moduleName);
        if (remembered != focusMemory_.end()) current->restoreFocus(remembered->second);
    }
    buttons_[5].SetCheck(kvmacro::clashGetStatus() ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgMacro::fillTitleAndFilters() {
    SetWindowText(macro.caption.c_str());
    FillCombo(m_hWnd, IDC_MACRO_GROUP_FILTER, macro.groupNames, macro.groupIndex);
    FillCombo(m_hWnd, IDC_MACRO_SECOND_FILTER, macro.filterNames, macro.filterIndex);
}

SIZE CDlgMacro::wantedSize() const {
    SIZE widest{0, 0};
    for (const auto& page : pages_) {
        if (!page) continue;
        const SIZE size = page->wantedSize();
        widest.cx = std::max(widest.cx, size.cx);
        widest.cy = std::max(widest.cy, size.cy);
    }
    return SIZE{std::max<LONG>(widest.cx + 47, minWidth_), std::max<LONG>(widest.cy + 160, minHeight_)};
}

void CDlgMacro::fitToPages() {
    if (!sized_) return;
    CRect window;
    GetWindowRect(&window);
    const SIZE size = wantedSize();
    SetWindowPos(nullptr, window.left, window.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgMacro::placePages() {
    CTabCtrl* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TABS));
    if (!tabs) return;
    CRect client, item;
    tabs->GetClientRect(&client);
    if (!tabs->GetItemRect(0, &item)) item = CRect(client.left, client.top, client.left, client.top + 20);
    const CRect place(item.left, item.bottom + 2, client.right - 3, client.bottom - 2);
    for (auto& page : pages_)
        if (page && page->m_hWnd)
            page->SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgMacro::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    sized_ = true;
    if (!resizer_.isAttached()) return;
    resizer_.resize();
    placePages();
}

void CDlgMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiDialog::OnGetMinMaxInfo(info);
    const SIZE minimum = sized_ ? wantedSize() : SIZE{280, 300};
    info->ptMinTrackSize.x = minimum.cx;
    info->ptMinTrackSize.y = minimum.cy;
}

BOOL CDlgMacro::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == IDC_MACRO_TABS && header->code == TCN_SELCHANGE) {
        showSelectedPage();
        return TRUE;
    }
    return CAcUiDialog::OnNotify(wParam, lParam, result);
}

BOOL CDlgMacro::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // Asked by the package to learn whether a window is one of its macro dialogs.
    if (msg == kQueryMacroDialog) {
        if (result) *result = 1;
        return TRUE;
    }
    if (msg == kEndModelessMessage && modelessId >= 0) {
        // This object may be deleted here: nothing of it is touched afterwards.
        if (result) *result = 0;
        EndDlgMacroModeless(modelessId);
        return TRUE;
    }
    return CAcUiDialog::OnWndMsg(msg, wParam, lParam, result);
}

void CDlgMacro::OnDestroy() {
    WriteDlgSize(m_hWnd, sizeStoreName(macro));
    kvmacro::clashDlgClosed(modelessId);
    destroyPages();
    CAcUiDialog::OnDestroy();
}
