// Creation and the few composite calls of the standard control classes.

#include <algorithm>
#include <cstring>

#include "afx/afx_internal.h"

BOOL CButton::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("BUTTON", text, style, rect, parent, id);
}

BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("STATIC", text, style, rect, parent, id);
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("EDIT", "", style, rect, parent, id);
}

void CEdit::GetSel(int& start, int& end) const {
    DWORD a = 0, b = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    start = static_cast<int>(a);
    end = static_cast<int>(b);
}

std::string CEdit::GetLine(int line) const {
    int index = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line)));
    if (index < 0) return {};
    int length = static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(index)));
    std::string buffer(static_cast<size_t>(std::max(length, 2)) + 1, '\0');
    WORD size = static_cast<WORD>(length);
    std::memcpy(buffer.data(), &size, sizeof size);
    int got =
        static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data())));
    buffer.resize(static_cast<size_t>(got));
    return buffer;
}

CPoint CEdit::PosFromChar(UINT index) const {
    LRESULT r = SendMessage(EM_POSFROMCHAR, index);
    return CPoint(LOWORD(static_cast<uintptr_t>(r)), HIWORD(static_cast<uintptr_t>(r)));
}

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("LISTBOX", "", style, rect, parent, id);
}

void CListBox::GetText(int index, std::string& text) const {
    int n = GetTextLen(index);
    if (n < 0) {
        text.clear();
        return;
    }
    text.assign(static_cast<size_t>(n) + 1, '\0');
    GetText(index, text.data());
    text.resize(static_cast<size_t>(n));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& outside) const {
    LRESULT r = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    outside = HIWORD(static_cast<uintptr_t>(r)) ? TRUE : FALSE;
    return LOWORD(static_cast<uintptr_t>(r));
}

BOOL CCheckListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CListBox::Create(style, rect, parent, id);
}

void CCheckListBox::PreSubclassWindow() {
    // A check list starts with automatic two-state marks, as the framework's does.
    if (!GetCheckStyle()) SetCheckStyle(BS_AUTOCHECKBOX);
}

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("COMBOBOX", "", style, rect, parent, id);
}

void CComboBox::GetLBText(int index, std::string& text) const {
    int n = GetLBTextLen(index);
    if (n < 0) {
        text.clear();
        return;
    }
    text.assign(static_cast<size_t>(n) + 1, '\0');
    GetLBText(index, text.data());
    text.resize(static_cast<size_t>(n));
}

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SysTabControl32", "", style, rect, parent, id);
}

LONG CTabCtrl::InsertItem(int index, LPCSTR text) {
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(text);
    return InsertItem(index, &item);
}

std::string CTabCtrl::GetItemText(int index) const {
    char buffer[512] = {};
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    if (!GetItem(index, &item)) return {};
    return buffer;
}

CSize CTabCtrl::SetItemSize(CSize size) {
    LRESULT r = SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return CSize(LOWORD(static_cast<uintptr_t>(r)), HIWORD(static_cast<uintptr_t>(r)));
}
