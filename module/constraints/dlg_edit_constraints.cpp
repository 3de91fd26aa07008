#include "constraints/dlg_edit_constraints.h"

#include "constraints/constraints_ids.h"
#include "constraints/editor_lifetime.h"
#include "constraints/macro_settings_launcher.h"
#include "core/constraint_editor_calls.h"
#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "frame/text_entry_launcher.h"
#include "host/command_line.h"
#include "resources/package_icons.h"

namespace {

struct IconButton {
    int id;
    int icon;
    int tooltip;
};
constexpr IconButton kIconButtons[4] = {{IDC_EC_SELECT_MACRO, IDI_KV_SELECT_MACRO, 865},
                                        {IDC_EC_ADD_MODULE, IDI_KV_ADD, 866},
                                        {IDC_EC_REMOVE_MODULE, IDI_KV_REMOVE, 867},
                                        {IDC_EC_ZOOM, IDI_KV_ZOOM, 868}};

}  // namespace

DlgEditConstraints::DlgEditConstraints(CWnd* parent)
    : CAcUiTabMainDialog(IDD_EDIT_CONSTRAINTS, parent),
      listPage_(*this),
      geometryPage_(*this),
      variablesPage_(*this),
      palettePage_(*this) {
    SetDialogName("DLG_EDIT_MACRO");
}

DlgEditConstraints::~DlgEditConstraints() {
    if (frame::modelessConstraintEditor() == this) frame::setModelessConstraintEditor(nullptr);
}

ConstraintPage* DlgEditConstraints::page(int index) const {
    switch (index) {
    case 0: return const_cast<ConstrListPage*>(&listPage_);
    case 1: return const_cast<ConstrGeometryPage*>(&geometryPage_);
    case 2: return const_cast<ConstrVariablesPage*>(&variablesPage_);
    case 3: return const_cast<ConstrPalettePage*>(&palettePage_);
    default: return nullptr;
    }
}

BOOL DlgEditConstraints::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    setUpControls();

    // The template's size is the smallest the window may be dragged to.
    int width = 0, height = 0;
    resizer_.attach(this);
    if (getDlgSize(m_hWnd, width, height, true)) resizer_.setMinimumSize(width, height);
    resizer_.setAnchor(IDC_EC_SELECT_MACRO, CResizer::Left | CResizer::Top);
    resizer_.setAnchor(IDC_EC_MODULES, CResizer::Left | CResizer::Top);
    for (int id : {IDC_EC_RENAME_MODULE, IDC_EC_ADD_MODULE, IDC_EC_REMOVE_MODULE})
        resizer_.setAnchor(id, CResizer::Right | CResizer::Top);
    resizer_.setAnchor(IDC_EC_TABS, CResizer::All);
    resizer_.setAnchor(IDC_EC_SETTINGS, CResizer::Left | CResizer::Bottom);
    resizer_.setAnchor(IDC_EC_ZOOM, CResizer::Left | CResizer::Bottom);
    resizer_.setAnchor(IDOK, CResizer::Right | CResizer::Bottom);

    fillModuleList();

    SetAcadTabControl(IDC_EC_TABS);
    const int tabTexts[4] = {873, 874, 875, 876};
    const UINT templates[4] = {IDD_CONSTR_LIST_PAGE, IDD_CONSTR_GEOMETRY_PAGE, IDD_CONSTR_VARIABLES_PAGE,
                               IDD_CONSTR_PALETTE_PAGE};
    for (int i = 0; i < 4; ++i) {
        page(i)->record = &record;
        AddTab(i, dialString(tabTexts[i]).c_str(), templates[i], page(i));
    }
    selectTab(0, true);

    // Typing must never land in a hidden field that a later store would write.  (The window
    // itself is not shown yet: the field's own style says whether the page shows it.)
    CWnd* variable = listPage_.GetDlgItem(IDC_CL_VARIABLE);
    if (variable && (variable->GetStyle() & WS_VISIBLE)) {
        variable->SetFocus();
        variable->SendMessage(EM_SETSEL, 0, -1);
    } else if (listPage_.sheet().isAttached()) {
        listPage_.sheet().SetFocus();
    }
    ChangeDlgSize(m_hWnd, "DLG_EDIT_MACRO", false);
    return FALSE;
}

