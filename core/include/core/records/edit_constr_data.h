#pragma once
// EditConstrData: what the constraint editor shows of one macro.  The macro and its current
// module, the per-constraint arrays of the constraint list (one entry per constraint, in list
// order), the geometry elements of the current module, and the macro's variables, dimension
// values and equations.  The core library fills it (SetCurrentModule and the other editor
// calls) and the editor's pages read and write it; the pages never trust the arrays to be of
// one length, because a caller's record is stored input.
//
// A plain record: copying copies every field.

#include <cstdint>

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/object_id.h"

class EditConstrData {
public:
    EditConstrData() = default;
    EditConstrData(const EditConstrData&) = default;
    EditConstrData& operator=(const EditConstrData&) = default;
    virtual ~EditConstrData() = default;

    friend bool operator==(const EditConstrData&, const EditConstrData&) = default;

    // The macro and its modules.
    AcDbObjectId macroId;
    Kv_String currentModule;
    Kv_StringArray moduleNames;

    // The constraint list of the current module.
    Kv_Array<int> constraintIds;
    Kv_Array<int> constraintKinds;  // 1: a cut constraint
    int currentConstraintId = 0;
    Kv_Array<Kv_StringArray> rowCells;      // its length is the number of constraints
    Kv_Array<Kv_StringArray> optionImages;  // picture paths; each group ends in "%radioBreak%"
    Kv_Array<Kv_Array<int>> features;       // 0 value, 1 variable name, 2 choice list, 3 checks
    Kv_StringArray values;
    Kv_StringArray variableNames;
    Kv_Array<int> choiceIndex;
    Kv_Array<bool> firstCheck;
    Kv_Array<bool> secondCheck;
    Kv_Array<Kv_StringArray> choiceItems;
    Kv_Array<Kv_Array<int>> optionStates;  // chosen button (1 to 5) of group 1, then group 2

    // The geometry of the current module.
    Kv_Array<Kv_StringArray> geometryCells;
    Kv_Array<int> flexibility;   // 0, 1 or 2
    Kv_Array<int> geometryFlag;  // -1 no check box, else 0 or 1
    Kv_Array<AcDbObjectId> geometryIds;
    Kv_Array<int> geometryExtra;

    // The macro's variables, dimension values and equations.
    Kv_StringArray macroVariableNames;
    Kv_Array<double> macroVariableValues;
    Kv_Array<std::int16_t> macroVariableTypes;  // index into the eight type texts
    Kv_StringArray dimensionNames;
    Kv_StringArray dimensionValues;
    Kv_StringArray equations;
};

inline constexpr const char* kRadioBreak = "%radioBreak%";

// JSON form: one member per field, named as the field; object ids as their numbers.  Reading
// accepts any subset of the members (the others keep their defaults) and refuses a member of
// the wrong type (also a type number outside 16 bits) or an unknown member with
// nlohmann::json::type_error.
void to_json(nlohmann::json& out, const EditConstrData& record);
void from_json(const nlohmann::json& in, EditConstrData& record);
