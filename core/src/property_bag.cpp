#include "core/property_bag.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/file_layer.h"

namespace {

// atol, saturating instead of overflowing.
long long readLong(const Kv_String& text) { return std::strtoll(text.c_str(), nullptr, 10); }

Kv_String textOf(const BagEntry& entry) {
    switch (entry.type) {
    case BagValueType::Double: {
        // The largest double has 309 digits before the point.
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.2f", entry.doubleValue);
        return Kv_String(buffer);
    }
    case BagValueType::Int:
    case BagValueType::Long: return Kv_String(entry.longValue);
    case BagValueType::String: return entry.text;
    case BagValueType::None: break;
    }
    return {};
}

}  // namespace

const BagEntry* PropertyBag::find(const Kv_String& name) const {
    for (const BagEntry& entry : entries_)
        if (entry.name.equal(name, true)) return &entry;
    return nullptr;
}

BagEntry& PropertyBag::entryFor(const Kv_String& name) {
    for (BagEntry& entry : entries_)
        if (entry.name.equal(name, true)) return entry;
    BagEntry& added = entries_.emplace_back();
    added.name = name;
    return added;
}

void PropertyBag::setFromFields(const Kv_String& name, const Kv_String& typeCode, const Kv_String& value) {
    BagEntry& entry = entryFor(name);
    entry.text.clear();
    entry.doubleValue = 0.0;
    entry.longValue = 0;
    switch (typeCode.toInt()) {
    case 1:
        entry.type = BagValueType::Double;
        entry.doubleValue = value.toDouble();
        break;
    case 2:
        entry.type = BagValueType::Int;
        entry.longValue = value.toInt();
        break;
    case 3:
        entry.type = BagValueType::Long;
        entry.longValue = readLong(value);
        break;
    case 4:
        entry.type = BagValueType::String;
        entry.text = value;
        break;
    default:
        // 0, a code that is not a number, or one this format does not know: the name is
        // kept (it still shadows later entries of that name) but has no value.
        entry.type = BagValueType::None;
        break;
    }
}

bool PropertyBag::parse(std::string_view text) {
    if (text.empty()) return false;
    entries_.clear();
    Kv_String fields[3];
    int index = 0;
    std::string current;
    for (char byte : text) {
        if (byte != kBagFieldEnd) {
            current.push_back(byte);
            continue;
        }
        fields[index++] = Kv_String(std::move(current));
        current.clear();
        if (index == 3) {
            setFromFields(fields[0], fields[1], fields[2]);
            index = 0;
        }
    }
    // Whatever follows the last complete entry is an incomplete one and is dropped.
    return true;
}

bool PropertyBag::readFile(const Kv_String& path) {
    std::string bytes;
    if (path.isEmpty() || !ObjectExportReadBytes(path, bytes)) return false;
    // The files are read in text mode by the package: a line end written by an editor on the
    // package's home system reads as a single line feed.
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) text.push_back(bytes[i]);
    entries_.clear();
    if (!text.empty()) parse(text);
    return true;
}

bool PropertyBag::serialise(Kv_String& text) const {
    std::string out;
    bool complete = true;
    for (const BagEntry& entry : entries_) {
        const Kv_String value = textOf(entry);
        if (!isStorableBagText(entry.name) || !isStorableBagText(value)) {
            // Written as it is, the byte would split the entry and shift every later one.
            complete = false;
            continue;
        }
        out.append(entry.name.str());
        out.push_back(kBagFieldEnd);
        out.append(std::to_string(static_cast<int>(entry.type)));
        out.push_back(kBagFieldEnd);
        out.append(value.str());
        out.push_back(kBagFieldEnd);
    }
    text = Kv_String(std::move(out));
    return complete;
}

bool PropertyBag::getBool(const Kv_String& name, bool& value) const {
    const BagEntry* entry = find(name);
    if (!entry || entry->type != BagValueType::Int) return false;
    value = entry->longValue != 0;
    return true;
}

bool PropertyBag::getInt(const Kv_String& name, int& value) const {
    const BagEntry* entry = find(name);
    if (!entry || entry->type != BagValueType::Int) return false;
    value = static_cast<int>(entry->longValue);
    return true;
}

bool PropertyBag::getString(const Kv_String& name, Kv_String& value) const {
    const BagEntry* entry = find(name);
    if (!entry || entry->type != BagValueType::String) return false;
    value = entry->text;
    return true;
}

bool PropertyBag::setBool(const Kv_String& name, bool value) { return setInt(name, value ? 1 : 0); }

bool PropertyBag::setInt(const Kv_String& name, int value) {
    if (!isStorableBagText(name)) return false;
    BagEntry& entry = entryFor(name);
    entry.type = BagValueType::Int;
    entry.longValue = value;
    entry.doubleValue = 0.0;
    entry.text.clear();
    return true;
}

bool PropertyBag::setString(const Kv_String& name, const Kv_String& value) {
    if (!isStorableBagText(name) || !isStorableBagText(value)) return false;
    BagEntry& entry = entryFor(name);
    entry.type = BagValueType::String;
    entry.text = value;
    entry.longValue = 0;
    entry.doubleValue = 0.0;
    return true;
}
