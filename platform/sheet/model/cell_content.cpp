#include "model/cell_content.h"

#include "calc/calculation.h"
#include "formula/number_text.h"

namespace sheet {

Value constantFromText(std::string_view text, std::string_view& typedText) {
    typedText = {};
    if (text.empty()) return Value();
    if (auto n = textToNumber(text)) {
        Value v = Value::number(*n);
        if (numberText(*n) != text) typedText = text;
        return v;
    }
    return Value::text(std::string(text));
}

namespace {

// Drops the old content: formula links, typed text.  Keeps tag and look.
void dropContent(SheetData& d, CellRef ref, Cell& cell) {
    if (cell.formula) {
        d.calc->formulaLeaving(ref);
        d.formulas.release(cell.formula);
        cell.formula = 0;
    }
    d.strings.release(cell.text);
    cell.text = 0;
}

}  // namespace

void putConstant(SheetData& d, CellRef ref, Value value, std::string_view typedText) {
    Cell* existing = d.cells.find(ref);
    if (!existing && value.isEmpty()) return;
    Cell& cell = existing ? *existing : d.cells.at(ref);
    bool changed = cell.formula || !(cell.value == value);
    dropContent(d, ref, cell);
    if (!typedText.empty()) cell.text = d.strings.add(typedText);
    if (changed) {
        cell.value = std::move(value);
        d.calc->valueChanged(ref);
    }
}

void putFormula(SheetData& d, CellRef ref, std::shared_ptr<const Formula> formula, const Value* knownResult) {
    Cell& cell = d.cells.at(ref);
    dropContent(d, ref, cell);
    cell.formula = d.formulas.add(std::move(formula), ref);
    Value start = knownResult ? *knownResult : Value();
    const bool changed = !(cell.value == start);
    if (changed) cell.value = std::move(start);
    d.calc->formulaEntered(ref, changed, knownResult != nullptr);
}

std::string_view cellDataText(const SheetData& d, const Cell& cell, std::string& scratch) {
    if (cell.text) return d.strings.get(cell.text);
    if (cell.value.isEmpty()) return {};
    if (cell.value.isText()) return cell.value.asText();
    scratch.clear();
    if (cell.value.isNumber())
        appendNumberText(scratch, cell.value.asNumber());
    else
        scratch = cellValueText(cell.value);
    return scratch;
}

void releaseCell(SheetData& d, Cell& cell) {
    if (cell.formula) d.formulas.release(cell.formula);
    d.strings.release(cell.text);
    d.strings.release(cell.tag);
    cell = Cell{};
}

}  // namespace sheet
