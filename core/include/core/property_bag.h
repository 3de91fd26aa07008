#pragma once
// PropertyBag: the named, typed values of a sheet's settings record, and their text form.
//
// The text form is shared by the settings files (".twd") and the tag of a sheet's cell (0, 0):
// a run of fields, each ended by the byte 0xA4, taken three at a time as name, type code and
// value text.  There is no escaping, so a name or value holding 0xA4 cannot be stored: such an
// entry is refused when it is set and left out when the bag is written, and the rest of the
// bag is kept.
//
// Rules it keeps:
// - Names compare ignoring case; the first entry with a name counts.
// - Setting replaces the type and value of an existing entry, else appends at the end.
// - A typed getter succeeds only for an entry of that type (booleans are ints 0 or 1).
// - Reading never fails on the content: a trailing incomplete entry is dropped, a type code
//   that is not a number reads as 0 (no value), an unknown code keeps the name without a value.

#include <string_view>
#include <vector>

#include "core/kv_string.h"

enum class BagValueType : int { None = 0, Double = 1, Int = 2, Long = 3, String = 4 };

struct BagEntry {
    Kv_String name;
    BagValueType type = BagValueType::None;
    double doubleValue = 0.0;
    long long longValue = 0;  // ints and longs
    Kv_String text;           // strings
};

inline constexpr char kBagFieldEnd = '\xA4';

class PropertyBag {
public:
    // Replaces the bag with the entries of a settings file; false when it cannot be read.
    bool readFile(const Kv_String& path);
    // Replaces the bag with the entries of a text; false for an empty text.
    bool parse(std::string_view text);
    // The text form.  False when an entry had to be left out (its name or text holds 0xA4).
    bool serialise(Kv_String& text) const;

    bool getBool(const Kv_String& name, bool& value) const;
    bool getInt(const Kv_String& name, int& value) const;
    bool getString(const Kv_String& name, Kv_String& value) const;
    // False (and nothing changed) when the name or the text holds 0xA4.
    bool setBool(const Kv_String& name, bool value);
    bool setInt(const Kv_String& name, int value);
    bool setString(const Kv_String& name, const Kv_String& value);

    const std::vector<BagEntry>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

    // Sets one entry from its three text fields, as the text form holds them.
    void setFromFields(const Kv_String& name, const Kv_String& typeCode, const Kv_String& value);

private:
    const BagEntry* find(const Kv_String& name) const;
    BagEntry& entryFor(const Kv_String& name);

    std::vector<BagEntry> entries_;
};

// True when a text can be one field of the text form.
inline bool isStorableBagText(const Kv_String& text) { return text.findChar(kBagFieldEnd) < 0; }
