// CDlgEditLibSections and its launcher.
#include "sections/dlg_edit_lib_sections.h"

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/print_rect.h"
#include "frame/dialog_launcher.h"
#include "sections/section_lib_ids.h"

namespace {

constexpr const char* kSizeName = "DLG_EDIT_SECTIONLIB";
constexpr int kLibrariesTab = 2;

}  // namespace

CDlgEditLibSections::CDlgEditLibSections(CWnd* parent)
    : CAcUiTabMainDialog(IDD_EDIT_LIB_SECTIONS, parent), groups_(data), types_(data), libraries_(data) {}

BOOL CDlgEditLibSections::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetDialogName(kSizeName);
    SetWindowText(dialString(754).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    data.GetAvailableFiles();
    SetAcadTabControl(IDC_LIB_TABS);
    AddTab(0, dialString(755).c_str(), IDD_LIB_GROUPS_PAGE, &groups_);
    AddTab(1, dialString(756).c_str(), IDD_LIB_TYPES_PAGE, &types_);
    AddTab(2, dialString(757).c_str(), IDD_LIB_LIBRARIES_PAGE, &libraries_);

    int minWidth = 50, minHeight = 50;
    getSafeDlgSize(this, minWidth, minHeight);
    resizer_.attach(this);
    resizer_.setMinimumSize(minWidth, minHeight);
    resizer_.setAnchor(IDC_LIB_TABS, CResizer::All);
    for (int id : {IDOK, IDCANCEL}) resizer_.setAnchor(id, CResizer::Right | CResizer::Bottom);
    ChangeDlgSize(this, kSizeName, false);

    if (!profileName.isEmpty()) {
        SetActiveTab(kLibrariesTab);
        libraries_.selectProfile(profileName);
    }
    RECT rect{};
    GetWindowRect(&rect);
    acutPrintfRect(rect, "Window rect");
    initialised_ = true;
    return TRUE;
}

void CDlgEditLibSections::OnOK() {
    if (!libraries_.askToSave()) return;
    // The pages store their fields when they are left; the one on show is stored here.  A page
    // left earlier is not read again: its controls may name groups removed since.
    if (GetTabPage(GetActiveTab()) == &groups_) groups_.storeShown();
    if (GetTabPage(GetActiveTab()) == &types_) types_.storeShown();
    data.availableFiles = libraries_.libraryNames();
    CAcUiTabMainDialog::OnOK();
}

void CDlgEditLibSections::OnCancel() {
    if (!libraries_.askToSave()) return;
    CAcUiTabMainDialog::OnCancel();
}

void CDlgEditLibSections::OnSize(UINT type, int cx, int cy) {
    if (resizer_.isAttached()) resizer_.resize();
    CAcUiTabMainDialog::OnSize(type, cx, cy);
}

void CDlgEditLibSections::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (initialised_) resizer_.limitTracking(info);
    CAcUiTabMainDialog::OnGetMinMaxInfo(info);
}

void CDlgEditLibSections::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CAcUiTabMainDialog::OnDestroy();
}

bool StartDlgEditLibSections(DlgEditLibData& data, const Kv_String& profileName) {
    return frame::launchModalDialog<CDlgEditLibSections>(
        frame::LaunchRules{},
        [&](CDlgEditLibSections& dialog) {
            dialog.data = data;
            dialog.profileName = profileName;
        },
        [&](CDlgEditLibSections& dialog) { data = dialog.data; });
}
