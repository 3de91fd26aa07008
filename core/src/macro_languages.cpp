// The macro languages, derived from the language of the text tables.
#include "core/macro_lang_strings.h"

#include "core/kv_settings.h"

namespace {

struct LanguageName {
    const char* code;
    const char* name;
};

constexpr LanguageName kLanguages[] = {
    {"en", "English"},
    {"nl", "Nederlands"},
    {"de", "Deutsch"},
    {"fr",
     "Fran\xE7"
     "ais"},
};

}  // namespace

namespace MacroLangs {

Kv_String GetCurLanguage() {
    const Kv_String code = Kv_Settings::language();
    for (const LanguageName& language : kLanguages)
        if (code.equal(language.code, true)) return language.name;
    return code;
}

Kv_StringArray GetAllLanguages() {
    Kv_StringArray names;
    for (const LanguageName& language : kLanguages) names.append(language.name);
    const Kv_String current = GetCurLanguage();
    if (!names.contains(current)) names.append(current);
    return names;
}

}  // namespace MacroLangs
