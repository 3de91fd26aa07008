// A check-box cell as a person sees it: ticked shows a tick in its box, unticked an empty box.
#include <gtest/gtest.h>

#include <cstdlib>

#include "render/window.h"
#include "scene_probe.h"
#include "spread_test_support.h"

namespace {

class CheckBoxCellPicture : public SpreadTest {
protected:
    // Dark pixels inside the box drawn in a cell, the box's own frame left out.
    int inkInsideBox(const render::Image& picture, HWND sheetWindow, int col, int row) const {
        POINT center = spread_test::cellCenter(sheetWindow, col, row);
        ClientToScreen(sheetWindow, &center);
        RECT outer{};
        GetWindowRect(host->m_hWnd, &outer);
        const int x = center.x - outer.left, y = center.y - outer.top;
        int dark = 0;
        for (int py = y - 4; py <= y + 4; ++py)
            for (int px = x - 4; px <= x + 4; ++px) {
                const render::Rgb c = render::probe::colorAt(picture, px, py);
                dark += ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) < 200;
            }
        return dark;
    }
};

TEST_F(CheckBoxCellPicture, ATickedCellShowsATick) {
    openSheet(2, 2);
    sheet->setColCheckBox(1, false, false);
    sheet->setColStrings(1, {"0", "0"});
    clickCell(1, 1);  // the person ticks the first box
    ASSERT_EQ(engine().dataAt(1, 1), "1");

    const render::Image picture = render::renderWindow(host->m_hWnd);
    if (const char* folder = std::getenv("KV_PICTURES_DIR"))
        render::renderWindowToPng(host->m_hWnd, std::string(folder) + "/module-check-box-cells.png");
    EXPECT_GT(inkInsideBox(picture, sheet->m_hWnd, 1, 1), 8) << "the ticked box shows no tick";
    EXPECT_EQ(inkInsideBox(picture, sheet->m_hWnd, 1, 2), 0) << "the empty box shows a tick";
}

}  // namespace
