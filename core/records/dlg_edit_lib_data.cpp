#include "core/records/dlg_edit_lib_data.h"

#include <algorithm>
#include <climits>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "core/records/strict_members.h"

namespace {

constexpr int kLastSectionType = 24;

// The column names of the four languages, by slot.
const Kv_String kSlotLanguages[kSectionNameSlots] = {"Nederlands", "English",
                                                     "Fran\xE7"
                                                     "ais",
                                                     "Deutsch"};

Kv_StringArray emptyNames() {
    Kv_StringArray names;
    names.setLogicalLength(kSectionNameSlots);
    return names;
}

void fitNames(Kv_StringArray& names) { names.setLogicalLength(kSectionNameSlots); }

}  // namespace

int sectionNameSlot(const Kv_String& language) {
    for (int slot = 0; slot < kSectionNameSlots; ++slot)
        if (kSlotLanguages[slot] == language) return slot;
    return -1;
}

SectionGroup::SectionGroup() : names(emptyNames()) {}
SectionType::SectionType() : names(emptyNames()) {}

int SectionGroupArray::appendNewGrp() {
    int highest = 0;
    for (const SectionGroup& group : *this) highest = std::max(highest, group.id);
    SectionGroup group;
    // Identifiers are stored in the types that refer to them; one past the highest is free.
    // Should the highest be INT_MAX, the lowest free one from 1 is taken instead.
    if (highest < INT_MAX) {
        group.id = highest + 1;
    } else {
        group.id = 1;
        while (findId(group.id) >= 0) ++group.id;
    }
    return append(group);
}

int SectionGroupArray::findId(int id) const {
    for (int i = 0; i < length(); ++i)
        if ((*this)[i].id == id) return i;
    return -1;
}

DlgEditLibData::DlgEditLibData() = default;
DlgEditLibData::DlgEditLibData(const DlgEditLibData& other) = default;
DlgEditLibData& DlgEditLibData::operator=(const DlgEditLibData& other) = default;
DlgEditLibData::~DlgEditLibData() = default;

bool DlgEditLibData::GetAvailableFiles() {
    availableFiles.removeAll();
    Kv_StringArray paths;
    if (!ObjectExportFindFiles(Kv_Settings::libDir() + "prof\\", "*.pr", paths)) return false;
    for (const Kv_String& path : paths) {
        Kv_String name;
        if (!getFileName(path, name) || !removeExtension(name) || name.isEmpty()) continue;
        availableFiles.append(name);
    }
    sortArray(availableFiles);
    return true;
}

int sectionTypeNumberOf(const Kv_String& entry) {
    Kv_String text = entry;
    text.trim();
    if (text.isEmpty() || text.length() > 2) return 0;
    for (char c : text.view())
        if (c < '0' || c > '9') return 0;
    const int number = text.toInt();
    return number >= 1 && number <= kLastSectionType ? number : 0;
}

Kv_String sectionTypeEntryOf(const Kv_String& description) {
    const int number = sectionTypeNumberOf(description);
    return number > 0 ? Kv_String(number) : description;
}

Kv_String descriptionOfSectionTypeEntry(const Kv_String& entry) { return sectionTypeEntryOf(entry); }

// --- JSON ----------------------------------------------------------------------------------

void to_json(nlohmann::json& out, const SectionGroup& group) {
    out = nlohmann::json{
        {"id", group.id}, {"enabled", group.enabled}, {"picture", group.pictureFile}, {"names", group.names}};
}

void from_json(const nlohmann::json& in, SectionGroup& group) {
    core_records::StrictMembers members(in, "SectionGroup");
    SectionGroup read;
    members.read("id", read.id);
    members.read("enabled", read.enabled);
    members.read("picture", read.pictureFile);
    members.read("names", read.names);
    members.finish();
    fitNames(read.names);
    group = read;
}

void to_json(nlohmann::json& out, const SectionType& type) {
    out = nlohmann::json{{"enabled", type.enabled},
                         {"picture", type.pictureFile},
                         {"groupId", type.groupId},
                         {"secondText", type.secondText},
                         {"names", type.names}};
}

void from_json(const nlohmann::json& in, SectionType& type) {
    core_records::StrictMembers members(in, "SectionType");
    SectionType read;
    members.read("enabled", read.enabled);
    members.read("picture", read.pictureFile);
    members.read("groupId", read.groupId);
    members.read("secondText", read.secondText);
    members.read("names", read.names);
    members.finish();
    fitNames(read.names);
    type = read;
}

void to_json(nlohmann::json& out, const DlgEditLibData& data) {
    out = nlohmann::json{{"groups", static_cast<const Kv_Array<SectionGroup>&>(data.groups)},
                         {"types", data.types},
                         {"availableFiles", data.availableFiles}};
}

void from_json(const nlohmann::json& in, DlgEditLibData& data) {
    core_records::StrictMembers members(in, "DlgEditLibData");
    DlgEditLibData read;
    if (const nlohmann::json* groups = members.take("groups")) {
        if (!groups->is_array()) members.fail("field \"groups\" must be an array of groups");
        for (const nlohmann::json& group : *groups) read.groups.append(group.get<SectionGroup>());
    }
    if (const nlohmann::json* types = members.take("types")) {
        if (!types->is_array()) members.fail("field \"types\" must be an array of section types");
        read.types = types->get<Kv_Array<SectionType>>();
    }
    members.read("availableFiles", read.availableFiles);
    members.finish();
    data = read;
}
