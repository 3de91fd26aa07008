// The registry file is JSON, which must be UTF-8, while the registry's strings are code page
// 1252 bytes.  Each byte is stored as the Unicode code point of the same number (Latin-1),
// and the file is written with every non-ASCII character escaped (\u00XX), so that the bytes
// come back exactly and the file stays plain ASCII.  Binary values are stored as hex digits.

#include "registry_store.h"

#include "win/registry.h"

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

std::string bytesToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The parser has already checked that the text is valid UTF-8.  Characters outside
// Latin-1 (from a hand-edited file) have no byte and become '?'.
std::string utf8ToBytes(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
        if (length == 1) {
            out += char(c);
        } else if (length == 2 && i + 1 < text.size()) {
            unsigned code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            out += code <= 0xFF ? char(code) : '?';
        } else {
            out += '?';
        }
        i += length;
    }
    return out;
}

std::string toHex(std::string_view bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool fromHex(const std::string& hex, std::string& bytes)
{
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

const char* typeName(uint32_t type)
{
    switch (type) {
    case REG_SZ: return "REG_SZ";
    case REG_DWORD: return "REG_DWORD";
    default: return "REG_BINARY";
    }
}

bool readValue(const json& item, Value& value)
{
    if (!item.is_object() || !item.contains("name") || !item["name"].is_string() || !item.contains("type") ||
        !item["type"].is_string() || !item.contains("data"))
        return false;
    value.name = utf8ToBytes(item["name"].get<std::string>());
    const std::string type = item["type"].get<std::string>();
    const json& data = item["data"];
    if (type == "REG_SZ" && data.is_string()) {
        value.type = REG_SZ;
        value.bytes = utf8ToBytes(data.get<std::string>());
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

std::string foldCase(std::string_view text)
{
    std::string out(text);
    for (char& ch : out) {
        unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 0x20;
        else if (c == 0x8A || c == 0x8C || c == 0x8E) c += 0x10;  // S, OE, Z with caron/ligature
        else if (c == 0x9F) c = 0xFF;                              // Y with diaeresis
        ch = static_cast<char>(c);
    }
    return out;
}

Key* Store::find(std::string_view path)
{
    auto it = keys_.find(foldCase(path));
    return it == keys_.end() ? nullptr : &it->second;
}

bool Store::create(std::string_view path, Key*& key)
{
    // Every key above the new one exists too, as when the keys are created one by one.
    bool isNew = false;
    size_t pos = 0;
    for (;;) {
        size_t slash = path.find('\\', pos);
        std::string_view prefix = path.substr(0, slash);
        auto [it, inserted] = keys_.try_emplace(foldCase(prefix));
        if (inserted) it->second.path = std::string(prefix);
        if (slash == std::string_view::npos) {
            isNew = inserted;
            key = &it->second;
            return isNew;
        }
        pos = slash + 1;
    }
}

bool Store::load(const std::string& file)
{
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
        key.path = utf8ToBytes(item["path"].get<std::string>());
        if (item.contains("values")) {
            if (!item["values"].is_array()) return false;
            for (const json& v : item["values"]) {
                Value value;
                if (!readValue(v, value)) return false;
                key.values[foldCase(value.name)] = std::move(value);
            }
        }
        loaded[foldCase(key.path)] = std::move(key);
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

bool Store::save(const std::string& file) const
{
    json keys = json::array();
    for (const auto& [folded, key] : keys_) {
        json values = json::array();
        for (const auto& [foldedName, value] : key.values) {
            json item = {{"name", bytesToUtf8(value.name)}, {"type", typeName(value.type)}};
            if (value.type == REG_SZ) item["data"] = bytesToUtf8(value.bytes);
            else if (value.type == REG_DWORD) item["data"] = value.number;
            else item["data"] = toHex(value.bytes);
            values.push_back(std::move(item));
        }
        keys.push_back({{"path", bytesToUtf8(key.path)}, {"values", std::move(values)}});
    }
    json doc = {{"format", kFormatName}, {"version", kFormatVersion}, {"keys", std::move(keys)}};
    std::string text = doc.dump(2, ' ', true) + "\n";

    std::error_code ec;
    std::filesystem::path target(file);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    std::string temp = file + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), file.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace win::registry
