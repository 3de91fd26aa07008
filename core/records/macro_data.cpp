#include "core/records/macro_data.h"

#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"

namespace {

using nlohmann::json;

[[noreturn]] void refuse(const json& at, const std::string& reason) {
    throw json::type_error::create(302, reason, &at);
}

// Reads the members of one record object, checking each member's JSON type before
// converting, so that 1.5 is not taken for an int or true for 1; remembers which members it
// read so that finish() can refuse the ones nobody asked for.
class StrictMembers {
public:
    StrictMembers(const json& in, const char* record) : in_(in), record_(record) {
        if (!in.is_object()) refuse(in, std::string(record) + ": expected an object");
    }

    void read(const char* name, int& value) {
        if (const json* member = take(name)) {
            if (!member->is_number_integer()) wrongType(name, "an integer");
            value = member->get<int>();
        }
    }
    void read(const char* name, bool& value) {
        if (const json* member = take(name)) {
            if (!member->is_boolean()) wrongType(name, "true or false");
            value = member->get<bool>();
        }
    }
    void read(const char* name, Kv_String& value) {
        if (const json* member = take(name)) {
            if (!member->is_string()) wrongType(name, "a text");
            value = member->get<Kv_String>();
        }
    }
    void read(const char* name, Kv_StringArray& value) {
        if (const json* member = take(name)) {
            if (!member->is_array()) wrongType(name, "an array of texts");
            for (const json& item : *member)
                if (!item.is_string()) wrongType(name, "an array of texts");
            value = member->get<Kv_StringArray>();
        }
    }
    void read(const char* name, AcArray<AcDbObjectId>& value) {
        if (const json* member = take(name)) {
            if (!member->is_array()) wrongType(name, "an array of object ids");
            AcArray<AcDbObjectId> ids;
            for (const json& item : *member) {
                if (!item.is_number_integer()) wrongType(name, "an array of object ids");
                ids.append(AcDbObjectId::fromOldId(item.get<std::int64_t>()));
            }
            value = ids;
        }
    }
    void read(const char* name, Kv_Array<MacroTabData>& value) {
        if (const json* member = take(name)) {
            if (!member->is_array()) wrongType(name, "an array of tabs");
            value = member->get<Kv_Array<MacroTabData>>();
        }
    }

    void finish() const {
        for (const auto& [name, member] : in_.items())
            if (!read_.count(name)) refuse(in_, std::string(record_) + ": unknown field \"" + name + "\"");
    }

private:
    const json* take(const char* name) {
        read_.insert(name);
        auto found = in_.find(name);
        return found == in_.end() ? nullptr : &*found;
    }
    [[noreturn]] void wrongType(const char* name, const char* expected) const {
        refuse(in_, std::string(record_) + ": field \"" + name + "\" must be " + expected);
    }

    const json& in_;
    const char* record_;
    std::set<std::string> read_;
};

json idsToJson(const AcArray<AcDbObjectId>& ids) {
    json out = json::array();
    for (const AcDbObjectId& id : ids) out.push_back(id.asOldId());
    return out;
}

}  // namespace

void to_json(json& out, const MacroTabData& tab) {
    out = json{{"kind", tab.kind},
               {"moduleName", tab.moduleName},
               {"title", tab.title},
               {"templateFile", tab.templateFile}};
}

void from_json(const json& in, MacroTabData& tab) {
    MacroTabData read;
    StrictMembers members(in, "MacroTabData");
    members.read("kind", read.kind);
    members.read("moduleName", read.moduleName);
    members.read("title", read.title);
    members.read("templateFile", read.templateFile);
    members.finish();
    tab = read;
}

void to_json(json& out, const MacroData& macro) {
    out = json{{"tempIds", idsToJson(macro.tempIds)},
               {"ids", idsToJson(macro.ids)},
               {"caption", macro.caption},
               {"groupKeys", macro.groupKeys},
               {"groupNames", macro.groupNames},
               {"groupIndex", macro.groupIndex},
               {"moduleNames", macro.moduleNames},
               {"filterNames", macro.filterNames},
               {"filterIndex", macro.filterIndex},
               {"tabs", macro.tabs},
               {"startTab", macro.startTab},
               {"openProfileOptions", macro.openProfileOptions},
               {"openProfileHint", macro.openProfileHint},
               {"tempObjects", macro.tempObjects},
               {"closedByDialog", macro.closedByDialog},
               {"busy", macro.busy}};
}

void from_json(const json& in, MacroData& macro) {
    MacroData read;
    StrictMembers members(in, "MacroData");
    members.read("tempIds", read.tempIds);
    members.read("ids", read.ids);
    members.read("caption", read.caption);
    members.read("groupKeys", read.groupKeys);
    members.read("groupNames", read.groupNames);
    members.read("groupIndex", read.groupIndex);
    members.read("moduleNames", read.moduleNames);
    members.read("filterNames", read.filterNames);
    members.read("filterIndex", read.filterIndex);
    members.read("tabs", read.tabs);
    members.read("startTab", read.startTab);
    members.read("openProfileOptions", read.openProfileOptions);
    members.read("openProfileHint", read.openProfileHint);
    members.read("tempObjects", read.tempObjects);
    members.read("closedByDialog", read.closedByDialog);
    members.read("busy", read.busy);
    members.finish();
    macro = read;
}
