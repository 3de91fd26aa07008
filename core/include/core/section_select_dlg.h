#pragma once
// The core library's section selection dialog: the user picks a section family (a table in
// the library's "prof\" folder, or the user sections) and one size of it.
//
// Names it gives and takes:
// - a size of a family table is the table's name, "-" and the size's system name
//   ("IPE-IPE200"); inactive sizes (flag "0") are not offered;
// - a user section is its drawing in the library's "User Sections\" folder, given back as a
//   full path (the library folder, "User Sections\" and the file name).
// A name the dialog does not know opens it on the first family without a chosen size.
// Needs the window system.

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/afxwin.h"

// Resource ids of the dialog (core resource table "kvcore").
inline constexpr int IDD_CORE_SECTION_SELECT = 30200;
inline constexpr int IDC_SECTION_FAMILIES = 30201;
inline constexpr int IDC_SECTION_SIZES = 30202;
inline constexpr int IDC_SECTION_DESCRIPTION = 30203;
inline constexpr int IDC_SECTION_FAMILY_LABEL = 30204;
inline constexpr int IDC_SECTION_SIZE_LABEL = 30205;

class SectionSelectDlg : public CDialog {
public:
    explicit SectionSelectDlg(CWnd* parent = nullptr);

    // In: the section to show first.  Out (on OK): the chosen one.
    Kv_String sectionName;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The family names the dialog offers, in its order: the tables, then the user sections
    // entry when that folder holds drawings.
    static Kv_StringArray familyNames();
    // The sizes of a family as names the dialog gives back, and what the size list shows.
    static bool familySizes(const Kv_String& family, Kv_StringArray& names, Kv_StringArray& shown,
                            Kv_String& description);

private:
    void showFamily(int index);

    Kv_StringArray families_;
    Kv_StringArray sizeNames_;
};

// Runs the dialog over name; true on OK with name set to the chosen section.
bool selectSectionDialog(Kv_String& name);
