#include "view/spread_window.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "sheet/value.h"
#include "win/constants.h"
#include "win/messages.h"
#include "win/winuser.h"

namespace sheet {

SpreadWindow* spreadOf(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    char name[32] = {};
    GetClassName(hwnd, name, sizeof name);
    if (std::string_view(name) != kSpreadClassName) return nullptr;
    return reinterpret_cast<SpreadWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
}

void notifyParent(SpreadWindow& w, WORD code) {
    HWND parent = GetParent(w.hwnd);
    if (!parent) return;
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(w.hwnd)), code),
                reinterpret_cast<LPARAM>(w.hwnd));
}

void sendCellMessage(SpreadWindow& w, UINT msg, CellRef cell) {
    HWND parent = GetParent(w.hwnd);
    if (!parent) return;
    SS_CELLCOORD at{cell.col, cell.row};
    SendMessage(parent, msg, static_cast<WPARAM>(GetDlgCtrlID(w.hwnd)), reinterpret_cast<LPARAM>(&at));
}

bool moveActiveCell(SpreadWindow& w, CellRef to) {
    CellRef from = w.sheet.activeCell();
    if (to == from) return true;
    if (!w.sheet.setActiveCell(to)) return false;
    if (w.editing) closeEditor(w, true);
    HWND parent = GetParent(w.hwnd);
    if (parent) {
        SS_LEAVECELL leave{from.col, from.row, to.col, to.row};
        SendMessage(parent, SSM_LEAVECELL, static_cast<WPARAM>(GetDlgCtrlID(w.hwnd)), reinterpret_cast<LPARAM>(&leave));
    }
    return true;
}

void openEditor(SpreadWindow& w, const std::string& startText, bool replace) {
    CellRef cell = w.sheet.activeCell();
    const CellFormat& f = w.sheet.format(cell);
    if (w.sheet.option(kOptProtect) && f.locked) return;
    if (w.sheet.settings().operationMode == 1) return;  // read only
    switch (f.type.kind) {
    case CellKind::StaticText:
    case CellKind::Button:
    case CellKind::CheckBox:
    case CellKind::Picture: return;
    default: break;
    }
    if (!takesTypedText(f.type)) return;
    w.editing = true;
    w.editCell = cell;
    std::string formula = w.sheet.formulaText(cell);
    w.editOriginal = formula.empty() ? w.sheet.data(cell) : "=" + formula;
    w.editText = replace ? startText : w.editOriginal;
    w.selStart = w.selEnd = static_cast<int>(w.editText.size());
}

namespace {

// The editable style bit of a combo cell.
constexpr uint32_t kComboEditable = 2;

bool isNumberKind(CellKind k) {
    return k == CellKind::Integer || k == CellKind::Number || k == CellKind::Float || k == CellKind::Percent;
}

// What a number cell accepts from a person: nothing (the cell is emptied), a formula, or a
// number within the limits (none when both are 0); an integer cell a whole number.
bool acceptableNumberEntry(const Sheet& s, const CellTypeRecord& type, const std::string& text) {
    if (!isNumberKind(type.kind)) return true;
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos || (text[first] == '=' && s.option(kOptFormulas))) return true;
    std::optional<double> number = textToNumber(text);
    if (!number) return false;
    if (type.kind == CellKind::Integer && std::floor(*number) != *number) return false;
    bool limited = type.minimum != 0 || type.maximum != 0;
    return !limited || (*number >= type.minimum && *number <= type.maximum);
}

}  // namespace

bool takesTypedText(const CellTypeRecord& type) {
    return type.kind != CellKind::ComboBox || (type.style & kComboEditable) != 0;
}

std::vector<std::string> comboItems(const CellTypeRecord& t) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= t.text.size()) {
        size_t tab = t.text.find('\t', start);
        if (tab == std::string::npos) tab = t.text.size();
        items.push_back(t.text.substr(start, tab - start));
        start = tab + 1;
    }
    return items;
}

