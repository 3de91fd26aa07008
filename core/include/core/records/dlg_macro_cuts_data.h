#pragma once
// DlgMacroCutsData: one cut between steel parts of a macro, as the macro cut dialog creates or
// edits it.
//
// The drawing keeps a macro's cuts as objects of type "MacroCut" with the text properties
// "macro" (the module the cut belongs to) and "name".  Parameter lists are parallel: a key
// (paramNames), the macro variable that drives it (varNames) and a flag (paramFlags); the
// record keeps them as given, also when their lengths differ.
//
// Variable names are valid when each is a number (a fixed value, as the "0" the dialog pads a
// short list with) or a name that starts with a letter, holds only letters, digits and "_",
// and does not start with "gen_" (any case): those names are the package's own.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/object_id.h"

// The cut types, in the order of the dialog's pictures.
enum Kv_ConstraintCutType {
    kvCutProfVsPlate = 0,
    kvCutProfVsProf = 1,
    kvCutProfInProf = 2,
    kvCutProfVsProf3Segments = 3,
    kvCutChamfer = 4,
    kvCutFillet = 5,
};
inline constexpr int kvCutTypeCount = 6;

class DlgMacroCutsData {
public:
    DlgMacroCutsData();
    DlgMacroCutsData(const DlgMacroCutsData& other);
    DlgMacroCutsData& operator=(const DlgMacroCutsData& other);
    virtual ~DlgMacroCutsData();

    int cutType = kvCutProfVsPlate;
    bool editExisting = false;
    AcDbObjectId cutId;  // the cut being edited (null for a new cut)
    Kv_String name;
    Kv_String description;
    Kv_StringArray paramNames;
    Kv_StringArray varNames;
    Kv_Array<bool> paramFlags;
    AcDbObjectId macroId;  // the macro instance the cut belongs to
    Kv_String macroName;   // the module of that macro
    int mode = 1;          // 1 a new cut, 2 a cut of an existing macro
    int placement = 0;     // 0 off, 1 on, 2 left, 3 right
    // Profile against profile (type 1).
    bool cutBoth = false;
    int choice = 1;  // 1 first face, 2 second face, 3 centre
    bool weldPreparation = false;
    bool weldBothSides = false;
    // Profile against profile (types 1 and 3).
    bool keepGap = false;
    // Chamfer (type 4): choice 3 clears chamferBothEdges; otherwise it is set and
    // chamferUnequal tells whether the choice is other than 1.
    bool chamferBothEdges = true;
    bool chamferUnequal = false;

    // The default parameter keys, variable names and flags of a cut type; false, with the
    // lists emptied, for a type outside 0..5.
    static bool GetDefaultValues(int cutType, Kv_StringArray& names, Kv_StringArray& values, Kv_Array<bool>& flags);
    // Whether a cut of that name belongs to the module macroName in the drawing.  The cut this
    // record edits (cutId) never counts: a cut is not in conflict with itself.  False (and
    // inUse false) when the name or the module is empty.
    bool CutNameInUse(const AcDbObjectId& macroId, const Kv_String& macroName, const Kv_String& name,
                      bool& inUse) const;
    bool AreVarNamesValid() const;
    static bool isValidVarName(const Kv_String& name);
};

void to_json(nlohmann::json& out, const DlgMacroCutsData& data);
void from_json(const nlohmann::json& in, DlgMacroCutsData& data);
