#include "core/kv_string.h"

#include "base/case_fold.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool bytesEqual(char a, char b, bool ignoreCase) { return ignoreCase ? kvToLower1252(a) == kvToLower1252(b) : a == b; }

// Position of part in text at or after start, -1 when none.
int search(std::string_view text, std::string_view part, int start, bool ignoreCase) {
    if (start < 0) start = 0;
    if (static_cast<std::size_t>(start) > text.size()) return -1;
    if (part.size() > text.size()) return -1;
    for (std::size_t i = static_cast<std::size_t>(start); i + part.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < part.size() && bytesEqual(text[i + k], part[k], ignoreCase)) ++k;
        if (k == part.size()) return static_cast<int>(i);
    }
    return -1;
}

std::string formatFixed(double number, int decimals) {
    if (decimals < 0) {
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
        return std::string(buffer, result.ptr);
    }
    if (decimals > 30) decimals = 30;
    char buffer[400];
    int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, number);
    std::string text(buffer, n > 0 && n < static_cast<int>(sizeof buffer) ? static_cast<std::size_t>(n) : 0);
    // "-0.00" reads as a negative value to a person; a value that rounds to zero has no sign.
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace

char kvToLower1252(char c) { return base::toLower1252(c); }

char kvToUpper1252(char c) { return base::toUpper1252(c); }

Kv_String::Kv_String(const char* text) : text_(text ? text : "") {}

Kv_String::Kv_String(int number) : text_(std::to_string(number)) {}

Kv_String::Kv_String(long long number) : text_(std::to_string(number)) {}

Kv_String::Kv_String(double number, int decimals) : text_(formatFixed(number, decimals)) {}

char Kv_String::at(int position) const {
    if (position < 0 || position >= length()) return '\0';
    return text_[static_cast<std::size_t>(position)];
}

Kv_String& Kv_String::append(const Kv_String& text) {
    text_ += text.text_;
    return *this;
}

Kv_String& Kv_String::append(const char* text) {
    if (text) text_ += text;
    return *this;
}

Kv_String& Kv_String::append(char character) {
    text_ += character;
    return *this;
}

void Kv_String::set(int number) { text_ = std::to_string(number); }

void Kv_String::set(double number, int decimals) { text_ = formatFixed(number, decimals); }

bool Kv_String::equal(const Kv_String& other, bool ignoreCase) const { return compare(other, ignoreCase) == 0; }

int Kv_String::compare(const Kv_String& other, bool ignoreCase) const {
    if (ignoreCase) return base::compareIgnoringCase(text_, other.text_);
    int order = text_.compare(other.text_);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool Kv_String::startsWith(const Kv_String& prefix, bool ignoreCase) const {
    if (prefix.text_.size() > text_.size()) return false;
    return Kv_String(std::string_view(text_).substr(0, prefix.text_.size())).equal(prefix, ignoreCase);
}

bool Kv_String::endsWith(const Kv_String& suffix, bool ignoreCase) const {
    if (suffix.text_.size() > text_.size()) return false;
    return Kv_String(std::string_view(text_).substr(text_.size() - suffix.text_.size())).equal(suffix, ignoreCase);
}

bool Kv_String::hasSubString(const Kv_String& part, bool ignoreCase) const {
    return search(text_, part.text_, 0, ignoreCase) >= 0;
}

int Kv_String::findFirst(const Kv_String& part, bool ignoreCase, int start) const {
    return search(text_, part.text_, start, ignoreCase);
}

int Kv_String::findLast(const Kv_String& part, bool ignoreCase) const {
    int found = -1;
    for (int at = search(text_, part.text_, 0, ignoreCase); at >= 0;
         at = search(text_, part.text_, at + 1, ignoreCase)) {
        found = at;
        if (at >= length()) break;
    }
    return found;
}

int Kv_String::findChar(char character, int start) const {
    if (start < 0) start = 0;
    auto at = text_.find(character, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int Kv_String::findLastChar(char character) const {
    auto at = text_.rfind(character);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int Kv_String::findFirstNumbers() const {
    auto at = text_.find_first_of("0123456789");
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

Kv_String Kv_String::getSubStringAt(int start, int count) const {
    if (start < 0 || start >= length() || count == 0) return {};
    std::size_t n = count < 0 ? std::string::npos : static_cast<std::size_t>(count);
    return Kv_String(text_.substr(static_cast<std::size_t>(start), n));
}

bool Kv_String::insertAt(int position, const Kv_String& text) {
    if (position < 0 || position > length()) return false;
    text_.insert(static_cast<std::size_t>(position), text.text_);
    return true;
}

bool Kv_String::removeAt(int position, int count) {
    if (position < 0 || position >= length() || count < 0) return false;
    text_.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
    return true;
}

int Kv_String::replaceSubString(const Kv_String& from, const Kv_String& to, bool ignoreCase) {
    if (from.isEmpty()) return 0;
    std::string result;
    int replaced = 0;
    int position = 0;
    for (int at = search(text_, from.text_, 0, ignoreCase); at >= 0;
         at = search(text_, from.text_, position, ignoreCase)) {
        result.append(text_, static_cast<std::size_t>(position), static_cast<std::size_t>(at - position));
        result += to.text_;
        position = at + from.length();
        ++replaced;
    }
    if (replaced == 0) return 0;
    result.append(text_, static_cast<std::size_t>(position));
    text_ = std::move(result);
    return replaced;
}

Kv_String& Kv_String::makeUpper() {
    for (char& c : text_) c = kvToUpper1252(c);
    return *this;
}

Kv_String& Kv_String::makeLower() {
    for (char& c : text_) c = kvToLower1252(c);
    return *this;
}

Kv_String& Kv_String::trim() { return trimRight().trimLeft(); }

Kv_String& Kv_String::trimLeft() {
    std::size_t n = 0;
    while (n < text_.size() && isBlank(text_[n])) ++n;
    text_.erase(0, n);
    return *this;
}

Kv_String& Kv_String::trimRight() {
    while (!text_.empty() && isBlank(text_.back())) text_.pop_back();
    return *this;
}

int Kv_String::toInt() const {
    // strtol instead of atoi: the same digits, but an out-of-range number saturates instead
    // of being undefined.
    long value = std::strtol(text_.c_str(), nullptr, 10);
    if (value > 2147483647L) return 2147483647;
    if (value < -2147483647L - 1) return -2147483647 - 1;
    return static_cast<int>(value);
}

double Kv_String::toDouble() const { return std::atof(text_.c_str()); }

bool Kv_String::isNumber() const {
    Kv_String trimmed(*this);
    trimmed.trim();
    if (trimmed.isEmpty()) return false;
    const char* begin = trimmed.c_str();
    char* end = nullptr;
    std::strtod(begin, &end);
    if (end != begin + trimmed.length()) return false;
    // strtod also takes "inf", "nan" and hex; a person's number is digits with sign, point, exponent.
    return trimmed.text_.find_first_not_of("0123456789+-.eE") == std::string::npos && trimmed.findFirstNumbers() >= 0;
}

std::ostream& operator<<(std::ostream& out, const Kv_String& text) { return out << text.str(); }

Kv_String append(const Kv_String& text, int number) {
    Kv_String result(text);
    result.append(' ');
    result.append(Kv_String(number));
    return result;
}
