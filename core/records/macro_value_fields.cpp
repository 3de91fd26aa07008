#include "macro_value_fields.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/table_file.h"

namespace macro_values {

namespace {

Kv_StringArray one(const Kv_String& text) {
    Kv_StringArray list;
    list.append(text);
    return list;
}

bool single(const Kv_StringArray& value, Kv_String& text) {
    if (value.length() != 1) return false;
    text = value[0];
    return true;
}

bool parseInt(const Kv_String& text, int& number) {
    const std::string& bytes = text.str();
    const char* begin = bytes.data();
    const char* end = begin + bytes.size();
    const auto result = std::from_chars(begin, end, number);
    return result.ec == std::errc() && result.ptr == end;
}

bool parseDouble(const Kv_String& text, double& number) {
    const std::string& bytes = text.str();
    if (bytes.empty() || bytes.front() == ' ') return false;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(bytes.c_str(), &end);
    if (end != bytes.c_str() + bytes.size() || errno == ERANGE || !std::isfinite(value)) return false;
    number = value;
    return true;
}

class Builder {
public:
    explicit Builder(std::vector<Field>& out) : out_(out) {}

    void text(std::string name, int code, Kv_String& value, Kv_String cellName = Kv_String()) {
        Field field = base(std::move(name), code);
        field.cellName = cellName;
        field.get = [&value] { return one(value); };
        field.set = [&value](const Kv_StringArray& list) { return single(list, value); };
        field.setMixed = [&value] { value = macroMixedText(); };
        field.isMixed = [&value] { return value == macroMixedText(); };
        out_.push_back(std::move(field));
    }
    // triState: a flag whose values below 0 are mixed (boltFlag: 2 too); else an integer
    // without a mixed form.
    void integer(std::string name, int code, int& value, bool triState, bool boltFlag = false) {
        Field field = base(std::move(name), code);
        field.get = [&value] { return one(Kv_String(value)); };
        field.set = [&value](const Kv_StringArray& list) {
            Kv_String text;
            int number = 0;
            if (!single(list, text) || !parseInt(text, number)) return false;
            value = number;
            return true;
        };
        if (triState) {
            field.setMixed = [&value] { value = -1; };
            field.isMixed = [&value, boltFlag] { return boltFlag ? isMixedBoltFlag(value) : value < 0; };
        }
        out_.push_back(std::move(field));
    }
    void number(std::string name, int code, double& value) {
        Field field = base(std::move(name), code);
        field.get = [&value] { return one(Kv_String(value, -1)); };
        field.set = [&value](const Kv_StringArray& list) {
            Kv_String text;
            double parsed = 0;
            if (!single(list, text) || !parseDouble(text, parsed)) return false;
            value = parsed;
            return true;
        };
        out_.push_back(std::move(field));
    }
    void flag(std::string name, int code, bool& value) {
        Field field = base(std::move(name), code);
        field.get = [&value] { return one(Kv_String(value ? "1" : "0")); };
        field.set = [&value](const Kv_StringArray& list) {
            Kv_String text;
            if (!single(list, text) || (text != "0" && text != "1")) return false;
            value = text == "1";
            return true;
        };
        out_.push_back(std::move(field));
    }
    void texts(std::string name, int code, Kv_StringArray& value) {
        Field field = base(std::move(name), code);
        field.get = [&value] { return value; };
        field.set = [&value](const Kv_StringArray& list) {
            value = list;
            return true;
        };
        out_.push_back(std::move(field));
    }
    // A list of integers; flags keeps them to 0 and 1.
    void integers(std::string name, int code, Kv_Array<int>& value, bool flags) {
        Field field = base(std::move(name), code);
        field.get = [&value] {
            Kv_StringArray list;
            for (int item : value) list.append(Kv_String(item));
            return list;
        };
        field.set = [&value, flags](const Kv_StringArray& list) {
            Kv_Array<int> parsed;
            for (const Kv_String& text : list) {
                int number = 0;
                if (!parseInt(text, number) || (flags && number != 0 && number != 1)) return false;
                parsed.append(number);
            }
            value = parsed;
            return true;
        };
        out_.push_back(std::move(field));
    }
    // A field whose get and set are given (entry columns kept in records).
    void custom(std::string name, int code, std::function<Kv_StringArray()> get,
                std::function<bool(const Kv_StringArray&)> set) {
        Field field = base(std::move(name), code);
        field.get = std::move(get);
        field.set = std::move(set);
        out_.push_back(std::move(field));
    }

private:
    static Field base(std::string name, int code) {
        Field field;
        field.name = std::move(name);
        field.kindCode = code;
        return field;
    }
    std::vector<Field>& out_;
};

void patternFields(Builder& add, const std::string& prefix, MacroPatternProps& pattern) {
    const int code = MacroChange::kPatterns;
    add.text(prefix + "value", code, pattern.value);
    add.text(prefix + "count", code, pattern.count);
    MacroPatternDirection* directions[] = {&pattern.direction1, &pattern.direction2};
    for (int d = 0; d < 2; ++d) {
        MacroPatternDirection& direction = *directions[d];
        const std::string at = prefix + "d" + std::to_string(d + 1) + ".";
        add.integer(at + "on", code, direction.on, true);
        add.integer(at + "kind", code, direction.kind, false);
        add.text(at + "value1", code, direction.value1);
        add.text(at + "value2", code, direction.value2);
        add.integer(at + "checked", code, direction.checked, true);
        add.texts(at + "distances", code, direction.distances);
    }
    add.integer(prefix + "flag1", code, pattern.flag1, true);
    add.integer(prefix + "flag2", code, pattern.flag2, true);
    add.integer(prefix + "flag3", code, pattern.flag3, true);
    add.integer(prefix + "flag4", code, pattern.flag4, true);
}

void boltFields(Builder& add, MacroBoltData& bolt) {
    const int code = MacroChange::kBolt;
    add.text("bolt.composition", code, bolt.composition);
    add.text("bolt.diameter", code, bolt.diameter);
    add.text("bolt.penetrationLength", code, bolt.penetrationLength);
    add.text("bolt.addedLength", code, bolt.addedLength);
    add.text("bolt.holeTolerance", code, bolt.holeTolerance);
    add.integer("bolt.shopBolted", code, bolt.shopBolted, true, true);
    add.integer("bolt.countersunk", code, bolt.countersunk, true, true);
    add.integer("bolt.reverseOrientation", code, bolt.reverseOrientation, true, true);
    add.integer("bolt.tapped", code, bolt.tapped, true, true);
    add.integer("bolt.washer1", code, bolt.washer1, true, true);
    add.integer("bolt.washers", code, bolt.washers, true, true);
    add.integer("bolt.nut1", code, bolt.nut1, true, true);
    add.integer("bolt.nut2", code, bolt.nut2, true, true);
    add.integer("bolt.washer2", code, bolt.washer2, true, true);
    add.flag("bolt.countOption", code, bolt.countOption);
    add.integers("bolt.holeColumnFlags", code, bolt.holeColumnFlags, true);
    add.texts("bolt.holeColumnNames", code, bolt.holeColumnNames);
    for (int i = 0; i < bolt.slots.length(); ++i) {
        MacroBoltSlot& slot = bolt.slots[i];
        const std::string at = "bolt.slot" + std::to_string(i + 1) + ".";
        add.integer(at + "active", code, slot.active, false);
        add.integer(at + "kind", code, slot.kind, false);
        add.text(at + "radius", code, slot.radius);
        add.text(at + "length", code, slot.length);
        add.text(at + "angle", code, slot.angle);
        add.text(at + "extra", code, slot.extra);
    }
}

void profileFields(Builder& add, const std::string& prefix, MacroProfData& prof) {
    const int code = MacroChange::kProfiles;
    add.text(prefix + "profile", code, prof.profile);
    add.text(prefix + "endProfile", code, prof.endProfile);
    add.text(prefix + "endValue1", code, prof.endValue1);
    add.text(prefix + "endValue2", code, prof.endValue2);
    add.integer(prefix + "offsetType", code, prof.offsetType, false);
    add.number(prefix + "offsetX", code, prof.offsetX);
    add.number(prefix + "offsetY", code, prof.offsetY);
    add.integer(prefix + "pointChoice", code, prof.pointChoice, false);
    add.text(prefix + "rotation", code, prof.rotation);
    add.text(prefix + "plane", code, prof.plane);
    add.flag(prefix + "onSegment", code, prof.onSegment);
    add.integer(prefix + "segment", code, prof.segment, false);
    add.integer(prefix + "triStateOption", code, prof.triStateOption, false);
}

void arrayFields(Builder& add, const std::string& prefix, DynArrayData& array) {
    const int code = MacroChange::kArrays;
    add.integer(prefix + "arrayType", code, array.arrayType, true);
    add.text(prefix + "value0", code, array.value0);
    add.text(prefix + "dimName1", code, array.dimName1);
    add.text(prefix + "dimName2", code, array.dimName2);
    add.text(prefix + "dimName3", code, array.dimName3);
    add.text(prefix + "dimName4", code, array.dimName4);
    for (int number = 1; number <= DynArrayData::kValueCount; ++number)
        add.text(prefix + "value" + std::to_string(number), code, *array.value(number));
    add.text(prefix + "skipCount", code, array.skipCount);
    add.integer(prefix + "option", code, array.option, true);
    add.integer(prefix + "alternating", code, array.alternating, true);
    add.custom(
        prefix + "entries", code,
        [&array] {
            // One text per entry: number, on flag and own value, as a table row.
            Kv_StringArray list;
            for (const DynArrayEntry& entry : array.entries) {
                Kv_StringArray row;
                row.append(Kv_String(entry.number));
                row.append(entry.on ? "1" : "0");
                row.append(entry.value);
                list.append(Kv_String(encode(row)));
            }
            return list;
        },
        [&array](const Kv_StringArray& list) {
            Kv_Array<int> numbers, flags;
            Kv_StringArray values;
            for (const Kv_String& text : list) {
                Kv_StringArray row;
                int number = 0;
                if (!decode(text.str(), row) || row.length() != 3 || !parseInt(row[0], number) ||
                    (row[1] != "0" && row[1] != "1"))
                    return false;
                numbers.append(number);
                flags.append(row[1] == "1" ? 1 : 0);
                values.append(row[2]);
            }
            array.setEntryColumns(numbers, flags, values);
            return true;
        });
}

}  // namespace

std::vector<Field> fieldsOf(MacroTabData& tab) {
    std::vector<Field> fields;
    Builder add(fields);
    for (MacroCell& cell : tab.cells) add.text("cell." + cell.name.str(), MacroChange::kCells, cell.value, cell.name);
    if (tab.dwgListEnabled) add.text("dwgList", MacroChange::kDrawingList, tab.dwgListValue);
    for (MacroPatternProps& pattern : tab.patterns) patternFields(add, "pattern." + pattern.name.str() + ".", pattern);
    if (tab.kind == 1) boltFields(add, tab.bolt);
    std::vector<std::pair<std::string, int>> perGroup;
    for (MacroProfData& prof : tab.profiles) {
        int index = 0;
        for (auto& [group, count] : perGroup)
            if (group == prof.group.str()) index = ++count;
        if (index == 0) perGroup.emplace_back(prof.group.str(), 0);
        profileFields(add, "profile." + prof.group.str() + "." + std::to_string(index + 1) + ".", prof);
    }
    for (MacroProfSegmentedData& segmented : tab.segmentedProfiles) {
        const std::string at = "segmented." + segmented.name.str() + ".";
        add.number(at + "gap", MacroChange::kSegmentedProfiles, segmented.gap);
        add.flag(at + "breakAtPoints", MacroChange::kSegmentedProfiles, segmented.breakAtPoints);
        add.texts(at + "points", MacroChange::kSegmentedProfiles, segmented.points);
    }
    for (DynArrayData& array : tab.arrays) arrayFields(add, "array." + array.name.str() + ".", array);
    for (MacroCutData& cut : tab.cuts) add.integer("cut." + cut.name.str(), MacroChange::kCuts, cut.value, false);
    for (MacroFlexFixGroup& group : tab.flexFixGroups)
        for (MacroFlexFixMember& member : group.members)
            add.integer("flex." + group.name.str() + "." + member.name.str(), MacroChange::kFlexFixGroups, member.fixed,
                        false);
    return fields;
}

std::string encode(const Kv_StringArray& value) {
    Kv_TableRows rows;
    rows.append(value);
    std::string text = formatTableText(rows);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

bool decode(const std::string& text, Kv_StringArray& value) {
    if (text.find_first_of("\r\n") != std::string::npos) return false;
    Kv_TableRows rows;
    if (!parseTableText(text, rows)) return false;
    value = rows.isEmpty() ? Kv_StringArray() : rows[0];
    return true;
}

}  // namespace macro_values
