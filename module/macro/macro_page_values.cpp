// CDlgMacroTabPage: the values of the tab's elements into the controls and sheet rows that
// show them, and back.  A link above 0 is a template control, below 0 a sheet row (column 3
// holds the value, column 4 a pattern's count).
#include "macro/dlg_macro_tab_page.h"

namespace {

constexpr int kValueCol = 3, kCountCol = 4;

// A number typed for a numeric variable in the sheet is kept with two decimals ("2.5" is stored
// as "2.50"); text that is not a number is kept as typed.
Kv_String numericCellText(const Kv_String& typed) {
    Kv_String trimmed = typed;
    trimmed.trim();
    if (!trimmed.isNumber()) return typed;
    return Kv_String(trimmed.toDouble(), 2);
}

}  // namespace

bool CDlgMacroTabPage::readValue(int link, Kv_String& value) const {
    if (link > 0) return template_.getCtrlValue(link, value);
    if (link < 0) return sheet_.getCellText(kValueCol, -link, value, CellTextKind::Data);
    return false;
}

void CDlgMacroTabPage::writeValue(int link, const Kv_String& value) {
    if (link > 0) template_.setCtrlValue(link, value);
    else if (link < 0) sheet_.setCellText(kValueCol, -link, value);
}

void CDlgMacroTabPage::valuesToControls() {
    MacroTabData& data = tab();
    for (const MacroCell& cell : data.cells) {
        writeValue(cell.ctrlId, cell.value);
        if (cell.ctrlId > 0) template_.setCtrlReadOnly(cell.ctrlId, cell.readOnly);
    }
    for (const MacroPatternProps& pattern : data.patterns) {
        writeValue(pattern.valueCtrlId, pattern.value);
        if (pattern.countCtrlId > 0) template_.setCtrlValue(pattern.countCtrlId, pattern.count);
        if (pattern.valueCtrlId < 0 && pattern.getCount() != -1)
            sheet_.setCellText(kCountCol, -pattern.valueCtrlId, pattern.count);
    }
    for (const MacroBoltValue& value : data.bolt.values)
        if (value.ctrlId > 0) template_.setCtrlValue(value.ctrlId, value.value);
    for (const DynArrayData& array : data.arrays) {
        for (const MacroLinkedValue& value : array.values)
            if (value.ctrlId > 0) template_.setCtrlValue(value.ctrlId, value.value);
        if (array.values[0].ctrlId < 0) writeValue(array.values[0].ctrlId, array.values[0].value);
        for (const MacroLinkedValue& entry : array.entries)
            if (entry.ctrlId > 0) template_.setCtrlValue(entry.ctrlId, entry.value);
    }
    for (const MacroCutData& cut : data.cuts)
        if (cut.ctrlId > 0) template_.setCtrlValue(cut.ctrlId, Kv_String(cut.value));
    if (data.dwgListCtrlId > 0) template_.setCtrlValue(data.dwgListCtrlId, data.dwgListValue);
}

void CDlgMacroTabPage::valuesFromControls() {
    MacroTabData& data = tab();
    Kv_String text;
    for (MacroCell& cell : data.cells) {
        if (!readValue(cell.ctrlId, text)) continue;
        cell.value = cell.ctrlId < 0 && cell.type == 1 ? numericCellText(text) : text;
    }
    for (MacroPatternProps& pattern : data.patterns) {
        if (readValue(pattern.valueCtrlId, text)) pattern.value = text;
        if (pattern.countCtrlId > 0 && template_.getCtrlValue(pattern.countCtrlId, text)) pattern.count = text;
        if (pattern.valueCtrlId < 0 && pattern.getCount() != -1 &&
            sheet_.getCellText(kCountCol, -pattern.valueCtrlId, text, CellTextKind::Data))
            pattern.count = text;
    }
    for (MacroBoltValue& value : data.bolt.values)
        if (value.ctrlId > 0 && template_.getCtrlValue(value.ctrlId, text)) value.value = text;
    for (DynArrayData& array : data.arrays) {
        for (MacroLinkedValue& value : array.values)
            if (value.ctrlId > 0 && template_.getCtrlValue(value.ctrlId, text)) value.value = text;
        if (array.values[0].ctrlId < 0 && readValue(array.values[0].ctrlId, text)) array.values[0].value = text;
        for (MacroLinkedValue& entry : array.entries)
            if (entry.ctrlId > 0 && template_.getCtrlValue(entry.ctrlId, text)) entry.value = text;
    }
    for (MacroCutData& cut : data.cuts)
        if (cut.ctrlId > 0 && template_.getCtrlValue(cut.ctrlId, text)) cut.value = text.toInt();
    if (data.dwgListCtrlId > 0 && template_.getCtrlValue(data.dwgListCtrlId, text)) data.dwgListValue = text;
}
