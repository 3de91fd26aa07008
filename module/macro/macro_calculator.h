#pragma once
// The dimension calculator of a template's cell buttons (control types 25 and 26): a sum of
// cells that the person replaces by a total of their own; the difference goes into one cell.
//
// The button's texts name the cells: button text 1 the base cell, button text 2 the cell the
// calculator writes (the one the page links, so it is known to exist and be editable), button
// text 3 a second cell (type 26, and type 25 when it names a cell) or a factor (type 25
// otherwise).  A name starting with "-" counts its cell negated.

#include <functional>

#include "core/kv_string.h"
#include "core/records/macro_data.h"
#include "designer/kv_designer_control.h"

struct CalculatorInput {
    bool usable = false;         // false: the calculator does nothing
    bool divides = false;        // total = base + first / factor (else base + first + second)
    bool targetNegated = false;
    double base = 0, first = 0, second = 0, factor = 1;
    Kv_String targetName;        // the written cell, without its "-"
};

// What a cell shows now: the text of the control or sheet row that shows it (false when the
// cell is shown nowhere; its stored value is used then).
using CellShownText = std::function<bool(const MacroCell&, Kv_String&)>;

// The name of the cell the calculator writes (without its "-"): the one the page links.
Kv_String calculatorTargetName(const Kv_DesignerControl& control);
CalculatorInput calculatorInputOf(const Kv_DesignerControl& control, MacroTabData& tab, const CellShownText& shown);
double calculatorTotal(const CalculatorInput& input);
// The text the written cell gets when the person asks for `total`, with 5 decimals.
Kv_String calculatorTargetText(const CalculatorInput& input, double total);
// Shows the total in the text entry dialog; on OK, the written cell's new text.
bool askCalculatorResult(const CalculatorInput& input, Kv_String& targetText);
