// CMenu.

#include <memory>
#include <unordered_map>

#include "afx/afx_internal.h"

namespace {
std::unordered_map<HMENU, std::unique_ptr<CMenu>>& temporaries() {
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> map;
    return map;
}
}  // namespace

CMenu::~CMenu() {
    if (!m_temporary) DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU menu) {
    if (!menu) return nullptr;
    auto& slot = temporaries()[menu];
    if (!slot) {
        slot = std::make_unique<CMenu>();
        slot->m_hMenu = menu;
        slot->m_temporary = true;
    }
    return slot.get();
}

BOOL CMenu::Attach(HMENU menu) {
    if (m_hMenu || !::IsMenu(menu)) return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU h = m_hMenu;
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    temporaries().erase(m_hMenu);
    BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return ok;
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const {
    int n = ::GetMenuString(m_hMenu, item, nullptr, 0, flags);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    int got = ::GetMenuString(m_hMenu, item, text.data(), n + 1, flags);
    text.resize(static_cast<size_t>(got));
    return text;
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}
