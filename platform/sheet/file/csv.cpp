// CSV in and out.  Reading splits the whole text into fields first, so that the sheet can be
// sized once and filled without growing.
#include <algorithm>
#include <string>
#include <vector>

#include "formula/number_text.h"
#include "sheet/sheet_file.h"

namespace sheet {

namespace {

struct Field {
    int32_t col, row;
    std::string_view text;  // raw field (quotes still in when `quoted`)
    bool quoted;
    int line;  // where it begins, for messages
};

std::string unquote(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 1; i + 1 < raw.size(); ++i) {
        out += raw[i];
        if (raw[i] == '"') ++i;  // "" stands for one quote
    }
    return out;
}

bool needsQuotes(std::string_view s) {
    if (s.empty()) return false;
    if (s.front() == ' ' || s.back() == ' ') return true;
    for (char c : s)
        if (c == ',' || c == '"' || c == '\n' || c == '\r') return true;
    return false;
}

}  // namespace

FileResult readCsvText(Sheet& sheet, std::string_view text) {
    std::vector<Field> fields;
    int32_t row = 1, col = 1, maxCol = 0, lastRow = 0;
    // A UTF-8 byte-order mark (a spreadsheet program's "CSV UTF-8") is no part of the first field.
    size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0, lineNo = 1;
    // A final line break ends the last record rather than starting an empty one.
    while (pos < text.size()) {
        Field f{col, row, {}, false, static_cast<int>(lineNo)};
        if (text[pos] == '"') {
            size_t start = pos++;
            while (true) {
                if (pos >= text.size())
                    return FileResult{false, "a quoted field is not closed", static_cast<int>(lineNo)};
                if (text[pos] == '"') {
                    if (pos + 1 < text.size() && text[pos + 1] == '"') {
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                if (text[pos] == '\n') ++lineNo;
                ++pos;
            }
            f.text = text.substr(start, pos - start);
            f.quoted = true;
            if (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r')
                return FileResult{false, "text after a quoted field", static_cast<int>(lineNo)};
        } else {
            size_t start = pos;
            while (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r') ++pos;
            f.text = text.substr(start, pos - start);
        }
        // A cell holds at most kMaxTextLength bytes; a longer field would be lost, so the file is
        // refused.  Quoted fields are measured without their quotes (doubled quotes count once).
        if (f.text.size() > kMaxTextLength && (!f.quoted || unquote(f.text).size() > kMaxTextLength))
            return FileResult{false, "a field is longer than " + std::to_string(kMaxTextLength) + " bytes", f.line};
        if (!f.text.empty()) {
            fields.push_back(f);
            maxCol = std::max(maxCol, col);
            lastRow = row;
        }
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            if (++col > kMaxSheetCols) return FileResult{false, "too many columns", static_cast<int>(lineNo)};
            continue;
        }
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
        ++lineNo;
        col = 1;
        if (++row > kMaxSheetRows + 1) return FileResult{false, "too many rows", static_cast<int>(lineNo)};
    }
    if (lastRow > kMaxSheetRows) return FileResult{false, "too many rows", 0};

    Sheet fresh;
    fresh.setOption(kOptAutoCalc, false);
    if (!fresh.setMaxCols(maxCol) || !fresh.setMaxRows(lastRow)) return FileResult{false, "the sheet is too large", 0};
    fresh.setLoading(true);
    for (const Field& f : fields) {
        SetResult r = f.quoted ? fresh.setData({f.col, f.row}, unquote(f.text)) : fresh.setData({f.col, f.row}, f.text);
        if (r != SetResult::Ok && r != SetResult::BadFormula)
            return FileResult{false, "a field could not be entered", f.line};
    }
    fresh.setLoading(false);
    fresh.setOption(kOptAutoCalc, true);
    fresh.recalc();
    sheet.swap(fresh);
    return FileResult{true, {}, 0};
}

FileResult loadCsvFile(Sheet& sheet, const std::string& path) {
    std::string bytes;
    FileResult read = readFileWhole(path, bytes);
    if (!read.ok) return read;
    return readCsvText(sheet, bytes);
}

namespace {

void appendField(std::string& out, const CellEntry& c) {
    if (c.value.isNumber() && c.typed.empty()) {
        appendNumberText(out, c.value.asNumber());
        return;
    }
    std::string text = c.typed.empty() ? cellValueText(c.value) : std::string(c.typed);
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (char ch : text) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

}  // namespace

std::string writeCsvText(const Sheet& sheet) {
    std::string out;
    // The walk visits stored cells only, so the cost is the cells and the rows written, not the
    // area between them.
    int32_t rowsWritten = 0;   // rows 1..rowsWritten are in `out`
    int32_t row = 0, col = 0;  // the row being written and its last column written
    sheet.forEachCell([&](const CellEntry& c) {
        if (c.at.row < 1 || c.at.col < 1 || c.value.isEmpty()) return;
        if (c.at.row != row) {
            if (col > 0) {
                out += '\n';
                rowsWritten = row;
            }
            row = c.at.row;
            col = 0;
        }
        if (col == 0) out.append(static_cast<size_t>(row - rowsWritten - 1), '\n');
        out.append(static_cast<size_t>(c.at.col - std::max(col, 1)), ',');
        appendField(out, c);
        col = c.at.col;
    });
    if (col > 0) out += '\n';
    return out;
}

FileResult saveCsvFile(const Sheet& sheet, const std::string& path) {
    return writeFileWhole(path, writeCsvText(sheet));
}

}  // namespace sheet
