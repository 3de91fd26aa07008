#include "core/macro_calculator.h"

namespace {

double signedValue(double value, bool negated) { return negated ? -value : value; }

}  // namespace

void splitCalcName(const Kv_String& field, Kv_String& name, bool& negated) {
    negated = field.startsWith("-");
    name = negated ? Kv_String(field.str().substr(1)) : field;
}

bool macroCalcTotal(const MacroCalculation& calc, double& total) {
    const double first = signedValue(calc.first, calc.firstNegated);
    if (calc.byFactor) {
        if (calc.second == 0.0) return false;
        total = calc.base + first / calc.second;
        return true;
    }
    total = calc.base + first + signedValue(calc.second, calc.secondNegated);
    return true;
}

bool macroCalcFirstFor(const MacroCalculation& calc, double wanted, double& first) {
    double value = 0.0;
    if (calc.byFactor) {
        if (calc.second == 0.0) return false;
        value = (wanted - calc.base) * calc.second;
    } else {
        value = (wanted - calc.base) - signedValue(calc.second, calc.secondNegated);
    }
    first = signedValue(value, calc.firstNegated);
    return true;
}
