#pragma once
// The macro languages: the languages in which the package names its macros and sections.  A
// section family table has one display-name column per macro language, named after it.
//
// The macro language follows the language of the text tables (Kv_Settings::language()):
// "en" is "English", "nl" "Nederlands", "de" "Deutsch", "fr" the French name; any other
// code names its column itself.

#include "core/kv_string.h"
#include "core/kv_string_array.h"

namespace MacroLangs {

// The column name of the current macro language.
Kv_String GetCurLanguage();
// Every macro language the package knows, the current one included, in a fixed order.
Kv_StringArray GetAllLanguages();

}  // namespace MacroLangs
