#pragma once
// The package's label tables: names of macros, pictures and section properties in the
// current language (Kv_Settings::language()).
//
// The tables are data files under the installation folder, labels/labels.<language>.txt, one
// label a line: the name, one tab, the group (may be empty), one tab, the label.  Empty lines
// and lines starting with '#' are comments.  A language that lacks a label falls back to
// English.

#include "core/kv_string.h"

namespace MacroLangs {

// The label of name in group; without a label, name itself.  Names are compared exactly.
Kv_String GetString(const Kv_String& name, const Kv_String& group);

}  // namespace MacroLangs
