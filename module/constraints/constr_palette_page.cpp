#include "constraints/constr_palette_page.h"

#include "constraints/constraints_ids.h"
#include "constraints/dlg_edit_constraints.h"
#include "core/constraint_editor_calls.h"
#include "core/kv_settings.h"

const PaletteEntry kPaletteEntries[14] = {{"Parallel.bmp", 903},
                                          {"Perpendicular.bmp", 904},
                                          {"Coincident.bmp", 905},
                                          {"Symmetric.bmp", 906},
                                          {"Tangent.bmp", 907},
                                          {"Concentric.bmp", 908},
                                          {"EqualRadius.bmp", 909},
                                          {"Distance.bmp", 910},
                                          {"Angle.bmp", 911},
                                          {"Radius.bmp", 912},
                                          {nullptr, 0},
                                          {"AddModule.bmp", 913},
                                          {"BoltPattern.bmp", 914},
                                          {"CoordSys.bmp", 915}};

BOOL ConstrPalettePage::OnInitDialog() {
    ConstraintPage::OnInitDialog();
    const Kv_String icons = Kv_Settings::kvDir() + "icons\\";
    for (int command = 0; command < 14; ++command) {
        CButtonST& button = buttons_[static_cast<size_t>(command)];
        if (!button.SubclassDlgItem(IDC_CP_FIRST + command, this)) continue;
        const PaletteEntry& entry = kPaletteEntries[command];
        // A missing or undecodable picture leaves the button without one.
        if (entry.bitmap) button.SetBitmapFile(icons + entry.bitmap, RGB(255, 0, 255));
        if (entry.tooltip) button.SetTooltipText(entry.tooltip);
    }
    return TRUE;
}

BOOL ConstrPalettePage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id >= IDC_CP_FIRST && id <= IDC_CP_LAST) {
        editor_.runPaletteCommand(id - IDC_CP_FIRST);
        return TRUE;
    }
    return ConstraintPage::OnCommand(wParam, lParam);
}
