#pragma once
// MacroSettingsData: the general settings of one macro, which the constraint editor's settings
// dialog edits.  Most of it is filters: named lists of conditions on the axis angle, the
// section angle, the path distance and the section size of the members a macro applies to.
// Within one filter kind every array runs parallel to its names (entry i belongs to the filter
// named i).  Then a small table of settings, a three-column list, and per-template lists for
// the package's designed dialogs (entry i of the per-template arrays belongs to template i of
// the sorted template list).  What the numbers mean is the core library's; the dialog only
// edits them.
//
// The record comes from the core as stored input: parallel arrays may be shorter or longer
// than their names, numbers may be NaN or infinite.  Readers index with isValidIndex.
//
// Plain records: copying copies every field.

#include <array>

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

class MacroFilterSettings {
public:
    MacroFilterSettings() = default;
    MacroFilterSettings(const MacroFilterSettings&) = default;
    MacroFilterSettings& operator=(const MacroFilterSettings&) = default;
    virtual ~MacroFilterSettings() = default;
    friend bool operator==(const MacroFilterSettings&, const MacroFilterSettings&) = default;

    bool useAngleFilters = false;
    bool useDistanceFilters = false;
    Kv_Array<bool> axisFilterEnabled;
    Kv_StringArray axisFilterNames;
    Kv_Array<int> axisFilterMode;  // 0 or 1
    Kv_Array<double> axisFilterValue1;
    Kv_Array<double> axisFilterValue2;
    Kv_Array<bool> sectionAngleEnabled;
    Kv_StringArray sectionAngleNames;
    Kv_Array<Kv_Array<double>> sectionAngleRanges;  // per filter the pairs a1, b1, a2, b2, ...
    Kv_Array<bool> pathDistanceEnabled;
    Kv_StringArray pathDistanceNames;
    Kv_Array<double> pathDistanceValue1;
    Kv_Array<double> pathDistanceValue2;
    Kv_Array<bool> sectionSizeEnabled;
    Kv_StringArray sectionSizeNames;
    std::array<Kv_Array<double>, 4> sectionSizeValues;
};

class MacroTableSettings {
public:
    MacroTableSettings() = default;
    MacroTableSettings(const MacroTableSettings&) = default;
    MacroTableSettings& operator=(const MacroTableSettings&) = default;
    virtual ~MacroTableSettings() = default;
    friend bool operator==(const MacroTableSettings&, const MacroTableSettings&) = default;

    int firstChoice = 0;
    int secondChoice = 0;
    int count = 0;
    Kv_StringArray labels;
    Kv_Array<double> numbers;  // parallel to labels
};

class MacroListSettings {
public:
    MacroListSettings() = default;
    MacroListSettings(const MacroListSettings&) = default;
    MacroListSettings& operator=(const MacroListSettings&) = default;
    virtual ~MacroListSettings() = default;
    friend bool operator==(const MacroListSettings&, const MacroListSettings&) = default;

    Kv_String firstText;
    Kv_String secondText;
    Kv_StringArray column1;
    Kv_StringArray column2;
    Kv_Array<int> column3;  // 0: the "new" entry, k: row k
};

class MacroTemplateSettings {
public:
    MacroTemplateSettings() = default;
    MacroTemplateSettings(const MacroTemplateSettings&) = default;
    MacroTemplateSettings& operator=(const MacroTemplateSettings&) = default;
    virtual ~MacroTemplateSettings() = default;
    friend bool operator==(const MacroTemplateSettings&, const MacroTemplateSettings&) = default;

    Kv_StringArray choiceList;
    Kv_Array<Kv_StringArray> perTemplateLists;
    Kv_StringArray perTemplateChoice;
};

class MacroSettingsData {
public:
    MacroSettingsData() = default;
    MacroSettingsData(const MacroSettingsData&) = default;
    MacroSettingsData& operator=(const MacroSettingsData&) = default;
    virtual ~MacroSettingsData() = default;
    friend bool operator==(const MacroSettingsData&, const MacroSettingsData&) = default;

    MacroFilterSettings filterSettings;
    MacroTableSettings tableSettings;
    MacroListSettings listSettings;
    MacroTemplateSettings templateSettings;
};

// JSON forms: one member per field, named as the field; sectionSizeValues is an array of four
// number arrays.  Reading accepts any subset of the members (the others keep their defaults)
// and refuses a member of the wrong type or an unknown member with nlohmann::json::type_error,
// whose reason names the member by its path ("MacroSettingsData: field \"filterSettings\":
// MacroFilterSettings: field \"axisFilterMode\" must be ...").  JSON has no NaN or infinity:
// such numbers are written as null, which reading refuses.
void to_json(nlohmann::json& out, const MacroFilterSettings& settings);
void from_json(const nlohmann::json& in, MacroFilterSettings& settings);
void to_json(nlohmann::json& out, const MacroTableSettings& settings);
void from_json(const nlohmann::json& in, MacroTableSettings& settings);
void to_json(nlohmann::json& out, const MacroListSettings& settings);
void from_json(const nlohmann::json& in, MacroListSettings& settings);
void to_json(nlohmann::json& out, const MacroTemplateSettings& settings);
void from_json(const nlohmann::json& in, MacroTemplateSettings& settings);
void to_json(nlohmann::json& out, const MacroSettingsData& settings);
void from_json(const nlohmann::json& in, MacroSettingsData& settings);
