// Cell coordinates and the values that cells and formulas hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sheet {

// The error values a formula can produce.  Errors are ordinary values: they propagate through
// operators and functions instead of aborting an evaluation.
enum class ErrorKind : uint8_t { Null, Div0, Value, Ref, Name, Num, NA, Cycle };

// "#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A", "#CYCLE!".
std::string errorText(ErrorKind kind);
// The error whose text is exactly `text` (case-insensitive), if any.
std::optional<ErrorKind> errorFromText(std::string_view text);

// A cell position.  Columns and rows count from 1; 0 addresses the header row or column.
struct CellRef {
    int32_t col = 0, row = 0;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

// A rectangle of cells, normalised so that first.col <= last.col and first.row <= last.row.
struct RangeRef {
    CellRef first, last;
    friend bool operator==(const RangeRef&, const RangeRef&) = default;
    bool contains(CellRef c) const {
        return c.col >= first.col && c.col <= last.col && c.row >= first.row && c.row <= last.row;
    }
    int32_t cols() const { return last.col - first.col + 1; }
    int32_t rows() const { return last.row - first.row + 1; }
};

enum class ValueType : uint8_t { Empty, Number, Text, Boolean, Error };

// The content or computed result of a cell: empty, a number, a text (code page 1252 bytes), a
// boolean or an error.  Texts are shared, so copying a value never copies its characters.
class Value {
public:
    Value() = default;
    static Value empty() { return Value(); }
    static Value number(double n);
    static Value text(std::string s);
    static Value boolean(bool b);
    static Value error(ErrorKind kind);

    ValueType type() const { return type_; }
    bool isEmpty() const { return type_ == ValueType::Empty; }
    bool isNumber() const { return type_ == ValueType::Number; }
    bool isText() const { return type_ == ValueType::Text; }
    bool isBool() const { return type_ == ValueType::Boolean; }
    bool isError() const { return type_ == ValueType::Error; }

    // A number as itself, a boolean as 1 or 0, anything else 0.
    double asNumber() const { return number_; }
    // The text of a text value; the empty text for every other type.
    const std::string& asText() const;
    // A boolean as itself, a number as "not zero", anything else false.
    bool asBool() const { return number_ != 0; }
    // The error of an error value (ErrorKind::Value for non-errors).
    ErrorKind asError() const { return type_ == ValueType::Error ? error_ : ErrorKind::Value; }

    // Same type and same content; texts compare byte for byte.
    friend bool operator==(const Value& a, const Value& b);

private:
    ValueType type_ = ValueType::Empty;
    ErrorKind error_ = ErrorKind::Value;
    double number_ = 0;
    std::shared_ptr<const std::string> text_;
};

// A number in general format: up to 15 significant digits, no trailing zeros, exponent
// notation only for very large or small magnitudes ("0.1", "1E+20", "-3").
std::string numberToText(double n);
// A whole text read as a number (surrounding blanks allowed); nothing for anything else.
std::optional<double> textToNumber(std::string_view text);
// The text a formula sees when it uses a value as text: numbers in general format, booleans
// "TRUE"/"FALSE", errors their error text, empty "".
std::string valueToText(const Value& v);

// Equality as exact-match look-ups see it: numbers equal to 15 significant digits, texts
// ignoring case (code page 1252 letters included),
// booleans by value; values of different types never match and empty matches nothing.
// lookupHash agrees with it, so a column index may hash values with it.
bool lookupEqual(const Value& a, const Value& b);
size_t lookupHash(const Value& v);

}  // namespace sheet
