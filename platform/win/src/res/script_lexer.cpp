#include "script_lexer.h"

#include <cctype>

namespace win::res {

namespace {

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

Token ScriptLexer::error(int line, std::string reason) {
    Token t;
    t.kind = TokenKind::Error;
    t.line = line;
    t.text = std::move(reason);
    finished_ = true;
    last_ = t;
    return t;
}

void ScriptLexer::skipSpaceAndComments(Token& errorOut) {
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++pos_;
        } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
            while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '*') {
            int startLine = line_;
            pos_ += 2;
            while (pos_ + 1 < text_.size() && !(text_[pos_] == '*' && text_[pos_ + 1] == '/')) {
                if (text_[pos_] == '\n') ++line_;
                ++pos_;
            }
            if (pos_ + 1 >= text_.size()) {
                errorOut = error(startLine, "unterminated comment");
                return;
            }
            pos_ += 2;
        } else {
            return;
        }
    }
}

Token ScriptLexer::next() {
    if (finished_) return last_;
    Token fault;
    skipSpaceAndComments(fault);
    if (fault.kind == TokenKind::Error) return fault;
    if (pos_ >= text_.size()) {
        Token t;
        // A fault at the end of the text belongs to its last line, not to the empty one after it.
        t.line = (!text_.empty() && text_.back() == '\n' && line_ > 1) ? line_ - 1 : line_;
        finished_ = true;
        last_ = t;
        return t;
    }
    char c = text_[pos_];
    if (std::isdigit(static_cast<unsigned char>(c))) return lexNumber();
    if (c == '"') return lexString();
    if (isNameStart(c)) return lexName();
    if (c == '#') {
        ++pos_;
        size_t start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
        Token t;
        t.kind = TokenKind::Directive;
        t.line = line_;
        t.text = std::string(text_.substr(start, pos_ - start));
        if (t.text.empty()) return error(line_, "'#' without a directive");
        return t;
    }
    if (c == ',' || c == '|' || c == '(' || c == ')' || c == '+' || c == '-' || c == '~') {
        ++pos_;
        Token t;
        t.kind = TokenKind::Punct;
        t.line = line_;
        t.text = std::string(1, c);
        return t;
    }
    if (c == '{' || c == '}') {
        // Braces are the short form of BEGIN and END.
        ++pos_;
        Token t;
        t.kind = TokenKind::Name;
        t.line = line_;
        t.text = c == '{' ? "BEGIN" : "END";
        return t;
    }
    unsigned char uc = static_cast<unsigned char>(c);
    char shown[8];
    if (uc >= 0x20 && uc < 0x7F) return error(line_, std::string("unexpected character '") + c + "'");
    static const char digits[] = "0123456789ABCDEF";
    shown[0] = '\\';
    shown[1] = 'x';
    shown[2] = digits[uc >> 4];
    shown[3] = digits[uc & 15];
    shown[4] = 0;
    return error(line_, std::string("unexpected character '") + shown + "'");
}

Token ScriptLexer::lexNumber() {
    size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    std::string_view word = text_.substr(start, pos_ - start);
    std::string_view digits = word;
    // A trailing L or U (long, unsigned) is common in shared headers and means nothing here.
    while (!digits.empty() &&
           (digits.back() == 'L' || digits.back() == 'l' || digits.back() == 'U' || digits.back() == 'u'))
        digits.remove_suffix(1);
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    const std::string bad = "bad number '" + std::string(word) + "'";
    if (digits.empty()) return error(line_, bad);
    // In a C header 010 is eight; refusing leading zeros keeps a shared header from meaning
    // one id in the program and another in the script.
    if (base == 10 && digits.size() > 1 && digits[0] == '0') return error(line_, bad + " (leading zero)");
    uint64_t value = 0;
    for (char d : digits) {
        int v = hexValue(d);
        if (v < 0 || v >= base) return error(line_, bad);
        value = value * base + v;
        if (value > 0xFFFFFFFFull) return error(line_, bad + " (out of range)");
    }
    Token t;
    t.kind = TokenKind::Number;
    t.line = line_;
    t.number = static_cast<int64_t>(value);
    t.text = std::string(word);
    return t;
}

Token ScriptLexer::lexString() {
    int startLine = line_;
    ++pos_;
    Token t;
    t.kind = TokenKind::String;
    t.line = startLine;
    auto escapeFault = [&](std::string reason) {
        if (t.escapeFault.empty()) t.escapeFault = std::move(reason);
    };
    for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
            return error(startLine, "unterminated string");
        char c = text_[pos_++];
        if (c == '"') {
            if (pos_ < text_.size() && text_[pos_] == '"') {
                t.text += '"';
                t.raw += '"';
                ++pos_;
                continue;
            }
            break;
        }
        t.raw += c;
        if (c != '\\') {
            t.text += c;
            continue;
        }
        if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
            return error(startLine, "unterminated string");
        char e = text_[pos_++];
        t.raw += e;
        switch (e) {
        case 'n': t.text += '\n'; break;
        case 'r': t.text += '\r'; break;
        case 't': t.text += '\t'; break;
        case '\\': t.text += '\\'; break;
        case '"': t.text += '"'; break;
        case 'x': {
            int hi = pos_ < text_.size() ? hexValue(text_[pos_]) : -1;
            int lo = pos_ + 1 < text_.size() ? hexValue(text_[pos_ + 1]) : -1;
            if (hi < 0 || lo < 0) {
                escapeFault("\\x needs two hexadecimal digits");
                break;
            }
            t.text += static_cast<char>(hi * 16 + lo);
            t.raw += text_.substr(pos_, 2);
            pos_ += 2;
            break;
        }
        default: escapeFault(std::string("unknown escape sequence '\\") + e + "'");
        }
    }
    return t;
}

Token ScriptLexer::lexName() {
    size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    Token t;
    t.kind = TokenKind::Name;
    t.line = line_;
    t.text = std::string(text_.substr(start, pos_ - start));
    return t;
}

}  // namespace win::res
