#pragma once
// ConstrListPage: the constraint list page of the editor (resource 207, window text "Regels
// editeren").  A sheet lists the constraints of the current module, one row each; below it the
// properties of the selected constraint: value, variable name, choice list, two check boxes and
// up to five picture option buttons in at most two groups.  Each change goes through the core
// library to the drawing.
//
// The record is stored input: arrays of different lengths, ragged rows, unknown features,
// more option pictures than buttons, option states naming buttons that do not exist.  The page
// shows what is valid and never reads or writes outside an array (docs/constraint-editor.md).

#include <array>

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/kv_array.h"
#include "constraints/constraint_page.h"
#include "spread/kv_spread.h"

class ConstrListPage : public ConstraintPage {
public:
    explicit ConstrListPage(DlgEditConstraints& editor);

    static constexpr int kOptionButtons = 5;

    void leave() override;
    bool store() override { return storeConstraintEdits(); }
    void refresh(bool reset) override { refreshConstraintList(reset); }
    void activate(bool storeFirst) override;
    bool takeEscape() override;

    void refreshConstraintList(bool reset);
    void selectConstraintRow(int row);
    bool storeConstraintEdits();
    // The variable field lost the focus: when its text differs from the stored name, the
    // name checks run once the message that moved the focus has been handled (a message box
    // in the middle of a click would leave the clicked control holding the mouse).
    void noteVariableLeft();
    void validateVariableName();

    int currentRow() const { return currentRow_; }
    int groupSplit() const { return groupSplit_; }
    Kv_Spread& sheet() { return sheet_; }

    void onSheetClick(int sheetId, int col, int row) override;
    void onSheetLeaveCell(int sheetId, int col, int row, int newCol, int newRow) override;
    void onSheetRightClick(int sheetId, int col, int row) override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    bool rowHasFeature(int row, int feature) const;
    // The row's entries exist in every array its features need.
    bool rowComplete(int row) const;
    int rowCount() const;
    void setUpOptionButtons(int row);
    void clickOption(int number);
    void readOptionStates(Kv_Array<int>& states) const;
    void onHeadingClicked(int column);
    void onDelete();
    void onEditCut();
    void showRowCells();
    void fitColumns();
    Kv_String controlText(int id) const;

    Kv_Spread sheet_;
    std::array<CButtonST, kOptionButtons> options_;
    CButtonST deleteButton_;
    TwResizer resizer_;
    int currentRow_ = -1;
    int groupSplit_ = -1;
    // Option groups: group 1 is buttons 1 to groupEnds_[0] once its break came (groupSplit_ > 0),
    // group 2 groupSplit_ to groupEnds_[1]; the buttons after the last break form a run that a
    // click keeps to one checked button and that is never stored.
    int runStart_ = 1;           // first button of the run no break closed (buttonsInUse_ + 1: none)
    int groupEnds_[2] = {0, 0};  // last button of group 1 and 2 (0: that group never closed)
    bool rowStorable_ = false;
    static constexpr UINT kValidateNameMessage = WM_APP + 1;
    bool namePending_ = false;
    Kv_String pendingName_;
    int pendingConstraintId_ = 0;
    int buttonsInUse_ = 0;
    int sortColumn_ = -1;
    bool skipNextEscape_ = false;
    Kv_Array<int> menuActionCodes_;
    bool filling_ = false;
};