int comboIndex(const Sheet& s, CellRef cell) {
    if (!s.inSheet(cell)) return -1;
    const std::string data = s.data(cell);
    if (data.empty()) return -1;
    // A later entry of the same text is kept as its number with the text as typed.
    int candidate = -1;
    const Value value = s.value(cell);
    if (value.isNumber() && !s.hasFormula(cell) && value.asNumber() >= 0 && value.asNumber() < 65536 &&
        value.asNumber() == std::floor(value.asNumber()) && numberToText(value.asNumber()) != data)
        candidate = static_cast<int>(value.asNumber());
    // The entries are read in place (a list read per cell would cost a copy of every entry).
    const std::string& joined = s.format(cell).type.text;
    int first = -1;
    size_t start = 0;
    for (int i = 0; start <= joined.size(); ++i) {
        size_t tab = joined.find('\t', start);
        if (tab == std::string::npos) tab = joined.size();
        if (std::string_view(joined).substr(start, tab - start) == data) {
            if (first < 0) first = i;
            if (i == candidate && i > first) return i;
        }
        if (first >= 0 && (candidate <= first || i >= candidate)) break;
        start = tab + 1;
    }
    return first;
}

bool setComboIndex(Sheet& s, CellRef cell, int index) {
    if (!s.inSheet(cell)) return false;
    if (index == -1) return s.setData(cell, "") == SetResult::Ok;
    const auto items = comboItems(s.format(cell).type);
    if (index < 0 || index >= static_cast<int>(items.size())) return false;
    const std::string& text = items[static_cast<size_t>(index)];
    // The first entry of a text is stored as the text, as typing it would: formulas read it as
    // before.  A later entry of the same text keeps its number as the cell's value (unless its
    // text is that very number, which would read as typed; it then reads as the first entry).
    const bool repeated = std::find(items.begin(), items.begin() + index, text) != items.begin() + index;
    if (!repeated || text.empty() || numberToText(index) == text) return s.setData(cell, text) == SetResult::Ok;
    return s.setValue(cell, Value::number(index), text);
}

bool personMayEnter(const Sheet& s, CellRef cell, const std::string& text) {
    const CellTypeRecord& type = s.format(cell).type;
    if (!takesTypedText(type)) {
        auto items = comboItems(type);
        return text.empty() || std::find(items.begin(), items.end(), text) != items.end();
    }
    return acceptableNumberEntry(s, type, text);
}

void endEditBeforeStructureChange(SpreadWindow& w) {
    w.comboItem = -1;
    if (w.editing) closeEditor(w, true);
}

void closeEditor(SpreadWindow& w, bool commit) {
    if (!w.editing) return;
    w.editing = false;
    CellRef cell = w.editCell;
    if (commit && !personMayEnter(w.sheet, cell, w.editText)) {
        MessageBeep(0);
        commit = false;
    }
    bool changed = commit && w.editText != w.editOriginal;
    if (changed) {
        const CellTypeRecord& type = w.sheet.format(cell).type;
        std::string text = w.editText;
        if (type.kind == CellKind::Edit && type.maxLength > 0 && text.size() > static_cast<size_t>(type.maxLength))
            text.resize(static_cast<size_t>(type.maxLength));
        w.sheet.setData(cell, text);
        w.sheet.setOption(kOptChanged, true);
    }
    HWND parent = GetParent(w.hwnd);
    if (parent) {
        SS_EDITMODEOFF off{cell.col, cell.row, changed ? TRUE : FALSE};
        SendMessage(parent, SSM_EDITMODEOFF, static_cast<WPARAM>(GetDlgCtrlID(w.hwnd)), reinterpret_cast<LPARAM>(&off));
    }
    if (changed) notifyParent(w, SSN_DATACHANGE);
}

bool cellAtPoint(const SpreadWindow& w, POINT p, CellRef& cell) {
    const Sheet& s = w.sheet;
    int x = 0, y = 0;
    int32_t col = -1, row = -1;
    if (s.option(kOptRowHeaderShown)) {
        x = s.colWidth(0);
        if (p.x < x) col = 0;
    }
    for (int32_t c = 1; col < 0 && c <= s.maxCols(); ++c) {
        x += s.colWidth(c);
        if (p.x < x) col = c;
    }
    if (s.option(kOptColHeaderShown)) {
        y = s.rowHeight(0);
        if (p.y < y) row = 0;
    }
    for (int32_t r = 1; row < 0 && r <= s.maxRows(); ++r) {
        y += s.rowHeight(r);
        if (p.y < y) row = r;
    }
    if (col < 0 || row < 0 || p.x < 0 || p.y < 0) return false;
    cell = {col, row};
    // A click into a span lands on its anchor.
    if (auto span = s.spanAt(cell)) cell = span->anchor;
    return true;
}

}  // namespace sheet
