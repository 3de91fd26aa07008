#pragma once
// Kv_MacroPropsFilter: which macros the macro selection dialog offers.
//
// A macro is named by its file (any extension: "library\Macros\BasePlate1.dwg"); its
// properties are read from the property list of the same name with the extension "abm"
// (Kv_PropertiesList): every int property whose value is not 0 is a property the macro has,
// named by the property's name, in the file's order.  A macro whose list cannot be read has no
// properties; it is offered like any other.
//
// Each macro can be switched off (setModuleStatus); a property is switched for every macro at
// once, by name (setModulePropStatus): switched off, it is asked for, and only the macros that
// have it stay.  A macro is offered when it is on and has every property asked for.
//
// The caller's flags say, per file, whether the macro starts switched off; a missing flag is
// false.  The two integers are kept for the caller and not interpreted.

#include <map>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/ac_array.h"

class Kv_MacroPropsFilter {
public:
    Kv_MacroPropsFilter();
    Kv_MacroPropsFilter(const Kv_MacroPropsFilter& other);
    Kv_MacroPropsFilter& operator=(const Kv_MacroPropsFilter& other);
    virtual ~Kv_MacroPropsFilter();

    // Reads every macro's properties; returns how many lists could be read.
    int init(const Kv_StringArray& macroFiles, const AcArray<bool>& startOff, int first, int second);

    // The macro files offered now, in the caller's order.
    Kv_StringArray getFilteredMacros() const;
    // Per macro, in the caller's order: its name (the file name without folder and extension)
    // and its property names, and parallel to them the check states (1 on, 0 off).  False when
    // there is no macro.
    bool getMergedProperties(Kv_Array<Kv_StringArray>& names, Kv_Array<Kv_Array<int>>& states) const;
    bool setModuleStatus(int macro, bool on);
    bool setModulePropStatus(int macro, const Kv_String& property, bool on);

    int macroCount() const { return macros_.length(); }
    int first() const { return first_; }
    int second() const { return second_; }

    // The name shown for a macro file: without folder and extension.
    static Kv_String macroName(const Kv_String& file);
    // The same path with another extension ("abm", "bmp", "dwg").
    static Kv_String withExtension(const Kv_String& file, const char* extension);

private:
    struct Macro {
        Kv_String file;
        Kv_StringArray properties;
        bool on = true;
    };
    bool propertyOn(const Kv_String& property) const;

    Kv_Array<Macro> macros_;
    std::map<Kv_String, bool> propertyOn_;  // absent: on
    int first_ = 0, second_ = 0;
};
