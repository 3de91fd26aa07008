#pragma once
// CDlgMacroBoltOptions: the bolt of a kind-1 macro tab in full (resource 8140): composition,
// diameter and lengths, four tri-state flags, the hole columns, the slotted holes and the
// parts (washers and nuts) as picture check boxes.  The dialog is live: every finished change
// is checked and applied to the drawing through the template page that opened it.
//
// Rules it keeps:
// - A flag the edited bolts disagree on (below 0, or 2 as this dialog writes it back) shows
//   an undetermined box; left untouched it is written back as 2, which the core library
//   reads as mixed.  The first click makes the box a two-state one.
// - A part flag shows checked above 0, else unchecked; one the person never clicked keeps its
//   value (a mixed -1 stays -1).
// - An active slot needs a radius and a length above 0: until it has them nothing is applied
//   and OK does not close.
// - Without an owner page every apply succeeds and does nothing.

#include <set>

#include "core/cbutton_st.h"
#include "core/check_combo_box.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/records/macro_elements.h"
#include "host/acui_dialog.h"
#include "spread/kv_spread.h"

class CDlgMacroTabPage;

class CDlgMacroBoltOptions : public CAcUiDialog {
public:
    explicit CDlgMacroBoltOptions(CDlgMacroTabPage* owner, CWnd* parent = nullptr);

    MacroBoltData data;
    Kv_StringArray diameters;  // of the composition, computed by the opener

    // The slot whose radius or length fails the check (counted from 0), -1 when every
    // active slot has both above 0.
    static int firstInvalidSlot(const MacroBoltData& bolt);
    // The warning for slot `number` (counted from 1).
    static Kv_String slotWarning(int number);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    void setLabels();
    void setUpPictures();
    void setUpSheet();
    void showData();
    void showCompositions();
    void showHoleColumns();
    void showSlots();
    void showSlot();
    void enableSlotControls();
    void readBack();
    void readSlot();
    void readHoleColumns();
    bool apply();
    void slotChosen();
    void slotTicked();
    void activeClicked();
    void compositionChosen();

    CDlgMacroTabPage* owner_;
    CButtonST picture_;
    CButtonST parts_[5];
    CCheckComboBox slots_{CCheckComboBox::PersonTicks};
    Kv_Spread sheet_;
    int shownSlot_ = 0;
    std::set<int> clickedParts_;  // part boxes the person changed
    bool ready_ = false;
    bool applying_ = false;
    bool applyPosted_ = false;
    bool editChanged_ = false;   // a person typed in an edit since the last apply
    bool leftSlotEdit_ = false;  // the posted apply comes from an edit of the shown slot
};

// Opens the bolt options on `bolt` for the page `owner` (nullptr: nothing is applied); the
// diameters of its composition are computed first.  `bolt` gets what the dialog last held.
void openBoltOptions(CDlgMacroTabPage* owner, MacroBoltData& bolt);