void DlgEditConstraints::setUpControls() {
    SetWindowText(dialString(869).c_str());
    for (size_t i = 0; i < iconButtons_.size(); ++i) {
        CButtonST& button = iconButtons_[i];
        if (!button.SubclassDlgItem(kIconButtons[i].id, this)) continue;
        button.SetIcon(kIconButtons[i].icon);
        button.SetTooltipText(kIconButtons[i].tooltip);
    }
    SetDlgItemText(IDC_EC_SELECT_MACRO, dialString(870).c_str());
    SetDlgItemText(IDC_EC_RENAME_MODULE, dialString(871).c_str());
    SetDlgItemText(IDC_EC_SETTINGS, dialString(872).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
}

void DlgEditConstraints::fillModuleList() {
    Kv_StringArray names;
    if (!MacroGetModules(&record, names)) return;
    selectModule(-1);
    FillCombo(m_hWnd, IDC_EC_MODULES, names, names.find(record.currentModule));
}

int DlgEditConstraints::selectedModule() const {
    return static_cast<int>(::SendMessage(::GetDlgItem(m_hWnd, IDC_EC_MODULES), CB_GETCURSEL, 0, 0));
}

void DlgEditConstraints::selectModule(int index) {
    ::SendMessage(::GetDlgItem(m_hWnd, IDC_EC_MODULES), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DlgEditConstraints::updateModule() {
    HWND list = ::GetDlgItem(m_hWnd, IDC_EC_MODULES);
    const int index = selectedModule();
    Kv_String name;
    if (index >= 0) {
        std::string text(static_cast<size_t>(::SendMessage(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)),
                         '\0');
        ::SendMessage(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        name = text.c_str();
    }
    record.currentModule = name;
    SetCurrentModule(&record, name);
    for (int i = 0; i < 3; ++i) page(i)->refresh(false);
}

void DlgEditConstraints::storeEditPages() {
    page(0)->store();
    page(2)->store();
}

void DlgEditConstraints::selectTab(int index, bool storeOnActivation) {
    activationStores_ = storeOnActivation;
    if (GetActiveTab() == index) {
        if (ConstraintPage* shown = page(index)) shown->activate(storeOnActivation);
    } else {
        SetActiveTab(index);
    }
    activationStores_ = true;
}

void DlgEditConstraints::onModuleChanged() {
    if (ConstraintPage* shown = page(currentTab_)) shown->leave();
    storeEditPages();
    updateModule();
}

void DlgEditConstraints::onSelectOtherMacro() {
    storeEditPages();
    if (!runEditorCommand([this] { return SelectOtherMacro(&record); })) return;
    fillModuleList();
    updateModule();
}

void DlgEditConstraints::runPaletteCommand(int command) {
    storeEditPages();
    if (!runEditorCommand([this, &command] { return StartMacroCommand(&record, command); })) return;
    if (command <= kCmdHidden10) {
        // The core rewrote the record: page 0 shows it before anything could store over it.
        page(0)->refresh(false);
        selectTab(0, false);
        FillCombo(m_hWnd, IDC_EC_MODULES, record.moduleNames, -1);
        // An exact match (case ignored) wins over the first name that merely begins with it.
        int match = record.moduleNames.find(record.currentModule, true);
        for (int i = 0; match < 0 && i < record.moduleNames.length(); ++i)
            if (record.moduleNames[i].startsWith(record.currentModule, true)) match = i;
        selectModule(match);
        for (int i = 0; i < 3; ++i) page(i)->refresh(false);
    } else if (command == kCmdAddModule) {
        fillModuleList();
        selectModule(static_cast<int>(::SendMessage(::GetDlgItem(m_hWnd, IDC_EC_MODULES), CB_GETCOUNT, 0, 0)) - 1);
        updateModule();
    }
}

void DlgEditConstraints::onRenameModule() {
    frame::TextEntryRequest request;
    request.title = dialString(877);
    request.prompt = dialString(878);
    request.text = record.currentModule;
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    request.parent = this;
    if (!frame::askForText(request)) return;
    const int index = selectedModule();
    storeEditPages();
    if (!RenameModule(&record, request.text)) return;
    fillModuleList();
    selectModule(index);
    updateModule();
}

void DlgEditConstraints::onRemoveModule() {
    const int index = selectedModule();
    Kv_String name;
    if (index >= 0) {
        HWND list = ::GetDlgItem(m_hWnd, IDC_EC_MODULES);
        std::string text(static_cast<size_t>(::SendMessage(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)),
                         '\0');
        ::SendMessage(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        name = text.c_str();
    }
    RemoveModule(&record, name);
    fillModuleList();
    const int count = static_cast<int>(::SendMessage(::GetDlgItem(m_hWnd, IDC_EC_MODULES), CB_GETCOUNT, 0, 0));
    selectModule(index >= count ? index - 1 : index);
    updateModule();
}

void DlgEditConstraints::onZoom() {
    if (zooming_) return;
    zooming_ = true;
    runEditorCommand([] { return ZoomCommand(); }, false);
    zooming_ = false;
}

BOOL DlgEditConstraints::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_EC_MODULES && code == CBN_SELCHANGE) {
        onModuleChanged();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_EC_SELECT_MACRO: onSelectOtherMacro(); return TRUE;
        case IDC_EC_ADD_MODULE: runPaletteCommand(kCmdAddModule); return TRUE;
        case IDC_EC_RENAME_MODULE: onRenameModule(); return TRUE;
        case IDC_EC_REMOVE_MODULE: onRemoveModule(); return TRUE;
        case IDC_EC_ZOOM: onZoom(); return TRUE;
        case IDC_EC_SETTINGS: constraints::editMacroSettings(record.macroId, this); return TRUE;
        default: break;
        }
    }
    return CAcUiTabMainDialog::OnCommand(wParam, lParam);
}

void DlgEditConstraints::closeAsOk() { OnOK(); }

void DlgEditConstraints::OnOK() {
    if (modeless) {
        endModeless();
        return;
    }
    EndDialog(IDOK);
}

void DlgEditConstraints::OnCancel() {
    if (modeless) {
        endModeless();
        return;
    }
    EndDialog(IDCANCEL);
}

bool DlgEditConstraints::endModeless() {
    if (closing_) return false;
    closing_ = true;
    // The table forgets the editor before its window goes, so that nothing reaches it through
    // the table while it is being destroyed.
    if (frame::modelessConstraintEditor() == this) frame::setModelessConstraintEditor(nullptr);
    const bool destroyed = m_hWnd && DestroyWindow();
    if (!destroyed) acutPrintf("Erase window failed\n");
    acedPostCommandPrompt();
    constraints::deleteEditorWhenIdle(this);
    return destroyed;
}

void DlgEditConstraints::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
    layoutPages();
}

void DlgEditConstraints::OnGetMinMaxInfo(MINMAXINFO* info) {
    resizer_.limitTracking(info);
    CAcUiTabMainDialog::OnGetMinMaxInfo(info);
}

void DlgEditConstraints::OnDestroy() {
    page(0)->store();
    if (ConstraintPage* shown = page(currentTab_)) shown->leave();
    storeEditPages();
    WriteDlgSize(m_hWnd, "DLG_EDIT_MACRO");
    currentTab_ = -1;
    CAcUiTabMainDialog::OnDestroy();
}

LRESULT DlgEditConstraints::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    constraints::HandlerScope handling;
    return CAcUiTabMainDialog::WindowProc(msg, wParam, lParam);
}
