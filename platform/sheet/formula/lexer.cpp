#include "lexer.h"

#include "number_precision.h"

#include "text_case.h"

#include <charconv>
#include <cmath>

namespace sheet {

namespace {

bool isLetter(char c) { return isNameLetter(c); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordStart(char c) { return isLetter(c) || c == '_' || c == '$'; }
bool isWordChar(char c) { return isWordStart(c) || isDigit(c) || c == '.'; }

class Lexer {
public:
    Lexer(std::string_view text, std::vector<Token>& tokens) : text_(text), tokens_(tokens) {}

    LexResult run() {
        LexResult result;
        tokens_.clear();
        while (true) {
            const size_t blanksFrom = pos_;
            while (pos_ < text_.size() &&
                   (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n'))
                ++pos_;
            if (pos_ >= text_.size()) break;
            Token token;
            token.spaceBefore = pos_ != blanksFrom;
            token.pos = pos_;
            if (!readToken(token)) {
                result.error = error_;
                result.errorPos = pos_;
                return result;
            }
            token.spelling = text_.substr(token.pos, pos_ - token.pos);
            tokens_.push_back(token);
        }
        Token end;
        end.pos = text_.size();
        tokens_.push_back(end);
        result.ok = true;
        return result;
    }

private:
    bool fail(const char* message) {
        error_ = message;
        return false;
    }

    bool readToken(Token& token) {
        char c = text_[pos_];
        if (isDigit(c) || (c == '.' && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1]))) return readNumber(token);
        if (isWordStart(c)) return readWord(token);
        if (c == '"') return readText(token);
        if (c == '#') return readError(token);
        ++pos_;
        switch (c) {
        case '(': token.kind = TokenKind::LParen; return true;
        case ')': token.kind = TokenKind::RParen; return true;
        case ',': token.kind = TokenKind::Comma; return true;
        case ':': token.kind = TokenKind::Colon; return true;
        case '{': token.kind = TokenKind::LBrace; return true;
        case '}': token.kind = TokenKind::RBrace; return true;
        case ';': token.kind = TokenKind::Semicolon; return true;
        case '+':
        case '-':
        case '*':
        case '/':
        case '^':
        case '&':
        case '=':
        case '%': token.kind = TokenKind::Operator; return true;
        case '<':
            token.kind = TokenKind::Operator;
            if (pos_ < text_.size() && (text_[pos_] == '=' || text_[pos_] == '>')) ++pos_;
            return true;
        case '>':
            token.kind = TokenKind::Operator;
            if (pos_ < text_.size() && text_[pos_] == '=') ++pos_;
            return true;
        default: --pos_; return fail("unexpected character");
        }
    }

    bool readNumber(Token& token) {
        size_t start = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            size_t save = pos_++;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (pos_ < text_.size() && isDigit(text_[pos_])) {
                while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
            } else {
                pos_ = save;  // "2E" is not an exponent; leave the letter to fail as a word
            }
        }
        double value = 0;
        if (!readDecimal(text_.substr(start, pos_ - start), value)) {
            pos_ = start;
            return fail("number out of range");
        }
        if (pos_ < text_.size() && (isLetter(text_[pos_]) || text_[pos_] == '_')) {
            pos_ = start;
            return fail("malformed number");
        }
        token.kind = TokenKind::Number;
        token.number = value;
        return true;
    }

    bool readWord(Token& token) {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (isWordChar(c)) {
                ++pos_;
            } else if (c == '[') {
                // R1C1 offsets: R[-1]C[+2].
                size_t p = pos_ + 1;
                if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) ++p;
                size_t digits = p;
                while (p < text_.size() && isDigit(text_[p])) ++p;
                if (p == digits || p >= text_.size() || text_[p] != ']') return fail("malformed offset");
                pos_ = p + 1;
            } else {
                break;
            }
        }
        token.kind = TokenKind::Word;
        return true;
    }

    bool readText(Token& token) {
        ++pos_;
        while (true) {
            if (pos_ >= text_.size()) {
                pos_ = token.pos;
                return fail("text without closing quote");
            }
            if (text_[pos_++] == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    ++pos_;
                    continue;
                }
                break;
            }
        }
        token.kind = TokenKind::Text;
        return true;
    }

    bool readError(Token& token) {
        // The longest error text that matches here; "#N/A" and "#NAME?" share a prefix.
        static const ErrorKind kinds[] = {ErrorKind::Null, ErrorKind::Div0, ErrorKind::Value, ErrorKind::Ref,
                                          ErrorKind::Name, ErrorKind::Num,  ErrorKind::NA,    ErrorKind::Cycle};
        size_t best = 0;
        for (ErrorKind kind : kinds) {
            std::string name = errorText(kind);
            if (name.size() > best && text_.size() - pos_ >= name.size() &&
                errorFromText(text_.substr(pos_, name.size())) == kind) {
                best = name.size();
                token.error = kind;
            }
        }
        if (best == 0) return fail("unknown error value");
        pos_ += best;
        token.kind = TokenKind::Error;
        return true;
    }

    std::string_view text_;
    std::vector<Token>& tokens_;
    size_t pos_ = 0;
    std::string error_;
};

}  // namespace

LexResult tokenize(std::string_view text, std::vector<Token>& tokens) { return Lexer(text, tokens).run(); }

std::string unquoteText(std::string_view spelling) {
    std::string out;
    if (spelling.size() < 2) return out;
    out.reserve(spelling.size() - 2);
    for (size_t i = 1; i + 1 < spelling.size(); ++i) {
        out += spelling[i];
        if (spelling[i] == '"') ++i;  // the second quote of a doubled pair
    }
    return out;
}

}  // namespace sheet
