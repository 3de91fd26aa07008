#pragma once
// The macro model: what the core library knows of the parametric macros in the drawing, keyed
// by the id of each macro's drawing object.  A macro has modules; a module has constraints and
// geometry elements; the macro has variables, dimension values and equations.  Constraints and
// geometry elements are drawing objects of their own (types "Constraint" and the element's
// type), so that every change the editor makes shows in the drawing log.
//
// The model is loaded from a drawing file (JSON, see docs/constraint-editor.md), which also
// makes the drawing objects.  The editor's calls (core/constraint_editor_calls.h) read and
// change it and fill EditConstrData from it.

#include <string>
#include <vector>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/records/macro_settings_data.h"
#include "host/object_id.h"

namespace macro_model {

struct MenuEntry {
    Kv_String label;  // "%BREAK%" is a separator
    int code = -1;    // action code; -1: none (separators, items the file gave no code)
};

struct Constraint {
    AcDbObjectId id;  // its drawing object; the editor's constraint id is its number
    int kind = 0;     // 1: a cut constraint
    Kv_String name;
    Kv_String type;          // "Distance", "Parallel", ...
    Kv_Array<int> features;  // 0 value, 1 variable name, 2 choice list, 3 check boxes
    Kv_String value;
    Kv_String variableName;
    Kv_StringArray choiceItems;
    int choiceIndex = 0;
    bool firstCheck = false;
    bool secondCheck = false;
    Kv_StringArray optionImages;  // package paths and "%radioBreak%" entries
    Kv_Array<int> optionStates;
    bool suppressed = false;
    std::vector<MenuEntry> menu;  // empty: the standard menu
    Kv_String cutName;            // kind 1: the cut's name, edited by the cut dialog
    double cutDepth = 0;
};

struct GeometryElement {
    AcDbObjectId id;
    Kv_String name;
    Kv_String type;
    int flexibility = 0;
    int flag = -1;
    int extra = 0;
};

struct Module {
    Kv_String name;
    std::vector<Constraint> constraints;
    std::vector<GeometryElement> geometry;
};

struct Variable {
    Kv_String name;
    double value = 0;
    int type = 0;
};

struct Macro {
    AcDbObjectId id;
    Kv_String name;
    std::vector<Module> modules;
    std::vector<Variable> variables;
    Kv_StringArray dimensionNames;
    Kv_StringArray dimensionValues;
    Kv_StringArray equations;
    // Read and written with GetMacroSettings / SetMacroSettings (core/macro_settings_calls.h).
    MacroSettingsData settings;

    Module* findModule(const Kv_String& moduleName);
    Kv_StringArray moduleNames() const;
};

// The macros of the drawing.  One per process, like the drawing database it mirrors.
class Drawing {
public:
    static Drawing& instance();

    // Reads a drawing file and adds its macros (and their drawing objects).  On a malformed
    // file nothing is added and error says "file: reason".
    bool load(const Kv_String& path, std::string& error);
    // The same from text already read; `file` names it in the error.
    bool loadText(const std::string& text, const std::string& file, std::string& error);

    Macro* find(AcDbObjectId id);
    // The macro that owns a drawing object (the macro itself, a constraint or an element).
    Macro* owner(AcDbObjectId id);
    const std::vector<Macro>& macros() const { return macros_; }
    // Forgets every macro (the drawing database is the caller's to reset).
    void clear() { macros_.clear(); }

private:
    std::vector<Macro> macros_;
};

// The bundled sample drawing: a base plate with two stiffener modules, in the library folder.
Kv_String sampleDrawingPath();

}  // namespace macro_model
