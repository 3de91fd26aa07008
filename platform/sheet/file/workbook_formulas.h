// Formula texts as workbooks store them, turned into the engine's A1 texts.  The common
// workbook format writes what the engine writes (newer functions carry a "_xlfn." prefix);
// the open document format writes references in brackets ("[.A1:.B2]") and separates
// arguments with ';'.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sheet {

enum class FormulaDialect { A1, OpenDocument };

// The formula without '=' in the engine's A1 form, as code page 1252 text (characters it has
// no form for become '?', counted into *replaced).  A reference to another sheet is left as
// it stands, so that the engine's parser refuses it.
std::string engineFormulaText(std::string_view utf8, FormulaDialect dialect, size_t* replaced);

// The names of the functions the formula calls, upper case, in order, strings skipped.
std::vector<std::string> calledFunctionNames(std::string_view formula);

// Characters of UTF-8 text that code page 1252 has no form for.
size_t charactersWithoutCp1252Form(std::string_view utf8);
// The text in code page 1252; adds the characters replaced to `replaced`.
std::string cp1252Counting(std::string_view utf8, size_t& replaced);

}  // namespace sheet
