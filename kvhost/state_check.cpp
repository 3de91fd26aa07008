#include "state_check.h"

#include <sstream>

#include "base/cp1252.h"
#include "sheet/sheet.h"
#include "sheet/ss_api.h"
#include "win/readback.h"
#include "win/winuser.h"

namespace kvhost {

namespace {

std::string quoted(const std::string& cp1252) { return "\"" + base::cp1252ToUtf8(cp1252) + "\""; }

std::string yesNo(bool value) { return value ? "true" : "false"; }

std::string checkWord(int check) {
    switch (check) {
    case BST_UNCHECKED: return "0 (unchecked)";
    case BST_CHECKED: return "1 (checked)";
    case BST_INDETERMINATE: return "2 (indeterminate)";
    default: return std::to_string(check);
    }
}

std::string listOf(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + quoted(items[i]);
    return out + "]";
}

std::string listOf(const std::vector<int>& indices) {
    std::string out = "[";
    for (size_t i = 0; i < indices.size(); ++i) out += (i ? ", " : "") + std::to_string(indices[i]);
    return out + "]";
}

bool isSheet(const win::WindowInfo& info) { return info.className == kSpreadClassName; }

std::string cellText(HWND sheetWindow, POINT cell) {
    const sheet::Sheet* model = SSGetSheet(sheetWindow);
    return model ? model->valueText(sheet::CellRef{static_cast<int32_t>(cell.x), static_cast<int32_t>(cell.y)})
                 : std::string();
}

}  // namespace

std::string runStateCheck(const StateCheck& check) {
    HWND dialog = win::findOpenDialog(check.dialog);
    if (!dialog) return "dialog " + std::to_string(check.dialog) + " is not open";
    HWND window = check.control ? win::findControl(dialog, check.control) : dialog;
    const std::string where = "dialog " + std::to_string(check.dialog) +
                              (check.control ? " control " + std::to_string(check.control) : std::string());
    if (!window) return where + ": there is no such control";
    const win::WindowInfo info = win::describeWindow(window);

    auto differs = [&](const std::string& what, const std::string& expected, const std::string& shown) {
        return where + ": expected " + what + " " + expected + ", shown " + shown;
    };
    if (check.text && info.text != *check.text) return differs("text", quoted(*check.text), quoted(info.text));
    if (check.caption && info.text != *check.caption)
        return differs("caption", quoted(*check.caption), quoted(info.text));
    if (check.enabled && info.enabled != *check.enabled)
        return differs("enabled", yesNo(*check.enabled), yesNo(info.enabled));
    if (check.visible && info.visible != *check.visible)
        return differs("visible", yesNo(*check.visible), yesNo(info.visible));
    if (check.focused && info.focused != *check.focused)
        return differs("focused", yesNo(*check.focused), yesNo(info.focused));
    if (check.checked) {
        if (info.check < 0) return where + ": is a " + info.kind + ", which has no check mark";
        if (info.check != *check.checked) return differs("checked", checkWord(*check.checked), checkWord(info.check));
    }
    if (check.items && info.items != *check.items) return differs("items", listOf(*check.items), listOf(info.items));
    if (check.selection && info.selected != *check.selection)
        return differs("selection", listOf(*check.selection), listOf(info.selected));
    if (check.cell) {
        if (!isSheet(info)) return where + ": is a " + info.kind + ", not a sheet";
        const std::string shown = cellText(window, *check.cell);
        if (check.cellText && shown != *check.cellText)
            return differs("cell [" + std::to_string(check.cell->x) + "," + std::to_string(check.cell->y) + "] text",
                           quoted(*check.cellText), quoted(shown));
    }
    return {};
}

namespace {

void describeOne(std::ostringstream& out, HWND window, int depth) {
    const win::WindowInfo i = win::describeWindow(window);
    out << std::string(static_cast<size_t>(depth) * 2, ' ') << i.kind;
    if (i.id) out << " #" << i.id;
    if (i.kind == "window" || i.kind == "dialog") out << " [" << i.className << "]";
    if (i.dialogResourceId) out << " template " << i.dialogResourceId;
    out << " " << quoted(i.text);
    if (!i.enabled) out << " disabled";
    if (!i.visible) out << " hidden";
    if (i.focused) out << " focused";
    if (i.check >= 0) out << " checked=" << i.check;
    if (i.readOnly) out << " read-only";
    if (!i.items.empty()) out << " items=" << listOf(i.items);
    if (!i.items.empty() || i.selection >= 0) out << " selection=" << listOf(i.selected);
    out << "\n";
    if (isSheet(i)) {
        const int rows = SSGetMaxRows(window), cols = SSGetMaxCols(window);
        for (int row = 1; row <= rows; ++row) {
            std::string line;
            bool any = false;
            for (int col = 1; col <= cols; ++col) {
                std::string text = cellText(window, POINT{col, row});
                any = any || !text.empty();
                line += (col > 1 ? " | " : "") + base::cp1252ToUtf8(text);
            }
            if (any)
                out << std::string(static_cast<size_t>(depth + 1) * 2, ' ') << "row " << row << ": " << line << "\n";
        }
    }
    for (HWND child : i.children) describeOne(out, child, depth + 1);
}

}  // namespace

std::string describeDialogState(HWND dialog) {
    std::ostringstream out;
    if (dialog) describeOne(out, dialog, 0);
    return out.str();
}

}  // namespace kvhost
