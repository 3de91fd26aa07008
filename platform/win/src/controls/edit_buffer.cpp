// Text editing shared by the edit control and the combo box.

#include "controls/edit_buffer.h"

#include <algorithm>
#include <cctype>

namespace win::detail {

namespace {
bool isWordChar(char c) {
    auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || u >= 0xC0 || c == '_';
}

// 0 blank or line break, 1 letter or digit, 2 any other mark.
int charClass(char c) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return 0;
    return isWordChar(c) ? 1 : 2;
}
}  // namespace

std::string EditBuffer::selectedText() const {
    return text.substr(static_cast<size_t>(selStart()), static_cast<size_t>(selEnd() - selStart()));
}

void EditBuffer::clamp() {
    int n = static_cast<int>(text.size());
    anchor = std::clamp(anchor, 0, n);
    caret = std::clamp(caret, 0, n);
}

void EditBuffer::setText(const std::string& t) {
    text = t;
    anchor = caret = 0;
}

void EditBuffer::select(int start, int end) {
    int n = static_cast<int>(text.size());
    if (start == -1) {
        anchor = caret;
        clamp();
        return;
    }
    if (end < 0) end = n;
    anchor = start;
    caret = end;
    clamp();
}

bool EditBuffer::replaceSelection(const std::string& with, bool* truncated) {
    std::string insert = with;
    if (!multiLine) {
        // A single-line field keeps only the first line of what is put in.
        auto cut = insert.find_first_of("\r\n");
        if (cut != std::string::npos) insert.erase(cut);
    }
    int start = selStart(), end = selEnd();
    long room = static_cast<long>(limit) - (static_cast<long>(text.size()) - (end - start));
    if (truncated) *truncated = false;
    if (room < static_cast<long>(insert.size())) {
        if (truncated) *truncated = true;
        insert.resize(static_cast<size_t>(std::max(0L, room)));
        if (insert.empty() && !with.empty()) return false;
    }
    text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), insert);
    caret = anchor = start + static_cast<int>(insert.size());
    return true;
}

bool EditBuffer::backspace() {
    if (hasSelection()) return replaceSelection("");
    if (caret == 0) return false;
    int from = caret - 1;
    if (multiLine && from > 0 && breakLength(static_cast<size_t>(from - 1)) == 2)
        --from;
    else if (multiLine && !anyLineBreak && from > 0 && text[static_cast<size_t>(from)] == '\n' &&
             text[static_cast<size_t>(from - 1)] == '\r')
        --from;
    text.erase(static_cast<size_t>(from), static_cast<size_t>(caret - from));
    caret = anchor = from;
    return true;
}

bool EditBuffer::deleteForward() {
    if (hasSelection()) return replaceSelection("");
    if (caret >= static_cast<int>(text.size())) return false;
    int count = 1;
    if (multiLine && anyLineBreak)
        count = std::max(1, breakLength(static_cast<size_t>(caret)));
    else if (multiLine && text[static_cast<size_t>(caret)] == '\r' && caret + 1 < static_cast<int>(text.size()) &&
             text[static_cast<size_t>(caret + 1)] == '\n')
        count = 2;
    text.erase(static_cast<size_t>(caret), static_cast<size_t>(count));
    anchor = caret;
    return true;
}

void EditBuffer::moveLeft(bool extend) {
    if (!extend && hasSelection()) {
        caret = anchor = selStart();
        return;
    }
    if (caret > 0) --caret;
    if (!extend) anchor = caret;
}

void EditBuffer::moveRight(bool extend) {
    if (!extend && hasSelection()) {
        caret = anchor = selEnd();
        return;
    }
    if (caret < static_cast<int>(text.size())) ++caret;
    if (!extend) anchor = caret;
}

void EditBuffer::moveHome(bool extend) {
    caret = multiLine ? lineIndex(lineFromChar(caret)) : 0;
    if (!extend) anchor = caret;
}

void EditBuffer::moveEnd(bool extend) {
    if (multiLine) {
        int l = lineFromChar(caret);
        caret = lineIndex(l) + static_cast<int>(line(l).size());
    } else {
        caret = static_cast<int>(text.size());
    }
    if (!extend) anchor = caret;
}

