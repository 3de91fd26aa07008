#pragma once
// DlgEditLibData: what the section library editor edits besides the table files: the section
// groups and section types of the package, and the names of the library files.
//
// Groups and types carry their names in four macro languages, always in the slot order
// Nederlands, English, French, Deutsch (the order in which a new type's words are given);
// sectionNameSlot maps a language's column name to its slot, so a caller listing languages in
// another order finds each name by language, not by position.
//
// A group has an identifier of its own that types refer to (-1: no group); appendNewGrp hands
// out one no group of the array has.  Every operation refuses an index that does not exist and
// then changes nothing.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

inline constexpr int kSectionNameSlots = 4;
// The slot of a language's names (0 Nederlands, 1 English, 2 French, 3 Deutsch); -1 for
// any other language.
int sectionNameSlot(const Kv_String& language);

struct SectionGroup {
    int id = 0;
    bool enabled = true;
    Kv_String pictureFile;
    Kv_StringArray names;  // kSectionNameSlots entries, by slot

    SectionGroup();
    friend bool operator==(const SectionGroup&, const SectionGroup&) = default;
};

class SectionGroupArray : public Kv_Array<SectionGroup> {
public:
    using Kv_Array<SectionGroup>::Kv_Array;
    // Appends an enabled group without names whose identifier no group has; gives its index.
    int appendNewGrp();
    // The index of the group with that identifier, -1 when none.
    int findId(int id) const;
};

struct SectionType {
    bool enabled = true;
    Kv_String pictureFile;
    int groupId = -1;
    Kv_String secondText;
    Kv_StringArray names;  // kSectionNameSlots entries, by slot

    SectionType();
    friend bool operator==(const SectionType&, const SectionType&) = default;
};

class DlgEditLibData {
public:
    DlgEditLibData();
    DlgEditLibData(const DlgEditLibData& other);
    DlgEditLibData& operator=(const DlgEditLibData& other);
    virtual ~DlgEditLibData();

    friend bool operator==(const DlgEditLibData& a, const DlgEditLibData& b) {
        return a.groups == b.groups && a.types == b.types && a.availableFiles == b.availableFiles;
    }

    // Fills availableFiles with the names (without extension) of the ".pr" files of the
    // library's "prof\" folder, in natural order; false, with an empty list, when the folder
    // cannot be read.
    bool GetAvailableFiles();

    SectionGroupArray groups;
    Kv_Array<SectionType> types;
    Kv_StringArray availableFiles;
};

// The entry of the section type list for a table's description, and back.  A description that
// is a type number (1 to 24, blanks around it allowed) gives that number's text; any other
// description is its own entry, and an entry that is no type number gives itself back, so
// that a library of no known type is saved with its description unchanged.
Kv_String sectionTypeEntryOf(const Kv_String& description);
Kv_String descriptionOfSectionTypeEntry(const Kv_String& entry);
// The type number of an entry (1 to 24), 0 for any other entry.
int sectionTypeNumberOf(const Kv_String& entry);

// JSON forms: a group {"id", "enabled", "picture", "names"}, a type {"enabled", "picture",
// "groupId", "secondText", "names"}, the record {"groups", "types", "availableFiles"}.  Reading
// checks every member's type, refuses unknown members, and pads or cuts names to the four
// slots.
void to_json(nlohmann::json& out, const SectionGroup& group);
void from_json(const nlohmann::json& in, SectionGroup& group);
void to_json(nlohmann::json& out, const SectionType& type);
void from_json(const nlohmann::json& in, SectionType& type);
void to_json(nlohmann::json& out, const DlgEditLibData& data);
void from_json(const nlohmann::json& in, DlgEditLibData& data);
