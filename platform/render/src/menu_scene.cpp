#include "menu_scene.h"

#include "render/palette.h"
#include "win/winuser.h"

namespace render::detail {

namespace {

constexpr int kCheckColumn = 20;

void addCheckMark(Scene& scene, const Rect& item, Rgb color) {
    const int x = item.left + 6, y = item.top + item.height() / 2;
    scene.add(Line{x, y, x + 2, y + 2, color, 2});
    scene.add(Line{x + 2, y + 2, x + 7, y - 3, color, 2});
}

void addSubmenuArrow(Scene& scene, const Rect& item, Rgb color) {
    const int x = item.right - 10, y = item.top + item.height() / 2;
    for (int i = 0; i < 4; ++i) scene.add(Line{x + i, y - 3 + i, x + i, y + 4 - i, color, 1});
}

}  // namespace

void addPopupMenu(Scene& scene, const win::PopupMenuState& menu, int originX, int originY, const Font& font) {
    RECT window{};
    GetWindowRect(menu.window, &window);
    const Rect box{originX, originY, originX + (window.right - window.left), originY + (window.bottom - window.top)};
    scene.add(FillRect{box, palette::face});
    scene.add(Edge3D{box, +1, +1});
    for (size_t i = 0; i < menu.items.size() && i < menu.itemRects.size(); ++i) {
        const win::MenuItemRecord& item = menu.items[i];
        const RECT& r = menu.itemRects[i];
        const Rect rect{originX + r.left, originY + r.top, originX + r.right, originY + r.bottom};
        if (item.separator) {
            const int y = rect.top + rect.height() / 2 - 1;
            scene.add(Line{rect.left + 1, y, rect.right - 1, y, palette::shadow3d, 1});
            scene.add(Line{rect.left + 1, y + 1, rect.right - 1, y + 1, palette::highlight3d, 1});
            continue;
        }
        const bool hot = static_cast<int>(i) == menu.hot;
        if (hot) scene.add(FillRect{rect, palette::selection});
        const Rgb color = hot ? (item.grayed ? palette::face : palette::selectionText)
                              : (item.grayed ? palette::grayText : palette::windowText);
        StaticText label;
        label.rect = Rect{rect.left + kCheckColumn, rect.top, rect.right - 4, rect.bottom};
        label.text = item.text;
        label.font = font;
        label.centerVertically = true;
        label.wrap = false;
        label.enabled = hot || !item.grayed;
        label.color = color;
        scene.add(std::move(label));
        if (item.checked) addCheckMark(scene, rect, color);
        if (item.popup) addSubmenuArrow(scene, rect, color);
    }
}

}  // namespace render::detail
