#pragma once
// The menu table shared by the menu calls and the popup menu window.

#include <string>
#include <vector>

#include "win/readback.h"
#include "win/types.h"

namespace win::detail {

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::string text;
    HMENU submenu = nullptr;
};

struct Menu {
    bool popup = false;
    std::vector<MenuItem> items;
};

Menu* menuOf(HMENU menu);  // nullptr for an invalid handle
// The item at a position or with a command id (searched through submenus).
MenuItem* findMenuItem(HMENU menu, UINT item, UINT flags, Menu** owner = nullptr, size_t* index = nullptr);
std::vector<MenuItemRecord> describeMenuItems(HMENU menu);
std::vector<PopupMenuRecord>& popupHistory();

}  // namespace win::detail
