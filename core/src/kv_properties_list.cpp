#include "core/kv_properties_list.h"

#include <cstring>

#include "core/file_layer.h"
#include "text_escapes.h"
#include "text_numbers.h"

namespace {

constexpr std::string_view kHeader = "KvPropertiesList 1";

}  // namespace

Acad::ErrorStatus Kv_PropertiesList::store(const Kv_String& name, Value value) {
    if (name.isEmpty()) return Acad::eInvalidInput;
    auto it = index_.find(name.view());
    if (it != index_.end()) {
        entries_[it->second].value = std::move(value);
        return Acad::eOk;
    }
    index_.emplace(name.str(), entries_.size());
    entries_.push_back(Entry{name.str(), std::move(value)});
    return Acad::eOk;
}

Acad::ErrorStatus Kv_PropertiesList::setProperty(const Kv_String& name, int value) { return store(name, value); }
Acad::ErrorStatus Kv_PropertiesList::setProperty(const Kv_String& name, double value) { return store(name, value); }
Acad::ErrorStatus Kv_PropertiesList::setProperty(const Kv_String& name, const Kv_String& value) {
    return store(name, value.str());
}

const Kv_PropertiesList::Entry* Kv_PropertiesList::findEntry(std::string_view name) const {
    auto it = index_.find(name);
    return it == index_.end() ? nullptr : &entries_[it->second];
}

Acad::ErrorStatus Kv_PropertiesList::getProperty(const Kv_String& name, int& value) const {
    const Entry* entry = findEntry(name.view());
    if (!entry) return Acad::eKeyNotFound;
    const int* stored = std::get_if<int>(&entry->value);
    if (!stored) return Acad::eWrongDataType;
    value = *stored;
    return Acad::eOk;
}

Acad::ErrorStatus Kv_PropertiesList::getProperty(const Kv_String& name, double& value) const {
    const Entry* entry = findEntry(name.view());
    if (!entry) return Acad::eKeyNotFound;
    if (const double* stored = std::get_if<double>(&entry->value)) {
        value = *stored;
        return Acad::eOk;
    }
    if (const int* stored = std::get_if<int>(&entry->value)) {
        value = *stored;
        return Acad::eOk;
    }
    return Acad::eWrongDataType;
}

Acad::ErrorStatus Kv_PropertiesList::getProperty(const Kv_String& name, Kv_String& value) const {
    const Entry* entry = findEntry(name.view());
    if (!entry) return Acad::eKeyNotFound;
    const std::string* stored = std::get_if<std::string>(&entry->value);
    if (!stored) return Acad::eWrongDataType;
    value = Kv_String(*stored);
    return Acad::eOk;
}

bool Kv_PropertiesList::hasProperty(const Kv_String& name) const { return findEntry(name.view()) != nullptr; }

bool Kv_PropertiesList::typeOf(const Kv_String& name, Type& type) const {
    const Entry* entry = findEntry(name.view());
    if (!entry) return false;
    type = std::holds_alternative<int>(entry->value)      ? Type::Int
           : std::holds_alternative<double>(entry->value) ? Type::Double
                                                          : Type::String;
    return true;
}

bool Kv_PropertiesList::removeProperty(const Kv_String& name) {
    auto it = index_.find(name.view());
    if (it == index_.end()) return false;
    std::size_t removed = it->second;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(removed));
    index_.erase(it);
    for (auto& [key, position] : index_)
        if (position > removed) --position;
    return true;
}

void Kv_PropertiesList::clear() {
    entries_.clear();
    index_.clear();
}

Kv_StringArray Kv_PropertiesList::names() const {
    Kv_StringArray result;
    for (const Entry& entry : entries_) result.append(Kv_String(entry.name));
    return result;
}

std::string Kv_PropertiesList::writeToText() const {
    std::string text(kHeader);
    text += "\r\n";
    for (const Entry& entry : entries_) {
        if (const int* i = std::get_if<int>(&entry.value))
            text += "int\t" + kvEscapeText(entry.name) + "\t" + std::to_string(*i);
        else if (const double* d = std::get_if<double>(&entry.value))
            text += "double\t" + kvEscapeText(entry.name) + "\t" + kvFormatDouble(*d);
        else
            text += "string\t" + kvEscapeText(entry.name) + "\t" + kvEscapeText(std::get<std::string>(entry.value));
        text += "\r\n";
    }
    return text;
}

bool Kv_PropertiesList::readFromText(std::string_view text, int* faultLine) {
    clear();
    int lineNumber = 0;
    bool headerSeen = false;
    auto fail = [&] {
        if (faultLine) *faultLine = lineNumber;
        return false;
    };
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headerSeen) {
            if (line != kHeader) return fail();
            headerSeen = true;
            continue;
        }
        if (line.empty() || line[0] == '#') continue;
        auto tab1 = line.find('\t');
        if (tab1 == std::string_view::npos) return fail();
        auto tab2 = line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) return fail();
        std::string_view type = line.substr(0, tab1);
        std::string name;
        if (!kvUnescapeText(line.substr(tab1 + 1, tab2 - tab1 - 1), name) || name.empty() || findEntry(name))
            return fail();
        std::string_view valueText = line.substr(tab2 + 1);
        if (type == "int") {
            int value;
            if (!kvParseInt(valueText, value)) return fail();
            store(Kv_String(name), value);
        } else if (type == "double") {
            double value;
            if (!kvParseDouble(valueText, value)) return fail();
            store(Kv_String(name), value);
        } else if (type == "string") {
            std::string value;
            if (!kvUnescapeText(valueText, value)) return fail();
            store(Kv_String(name), Value(std::move(value)));
        } else {
            return fail();
        }
    }
    if (!headerSeen) {
        ++lineNumber;
        return fail();
    }
    return true;
}

bool Kv_PropertiesList::readFromFile(const Kv_String& path) {
    std::string bytes;
    if (!ObjectExportReadBytes(path, bytes)) {
        clear();
        return false;
    }
    return readFromText(bytes);
}

bool Kv_PropertiesList::writeToFile(const Kv_String& path) const { return ObjectExportWriteBytes(path, writeToText()); }

bool operator==(const Kv_PropertiesList& a, const Kv_PropertiesList& b) {
    if (a.entries_.size() != b.entries_.size()) return false;
    for (std::size_t i = 0; i < a.entries_.size(); ++i) {
        const auto& x = a.entries_[i];
        const auto& y = b.entries_[i];
        if (x.name != y.name || x.value.index() != y.value.index()) return false;
        // Doubles compare by bits, so that NaN equals itself and 0.0 differs from -0.0.
        if (const double* dx = std::get_if<double>(&x.value)) {
            if (std::memcmp(dx, &std::get<double>(y.value), sizeof(double)) != 0) return false;
        } else if (x.value != y.value) {
            return false;
        }
    }
    return true;
}
