// CSV in and out.  Reading splits the whole text into fields first, so that the sheet can be
// sized once and filled without growing.
#include <string>
#include <vector>

#include "model/cell_content.h"
#include "model/number_text.h"
#include "model/sheet_data.h"
#include "sheet/sheet_file.h"

namespace sheet {

namespace {

struct Field {
  int32_t col, row;
  std::string_view text;   // raw field (quotes still in when `quoted`)
  bool quoted;
};

std::string unquote(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (size_t i = 1; i + 1 < raw.size(); ++i) {
    out += raw[i];
    if (raw[i] == '"') ++i;   // "" stands for one quote
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
  size_t pos = 0, lineNo = 1;
  // A final line break ends the last record rather than starting an empty one.
  while (pos < text.size()) {
    Field f{col, row, {}, false};
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
    if (f.text.size() > kMaxTextLength + 2)
      return FileResult{false, "a field is too long", static_cast<int>(lineNo)};
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
  if (!fresh.setMaxCols(maxCol) || !fresh.setMaxRows(lastRow))
    return FileResult{false, "the sheet is too large", 0};
  fresh.internals().bulkLoading = true;
  for (const Field& f : fields) {
    if (f.quoted) fresh.setData({f.col, f.row}, unquote(f.text));
    else fresh.setData({f.col, f.row}, f.text);
  }
  fresh.internals().bulkLoading = false;
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

std::string writeCsvText(const Sheet& sheet) {
  const SheetData& d = sheet.internals();
  std::string out;
  int32_t lastRow = 0;
  for (int32_t col = 1; col < d.cells.columnCount() && col <= d.maxCols; ++col)
    lastRow = std::max(lastRow, std::min(d.cells.rowExtent(col) - 1, d.maxRows));
  for (int32_t row = 1; row <= lastRow; ++row) {
    size_t rowStart = out.size();
    size_t lastContent = out.size();
    int32_t lastCol = std::min(d.maxCols, d.cells.columnCount() - 1);
    for (int32_t col = 1; col <= lastCol; ++col) {
      if (col > 1) out += ',';
      const Cell* c = d.cells.find({col, row});
      if (!c || c->value.isEmpty()) continue;
      if (c->value.isNumber() && !c->text) {
        appendNumberText(out, c->value.asNumber());
        lastContent = out.size();
        continue;
      }
      std::string text = sheet.valueText({col, row});
      if (needsQuotes(text)) {
        out += '"';
        for (char ch : text) {
          if (ch == '"') out += '"';
          out += ch;
        }
        out += '"';
      } else {
        out += text;
      }
      lastContent = out.size();
    }
    // Trailing empty fields are left out.
    out.resize(lastContent == rowStart ? rowStart : lastContent);
    out += '\n';
  }
  while (out.size() >= 2 && out[out.size() - 1] == '\n' && out[out.size() - 2] == '\n')
    out.pop_back();
  if (out == "\n") out.clear();
  return out;
}

FileResult saveCsvFile(const Sheet& sheet, const std::string& path) {
  return writeFileWhole(path, writeCsvText(sheet));
}

}  // namespace sheet
