// The dimension calculator of the cell buttons.
#include "macro/macro_calculator.h"

#include "core/kv_texts.h"
#include "frame/text_entry_launcher.h"
#include "macro/macro_core_calls.h"

namespace {

struct NamedCell {
    Kv_String name;
    bool negated = false;
};

NamedCell splitSign(const Kv_String& text) {
    NamedCell named;
    named.name = text;
    named.name.trim();
    if (named.name.startsWith("-")) {
        named.negated = true;
        named.name = named.name.getSubStringAt(1);
    }
    return named;
}

double shownValue(const MacroCell& cell, const CellShownText& shown) {
    Kv_String text;
    if (!shown(cell, text)) text = cell.value;
    return text.toDouble();
}

}  // namespace

Kv_String calculatorTargetName(const Kv_DesignerControl& control) { return splitSign(control.buttonText2).name; }

CalculatorInput calculatorInputOf(const Kv_DesignerControl& control, MacroTabData& tab, const CellShownText& shown) {
    CalculatorInput input;
    const NamedCell first = splitSign(control.buttonText2);
    MacroCell* target = kvmacro::findCell(tab, first.name);
    if (!target || target->readOnly) return input;
    input.targetName = first.name;
    input.targetNegated = first.negated;
    input.first = shownValue(*target, shown) * (first.negated ? -1 : 1);
    if (const MacroCell* base = kvmacro::findCell(tab, splitSign(control.buttonText1).name)) input.base = base->value.toDouble();
    const NamedCell second = splitSign(control.buttonText3);
    const MacroCell* secondCell = kvmacro::findCell(tab, second.name);
    if (control.type == kCtrlCellButton2 || secondCell) {
        if (secondCell) input.second = shownValue(*secondCell, shown) * (second.negated ? -1 : 1);
    } else {
        Kv_String factor = control.buttonText3;
        factor.trim();
        // An empty or non-numeric factor is 0: dividing by it is no total at all.
        if (!factor.isNumber() || factor.toDouble() == 0) return input;
        input.divides = true;
        input.factor = factor.toDouble();
    }
    input.usable = true;
    return input;
}

double calculatorTotal(const CalculatorInput& input) {
    return input.divides ? input.base + input.first / input.factor : input.base + input.first + input.second;
}

Kv_String calculatorTargetText(const CalculatorInput& input, double total) {
    double value = input.divides ? (total - input.base) * input.factor : (total - input.base) - input.second;
    if (input.targetNegated) value = -value;
    return Kv_String(value, 5);
}

bool askCalculatorResult(const CalculatorInput& input, Kv_String& targetText) {
    if (!input.usable) return false;
    frame::TextEntryRequest request;
    request.title = dialString(971);
    request.prompt = dialString(1321) + "\n" + dialString(1322);
    request.text = Kv_String(calculatorTotal(input), 5);
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    if (!frame::askForText(request)) return false;
    Kv_String typed = request.text;
    typed.trim();
    if (!typed.isNumber()) return false;
    targetText = calculatorTargetText(input, typed.toDouble());
    return true;
}
