#pragma once
// CDlgMacroPattern: one pattern of a kind-1 macro tab (resource 222): its two directions (on,
// kind, two values, a check state and a list of distances each) and four options.  The
// dialog is live: every finished change is applied at once through the template page that
// opened it, which stores the pattern at its index in the tab.
//
// Rules it keeps:
// - A flag below 0 (the edited patterns differ) shows an undetermined box and, untouched, is
//   read back as -1; the first click makes the box a two-state one.
// - Type 1 patterns have no first direction to edit; in type 2 the second direction is open
//   while option 2 (1274) is ticked.  A direction's distance sheet is open only for the
//   distance-list kind (3), its two values for the others.
// - Notifications are ignored until the dialog is filled (`ready`).

#include "core/records/macro_elements.h"
#include "host/acui_dialog.h"
#include "spread/kv_spread.h"

class CDlgMacroTabPage;

class CDlgMacroPattern : public CAcUiDialog {
public:
    CDlgMacroPattern(CDlgMacroTabPage* owner, int index, CWnd* parent = nullptr);

    MacroPatternProps pattern;
    // The control ids of one direction (dlg_macro_pattern.cpp).
    struct Block;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void setLabels();
    void setUpSheet(Kv_Spread& sheet, int id);
    void showDirection(const Block& block, const MacroPatternDirection& direction);
    void showDistances(Kv_Spread& sheet, const Kv_StringArray& distances);
    void readDirection(const Block& block, MacroPatternDirection& direction);
    void readDistances(const Kv_Spread& sheet, Kv_StringArray& distances) const;
    void enableByType();
    void readBack();
    void apply();

    CDlgMacroTabPage* owner_;
    int index_;
    Kv_Spread sheet1_;
    Kv_Spread sheet2_;
    bool ready_ = false;
};

// Opens the pattern dialog on `pattern`, the tab's pattern `index`, for the page `owner`
// (nullptr: nothing is applied); `pattern` gets what the dialog last held.
void openPatternOptions(CDlgMacroTabPage* owner, int index, MacroPatternProps& pattern);
