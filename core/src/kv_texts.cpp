#include "core/kv_texts.h"

#include <charconv>
#include <optional>

#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "text_escapes.h"

namespace {

struct LoadedTables {
    Kv_String language;
    Kv_String folder;
    std::map<int, std::string> dialog, message;
};

std::optional<LoadedTables>& loaded() {
    static std::optional<LoadedTables> tables;
    return tables;
}

void readTable(const Kv_String& folder, const char* table, const Kv_String& language, std::map<int, std::string>& out) {
    std::string bytes;
    Kv_String path = folder + "texts/" + table + "." + language + ".txt";
    if (ObjectExportReadBytes(path, bytes)) Kv_Texts::parseTable(bytes, out);
}

// Loads on first use and again whenever the language or the installation folder changed,
// so a test or a settings change never sees stale texts.
const LoadedTables& tables() {
    Kv_String language = Kv_Settings::language();
    Kv_String folder = Kv_Settings::kvDir();
    auto& current = loaded();
    if (current && current->language == language && current->folder == folder) return *current;
    LoadedTables fresh{language, folder, {}, {}};
    readTable(folder, "dialog", language, fresh.dialog);
    readTable(folder, "message", language, fresh.message);
    if (!language.equal("en", true)) {
        // Numbers the language lacks fall back to English; map::insert keeps existing entries.
        std::map<int, std::string> english;
        readTable(folder, "dialog", "en", english);
        fresh.dialog.insert(english.begin(), english.end());
        english.clear();
        readTable(folder, "message", "en", english);
        fresh.message.insert(english.begin(), english.end());
    }
    current = std::move(fresh);
    return *current;
}

const std::map<int, std::string>& tableOf(Kv_Texts::Table table) {
    return table == Kv_Texts::Table::Dialog ? tables().dialog : tables().message;
}

}  // namespace

bool Kv_Texts::has(Table table, int number) { return tableOf(table).count(number) > 0; }

Kv_String Kv_Texts::text(Table table, int number) {
    const auto& texts = tableOf(table);
    auto it = texts.find(number);
    if (it == texts.end()) return Kv_String("#") + Kv_String(number);
    return Kv_String(it->second);
}

void Kv_Texts::reload() { loaded().reset(); }

bool Kv_Texts::parseTable(std::string_view fileText, std::map<int, std::string>& out, int* faultLine) {
    int lineNumber = 0;
    while (!fileText.empty()) {
        auto end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        fileText = end == std::string_view::npos ? std::string_view() : fileText.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        auto tab = line.find('\t');
        int number = 0;
        std::string text;
        bool ok = tab != std::string_view::npos && tab > 0;
        if (ok) {
            auto result = std::from_chars(line.data(), line.data() + tab, number);
            ok = result.ec == std::errc() && result.ptr == line.data() + tab && number >= 0;
        }
        if (ok) ok = kvUnescapeText(line.substr(tab + 1), text);
        if (!ok) {
            if (faultLine) *faultLine = lineNumber;
            return false;
        }
        out[number] = std::move(text);
    }
    return true;
}

Kv_String dialString(int number) { return Kv_Texts::text(Kv_Texts::Table::Dialog, number); }

Kv_String string(int number) { return Kv_Texts::text(Kv_Texts::Table::Message, number); }
