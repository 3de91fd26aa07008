#include "file/text_fields.h"

#include <cmath>

namespace sheet {

namespace {
const char kHex[] = "0123456789ABCDEF";
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    out += '"';
}

void appendNumber(std::string& out, double value) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

void appendInt(std::string& out, int64_t value) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

bool FieldCursor::separator() {
    if (first_) {
        first_ = false;
        return pos_ < s_.size();
    }
    if (pos_ >= s_.size() || s_[pos_] != ' ') return false;
    ++pos_;
    return pos_ < s_.size();
}

bool FieldCursor::word(std::string_view& out) {
    if (!separator()) return false;
    size_t end = s_.find(' ', pos_);
    if (end == std::string_view::npos) end = s_.size();
    if (end == pos_) return false;
    out = s_.substr(pos_, end - pos_);
    pos_ = end;
    return true;
}

template <typename T>
static bool readInteger(FieldCursor& c, std::string_view field, T& out, int base = 10) {
    auto r = std::from_chars(field.data(), field.data() + field.size(), out, base);
    return r.ec == std::errc() && r.ptr == field.data() + field.size();
}

bool FieldCursor::int32(int32_t& out) {
    std::string_view f;
    return word(f) && readInteger(*this, f, out);
}
bool FieldCursor::uint32(uint32_t& out) {
    std::string_view f;
    return word(f) && readInteger(*this, f, out);
}
bool FieldCursor::int64(int64_t& out) {
    std::string_view f;
    return word(f) && readInteger(*this, f, out);
}
bool FieldCursor::hex64(uint64_t& out) {
    std::string_view f;
    return word(f) && readInteger(*this, f, out, 16);
}

bool FieldCursor::number(double& out) {
    std::string_view f;
    if (!word(f)) return false;
    auto r = std::from_chars(f.data(), f.data() + f.size(), out);
    return r.ec == std::errc() && r.ptr == f.data() + f.size() && std::isfinite(out);
}

bool FieldCursor::quoted(std::string& out, size_t maxLength) {
    if (!separator() || s_[pos_] != '"') return false;
    ++pos_;
    out.clear();
    while (pos_ < s_.size()) {
        char c = s_[pos_++];
        if (c == '"') return true;
        if (c == '\\') {
            if (pos_ >= s_.size()) return false;
            char e = s_[pos_++];
            if (e == 'x') {
                if (pos_ + 2 > s_.size()) return false;
                int hi = hexDigit(s_[pos_]), lo = hexDigit(s_[pos_ + 1]);
                if (hi < 0 || lo < 0) return false;
                pos_ += 2;
                c = static_cast<char>(hi << 4 | lo);
            } else if (e == '"' || e == '\\') {
                c = e;
            } else {
                return false;
            }
        }
        if (out.size() >= maxLength) return false;
        out += c;
    }
    return false;
}

}  // namespace sheet
