#pragma once
// The dimension calculator of a template's cell buttons (control types 25 and 26), as the page
// runs it: the variables are read as the page shows them, the total is offered in the text
// entry dialog, and the first variable's new text comes back (the arithmetic is the core
// library's, core/macro_calculator.h).
//
// The button's texts are its name fields: button text 1 the base variable, button text 2 the
// first variable (the one the calculator writes, and the one the page's link checks, so it is
// known to exist and be editable), button text 3 the second variable or, for type 25 when it
// names no variable, the factor.

#include <functional>

#include "core/kv_string.h"
#include "core/macro_calculator.h"
#include "core/records/macro_data.h"
#include "designer/kv_designer_control.h"

struct CalculatorInput {
    bool usable = false;  // false: the calculator does nothing
    MacroCalculation calculation;
    Kv_String targetName;  // the first variable, without its "-"
};

// What a variable shows now: the text of the control or sheet row that shows it (false when
// it is shown nowhere; its stored value is used then).
using CellShownText = std::function<bool(const MacroCell&, Kv_String&)>;

// The name of the variable the calculator writes: the one the page links.
Kv_String calculatorTargetName(const Kv_DesignerControl& control);
CalculatorInput calculatorInputOf(const Kv_DesignerControl& control, MacroTabData& tab, const CellShownText& shown);
// Shows the total in the text entry dialog; on OK, the first variable's new text (5 decimals).
bool askCalculatorResult(const CalculatorInput& input, Kv_String& targetText);
