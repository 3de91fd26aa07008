#include "dialogs/dlg_dstv_groups.h"

#include <algorithm>

#include "core/dialog_helpers.h"
#include "core/file_name_check.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "core/records/dlg_dstv_points.h"
#include "dialogs/dlg_dstv_point_edit.h"
#include "dialogs/dstv_points_ids.h"
#include "frame/dialog_launcher.h"
#include "frame/text_entry_launcher.h"

namespace {

Kv_String groupPath(const Kv_String& name) {
    return DlgDstvPoints::getDstvPointsFolder() + name + DlgDstvPoints::kExtension;
}

}  // namespace

CDlgDSTVGroups::CDlgDSTVGroups(CWnd* parent) : CDialog(IDD_DSTV_GROUPS, parent) {}

Kv_String CDlgDSTVGroups::nameInUseMessage() { return string(857) + ".\n" + string(858) + "."; }
Kv_String CDlgDSTVGroups::unreadableMessage(const Kv_String& name) { return string(20150) + "\n" + name; }
Kv_String CDlgDSTVGroups::unwritableMessage(const Kv_String& name) { return string(20151) + "\n" + name; }

BOOL CDlgDSTVGroups::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(863).c_str());
    SetDlgItemText(IDC_DSTV_GROUPS_ACTIVATE, dialString(861).c_str());
    SetDlgItemText(IDC_DSTV_GROUPS_EDIT, dialString(862).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
    ShowOrHideCtrl(this, IDCANCEL, false);
    groupList_.SubclassDlgItem(IDC_DSTV_GROUPS_LIST, this);
    addButton_.SubclassDlgItem(IDC_DSTV_GROUPS_ADD, this);
    addButton_.SetIcon(IDI_KV_ADD);
    addButton_.SetTooltipText(20155);
    deleteButton_.SubclassDlgItem(IDC_DSTV_GROUPS_DELETE, this);
    deleteButton_.SetIcon(IDI_KV_REMOVE);
    deleteButton_.SetTooltipText(20156);
    fillGroupList(0);
    return TRUE;
}

void CDlgDSTVGroups::fillGroupList(int selection) {
    names_.removeAll();
    DlgDstvPoints::getAllDstvPointsFiles(names_);
    groupList_.ResetContent();
    for (const Kv_String& name : names_) groupList_.AddString(name.c_str(), false);
    Kv_String standard = DlgDstvPoints::getStandardDstvPointsFile();
    removeExtension(standard);
    // The file layer finds "weld.dat" for "Weld", so the standard group is found the same way.
    const int ticked = standard.isEmpty() ? -1 : names_.find(standard, true);
    if (ticked >= 0) groupList_.SetCheck(ticked, true);
    groupList_.SetCurSel(selection);
}

bool CDlgDSTVGroups::selectedGroup(Kv_String& name) const {
    const int index = groupList_.GetCurSel();
    if (!names_.isValidIndex(index)) return false;
    name = names_[index];
    return true;
}

void CDlgDSTVGroups::warn(const Kv_String& text, const Kv_String& caption) {
    ::MessageBox(m_hWnd, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void CDlgDSTVGroups::addGroup() {
    frame::TextEntryRequest request;
    request.title = dialString(87);
    request.prompt = dialString(864);
    request.text = dialString(171);
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    request.parent = this;
    if (!frame::askForText(request)) return;
    // The group's path is built from the typed text: "..\x" would reach outside the folder.
    if (warnInvalidFileName(request.text)) return;
    if (names_.contains(request.text, true)) {
        warn(nameInUseMessage(), dialString(856));
        return;
    }
    const Kv_String folder = DlgDstvPoints::getDstvPointsFolder();
    if (!ObjectExportCreateDirectory(folder) || !ObjectExportWriteFile(groupPath(request.text), Kv_StringArray{})) {
        warn(unwritableMessage(request.text), dialString(863));
        return;
    }
    fillGroupList(groupList_.GetCurSel());
}

void CDlgDSTVGroups::deleteGroup() {
    Kv_String name;
    if (!selectedGroup(name)) return;
    const int selection = groupList_.GetCurSel();
    deleteFile(groupPath(name));
    fillGroupList(std::min(selection, names_.length() - 2));
}

void CDlgDSTVGroups::editGroup() {
    Kv_String name;
    if (!selectedGroup(name)) return;
    Kv_DstvPointArray points;
    if (!DlgDstvPoints::readFromFile(name, points)) {
        warn(unreadableMessage(name), dialString(863));
        return;
    }
    if (editDstvPoints(points, this) && !DlgDstvPoints::writeToFile(name, points))
        warn(unwritableMessage(name), dialString(863));
}

void CDlgDSTVGroups::activateGroup() {
    Kv_String name;
    if (!selectedGroup(name)) return;
    if (!DlgDstvPoints::setStandardDstvPointsFile(name))
        warn(unwritableMessage(DlgDstvPoints::kStandardFileName), dialString(863));
    fillGroupList(groupList_.GetCurSel());
}

BOOL CDlgDSTVGroups::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_DSTV_GROUPS_ADD: addGroup(); return TRUE;
        case IDC_DSTV_GROUPS_DELETE: deleteGroup(); return TRUE;
        case IDC_DSTV_GROUPS_EDIT: editGroup(); return TRUE;
        case IDC_DSTV_GROUPS_ACTIVATE: activateGroup(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void StartDSTVPointsDlg() {
    // The launcher's scope is left to the caller: the package calls this one without it.
    frame::launchModalDialog<CDlgDSTVGroups>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides}, [](CDlgDSTVGroups&) {}, [](CDlgDSTVGroups&) {});
}
