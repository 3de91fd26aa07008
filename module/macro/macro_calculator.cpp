// The dimension calculator of the cell buttons.
#include "macro/macro_calculator.h"

#include "core/kv_texts.h"
#include "frame/text_entry_launcher.h"
#include "macro/macro_core_calls.h"

namespace {

double shownValue(const MacroCell& cell, const CellShownText& shown) {
    Kv_String text;
    if (!shown(cell, text)) text = cell.value;
    return text.toDouble();
}

}  // namespace

Kv_String calculatorTargetName(const Kv_DesignerControl& control) {
    Kv_String name;
    bool negated = false;
    splitCalcName(control.buttonText2, name, negated);
    return name;
}

CalculatorInput calculatorInputOf(const Kv_DesignerControl& control, MacroTabData& tab, const CellShownText& shown) {
    CalculatorInput input;
    MacroCalculation& calc = input.calculation;
    splitCalcName(control.buttonText2, input.targetName, calc.firstNegated);
    const MacroCell* first = kvmacro::findCell(tab, input.targetName);
    if (!first || first->readOnly) return input;
    calc.first = shownValue(*first, shown);
    Kv_String baseName;
    bool baseNegated = false;
    splitCalcName(control.buttonText1, baseName, baseNegated);
    if (const MacroCell* base = kvmacro::findCell(tab, baseName)) calc.base = base->value.toDouble();
    Kv_String secondName;
    splitCalcName(control.buttonText3, secondName, calc.secondNegated);
    if (const MacroCell* second = kvmacro::findCell(tab, secondName)) {
        calc.second = shownValue(*second, shown);
    } else if (control.type == kCtrlCellButton) {
        Kv_String factor = control.buttonText3;
        factor.trim();
        calc.byFactor = true;
        calc.secondNegated = false;
        calc.second = factor.isNumber() ? factor.toDouble() : 0.0;
    }
    double total = 0;
    input.usable = macroCalcTotal(calc, total);
    return input;
}

bool askCalculatorResult(const CalculatorInput& input, Kv_String& targetText) {
    double total = 0;
    if (!input.usable || !macroCalcTotal(input.calculation, total)) return false;
    frame::TextEntryRequest request;
    request.title = dialString(971);
    request.prompt = dialString(1321) + "\n" + dialString(1322);
    request.text = Kv_String(total, 5);
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    if (!frame::askForText(request)) return false;
    Kv_String typed = request.text;
    typed.trim();
    double first = 0;
    if (!typed.isNumber() || !macroCalcFirstFor(input.calculation, typed.toDouble(), first)) return false;
    targetText = Kv_String(first, 5);
    return true;
}
