#include "core/macro_lang_strings.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "core/table_file.h"

namespace {

using Labels = std::map<std::pair<std::string, std::string>, std::string>;

struct LoadedLabels {
    Kv_String language;
    Kv_String folder;
    Labels labels;
};

void readLabels(const Kv_String& folder, const Kv_String& language, Labels& out) {
    std::string bytes;
    if (!ObjectExportReadBytes(folder + "labels/labels." + language + ".txt", bytes)) return;
    Kv_TableRows rows;
    if (!parseTableText(bytes, rows)) return;
    for (const Kv_StringArray& row : rows) {
        if (row.length() != 3 || row[0].startsWith("#")) continue;
        // insert keeps an entry already there, so English only fills what the language lacks.
        out.insert({{row[0].str(), row[1].str()}, row[2].str()});
    }
}

// Read on first use and again whenever the language or the installation folder changed.
const Labels& labels() {
    static std::optional<LoadedLabels> loaded;
    const Kv_String language = Kv_Settings::language();
    const Kv_String folder = Kv_Settings::kvDir();
    if (loaded && loaded->language == language && loaded->folder == folder) return loaded->labels;
    LoadedLabels fresh{language, folder, {}};
    readLabels(folder, language, fresh.labels);
    if (!language.equal("en", true)) readLabels(folder, "en", fresh.labels);
    loaded = std::move(fresh);
    return loaded->labels;
}

bool isLetterOrDigit(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    // Code page 1252 letters above 0x7F: the accented ranges and the caron/ligature pairs.
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7) || byte == 0x8A || byte == 0x8C || byte == 0x8E ||
           byte == 0x9A || byte == 0x9C || byte == 0x9E || byte == 0x9F || byte == '_';
}

}  // namespace

Kv_String MacroLangs::GetString(const Kv_String& key, const Kv_String& subKey) {
    const Labels& table = labels();
    const auto found = table.find({key.str(), subKey.str()});
    if (found != table.end()) return Kv_String(found->second);
    return subKey.isEmpty() ? key : subKey;
}

Kv_String MacroLangs::GetStringChopSymbols(const Kv_String& text, const Kv_String& subKey) {
    const std::string& bytes = text.str();
    size_t begin = 0;
    while (begin < bytes.size() && !isLetterOrDigit(bytes[begin])) ++begin;
    size_t end = bytes.size();
    while (end > begin && !isLetterOrDigit(bytes[end - 1])) --end;
    if (begin == end) return text;
    const Kv_String part(bytes.substr(begin, end - begin));
    const Labels& table = labels();
    const auto found = table.find({part.str(), subKey.str()});
    if (found == table.end()) return text;
    return Kv_String(bytes.substr(0, begin) + found->second + bytes.substr(end));
}
