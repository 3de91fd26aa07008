#include "host/acui_dialog.h"

#include "host/main_window.h"

namespace {

// The window that a modal dialog blocks: its owner, else the host's main window.
HWND ownerOf(HWND dialog) {
    HWND owner = GetParent(dialog);
    return owner ? owner : host::mainWindowHandle();
}

}  // namespace

CAcUiDialog::CAcUiDialog(UINT templateId, CWnd* parent, HINSTANCE) : CDialog(templateId, parent) {
    // A dialog without a parent belongs to the host's main window, which must exist for the
    // modal loop to block it.
    if (!parent) host::mainWindow();
}

BOOL CAcUiDialog::BeginEditorCommand(bool hide) {
    if (inEditorCommand_ || !m_hWnd || !::IsWindow(m_hWnd)) return FALSE;
    inEditorCommand_ = true;
    if (hide) ShowWindow(SW_HIDE);
    // A modal dialog keeps its owner disabled; the drawing can only take the pick when the
    // owner accepts input again.
    HWND owner = ownerOf(m_hWnd);
    ownerWasEnabled_ = ::IsWindowEnabled(owner) != FALSE;
    if (!ownerWasEnabled_) ::EnableWindow(owner, TRUE);
    ::SetActiveWindow(owner);
    return TRUE;
}

void CAcUiDialog::CompleteEditorCommand(BOOL restoreDialogs) {
    if (!inEditorCommand_) return;
    inEditorCommand_ = false;
    if (!m_hWnd || !::IsWindow(m_hWnd)) return;
    if (!ownerWasEnabled_) ::EnableWindow(ownerOf(m_hWnd), FALSE);
    if (restoreDialogs) {
        ShowWindow(SW_SHOW);
        SetActiveWindow();
    }
}

void CAcUiDialog::CancelEditorCommand() { CompleteEditorCommand(TRUE); }

void CAcUiDialog::OnDestroy() {
    // The owner must not stay enabled behind a modal loop that is still unwinding, nor the
    // dialog come back: complete without showing.
    CompleteEditorCommand(FALSE);
    CDialog::OnDestroy();
}

CAcUiTabChildDialog::CAcUiTabChildDialog(UINT templateId, CWnd* parent) : CAcUiDialog(templateId, parent) {}

void CAcUiTabChildDialog::OnTabActivation(BOOL) {}

BOOL CAcUiTabChildDialog::OnTabChanging() { return TRUE; }

void CAcUiTabChildDialog::OnOK() {
    if (main_ && main_->m_hWnd) main_->SendMessage(WM_COMMAND, IDOK, 0);
}

void CAcUiTabChildDialog::OnCancel() {
    if (main_ && main_->m_hWnd) main_->SendMessage(WM_COMMAND, IDCANCEL, 0);
}

CAcUiTabMainDialog::CAcUiTabMainDialog(UINT templateId, CWnd* parent, HINSTANCE resources)
    : CAcUiDialog(templateId, parent, resources) {}

BOOL CAcUiTabMainDialog::SetAcadTabControl(int tabControlId) {
    CWnd* control = GetDlgItem(tabControlId);
    tab_ = control ? dynamic_cast<CTabCtrl*>(control) : nullptr;
    return tab_ != nullptr;
}

BOOL CAcUiTabMainDialog::AddTab(int index, LPCSTR label, UINT pageTemplateId, CAcUiTabChildDialog* page) {
    if (!tab_ || !page || !m_hWnd) return FALSE;
    if (index < 0 || index > GetTabCount()) index = GetTabCount();
    page->main_ = this;
    if (!page->Create(pageTemplateId, this)) {
        page->main_ = nullptr;
        return FALSE;
    }
    // Tab moves through a page's controls as part of the main dialog.
    page->ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    // The page lies over the tab control's display area: above it, so that it is drawn over
    // the control and takes the clicks aimed at it.
    ::SetWindowPos(page->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    page->ShowWindow(SW_HIDE);
    tab_->InsertItem(index, label ? label : "");
    pages_.insert(pages_.begin() + index, page);
    if (active_ >= index && active_ >= 0) ++active_;
    layoutPages();
    if (active_ < 0) showPage(0);
    return TRUE;
}

CAcUiTabChildDialog* CAcUiTabMainDialog::GetTabPage(int index) const {
    return index >= 0 && index < GetTabCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

BOOL CAcUiTabMainDialog::SetActiveTab(int index) {
    if (index < 0 || index >= GetTabCount()) return FALSE;
    if (index == active_) return TRUE;
    if (CAcUiTabChildDialog* current = GetTabPage(active_); current && !current->OnTabChanging()) return FALSE;
    return showPage(index) ? TRUE : FALSE;
}

bool CAcUiTabMainDialog::showPage(int index) {
    CAcUiTabChildDialog* next = GetTabPage(index);
    if (!next) return false;
    if (CAcUiTabChildDialog* current = GetTabPage(active_)) {
        current->OnTabActivation(FALSE);
        current->ShowWindow(SW_HIDE);
    }
    active_ = index;
    if (tab_ && tab_->GetCurSel() != index) tab_->SetCurSel(index);
    next->ShowWindow(SW_SHOW);
    next->OnTabActivation(TRUE);
    return true;
}

void CAcUiTabMainDialog::layoutPages() {
    if (!tab_ || !tab_->m_hWnd) return;
    RECT area{};
    tab_->GetWindowRect(&area);
    ScreenToClient(&area);
    tab_->AdjustRect(FALSE, &area);
    for (CAcUiTabChildDialog* page : pages_)
        if (page->m_hWnd) page->MoveWindow(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

BOOL CAcUiTabMainDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (tab_ && header && header->hwndFrom == tab_->m_hWnd) {
        if (header->code == TCN_SELCHANGING) {
            // A page that refuses to be left keeps the selection where it is.
            CAcUiTabChildDialog* current = GetTabPage(active_);
            *result = current && !current->OnTabChanging() ? TRUE : FALSE;
            return TRUE;
        }
        if (header->code == TCN_SELCHANGE) {
            showPage(tab_->GetCurSel());
            *result = 0;
            return TRUE;
        }
    }
    return CAcUiDialog::OnNotify(wParam, lParam, result);
}

void CAcUiTabMainDialog::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    layoutPages();
}

void CAcUiTabMainDialog::OnDestroy() {
    for (CAcUiTabChildDialog* page : pages_) {
        if (page->m_hWnd && ::IsWindow(page->m_hWnd)) page->DestroyWindow();
        page->main_ = nullptr;
    }
    pages_.clear();
    active_ = -1;
    tab_ = nullptr;
    CAcUiDialog::OnDestroy();
}
