#include "file/workbook_formulas.h"

#include <cctype>

#include "base/cp1252.h"

namespace sheet {

namespace {

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

// Copies a string literal starting at text[i] (a '"') to out; returns the index after it.
size_t copyString(std::string_view text, size_t i, std::string& out) {
    out += text[i++];
    while (i < text.size()) {
        out += text[i];
        if (text[i++] == '"') {
            if (i < text.size() && text[i] == '"') {
                out += text[i++];
                continue;
            }
            break;
        }
    }
    return i;
}

// "[.A1:.B$2]" -> "A1:B$2"; a part naming a sheet ("$Other.A1") keeps its dot.
std::string openDocumentReference(std::string_view inside) {
    std::string out;
    size_t start = 0;
    while (true) {
        size_t colon = inside.find(':', start);
        std::string_view part =
            inside.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start);
        if (part.starts_with('.')) part.remove_prefix(1);
        out += part;
        if (colon == std::string_view::npos) break;
        out += ':';
        start = colon + 1;
    }
    return out;
}

std::string fromOpenDocument(std::string_view text) {
    if (text.starts_with("of:")) text.remove_prefix(3);
    if (text.starts_with('=')) text.remove_prefix(1);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        if (c == '"') {
            i = copyString(text, i, out);
        } else if (c == '[') {
            size_t close = text.find(']', i);
            if (close == std::string_view::npos) {
                out.append(text.substr(i));
                break;
            }
            out += openDocumentReference(text.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            out += c == ';' ? ',' : c;
            ++i;
        }
    }
    return out;
}

// Newer functions are stored as "_xlfn.NAME" (and worksheet functions as "_xlws.NAME").
std::string withoutFunctionPrefixes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '"') {
            i = copyString(text, i, out);
            continue;
        }
        if ((text.substr(i).starts_with("_xlfn.") || text.substr(i).starts_with("_xlws.")) &&
            (i == 0 || !isNameChar(text[i - 1]))) {
            i += 6;
            continue;
        }
        out += text[i++];
    }
    return out;
}

}  // namespace

std::string cp1252Counting(std::string_view utf8, size_t& replaced) {
    // Most texts of a workbook are plain ASCII, which both forms share.
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) {
            replaced += charactersWithoutCp1252Form(utf8);
            return base::utf8ToCp1252(utf8);
        }
    return std::string(utf8);
}

size_t charactersWithoutCp1252Form(std::string_view utf8) {
    size_t count = 0;
    for (size_t i = 0; i < utf8.size();) {
        size_t len = 1;
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0)
            len = 4;
        else if (lead >= 0xE0)
            len = 3;
        else if (lead >= 0xC0)
            len = 2;
        if (lead >= 0x80) {
            std::string one = base::utf8ToCp1252(utf8.substr(i, len), '\0');
            if (one.size() != 1 || one[0] == '\0') ++count;
        }
        i += len;
    }
    return count;
}

std::string engineFormulaText(std::string_view utf8, FormulaDialect dialect, size_t* replaced) {
    if (replaced) *replaced += charactersWithoutCp1252Form(utf8);
    std::string text = base::utf8ToCp1252(utf8);
    if (dialect == FormulaDialect::OpenDocument)
        text = fromOpenDocument(text);
    else if (text.starts_with('='))
        text.erase(0, 1);
    if (text.find("_xl") != std::string::npos) text = withoutFunctionPrefixes(text);
    return text;
}

std::vector<std::string> calledFunctionNames(std::string_view formula) {
    std::vector<std::string> names;
    for (size_t i = 0; i < formula.size();) {
        if (formula[i] == '"') {
            std::string skipped;
            i = copyString(formula, i, skipped);
            continue;
        }
        if (!isNameChar(formula[i]) || std::isdigit(static_cast<unsigned char>(formula[i]))) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < formula.size() && isNameChar(formula[i])) ++i;
        size_t after = i;
        while (after < formula.size() && formula[after] == ' ') ++after;
        if (after < formula.size() && formula[after] == '(') {
            std::string name(formula.substr(start, i - start));
            for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace sheet
