#pragma once
// The dimension calculator of the macro template page (template control types 25 and 26): a
// person types the total a few variables make, and the calculator works out the one variable
// that gives it.
//
// The control names a base variable and two fields, each a variable's name that may start
// with '-' (its value then counts negated).  The total is base + first + second (type 26, or
// type 25 whose second field names a variable) or base + first / factor (type 25 whose second
// field is a number: the factor).  A factor of 0 (also an empty field or one that is no
// number) gives no total: the calculator does nothing, as for a missing variable.

#include "core/kv_string.h"

struct MacroCalculation {
    double base = 0.0;
    double first = 0.0;  // the first variable's value as its control shows it
    bool firstNegated = false;
    double second = 0.0;  // the second variable's value, or the factor
    bool secondNegated = false;
    bool byFactor = false;  // type 25 without a second variable
};

// Splits a name field: "-width" gives "width" and negated true.
void splitCalcName(const Kv_String& field, Kv_String& name, bool& negated);
// The current total; false when a factor of 0 makes none.
bool macroCalcTotal(const MacroCalculation& calc, double& total);
// The value the first variable must take for the total wanted; false for a factor of 0.
bool macroCalcFirstFor(const MacroCalculation& calc, double wanted, double& first);
