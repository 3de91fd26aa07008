// CDlgMacroTabPage: the values of the tab's elements into the controls and sheet rows that
// show them, and back.  A link above 0 is a template control, below 0 a sheet row (column 3
// holds the value, column 4 a pattern's count).
#include "macro/dlg_macro_tab_page.h"
#include "macro/macro_ids.h"

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
    if (link > 0)
        template_.setCtrlValue(link, value);
    else if (link < 0)
        sheet_.setCellText(kValueCol, -link, value);
}

void CDlgMacroTabPage::valuesToControls() {
    MacroTabData& data = tab();
    for (const MacroCell& cell : data.cells) {
        writeValue(cell.link, cell.value);
        if (cell.link > 0) template_.setCtrlReadOnly(cell.link, cell.readOnly);
    }
    for (const MacroPatternProps& pattern : data.patterns) {
        writeValue(pattern.valueLink, pattern.value);
        if (pattern.countLink > 0) template_.setCtrlValue(pattern.countLink, pattern.count);
        if (pattern.valueLink < 0 && pattern.getCount() != -1)
            sheet_.setCellText(kCountCol, -pattern.valueLink, pattern.count);
    }
    for (int i = 0; i < MacroBoltData::kValueCount; ++i)
        if (*data.bolt.link(i) > 0) template_.setCtrlValue(*data.bolt.link(i), *data.bolt.value(i));
    for (DynArrayData& array : data.arrays) {
        for (int number = 1; number <= DynArrayData::kValueCount; ++number)
            if (*array.valueLink(number) > 0) template_.setCtrlValue(*array.valueLink(number), *array.value(number));
        if (array.value1Link < 0) writeValue(array.value1Link, array.value1);
        for (const DynArrayEntry& entry : array.entries)
            if (entry.link > 0) template_.setCtrlValue(entry.link, entry.value);
    }
    for (const MacroCutData& cut : data.cuts)
        if (cut.link > 0) template_.setCtrlValue(cut.link, Kv_String(cut.value));
    if (data.dwgListLink > 0) template_.setCtrlValue(data.dwgListLink, data.dwgListValue);
}

void CDlgMacroTabPage::valuesFromControls() {
    MacroTabData& data = tab();
    Kv_String text;
    for (MacroCell& cell : data.cells) {
        if (!readValue(cell.link, text)) continue;
        // Only what the person changed is re-written: an untouched "6" stays "6" and is no
        // difference for the drawing.
        if (text != cell.value)
            cell.value = cell.link < 0 && cell.type == MacroCell::kNumber ? numericCellText(text) : text;
    }
    for (MacroPatternProps& pattern : data.patterns) {
        if (readValue(pattern.valueLink, text)) pattern.value = text;
        if (pattern.countLink > 0 && template_.getCtrlValue(pattern.countLink, text)) pattern.count = text;
        if (pattern.valueLink < 0 && pattern.getCount() != -1 &&
            sheet_.getCellText(kCountCol, -pattern.valueLink, text, CellTextKind::Data))
            pattern.count = text;
    }
    for (int i = 0; i < MacroBoltData::kValueCount; ++i)
        if (*data.bolt.link(i) > 0 && template_.getCtrlValue(*data.bolt.link(i), text)) *data.bolt.value(i) = text;
    if (boltRowShown()) {
        std::string chosen;
        GetDlgItemText(IDC_PAGE_BOLT_COMPOSITION, chosen);
        data.bolt.composition = chosen;
        GetDlgItemText(IDC_PAGE_BOLT_DIAMETER, chosen);
        data.bolt.diameter = chosen;
    }
    for (DynArrayData& array : data.arrays) {
        for (int number = 1; number <= DynArrayData::kValueCount; ++number)
            if (*array.valueLink(number) > 0 && template_.getCtrlValue(*array.valueLink(number), text))
                *array.value(number) = text;
        if (array.value1Link < 0 && readValue(array.value1Link, text)) array.value1 = text;
        for (DynArrayEntry& entry : array.entries)
            if (entry.link > 0 && template_.getCtrlValue(entry.link, text)) entry.value = text;
    }
    for (MacroCutData& cut : data.cuts)
        if (cut.link > 0 && template_.getCtrlValue(cut.link, text)) cut.value = text.toInt();
    if (data.dwgListLink > 0 && template_.getCtrlValue(data.dwgListLink, text)) data.dwgListValue = text;
}
