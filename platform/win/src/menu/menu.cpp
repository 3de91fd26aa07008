// Menus: the menu handles and their items.  Showing a popup menu is popup_window.cpp's job.

#include <map>
#include <vector>

#include "kernel/kernel.h"
#include "menu/menu_table.h"
#include "win/readback.h"

namespace win::detail {

namespace {

std::map<uintptr_t, Menu>& menus() {
    static std::map<uintptr_t, Menu> table;
    return table;
}
uintptr_t nextMenu = 0x30000;

}  // namespace

std::vector<PopupMenuRecord>& popupHistory() {
    static std::vector<PopupMenuRecord> h;
    return h;
}

Menu* menuOf(HMENU m) {
    auto it = menus().find(reinterpret_cast<uintptr_t>(m));
    return it == menus().end() ? nullptr : &it->second;
}

namespace {

HMENU create(bool popup) {
    uintptr_t key = nextMenu;
    nextMenu += 8;
    menus()[key].popup = popup;
    return reinterpret_cast<HMENU>(key);
}

}  // namespace

// The item at a position or with a command id (searched through submenus).
MenuItem* findMenuItem(HMENU menu, UINT item, UINT flags, Menu** owner, size_t* index) {
    Menu* m = menuOf(menu);
    if (!m) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (item >= m->items.size()) return nullptr;
        if (owner) *owner = m;
        if (index) *index = item;
        return &m->items[item];
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        MenuItem& it = m->items[i];
        if (!(it.flags & MF_POPUP) && !(it.flags & MF_SEPARATOR) && it.id == item) {
            if (owner) *owner = m;
            if (index) *index = i;
            return &it;
        }
        if (it.flags & MF_POPUP)
            if (MenuItem* found = findMenuItem(it.submenu, item, flags, owner, index)) return found;
    }
    return nullptr;
}

namespace {

MenuItem makeItem(UINT flags, UINT_PTR idOrSubmenu, LPCSTR text) {
    MenuItem item;
    item.flags = flags & ~MF_BYPOSITION;
    if (flags & MF_POPUP)
        item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
    else
        item.id = idOrSubmenu;
    if (text && !(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW))) item.text = text;
    return item;
}

}  // namespace

std::vector<MenuItemRecord> describeMenuItems(HMENU menu) {
    std::vector<MenuItemRecord> out;
    Menu* m = menuOf(menu);
    if (!m) return out;
    for (const MenuItem& it : m->items) {
        MenuItemRecord r;
        r.id = static_cast<UINT>(it.id);
        r.text = it.text;
        r.separator = (it.flags & MF_SEPARATOR) != 0;
        r.checked = (it.flags & MF_CHECKED) != 0;
        r.grayed = (it.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        r.popup = (it.flags & MF_POPUP) != 0;
        out.push_back(r);
    }
    return out;
}

}  // namespace win::detail

using namespace win::detail;

namespace win {

const std::vector<PopupMenuRecord>& popupMenuHistory() { return popupHistory(); }

void resetMenus() {
    menus().clear();
    popupHistory().clear();
}

}  // namespace win

HMENU CreateMenu() { return create(false); }
HMENU CreatePopupMenu() { return create(true); }

BOOL DestroyMenu(HMENU menu) {
    Menu* m = menuOf(menu);
    if (!m) return FALSE;
    std::vector<HMENU> subs;
    for (const MenuItem& it : m->items)
        if (it.flags & MF_POPUP) subs.push_back(it.submenu);
    menus().erase(reinterpret_cast<uintptr_t>(menu));
    for (HMENU s : subs) DestroyMenu(s);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return menuOf(menu) != nullptr; }

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCSTR text) {
    Menu* m = menuOf(menu);
    if (!m) return FALSE;
    m->items.push_back(makeItem(flags, idOrSubmenu, text));
    return TRUE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR text) {
    Menu* owner = nullptr;
    size_t index = 0;
    if (position == static_cast<UINT>(-1) && (flags & MF_BYPOSITION)) return AppendMenu(menu, flags, idOrSubmenu, text);
    if (!findMenuItem(menu, position, flags, &owner, &index)) return FALSE;
    owner->items.insert(owner->items.begin() + static_cast<long>(index), makeItem(flags, idOrSubmenu, text));
    return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR text) {
    MenuItem* item = findMenuItem(menu, position, flags);
    if (!item) return FALSE;
    *item = makeItem(flags, idOrSubmenu, text);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    Menu* owner = nullptr;
    size_t index = 0;
    if (!findMenuItem(menu, position, flags, &owner, &index)) return FALSE;
    owner->items.erase(owner->items.begin() + static_cast<long>(index));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    Menu* owner = nullptr;
    size_t index = 0;
    MenuItem* item = findMenuItem(menu, position, flags, &owner, &index);
    if (!item) return FALSE;
    HMENU sub = (item->flags & MF_POPUP) ? item->submenu : nullptr;
    owner->items.erase(owner->items.begin() + static_cast<long>(index));
    if (sub) DestroyMenu(sub);
    return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    MenuItem* it = findMenuItem(menu, item, flags);
    if (!it) return static_cast<DWORD>(-1);
    DWORD old = it->flags & MF_CHECKED;
    it->flags = (it->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    MenuItem* it = findMenuItem(menu, item, flags);
    if (!it) return -1;
    BOOL old = static_cast<BOOL>(it->flags & (MF_GRAYED | MF_DISABLED));
    it->flags = (it->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    MenuItem* it = findMenuItem(menu, item, flags);
    return it ? it->flags : static_cast<UINT>(-1);
}

int GetMenuItemCount(HMENU menu) {
    Menu* m = menuOf(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    Menu* m = menuOf(menu);
    if (!m || position < 0 || position >= static_cast<int>(m->items.size())) return static_cast<UINT>(-1);
    const MenuItem& it = m->items[static_cast<size_t>(position)];
    if (it.flags & MF_POPUP) return static_cast<UINT>(-1);
    return static_cast<UINT>(it.id);
}

int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int maxCount, UINT flags) {
    MenuItem* it = findMenuItem(menu, item, flags);
    if (!it) return 0;
    if (!buffer || maxCount <= 0) return static_cast<int>(it->text.size());
    return copyText(it->text, buffer, static_cast<size_t>(maxCount));
}

HMENU GetSubMenu(HMENU menu, int position) {
    Menu* m = menuOf(menu);
    if (!m || position < 0 || position >= static_cast<int>(m->items.size())) return nullptr;
    const MenuItem& it = m->items[static_cast<size_t>(position)];
    return (it.flags & MF_POPUP) ? it.submenu : nullptr;
}
