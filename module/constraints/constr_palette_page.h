#pragma once
// ConstrPalettePage: the command palette page of the editor (resource 216): fourteen picture
// buttons 1024 to 1037 for the commands 0 to 13 (ConstraintCommand); 1027 and 1034 stay
// hidden.  Pictures come from the installation folder's "icons\" (magenta transparent); a
// missing or undecodable picture leaves its button without one.

#include <array>

#include "core/cbutton_st.h"
#include "constraints/constraint_page.h"

class ConstrPalettePage : public ConstraintPage {
public:
    explicit ConstrPalettePage(DlgEditConstraints& editor) : ConstraintPage(216, editor) {}

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::array<CButtonST, 14> buttons_;
};

// The picture file and tooltip text number of each palette command (nullptr / 0: none).
struct PaletteEntry {
    const char* bitmap;
    int tooltip;
};
extern const PaletteEntry kPaletteEntries[14];
