#include "view/clipboard_text.h"

namespace sheet {

namespace {

bool needsQuotes(const std::string& cell) {
    return cell.find_first_of("\t\r\n") != std::string::npos || (!cell.empty() && cell[0] == '"');
}

std::string quoted(const std::string& cell) {
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

}  // namespace

std::string clipboardTextOf(const TextTable& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += '\t';
            text += needsQuotes(row[i]) ? quoted(row[i]) : row[i];
        }
        text += "\r\n";
    }
    return text;
}

TextTable tableOfClipboardText(const std::string& text) {
    TextTable rows;
    std::vector<std::string> row;
    size_t pos = 0, n = text.size();
    while (pos < n) {
        std::string cell;
        if (text[pos] == '"') {
            // A quoted cell runs to the quote that is not doubled; what follows it up to the next
            // separator is kept as it stands.
            size_t i = pos + 1;
            bool closed = false;
            for (; i < n; ++i) {
                if (text[i] != '"') {
                    cell += text[i];
                } else if (i + 1 < n && text[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    closed = true;
                    ++i;
                    break;
                }
            }
            // Without a closing quote the quote is an ordinary character of a plain cell.
            if (closed)
                pos = i;
            else
                cell.clear();
        }
        size_t end = text.find_first_of("\t\r\n", pos);
        if (end == std::string::npos) end = n;
        cell += text.substr(pos, end - pos);
        row.push_back(std::move(cell));
        if (end < n && text[end] == '\t') {
            pos = end + 1;
            if (pos == n) row.emplace_back();
            continue;
        }
        if (end + 1 < n && text[end] == '\r' && text[end + 1] == '\n') ++end;
        rows.push_back(std::move(row));
        row.clear();
        pos = end + 1;
    }
    if (!row.empty()) rows.push_back(std::move(row));
    return rows;
}

}  // namespace sheet
