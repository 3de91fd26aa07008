#pragma once
// Kv_String: the package's text, a sequence of code page 1252 bytes.
//
// Rules every caller may rely on:
// - Positions and lengths count bytes (one byte is one character in code page 1252).
// - The flag of equal, startsWith, endsWith, hasSubString, findFirst, findLast and
//   replaceSubString, like that of Kv_StringArray::find/contains, means "ignore case":
//   false compares bytes exactly, true folds the letters of code page 1252 (A-Z, the accented
//   capitals, and the few capitals of the 0x80-0x9F block) to lower case first.
// - A position outside the text makes the editing calls (insertAt, removeAt) fail with false
//   and leave the text unchanged; getSubStringAt clips to the text.

#include <iosfwd>
#include <string>
#include <string_view>

class Kv_String {
public:
    Kv_String() = default;
    Kv_String(const char* text);  // nullptr gives an empty text
    Kv_String(std::string text) : text_(std::move(text)) {}
    Kv_String(std::string_view text) : text_(text) {}
    explicit Kv_String(int number);
    explicit Kv_String(long long number);
    // Fixed notation with the given number of decimals ("%.*f"); a result that rounds to zero
    // never shows a minus sign.  Negative decimals give the shortest text that reads back as
    // the same double.
    Kv_String(double number, int decimals);

    const char* c_str() const { return text_.c_str(); }
    const std::string& str() const { return text_; }
    std::string_view view() const { return text_; }
    int length() const { return static_cast<int>(text_.size()); }
    bool isEmpty() const { return text_.empty(); }
    // '\0' for a position outside the text.
    char at(int position) const;
    char operator[](int position) const { return at(position); }

    Kv_String& append(const Kv_String& text);
    Kv_String& append(const char* text);
    Kv_String& append(char character);
    void set(const Kv_String& text) { text_ = text.text_; }
    void set(int number);
    void set(double number, int decimals);
    void clear() { text_.clear(); }

    bool equal(const Kv_String& other, bool ignoreCase = false) const;
    // <0, 0, >0 like strcmp, optionally ignoring case.
    int compare(const Kv_String& other, bool ignoreCase = false) const;
    bool startsWith(const Kv_String& prefix, bool ignoreCase = false) const;
    bool endsWith(const Kv_String& suffix, bool ignoreCase = false) const;
    bool hasSubString(const Kv_String& part, bool ignoreCase = false) const;
    // Position of the first occurrence at or after start, -1 when none.  An empty part is
    // found at start (when start lies within the text or at its end).
    int findFirst(const Kv_String& part, bool ignoreCase = false, int start = 0) const;
    // Position of the last occurrence, -1 when none.
    int findLast(const Kv_String& part, bool ignoreCase = false) const;
    int findChar(char character, int start = 0) const;
    int findLastChar(char character) const;
    // Position of the first decimal digit, -1 when the text has none.
    int findFirstNumbers() const;

    // Up to count bytes from start (count < 0: to the end).  Empty when start is outside.
    Kv_String getSubStringAt(int start, int count = -1) const;
    // position may equal length() (appends).
    bool insertAt(int position, const Kv_String& text);
    // Removes count bytes from position, fewer when the text ends first.
    bool removeAt(int position, int count = 1);
    // Replaces every occurrence, scanning left to right without rescanning replaced text.
    // Returns the number of replacements; an empty `from` replaces nothing.
    int replaceSubString(const Kv_String& from, const Kv_String& to, bool ignoreCase = false);
    Kv_String& makeUpper();
    Kv_String& makeLower();
    Kv_String toUpper() const {
        Kv_String copy(*this);
        return copy.makeUpper();
    }
    Kv_String toLower() const {
        Kv_String copy(*this);
        return copy.makeLower();
    }
    // Removes blanks, tabs and line ends.
    Kv_String& trim();
    Kv_String& trimLeft();
    Kv_String& trimRight();

    // C atoi / atof: leading blanks, then as much of a number as there is; 0 when none.
    int toInt() const;
    double toDouble() const;
    // True when the whole text (blanks around allowed) is one decimal number.
    bool isNumber() const;

    Kv_String& operator+=(const Kv_String& text) { return append(text); }
    Kv_String& operator+=(const char* text) { return append(text); }
    Kv_String& operator+=(char character) { return append(character); }
    friend Kv_String operator+(Kv_String a, const Kv_String& b) { return a.append(b); }
    friend Kv_String operator+(Kv_String a, const char* b) { return a.append(b); }
    friend Kv_String operator+(const char* a, const Kv_String& b) { return Kv_String(a).append(b); }
    friend bool operator==(const Kv_String& a, const Kv_String& b) { return a.text_ == b.text_; }
    friend bool operator==(const Kv_String& a, const char* b) { return a.text_ == (b ? b : ""); }
    friend auto operator<=>(const Kv_String& a, const Kv_String& b) { return a.text_ <=> b.text_; }

private:
    std::string text_;
};

std::ostream& operator<<(std::ostream& out, const Kv_String& text);

// Text followed by a blank and the number in decimal ("Column" and 2 give "Column 2").
// To join text and number without the blank, use appStrs.
Kv_String append(const Kv_String& text, int number);

// Byte-wise case folding of code page 1252 (the platform's one, base/case_fold.h).
char kvToLower1252(char c);
char kvToUpper1252(char c);

template <>
struct std::hash<Kv_String> {
    std::size_t operator()(const Kv_String& s) const noexcept { return std::hash<std::string>()(s.str()); }
};
