#pragma once
// Texts by number.  dialString(n) gives caption and label text n, string(n) message text n,
// in the current language (Kv_Settings::language()).
//
// The tables are data files under the installation folder:
//     texts/dialog.<language>.txt and texts/message.<language>.txt
// one text per line: the number, one tab, the text (escapes \\ \t \n \r \xHH; code page 1252).
// Empty lines and lines starting with '#' are comments.  A file in another language falls back
// to English number by number.  A number without a text gives "#" and the number ("#1234"),
// so a missing text is visible on screen instead of empty.

#include <map>
#include <string>
#include <string_view>

#include "core/kv_string.h"

Kv_String dialString(int number);
Kv_String string(int number);

class Kv_Texts {
public:
    enum class Table { Dialog, Message };

    // True when the current tables hold the number (no fallback marker).
    static bool has(Table table, int number);
    static Kv_String text(Table table, int number);
    // Forgets the loaded tables; the next call reads them again (after a change of language
    // or installation folder).
    static void reload();

    // Parses one table file.  False at the first malformed line (1-based in faultLine); the
    // texts before it are kept in out.
    static bool parseTable(std::string_view fileText, std::map<int, std::string>& out, int* faultLine = nullptr);
};
