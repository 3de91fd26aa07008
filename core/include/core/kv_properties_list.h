#pragma once
// Kv_PropertiesList: named int, double and string values, kept in the order they were first
// set, stored as a text file that reads back exactly what was written (doubles bit for bit).
//
// File format (one property per line, fields separated by one tab, lines end in "\r\n" or
// "\n"):
//     KvPropertiesList 1
//     int<TAB>nrOfControls<TAB>3
//     double<TAB>topLeftX0<TAB>0.125
//     string<TAB>contents0<TAB>Width\tof plate
// Names and strings are code page 1252 with the escapes \\ \t \n \r and \xHH (any other byte
// below 0x20, and 0x7F).  Doubles are the shortest decimal text that reads back as the same
// value ("inf", "-inf"; NaN as "nan:" and its 16 hex digits of bits).  Names are not empty
// and unique.  Lines that are empty or start with '#' are skipped.
//
// Reading stops at the first malformed line and reports failure; every property before that
// line has been read.  A missing name leaves the caller's value untouched.

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/error_status.h"

class Kv_PropertiesList {
public:
    enum class Type { Int, Double, String };

    Kv_PropertiesList() = default;
    virtual ~Kv_PropertiesList() = default;
    Kv_PropertiesList(const Kv_PropertiesList&) = default;
    Kv_PropertiesList& operator=(const Kv_PropertiesList&) = default;

    // Setting a name that exists replaces its value and type, keeping its place.
    // eInvalidInput for an empty name.
    Acad::ErrorStatus setProperty(const Kv_String& name, int value);
    Acad::ErrorStatus setProperty(const Kv_String& name, double value);
    Acad::ErrorStatus setProperty(const Kv_String& name, const Kv_String& value);
    Acad::ErrorStatus setProperty(const Kv_String& name, const char* value) {
        return setProperty(name, Kv_String(value));
    }

    // eKeyNotFound when the name is missing, eWrongDataType when the stored type differs
    // (an int is given out as a double, never the other way).  value changes only on eOk.
    Acad::ErrorStatus getProperty(const Kv_String& name, int& value) const;
    Acad::ErrorStatus getProperty(const Kv_String& name, double& value) const;
    Acad::ErrorStatus getProperty(const Kv_String& name, Kv_String& value) const;

    bool hasProperty(const Kv_String& name) const;
    // False when the name is missing.
    bool typeOf(const Kv_String& name, Type& type) const;
    bool removeProperty(const Kv_String& name);
    void clear();
    int count() const { return static_cast<int>(entries_.size()); }
    Kv_StringArray names() const;

    // Replaces the list with the file's properties (see the class comment for failures).
    bool readFromFile(const Kv_String& path);
    // Whole or not at all.
    bool writeToFile(const Kv_String& path) const;
    // The same two on text; readFromText tells the 1-based line of the first fault.
    bool readFromText(std::string_view text, int* faultLine = nullptr);
    std::string writeToText() const;

    friend bool operator==(const Kv_PropertiesList& a, const Kv_PropertiesList& b);

private:
    using Value = std::variant<int, double, std::string>;
    struct Entry {
        std::string name;
        Value value;
    };
    Acad::ErrorStatus store(const Kv_String& name, Value value);
    const Entry* findEntry(std::string_view name) const;

    std::vector<Entry> entries_;
    std::map<std::string, std::size_t, std::less<>> index_;
};
