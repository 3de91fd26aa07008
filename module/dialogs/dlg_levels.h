#pragma once
// CDlgLevels: edits the drawing's levels (TwLevelsDlgData).  One level is shown at a time:
// its name and height are read-only, its value can be typed, and its reference level can be
// chosen only while it is the level just added.  The typed value is committed to the level
// shown before another is selected and before OK closes; a value that is not a number
// becomes 0, as the package has always read it.
//
// Rules it keeps beyond the package's old ones: when no level exists at the index shown
// (after deleting level 0, or with no levels at all) the fields are emptied, the value field
// is disabled and nothing is committed; after twenty refused names nothing is added.

#include "core/cbutton_st.h"
#include "core/kv_string_array.h"
#include "core/records/tw_levels_dlg_data.h"
#include "win/afxwin.h"

class CDlgLevels : public CDialog {
public:
    explicit CDlgLevels(CWnd* parent = nullptr);

    TwLevelsDlgData data;

    // How often the name prompt is offered before adding is given up.
    static constexpr int kNamePromptLimit = 20;
    // The text of the box that refuses a name ("wcs" or one in use).
    static Kv_String nameInUseMessage();

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void fillLevelList();
    void showLevel(int index);
    void commitLevel();
    void addLevel();
    void deleteLevel();

    int currentIndex_ = -1;
    bool newLevel_ = false;  // the level shown is the one just added: its reference may change
    CButtonST addButton_;
    CButtonST deleteButton_;
};

// Runs the levels dialog over the caller's record; true, with the record copied back, on OK.
bool StartDlgLevels(TwLevelsDlgData& data);
