// The window procedure of the engine's class: a person's clicks and keys.
#include <algorithm>
#include <cctype>
#include <vector>

#include "view/spread_window.h"
#include "win/constants.h"
#include "win/messages.h"
#include "win/winuser.h"

namespace sheet {

namespace {

bool shiftDown() { return GetKeyState(static_cast<int>(VK_SHIFT)) < 0; }

bool stoppable(const SpreadWindow& w, CellRef c) {
    if (!w.sheet.option(kOptSkipLocked)) return true;
    return !w.sheet.format(c).locked;
}

// The next cell from `from` by (dCol, dRow), over locked cells when the options say so; the
// starting cell when none is left.
CellRef step(const SpreadWindow& w, CellRef from, int dCol, int dRow, bool wrap) {
    const Sheet& s = w.sheet;
    CellRef c = from;
    for (int64_t guard = int64_t{s.maxCols()} * s.maxRows() + 1; guard > 0; --guard) {
        c.col += dCol;
        c.row += dRow;
        if (wrap && c.col > s.maxCols()) c = {1, c.row + 1};
        if (wrap && c.col < 1) c = {s.maxCols(), c.row - 1};
        if (c.col < 1 || c.row < 1 || c.col > s.maxCols() || c.row > s.maxRows()) return from;
        if (auto span = s.spanAt(c); span && !(span->anchor == c)) continue;
        if (stoppable(w, c)) return c;
    }
    return from;
}

void toggleCheck(SpreadWindow& w, CellRef c) {
    if (w.sheet.option(kOptProtect) && w.sheet.format(c).locked) return;
    w.sheet.setData(c, w.sheet.data(c) == "1" ? "0" : "1");
    w.sheet.setOption(kOptChanged, true);
    notifyParent(w, SSN_CELLCHANGE);
}

void chooseComboItem(SpreadWindow& w) {
    CellRef c = w.sheet.activeCell();
    auto items = comboItems(w.sheet.format(c).type);
    int chosen = w.comboItem;
    w.comboItem = -1;
    if (chosen < 0 || chosen >= static_cast<int>(items.size())) return;
    if (comboIndex(w.sheet, c) == chosen) return;
    setComboIndex(w.sheet, c, chosen);
    w.sheet.setOption(kOptChanged, true);
    notifyParent(w, SSN_CELLCHANGE);
}

void moveAfterEnter(SpreadWindow& w) {
    CellRef at = w.sheet.activeCell();
    switch (w.sheet.settings().editEnterAction) {
    case 1: moveActiveCell(w, step(w, at, 0, -1, false)); break;
    case 2: moveActiveCell(w, step(w, at, 0, 1, false)); break;
    case 3: moveActiveCell(w, step(w, at, -1, 0, false)); break;
    case 4: moveActiveCell(w, step(w, at, 1, 0, false)); break;
    case 5: moveActiveCell(w, step(w, at, 1, 0, true)); break;
    default: break;
    }
}

void onClick(SpreadWindow& w, POINT p, bool twice) {
    SetFocus(w.hwnd);
    CellRef c;
    if (!cellAtPoint(w, p, c)) return;
    if (c.col == 0 || c.row == 0) {
        sendCellMessage(w, SSM_CLICK, c);
        return;
    }
    if (w.sheet.option(kOptBlockSelect) && shiftDown()) {
        CellRef a = w.sheet.activeCell();
        w.sheet.setSelection(RangeRef{{std::min(a.col, c.col), std::min(a.row, c.row)},
                                      {std::max(a.col, c.col), std::max(a.row, c.row)}});
        sendCellMessage(w, SSM_CLICK, c);
        return;
    }
    w.sheet.setSelection(std::nullopt);
    moveActiveCell(w, c);
    sendCellMessage(w, twice ? SSM_DBLCLK : SSM_CLICK, c);
    const CellTypeRecord& type = w.sheet.format(c).type;
    switch (type.kind) {
    case CellKind::CheckBox: toggleCheck(w, c); return;
    case CellKind::Button: notifyParent(w, SSN_CELLCHANGE); return;
    case CellKind::ComboBox: w.comboItem = std::max(comboIndex(w.sheet, c), 0); return;
    default: break;
    }
    if (twice || (w.sheet.option(kOptEditOnActivate) && !w.sheet.option(kOptBlockSelect))) openEditor(w, {}, false);
}

void editorKey(SpreadWindow& w, UINT vk) {
    int len = static_cast<int>(w.editText.size());
    int lo = std::min(w.selStart, w.selEnd), hi = std::max(w.selStart, w.selEnd);
    switch (vk) {
    case VK_RETURN:
        closeEditor(w, true);
        moveAfterEnter(w);
        break;
    case VK_ESCAPE: closeEditor(w, false); break;
    case VK_TAB: {
        closeEditor(w, true);
        CellRef at = w.sheet.activeCell();
        moveActiveCell(w, step(w, at, shiftDown() ? -1 : 1, 0, true));
        break;
    }
    case VK_UP:
    case VK_DOWN:
        closeEditor(w, true);
        moveActiveCell(w, step(w, w.sheet.activeCell(), 0, vk == VK_UP ? -1 : 1, false));
        break;
    case VK_LEFT: w.selStart = w.selEnd = std::max(lo - (lo == hi ? 1 : 0), 0); break;
    case VK_RIGHT: w.selStart = w.selEnd = std::min(hi + (lo == hi ? 1 : 0), len); break;
    case VK_HOME: w.selStart = w.selEnd = 0; break;
    case VK_END: w.selStart = w.selEnd = len; break;
    case VK_DELETE:
        if (lo == hi && hi < len) ++hi;
        w.editText.erase(lo, hi - lo);
        w.selStart = w.selEnd = lo;
        break;
    default: break;
    }
}

void sheetKey(SpreadWindow& w, UINT vk) {
    CellRef at = w.sheet.activeCell();
    const CellTypeRecord& type = w.sheet.format(at).type;
    if (w.comboItem >= 0) {
        int count = static_cast<int>(comboItems(type).size());
        if (vk == VK_DOWN)
            w.comboItem = std::min(w.comboItem + 1, count - 1);
        else if (vk == VK_UP)
            w.comboItem = std::max(w.comboItem - 1, 0);
        else if (vk == VK_RETURN)
            chooseComboItem(w);
        else if (vk == VK_ESCAPE)
            w.comboItem = -1;
        return;
    }
    switch (vk) {
    case VK_LEFT: moveActiveCell(w, step(w, at, -1, 0, w.sheet.option(kOptWrapAtRowEnd))); break;
    case VK_RIGHT: moveActiveCell(w, step(w, at, 1, 0, w.sheet.option(kOptWrapAtRowEnd))); break;
    case VK_UP: moveActiveCell(w, step(w, at, 0, -1, false)); break;
    case VK_DOWN: moveActiveCell(w, step(w, at, 0, 1, false)); break;
    case VK_TAB: moveActiveCell(w, step(w, at, shiftDown() ? -1 : 1, 0, true)); break;
    case VK_RETURN: moveAfterEnter(w); break;
    case VK_F2: openEditor(w, {}, false); break;
    case VK_F4:
        if (type.kind == CellKind::ComboBox) w.comboItem = 0;
        break;
    case VK_DELETE:
        if (w.sheet.data(at).empty() || (w.sheet.option(kOptProtect) && w.sheet.format(at).locked)) break;
        w.sheet.setData(at, "");
        w.sheet.setOption(kOptChanged, true);
        notifyParent(w, SSN_DATACHANGE);
        break;
    default: break;
    }
}

// A letter typed on a drop-down list cell selects the next item starting with it (from the
// highlighted item while the list is open, else from the cell's item), wrapping around.
void typeAheadInList(SpreadWindow& w, CellRef at, unsigned char ch) {
    if (w.sheet.option(kOptProtect) && w.sheet.format(at).locked) return;
    auto items = comboItems(w.sheet.format(at).type);
    int n = static_cast<int>(items.size());
    int current = w.comboItem;
    if (current < 0) current = comboIndex(w.sheet, at);
    auto fold = [](unsigned char c) { return std::tolower(c); };
    for (int k = 1; k <= n; ++k) {
        int i = ((current < 0 ? -1 : current) + k) % n;
        if (items[i].empty() || fold(static_cast<unsigned char>(items[i][0])) != fold(ch)) continue;
        if (w.comboItem >= 0) {
            w.comboItem = i;
        } else if (comboIndex(w.sheet, at) != i) {
            setComboIndex(w.sheet, at, i);
            w.sheet.setOption(kOptChanged, true);
            notifyParent(w, SSN_CELLCHANGE);
        }
        return;
    }
    MessageBeep(0);
}

void onChar(SpreadWindow& w, unsigned char ch) {
    CellRef at = w.sheet.activeCell();
    if (!w.editing) {
        const CellTypeRecord& type = w.sheet.format(at).type;
        if (ch == ' ' && type.kind == CellKind::CheckBox) {
            toggleCheck(w, at);
            return;
        }
        if (ch < 0x20 || ch == 0x7F) return;
        if (!takesTypedText(type)) {
            typeAheadInList(w, at, ch);
            return;
        }
        if (w.comboItem >= 0) return;
        openEditor(w, std::string(1, static_cast<char>(ch)), true);
        return;
    }
    int lo = std::min(w.selStart, w.selEnd), hi = std::max(w.selStart, w.selEnd);
    if (ch == '\b') {
        if (lo == hi && lo > 0) --lo;
        w.editText.erase(lo, hi - lo);
        w.selStart = w.selEnd = lo;
        return;
    }
    if (ch < 0x20 || ch == 0x7F) return;
    w.editText.replace(lo, hi - lo, 1, static_cast<char>(ch));
    w.selStart = w.selEnd = lo + 1;
}

}  // namespace

LRESULT spreadWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* w = new SpreadWindow;
        w->hwnd = hwnd;
        SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    auto* w = reinterpret_cast<SpreadWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (!w) return DefWindowProc(hwnd, msg, wParam, lParam);
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_NCDESTROY:
        SetWindowLongPtr(hwnd, GWLP_USERDATA, 0);
        delete w;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE: {
        UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (w->sheet.option(kOptTabInSheet)) code |= DLGC_WANTTAB;
        if (w->sheet.option(kOptEnterInSheet) || w->editing) code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_LBUTTONDOWN: onClick(*w, p, false); return 0;
    case WM_LBUTTONDBLCLK: onClick(*w, p, true); return 0;
    case WM_RBUTTONDOWN: {
        CellRef c;
        if (cellAtPoint(*w, p, c)) sendCellMessage(*w, SSM_RBUTTON, c);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    case WM_KEYDOWN:
        if (w->editing)
            editorKey(*w, static_cast<UINT>(wParam));
        else
            sheetKey(*w, static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR: onChar(*w, static_cast<unsigned char>(wParam)); return 0;
    case WM_KILLFOCUS:
        if (w->editing) closeEditor(*w, true);
        return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace sheet
