#pragma once
// The values of a macro tab as a flat list of named fields: what a macro instance in the
// drawing stores, what a values file holds, and what the differences of two tabs compare.
// One list, so that the three can never disagree on what a value is called.
//
// Names: "cell.<name>", "dwgList", "pattern.<name>.<field>", "bolt.<field>",
// "bolt.slot<i>.<field>", "profile.<group>.<i>.<field>" (i counts within the group),
// "segmented.<name>.<field>", "array.<name>.<field>", "cut.<name>", "flex.<group>.<member>".
// A value is a list of texts: one text for a single value, any number for a list field.

#include <functional>
#include <string>
#include <vector>

#include "core/records/macro_data.h"

namespace macro_values {

struct Field {
    std::string name;
    int kindCode = 0;    // the MacroChange code of the element kind
    Kv_String cellName;  // the variable's name, for cells only
    std::function<Kv_StringArray()> get;
    // False, changing nothing, when the texts do not fit the field (a number that is none, a
    // list for a single value).
    std::function<bool(const Kv_StringArray&)> set;
    // Null when the field has no mixed form (numbers with decimals, true/false, lists): such a
    // field keeps the first instance's value.
    std::function<void()> setMixed;
    std::function<bool()> isMixed;
};

// The fields of the tab, bound to it: they read and write the tab given (which must outlive
// them).  The drawing list is included only when enabled.
std::vector<Field> fieldsOf(MacroTabData& tab);

// A list of texts as one text (a table row: tabs between, escapes as table files) and back.
std::string encode(const Kv_StringArray& value);
bool decode(const std::string& text, Kv_StringArray& value);

}  // namespace macro_values
