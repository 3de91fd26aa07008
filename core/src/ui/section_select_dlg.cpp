// The section selection dialog.
#include "core/section_select_dlg.h"

#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "core/table_file.h"

namespace {

constexpr const char* kUserSectionsFolder = "User Sections\\";
constexpr const char* kUserSectionPattern = "*.dwg";

Kv_String profileFolder() { return Kv_Settings::libDir() + "prof\\"; }
Kv_String userSectionsFolder() { return Kv_Settings::libDir() + kUserSectionsFolder; }

Kv_String userFamilyName() { return dialString(20013); }

Kv_String withoutFolderAndExtension(const Kv_String& path) {
    Kv_String name;
    if (!getFileName(path, name)) return {};
    removeExtension(name);
    return name;
}

bool isUserSection(const Kv_String& name) {
    return name.startsWith(kUserSectionsFolder, true) || name.startsWith(userSectionsFolder(), true);
}

void fillList(HWND list, const Kv_StringArray& entries) {
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    for (const Kv_String& entry : entries) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

}  // namespace

SectionSelectDlg::SectionSelectDlg(CWnd* parent) : CDialog(IDD_CORE_SECTION_SELECT, parent) {}

Kv_StringArray SectionSelectDlg::familyNames() {
    Kv_StringArray names, files;
    ObjectExportFindFiles(profileFolder(), "*.pr", files);
    for (const Kv_String& file : files) names.append(withoutFolderAndExtension(file));
    Kv_StringArray drawings;
    if (ObjectExportFindFiles(userSectionsFolder(), kUserSectionPattern, drawings) && !drawings.isEmpty())
        names.append(userFamilyName());
    return names;
}

bool SectionSelectDlg::familySizes(const Kv_String& family, Kv_StringArray& names, Kv_StringArray& shown,
                                   Kv_String& description) {
    names.removeAll();
    shown.removeAll();
    description.clear();
    if (family == userFamilyName()) {
        Kv_StringArray drawings;
        if (!ObjectExportFindFiles(userSectionsFolder(), kUserSectionPattern, drawings)) return false;
        for (const Kv_String& drawing : drawings) {
            Kv_String file;
            getFileName(drawing, file);
            names.append(userSectionsFolder() + file);
            shown.append(withoutFolderAndExtension(drawing));
        }
        return true;
    }
    Kv_String tableName;
    Kv_Array<Kv_StringArray> lines;
    if (!readFile(profileFolder() + family + ".pr", tableName, lines)) return false;
    // The line arrangement of a family table: description, column names, then one size a line.
    if (lines.length() < 2) return true;
    if (!lines[0].isEmpty()) description = lines[0][0];
    for (int i = 2; i < lines.length(); ++i) {
        const Kv_StringArray& row = lines[i];
        if (row.isEmpty() || row[0].isEmpty()) continue;
        if (row.length() > 1 && row[1] == "0") continue;
        names.append(tableName + "-" + row[0]);
        shown.append(row[0]);
    }
    return true;
}

BOOL SectionSelectDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(20010).c_str());
    SetDlgItemText(IDC_SECTION_FAMILY_LABEL, dialString(20011).c_str());
    SetDlgItemText(IDC_SECTION_SIZE_LABEL, dialString(20012).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());

    families_ = familyNames();
    fillList(::GetDlgItem(m_hWnd, IDC_SECTION_FAMILIES), families_);

    int family = 0;
    if (isUserSection(sectionName)) {
        family = families_.find(userFamilyName());
    } else {
        const int dash = sectionName.findChar('-');
        family = families_.find(dash >= 0 ? sectionName.getSubStringAt(0, dash) : sectionName, true);
    }
    if (family < 0) family = 0;
    showFamily(family);
    // The initial name is matched exactly first, then as a user section whatever its folder.
    int size = sizeNames_.find(sectionName, true);
    if (size < 0 && isUserSection(sectionName))
        size = sizeNames_.find(
            userSectionsFolder() + sectionName.getSubStringAt(Kv_String(kUserSectionsFolder).length()), true);
    if (size >= 0) SendDlgItemMessage(IDC_SECTION_SIZES, LB_SETCURSEL, static_cast<WPARAM>(size), 0);
    return TRUE;
}

void SectionSelectDlg::showFamily(int index) {
    Kv_StringArray shown;
    Kv_String description;
    sizeNames_.removeAll();
    if (families_.isValidIndex(index)) {
        SendDlgItemMessage(IDC_SECTION_FAMILIES, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        familySizes(families_[index], sizeNames_, shown, description);
    }
    fillList(::GetDlgItem(m_hWnd, IDC_SECTION_SIZES), shown);
    SetDlgItemText(IDC_SECTION_DESCRIPTION, description.c_str());
}

void SectionSelectDlg::OnOK() {
    const int size = static_cast<int>(SendDlgItemMessage(IDC_SECTION_SIZES, LB_GETCURSEL, 0, 0));
    // Without a chosen size there is nothing to give back; the dialog stays open.
    if (!sizeNames_.isValidIndex(size)) return;
    sectionName = sizeNames_[size];
    CDialog::OnOK();
}

BOOL SectionSelectDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_SECTION_FAMILIES && code == LBN_SELCHANGE) {
        showFamily(static_cast<int>(SendDlgItemMessage(IDC_SECTION_FAMILIES, LB_GETCURSEL, 0, 0)));
        return TRUE;
    }
    if (id == IDC_SECTION_SIZES && code == LBN_DBLCLK) {
        OnOK();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool selectSectionDialog(Kv_String& name) {
    SectionSelectDlg dialog;
    dialog.sectionName = name;
    if (dialog.DoModal() != IDOK) return false;
    name = dialog.sectionName;
    return true;
}
