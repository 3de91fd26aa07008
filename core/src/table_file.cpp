// Table files: rows of tab-separated, escaped cells (format in core/table_file.h).
#include "core/table_file.h"

#include "core/file_layer.h"
#include "text_escapes.h"

namespace {

// The writer's marker for a row that is one empty cell.
constexpr std::string_view kSingleEmptyCell = "\\e";

bool hasRawControlByte(std::string_view line) {
    for (unsigned char c : line)
        if ((c < 0x20 && c != '\t') || c == 0x7F) return true;
    return false;
}

bool parseLine(std::string_view line, Kv_StringArray& cells) {
    cells.removeAll();
    if (line.empty()) return true;
    if (line == kSingleEmptyCell) {
        cells.append(Kv_String());
        return true;
    }
    if (hasRawControlByte(line)) return false;
    std::string bytes;
    std::size_t start = 0;
    while (true) {
        std::size_t tab = line.find('\t', start);
        std::string_view cell =
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (!kvUnescapeText(cell, bytes)) return false;
        cells.append(Kv_String(std::move(bytes)));
        bytes.clear();
        if (tab == std::string_view::npos) return true;
        start = tab + 1;
    }
}

}  // namespace

bool parseTableText(std::string_view text, Kv_TableRows& rows, int* badLine) {
    Kv_TableRows parsed;
    std::size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view line = text.substr(start, (end == std::string_view::npos ? text.size() : end) - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNumber;
        Kv_StringArray cells;
        if (!parseLine(line, cells)) {
            if (badLine) *badLine = lineNumber;
            return false;
        }
        parsed.append(std::move(cells));
        start = next;
    }
    rows = std::move(parsed);
    return true;
}

std::string formatTableText(const Kv_TableRows& rows) {
    std::string out;
    for (const Kv_StringArray& row : rows) {
        if (row.length() == 1 && row[0].isEmpty()) {
            out += kSingleEmptyCell;
        } else {
            for (int i = 0; i < row.length(); ++i) {
                if (i > 0) out += '\t';
                out += kvEscapeText(row[i].view());
            }
        }
        out += "\r\n";
    }
    return out;
}

bool readFile(const Kv_String& path, Kv_String& name, Kv_TableRows& rows) {
    std::string bytes;
    if (!ObjectExportReadBytes(path, bytes)) return false;
    Kv_TableRows parsed;
    if (!parseTableText(bytes, parsed)) return false;
    Kv_String fileName;
    if (!getFileName(path, fileName)) return false;
    removeExtension(fileName);
    name = fileName;
    rows = std::move(parsed);
    return true;
}

bool writeFile(const Kv_String& path, const Kv_TableRows& rows) {
    return ObjectExportWriteBytes(path, formatTableText(rows));
}
