#pragma once
// The library editor's third page (8716): the section libraries, one profile values table
// file per library, shown one at a time in a sheet.  The page writes the files itself
// (saving, renaming, deleting), whatever button later closes the dialog.
//
// Rules it keeps:
// - Before another library is shown, before a new one is made and before the dialog closes,
//   a changed sheet asks whether to save; Cancel keeps everything as it is.
// - A save that cannot read a table back from the sheet, or cannot write its file, stops what
//   asked for it with a message; the file is never overwritten and the edits stay.
// - Library names are told apart ignoring case, as the file layer finds files.

#include <array>

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/records/dlg_edit_lib_data.h"
#include "host/acui_dialog.h"
#include "sections/kv_prof_values_table.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"

class CLibLibrariesPage : public CAcUiTabChildDialog {
public:
    explicit CLibLibrariesPage(DlgEditLibData& data);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;

    // The save question for a changed sheet; false when the person cancelled or the save
    // failed (the action that asked stops).
    bool askToSave();
    // Shows the library the profile belongs to (the longest library name that, with "-",
    // begins the profile name; else the first library) and selects the profile's row.
    void selectProfile(const Kv_String& profileName);

    const Kv_StringArray& libraryNames() const { return names_; }
    int shownLibrary() const { return shown_; }
    Kv_Spread& sheet() { return sheet_; }

private:
    HWND ownerWindow() const;
    void setUpButtons();
    void fillTypeList();
    void fillLibraryList();
    void loadLibrary(int index);
    void showNoLibrary();
    void enableEditing(bool enable);
    bool saveShown();
    bool tableFromSheet(Kv_ProfValuesTable& table);
    void reportSaveFailure();
    Kv_String typeEntry() const;
    void selectTypeEntry(const Kv_String& entry);
    void applyTypeColumns(bool ask);

    void onLibrarySelected();
    void onNew();
    void onDelete();
    void onLayout();
    void onRename();
    void onTypeChanged();

    DlgEditLibData& data_;
    Kv_StringArray names_;
    int shown_ = -1;
    bool filling_ = false;
    Kv_Spread sheet_;
    std::array<CButtonST, 7> iconButtons_;
    CResizer resizer_;
};
