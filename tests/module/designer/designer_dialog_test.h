#pragma once
// The designer dialog's fixture: a fresh library folder with a template "Plate" (a 400 by 300
// picture, a label and an edit field) and a registry file of its own.

#include <cstring>
#include <string>

#include "designer/designer_ids.h"
#include "designer/dlg_designer.h"
#include "designer/kv_control_type.h"
#include "designer_test_support.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/registry.h"

namespace designer_test {

// The pixel rectangles of Plate's controls on its 400 by 300 picture.
inline constexpr RECT kLabelRect{40, 30, 120, 48};
inline constexpr RECT kEditRect{160, 30, 240, 52};

class DesignerDialogTest : public DesignerTest {
protected:
    void prepareHost() override { win::setRegistryFile((library_ / "registry.json").string()); }
    void releaseHost() override { win::setRegistryFile(""); }
    void SetUp() override {
        DesignerTest::SetUp();
        writePicture("Plate.bmp", 400, 300);
        Kv_DlgDesignerData plate;
        plate.attachBitmap(templatePath("Plate.bmp"));
        plate.append(control(kCtrlLabel, kLabelRect, "Width"));
        plate.append(control(kCtrlVariableEdit, kEditRect, "B"));
        ASSERT_TRUE(plate.writeToFile(templatePath("Plate.txt")));
    }

public:
    static HWND dialog() { return win::findOpenDialog(IDD_DLG_DESIGNER); }

protected:
    static Kv_DesignerControl control(Kv_ControlType type, RECT r, const char* contents) {
        return makeControl(type, r.left / 400.0, r.top / 300.0, r.right / 400.0, r.bottom / 300.0, contents);
    }
    static POINT centreOf(RECT r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    static std::string title() { return windowTextOf(dialog()).str(); }
    static RECT windowOf(int id) { return win::describeWindow(GetDlgItem(dialog(), id)).rectInParent; }
    // The window's rectangle, or -1s when the dialog has no window with that id.
    static RECT windowOrNone(int id) { return GetDlgItem(dialog(), id) ? windowOf(id) : RECT{-1, -1, -1, -1}; }

    // A press, two moves and a release on the design surface.
    void drag(POINT from, POINT to, unsigned modifiers = 0) {
        script.mouseDown(IDD_DLG_DESIGNER, 0, from, modifiers)
            .mouseMove(IDD_DLG_DESIGNER, 0, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, modifiers)
            .mouseMove(IDD_DLG_DESIGNER, 0, to, modifiers)
            .mouseUp(IDD_DLG_DESIGNER, 0, to, modifiers);
    }
    void clickSurface(POINT at, unsigned modifiers = 0) { script.clickAt(IDD_DLG_DESIGNER, 0, at, modifiers); }

    // The template as a file holds it, read without its dialog.
    Kv_DlgDesignerData readBack(const std::string& relative) const {
        Kv_DlgDesignerData data;
        EXPECT_TRUE(data.readFromFile(templatePath(relative), true)) << relative;
        return data;
    }

    std::string hostFile(const std::string& relative) const { return hostPath(relative).string(); }
};

}  // namespace designer_test
