#include "core/macro_lang_strings.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/kv_settings.h"
#include "core/object_export.h"

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
    std::string_view rest(bytes);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const size_t first = line.find('\t');
        const size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
        if (second == std::string_view::npos) continue;   // not a label line
        // insert keeps an entry already there, so English only fills what the language lacks.
        out.insert({{std::string(line.substr(0, first)), std::string(line.substr(first + 1, second - first - 1))},
                    std::string(line.substr(second + 1))});
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

}  // namespace

Kv_String MacroLangs::GetString(const Kv_String& name, const Kv_String& group) {
    const Labels& table = labels();
    const auto found = table.find({name.str(), group.str()});
    return found == table.end() ? name : Kv_String(found->second);
}
