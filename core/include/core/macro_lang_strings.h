#pragma once
// MacroLangs: the package's languages for macros and sections, and its label tables, which
// name macros, pictures and section properties in the current language
// (Kv_Settings::language()).
//
// Macro languages.  A section family table has one display-name column per macro language,
// named after it: "en" is "English", "nl" "Nederlands", "de" "Deutsch", "fr" the French name;
// any other language code names its column itself.
//
// Label tables.  install/labels/labels.<language>.txt, read with the table files' reader
// (core/table_file.h: cells separated by tabs, backslash escapes).  A row of three cells is
// one label: key, sub-key, label.  Rows whose first cell starts with '#' and rows of any other
// width are skipped; a file the reader refuses gives no labels.  Labels the current language
// lacks come from English.
//
// Argument order of GetString: the key first, then the sub-key.  A macro or picture name is a
// key with an empty sub-key (GetString("base_plate", "")); a section property is the sub-key
// of the key "Prof" (GetString("Prof", "H")).  Keys compare exactly.

#include "core/kv_string.h"
#include "core/kv_string_array.h"

namespace MacroLangs {

// The column name of the current macro language.
Kv_String GetCurLanguage();
// Every macro language the package knows, the current one included, in a fixed order.
Kv_StringArray GetAllLanguages();

// The label of (key, subKey); without a label, key itself when subKey is empty, else subKey.
Kv_String GetString(const Kv_String& key, const Kv_String& subKey);

// The label of a control's text that may carry symbols around its name ("Width:",
// "* Length (mm)"): the symbols before the first and after the last letter or digit stay, the
// part between is looked up as GetString(part, subKey).  A text without a label comes back as
// it is.
Kv_String GetStringChopSymbols(const Kv_String& text, const Kv_String& subKey = Kv_String());

}  // namespace MacroLangs