void EditBuffer::moveLine(int delta, bool extend) {
    if (!multiLine) return;
    int l = lineFromChar(caret);
    int column = caret - lineIndex(l);
    int target = std::clamp(l + delta, 0, lineCount() - 1);
    caret = lineIndex(target) + std::min(column, static_cast<int>(line(target).size()));
    if (!extend) anchor = caret;
}

void EditBuffer::moveWordLeft(bool extend) {
    auto at = [this](int i) { return charClass(text[static_cast<size_t>(i)]); };
    int p = caret;
    while (p > 0 && at(p - 1) == 0) --p;
    if (p > 0) {
        int cls = at(p - 1);
        while (p > 0 && at(p - 1) == cls) --p;
    }
    caret = p;
    if (!extend) anchor = caret;
}

void EditBuffer::moveWordRight(bool extend) {
    auto at = [this](int i) { return charClass(text[static_cast<size_t>(i)]); };
    int n = static_cast<int>(text.size());
    int p = caret;
    if (p < n && at(p) != 0) {
        int cls = at(p);
        while (p < n && at(p) == cls) ++p;
    }
    while (p < n && at(p) == 0) ++p;
    caret = p;
    if (!extend) anchor = caret;
}

void EditBuffer::selectWordAt(int pos) {
    int n = static_cast<int>(text.size());
    pos = std::clamp(pos, 0, n);
    int a = pos, b = pos;
    while (a > 0 && isWordChar(text[static_cast<size_t>(a - 1)])) --a;
    while (b < n && isWordChar(text[static_cast<size_t>(b)])) ++b;
    anchor = a;
    caret = b;
}

int EditBuffer::breakLength(size_t pos) const {
    if (pos >= text.size()) return 0;
    const char c = text[pos];
    if (!anyLineBreak) return c == '\n' ? 1 : 0;
    if (c != '\r' && c != '\n') return 0;
    const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
    return (next == '\r' || next == '\n') && next != c ? 2 : 1;
}

size_t EditBuffer::nextBreak(size_t pos) const {
    while (pos < text.size() && breakLength(pos) == 0) ++pos;
    return std::min(pos, text.size());
}

int EditBuffer::lineCount() const {
    if (!multiLine) return 1;
    int lines = 1;
    for (size_t i = nextBreak(0); i < text.size(); i = nextBreak(i + static_cast<size_t>(breakLength(i)))) ++lines;
    return lines;
}

int EditBuffer::lineIndex(int n) const {
    if (n < 0) return -1;
    size_t start = 0;
    for (int l = 0; l < n; ++l) {
        const size_t end = nextBreak(start);
        if (end >= text.size()) return -1;
        start = end + static_cast<size_t>(breakLength(end));
    }
    return static_cast<int>(start);
}

int EditBuffer::lineFromChar(int pos) const {
    pos = std::clamp(pos, 0, static_cast<int>(text.size()));
    // A line break counts once the whole of it lies before pos.
    int line = 0;
    for (size_t i = nextBreak(0); i < text.size(); i = nextBreak(i + static_cast<size_t>(breakLength(i)))) {
        if (static_cast<int>(i) + breakLength(i) > pos) break;
        ++line;
    }
    return line;
}

std::string EditBuffer::line(int n) const {
    int start = lineIndex(n);
    if (start < 0) return {};
    const size_t end = nextBreak(static_cast<size_t>(start));
    std::string l = text.substr(static_cast<size_t>(start), end - static_cast<size_t>(start));
    if (!anyLineBreak && !l.empty() && l.back() == '\r') l.pop_back();
    return l;
}

int EditBuffer::lineLength(int pos) const { return static_cast<int>(line(lineFromChar(pos)).size()); }

int EditBuffer::charFromPoint(const FontSpec& font, int x, int y, int margin) const {
    int lineHeight = std::max(1, measureText(font, "Xg").cy);
    int l = multiLine ? std::clamp((y - margin) / lineHeight, 0, lineCount() - 1) : 0;
    std::string s = multiLine ? line(l) : text;
    int start = multiLine ? lineIndex(l) : 0;
    int best = 0;
    int bestDistance = std::abs(x - margin);
    for (size_t i = 1; i <= s.size(); ++i) {
        int w = measureText(font, std::string_view(s).substr(0, i)).cx + margin;
        int d = std::abs(x - w);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return start + best;
}

}  // namespace win::detail
