#pragma once
// DynArrayData: a dynamic array of a macro, a part repeated along one or two directions.  The
// macro template page shows its values and entries; the array dialog edits all of it.  A plain
// record: copying copies every field.  Links and tri-state flags follow the conventions of
// core/records/macro_elements.h.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

// What the drawing update does to one entry besides taking its value.
enum TwEntryAction {
    kEntryActionNone = 0,
    kEntryActionReset = 1,  // the entry goes back to the array's own spacing: on, no own value
};

// One entry (one repetition) of an array.
class DynArrayEntry {
public:
    DynArrayEntry() = default;
    DynArrayEntry(const DynArrayEntry&) = default;
    DynArrayEntry& operator=(const DynArrayEntry&) = default;
    virtual ~DynArrayEntry() = default;
    friend bool operator==(const DynArrayEntry&, const DynArrayEntry&) = default;

    int number = 0;   // the entry's number as the sheet shows it
    bool on = true;   // off: the entry is left out
    Kv_String value;  // its own value; empty: the array's spacing
    int link = 0;     // a template control of type 23
    int action = kEntryActionNone;
};

class DynArrayData {
public:
    static constexpr int kValueCount = 5;  // value1 to value5, the template control types 18 to 22
    static constexpr int kMixedType = -1;  // the edited arrays differ in type

    DynArrayData() = default;
    DynArrayData(const DynArrayData&) = default;
    DynArrayData& operator=(const DynArrayData&) = default;
    virtual ~DynArrayData() = default;
    friend bool operator==(const DynArrayData&, const DynArrayData&) = default;

    Kv_String name;
    int arrayType = 0;   // 0 to 3, or kMixedType
    Kv_String value0;    // used by type 1 only
    Kv_String dimName1;  // the four dimensions (macro variables) that drive the array
    Kv_String dimName2;
    Kv_String dimName3;
    Kv_String dimName4;
    Kv_String value1;
    Kv_String value2;
    Kv_String value3;
    Kv_String value4;
    Kv_String value5;
    Kv_String skipCount;  // entries skipped between added ones when alternating
    int option = 0;       // tri-state
    int alternating = 0;  // tri-state: entries are added alternating
    // Links of value1 to value5; a listed array keeps minus its sheet row in value1Link.
    int value1Link = 0;
    int value2Link = 0;
    int value3Link = 0;
    int value4Link = 0;
    int value5Link = 0;
    int buttonLink = 0;  // the option button that opens the array dialog
    Kv_Array<DynArrayEntry> entries;

    // Value i (1 to 5) and its link; nullptr outside 1..5.
    Kv_String* value(int number);
    const Kv_String* value(int number) const;
    int* valueLink(int number);
    int valueLink(int number) const;
    // True when any of the five values has a template control.
    bool hasValueLink() const;

    // The entries as three lists of equal length (flags 0 or 1), in entry order.
    void getEntryColumns(Kv_Array<int>& numbers, Kv_Array<int>& flags, Kv_StringArray& values) const;
    // Replaces the entries by the three lists, cut to the shortest one's length; the links and
    // actions of entries that stay in place are kept.
    void setEntryColumns(const Kv_Array<int>& numbers, const Kv_Array<int>& flags, const Kv_StringArray& values);
    // False (nothing changed) for an index that names no entry.
    bool setEntryAction(int index, int action);
};

// JSON form: an object with one member per field, named as the field; "entries" an array of
// {"number", "on", "value", "link", "action"}.  Reading accepts any subset of the members and
// refuses wrong types and unknown members with nlohmann::json::type_error naming the member.
void to_json(nlohmann::json& out, const DynArrayEntry& entry);
void from_json(const nlohmann::json& in, DynArrayEntry& entry);
void to_json(nlohmann::json& out, const DynArrayData& array);
void from_json(const nlohmann::json& in, DynArrayData& array);
