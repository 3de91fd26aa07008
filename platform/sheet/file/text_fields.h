// The field syntax of the engine's file: words and numbers separated by single blanks, texts in
// double quotes.  Inside quotes, '\\' and '"' are escaped with '\', control bytes as \xHH;
// every byte from 0x80 up is written as it is, so code page 1252 text survives unchanged and
// a line break inside a text can never end a record.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace sheet {

void appendQuoted(std::string& out, std::string_view text);
void appendNumber(std::string& out, double value);
void appendInt(std::string& out, int64_t value);

// Reads the fields of one record; each read fails (returns false) on malformed input and
// leaves the cursor where it stopped.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : s_(line) {}
    bool word(std::string_view& out);
    bool int32(int32_t& out);
    bool uint32(uint32_t& out);
    bool int64(int64_t& out);
    bool hex64(uint64_t& out);
    bool number(double& out);
    bool quoted(std::string& out, size_t maxLength);
    bool atEnd() const { return pos_ >= s_.size(); }

private:
    bool separator();
    std::string_view s_;
    size_t pos_ = 0;
    bool first_ = true;
};

}  // namespace sheet
