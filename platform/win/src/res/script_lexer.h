#pragma once
// Splits a resource script into tokens with their line numbers.  Quoted text is kept as
// code page 1252 bytes with its escapes resolved; a fault (an unterminated string, a bad
// number, a stray character) stops the lexer with the line and the reason.

#include <cstdint>
#include <string>
#include <string_view>

namespace win::res {

enum class TokenKind { End, Name, Number, String, Directive, Punct, Error };

struct Token {
    TokenKind kind = TokenKind::End;
    int line = 0;
    std::string text;  // name, directive word (without '#'), string contents, punctuation or error reason
    int64_t number = 0;
    // Strings only: the contents with backslashes taken literally, as file names need them
    // ("icons\check.bmp"), and the fault of the escapes if the text form is used.
    std::string raw;
    std::string escapeFault;
};

class ScriptLexer {
public:
    explicit ScriptLexer(std::string_view text) : text_(text) {}

    // The next token; after End or Error every further call returns the same.
    Token next();
    // The line the lexer has reached (for faults at the end of the text).
    int line() const { return line_; }

private:
    void skipSpaceAndComments(Token& errorOut);
    Token lexNumber();
    Token lexString();
    Token lexName();
    Token error(int line, std::string reason);

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    bool finished_ = false;
    Token last_;
};

}  // namespace win::res
