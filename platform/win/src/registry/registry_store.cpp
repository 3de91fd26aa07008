// The registry file is JSON, which must be UTF-8, while the registry's strings are code page
// 1252 bytes.  They are stored as their characters (the platform's one converter, under which
// every byte comes back exactly), and the file is written with every non-ASCII character
// escaped (\uXXXX), so that it stays plain ASCII.  Binary values are stored as hex digits.

#include "registry_store.h"

#include "win/registry.h"

#include "base/case_fold.h"
#include "base/cp1252.h"
#include "base/write_whole.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace win::registry {

namespace {

using nlohmann::json;

constexpr const char* kFormatName = "karvel-registry";
constexpr int kFormatVersion = 1;

std::string toHex(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool fromHex(const std::string& hex, std::string& bytes) {
    auto digit = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2) return false;
    bytes.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        int hi = digit(hex[i]), lo = digit(hex[i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes += char(hi * 16 + lo);
    }
    return true;
}

const char* typeName(uint32_t type) {
    switch (type) {
    case REG_SZ: return "REG_SZ";
    case REG_DWORD: return "REG_DWORD";
    default: return "REG_BINARY";
    }
}

bool readValue(const json& item, Value& value) {
    if (!item.is_object() || !item.contains("name") || !item["name"].is_string() || !item.contains("type") ||
        !item["type"].is_string() || !item.contains("data"))
        return false;
    value.name = base::utf8ToCp1252(item["name"].get<std::string>());
    const std::string type = item["type"].get<std::string>();
    const json& data = item["data"];
    if (type == "REG_SZ" && data.is_string()) {
        value.type = REG_SZ;
        value.bytes = base::utf8ToCp1252(data.get<std::string>());
        return true;
    }
    if (type == "REG_DWORD" && data.is_number_unsigned() && data.get<uint64_t>() <= 0xFFFFFFFFull) {
        value.type = REG_DWORD;
        value.number = static_cast<uint32_t>(data.get<uint64_t>());
        return true;
    }
    if (type == "REG_BINARY" && data.is_string()) {
        value.type = REG_BINARY;
        return fromHex(data.get<std::string>(), value.bytes);
    }
    return false;
}

}  // namespace

Key* Store::find(std::string_view path) {
    auto it = keys_.find(base::lowerCase1252(path));
    return it == keys_.end() ? nullptr : &it->second;
}

bool Store::create(std::string_view path, Key*& key) {
    // Every key above the new one exists too, as when the keys are created one by one.
    bool isNew = false;
    size_t pos = 0;
    for (;;) {
        size_t slash = path.find('\\', pos);
        std::string_view prefix = path.substr(0, slash);
        auto [it, inserted] = keys_.try_emplace(base::lowerCase1252(prefix));
        if (inserted) it->second.path = std::string(prefix);
        if (slash == std::string_view::npos) {
            isNew = inserted;
            key = &it->second;
            return isNew;
        }
        pos = slash + 1;
    }
}

bool Store::load(const std::string& file) {
    keys_.clear();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return true;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    json doc = json::parse(text, nullptr, false);
    if (doc.is_discarded() || !doc.is_object() || !doc.contains("format") || doc["format"] != kFormatName ||
        !doc.contains("keys") || !doc["keys"].is_array())
        return false;
    std::map<std::string, Key> loaded;
    for (const json& item : doc["keys"]) {
        if (!item.is_object() || !item.contains("path") || !item["path"].is_string()) return false;
        Key key;
        key.path = base::utf8ToCp1252(item["path"].get<std::string>());
        if (item.contains("values")) {
            if (!item["values"].is_array()) return false;
            for (const json& v : item["values"]) {
                Value value;
                if (!readValue(v, value)) return false;
                key.values[base::lowerCase1252(value.name)] = std::move(value);
            }
        }
        loaded[base::lowerCase1252(key.path)] = std::move(key);
    }
    keys_ = std::move(loaded);
    // Keys listed without their parents still have them, as a created key would.
    std::vector<std::string> paths;
    for (const auto& [folded, key] : keys_) paths.push_back(key.path);
    for (const std::string& path : paths) {
        Key* ignored = nullptr;
        create(path, ignored);
    }
    return true;
}

bool Store::save(const std::string& file) const {
    json keys = json::array();
    for (const auto& [folded, key] : keys_) {
        json values = json::array();
        for (const auto& [foldedName, value] : key.values) {
            json item = {{"name", base::cp1252ToUtf8(value.name)}, {"type", typeName(value.type)}};
            if (value.type == REG_SZ)
                item["data"] = base::cp1252ToUtf8(value.bytes);
            else if (value.type == REG_DWORD)
                item["data"] = value.number;
            else
                item["data"] = toHex(value.bytes);
            values.push_back(std::move(item));
        }
        keys.push_back({{"path", base::cp1252ToUtf8(key.path)}, {"values", std::move(values)}});
    }
    json doc = {{"format", kFormatName}, {"version", kFormatVersion}, {"keys", std::move(keys)}};
    std::string text = doc.dump(2, ' ', true) + "\n";

    std::error_code ec;
    std::filesystem::path target(file);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    return base::writeFileWhole(target, text).ok;
}

}  // namespace win::registry
