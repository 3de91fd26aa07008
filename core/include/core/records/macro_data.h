#pragma once
// MacroData: one parametric macro (a steel connection or assembly) as the macro dialogs edit
// it: the instances being edited, the filters shown above the pages, and one MacroTabData per
// tab.  A plain record: copying copies every field, so a dialog can work on its own copy and
// hand it back whole.  The elements of a tab are in core/records/macro_elements.h and
// core/records/dyn_array_data.h.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/records/dyn_array_data.h"
#include "core/records/macro_elements.h"
#include "host/ac_array.h"
#include "host/object_id.h"

class MacroTabData {
public:
    MacroTabData() = default;
    MacroTabData(const MacroTabData&) = default;
    MacroTabData& operator=(const MacroTabData&) = default;
    virtual ~MacroTabData() = default;

    friend bool operator==(const MacroTabData&, const MacroTabData&) = default;

    // 0, 1 and 3: a template page (1 also has bolts and patterns); 2: a profile page; any other
    // kind gets no page.
    int kind = 0;
    Kv_String moduleName;
    Kv_String title;
    Kv_String templateFile;   // empty: the page shows no template

    // The drawing list: a drawing (block) chosen from a folder of the library.
    bool dwgListEnabled = false;
    Kv_String dwgListValue;
    int dwgListLink = 0;

    Kv_Array<MacroCell> cells;
    Kv_Array<MacroPatternProps> patterns;
    MacroBoltData bolt;
    Kv_Array<MacroProfData> profiles;
    Kv_Array<MacroProfSegmentedData> segmentedProfiles;
    Kv_Array<DynArrayData> arrays;
    Kv_Array<MacroCutData> cuts;
    Kv_Array<MacroFlexFixGroup> flexFixGroups;
};

class MacroData {
public:
    MacroData() = default;
    MacroData(const MacroData&) = default;
    MacroData& operator=(const MacroData&) = default;
    virtual ~MacroData() = default;

    friend bool operator==(const MacroData&, const MacroData&) = default;

    AcArray<AcDbObjectId> tempIds;   // temporary objects the caller drew for the dialog
    AcArray<AcDbObjectId> ids;       // the macro instances being edited
    Kv_String caption;
    Kv_StringArray groupKeys;
    Kv_StringArray groupNames;
    int groupIndex = 0;
    Kv_StringArray moduleNames;
    Kv_StringArray filterNames;
    int filterIndex = 0;
    Kv_Array<MacroTabData> tabs;
    Kv_String startTab;
    bool openProfileOptions = false;
    Kv_String openProfileHint;
    bool tempObjects = false;
    bool closedByDialog = false;
    bool busy = false;   // set by the core library while it updates the drawing
};

// JSON forms: an object with one member per field, named as the field.  Reading accepts any
// subset of the members (the others keep their defaults) and refuses a member of the wrong
// type or an unknown member with nlohmann::json::type_error, so that a misspelt field in a
// scenario is reported instead of silently ignored.
void to_json(nlohmann::json& out, const MacroTabData& tab);
void from_json(const nlohmann::json& in, MacroTabData& tab);
void to_json(nlohmann::json& out, const MacroData& macro);
void from_json(const nlohmann::json& in, MacroData& macro);
