// First stage of the formula pipeline: formula text to tokens.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/value.h"

namespace sheet {

enum class TokenKind {
    End,
    Number,    // number
    Text,      // spelling with its quotes; unquoteText gives the text
    Error,     // error literal such as #N/A; error
    Word,      // a name or a reference part: A1, $B$2, R[-1]C, SUM, TRUE
    Operator,  // + - * / ^ & = <> < > <= >= %
    LParen,
    RParen,
    Comma,
    Colon,
    LBrace,  // { } ; only in array constants: {1,2;3,4}
    RBrace,
    Semicolon,
};

struct Token {
    TokenKind kind = TokenKind::End;
    size_t pos = 0;             // byte offset in the formula text
    std::string_view spelling;  // the token as written
    double number = 0;
    ErrorKind error = ErrorKind::Value;
    bool spaceBefore = false;  // blanks precede it: between references that is intersection
};

struct LexResult {
    bool ok = false;
    std::string error;
    size_t errorPos = 0;
};

// Splits a formula text into `tokens` (cleared first; ends with an End token when ok).
// Blanks between tokens are dropped; an unterminated text, an unknown error literal or a
// character outside the language is an error.  Tokens point into `text`.
LexResult tokenize(std::string_view text, std::vector<Token>& tokens);

// The text of a Text token: quotes removed, doubled quotes undone.
std::string unquoteText(std::string_view spelling);

}  // namespace sheet
