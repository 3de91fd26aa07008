#pragma once
// CDlgDSTVGroups: lists the DSTV point groups (the standard one ticked) and creates, deletes,
// edits and activates them.  It closes with its one button; nothing is handed back, every
// change is on disk at once.
//
// Rules it keeps beyond the package's old ones: a new name must be a valid file name (the
// path is built from it) and is compared with the existing names ignoring case, as the file
// layer finds files; a group that cannot be read is reported and not opened, so that its file
// is never replaced by an empty list; a failed write is reported; Delete, Edit and Activate do
// nothing while no group is selected.

#include "core/cbutton_st.h"
#include "core/check_combo_box.h"
#include "core/kv_string_array.h"
#include "win/afxwin.h"

class CDlgDSTVGroups : public CDialog {
public:
    explicit CDlgDSTVGroups(CWnd* parent = nullptr);

    // The texts of the boxes shown when a name is in use, a group cannot be read or written.
    static Kv_String nameInUseMessage();
    static Kv_String unreadableMessage(const Kv_String& name);
    static Kv_String unwritableMessage(const Kv_String& name);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void fillGroupList(int selection);
    // The selected group's name; false when none is selected.
    bool selectedGroup(Kv_String& name) const;
    void addGroup();
    void deleteGroup();
    void editGroup();
    void activateGroup();
    void warn(const Kv_String& text, const Kv_String& caption);

    CCheckComboBox groupList_;
    Kv_StringArray names_;
    CButtonST addButton_;
    CButtonST deleteButton_;
};

// Runs the DSTV point group dialog.
void StartDSTVPointsDlg();
