#pragma once
// MacrosInDlgData: the macro a dialog works on, picked in the drawing.
//
// The drawing keeps a macro instance as an object of type "Macro" whose text property
// "modules" lists its modules, separated by ";".

#include <nlohmann/json_fwd.hpp>

#include "core/kv_string_array.h"
#include "host/object_id.h"

class MacrosInDlgData {
public:
    MacrosInDlgData();
    MacrosInDlgData(const MacrosInDlgData& other);
    MacrosInDlgData& operator=(const MacrosInDlgData& other);
    virtual ~MacrosInDlgData();

    AcDbObjectId macroId;
    Kv_StringArray modules;  // of macroId, as GetAllMods gave them

    // The modules of the macro instance id, in order (replacing names); false, with names
    // emptied, when id names no macro in the drawing.
    static bool GetAllMods(const AcDbObjectId& id, Kv_StringArray& names);
    // Lets the user pick a macro in the drawing; true, with macroId and modules set, when a
    // macro was picked; anything else (a cancel, another object) changes nothing.
    bool UserSelectMacro();
};

void to_json(nlohmann::json& out, const MacrosInDlgData& data);
void from_json(const nlohmann::json& in, MacrosInDlgData& data);
