#include "cutting/stock_files.h"

#include <ctime>

#include "core/file_name_check.h"
#include "core/kv_settings.h"
#include "core/file_layer.h"

namespace cutting {

Kv_String setFolder(const Kv_String& setName) {
    return appStrs(Kv_Settings::libDir(), "Cutting Stock\\", setName, "\\");
}

bool hasSetFolder(const Kv_String& setName) { return isValidFileName(setName); }

Kv_String completedFilePath(const Kv_String& path, const Kv_String& extension) {
    Kv_String used = path.toLower();
    const Kv_String ending = appStrs(".", extension.toLower());
    if (!used.endsWith(ending)) used.append(ending);
    return used;
}

Kv_String proposedNewFile(const Kv_String& folder, const Kv_String& extension) {
    return appStrs(folder, kNewFilePrefix, nextFileNumber(folder, kNewFilePrefix, extension), ".", extension);
}

namespace {

// The number atoi would read, as its decimal digits without leading zeros ("" for 0 and for
// negative numbers, which never exceed the largest).  Kept as text so that no file name,
// however long its number, makes the next number stop growing.
Kv_String leadingDigits(const Kv_String& text) {
    int i = 0;
    while (i < text.length() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.length() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') return {};
        ++i;
    }
    while (i < text.length() && text[i] == '0') ++i;
    int end = i;
    while (end < text.length() && text[end] >= '0' && text[end] <= '9') ++end;
    return text.getSubStringAt(i, end - i);
}

bool isLargerNumber(const Kv_String& digits, const Kv_String& than) {
    if (digits.length() != than.length()) return digits.length() > than.length();
    return digits.view() > than.view();
}

Kv_String plusOne(const Kv_String& digits) {
    std::string result = digits.str();
    int i = static_cast<int>(result.size()) - 1;
    for (; i >= 0 && result[i] == '9'; --i) result[i] = '0';
    if (i >= 0)
        ++result[i];
    else
        result.insert(result.begin(), '1');
    return Kv_String(result);
}

}  // namespace

Kv_String nextFileNumber(const Kv_String& folder, const Kv_String& prefix, const Kv_String& extension) {
    Kv_StringArray files;
    ObjectExportFindFiles(folder, appStrs(prefix, "*.", extension), files);
    Kv_String listedFolder = folder;
    if (!listedFolder.isEmpty() && listedFolder[listedFolder.length() - 1] != '\\' &&
        listedFolder[listedFolder.length() - 1] != '/')
        listedFolder.append('\\');
    const int suffixLength = 1 + extension.length();
    Kv_String largest;
    for (const Kv_String& path : files) {
        const int start = listedFolder.length() + prefix.length();
        const int count = path.length() - start - suffixLength;
        if (count <= 0) continue;
        const Kv_String digits = leadingDigits(path.getSubStringAt(start, count));
        if (isLargerNumber(digits, largest)) largest = digits;
    }
    return plusOne(largest);
}

bool findNewestFile(const Kv_String& folder, const Kv_String& pattern, Kv_String& path) {
    Kv_StringArray files;
    ObjectExportFindFiles(folder, pattern, files);
    std::int64_t newestTime = 0;
    int newest = -1;
    for (int i = 0; i < files.length(); ++i) {
        std::int64_t time = 0;
        if (!ObjectExportGetFileTime(files[i], time)) continue;
        if (time > newestTime) {
            newestTime = time;
            newest = i;
        }
    }
    if (newest < 0) return false;
    path = files[newest];
    return true;
}

Kv_String formatFileTime(std::int64_t secondsSince1970) {
    const std::time_t time = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (!localtime_r(&time, &local)) return {};
    char buffer[128];
    const size_t length = std::strftime(buffer, sizeof buffer, "%d %B, %Y (%H:%M)", &local);
    if (length == 0) return {};
    return Kv_String(std::string(buffer, length));
}

Kv_Array<Kv_StringArray> rowsFromLines(const Kv_StringArray& lines) {
    Kv_Array<Kv_StringArray> rows;
    for (const Kv_String& line : lines) {
        // strToArr gives no part for an empty text; an empty line is still a row of one cell.
        Kv_StringArray cells = strToArr(line, kCellSeparator);
        if (cells.isEmpty()) cells.append(Kv_String());
        rows.append(cells);
    }
    return rows;
}

Kv_String lineFromRow(const Kv_StringArray& row) { return row.join(Kv_String(std::string(1, kCellSeparator))); }

bool cellBreaksLine(const Kv_String& cell) {
    for (char c : cell.view())
        if (c == kCellSeparator || c == '\n' || c == '\r') return true;
    return false;
}

bool readRowsFile(const Kv_String& path, Kv_Array<Kv_StringArray>& rows) {
    rows.removeAll();
    Kv_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    rows = rowsFromLines(lines);
    return true;
}

bool writeRowsFile(const Kv_String& path, const Kv_Array<Kv_StringArray>& rows) {
    Kv_StringArray lines;
    for (const Kv_StringArray& row : rows) {
        for (const Kv_String& cell : row)
            if (cellBreaksLine(cell)) return false;
        lines.append(lineFromRow(row));
    }
    return ObjectExportWriteFile(path, lines);
}

}  // namespace cutting
