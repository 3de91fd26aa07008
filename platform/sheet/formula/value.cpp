#include "sheet/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "number_precision.h"
#include "text_case.h"
#include "text_collation.h"

namespace sheet {

namespace {

struct ErrorName {
    ErrorKind kind;
    const char* text;
};

constexpr ErrorName kErrorNames[] = {
    {ErrorKind::Null, "#NULL!"}, {ErrorKind::Div0, "#DIV/0!"},  {ErrorKind::Value, "#VALUE!"},
    {ErrorKind::Ref, "#REF!"},   {ErrorKind::Name, "#NAME?"},   {ErrorKind::Num, "#NUM!"},
    {ErrorKind::NA, "#N/A"},     {ErrorKind::Cycle, "#CYCLE!"},
};

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

}  // namespace

std::string errorText(ErrorKind kind) {
    for (const auto& e : kErrorNames)
        if (e.kind == kind) return e.text;
    return "#VALUE!";
}

std::optional<ErrorKind> errorFromText(std::string_view text) {
    for (const auto& e : kErrorNames)
        if (compareIgnoringCase(text, e.text) == 0) return e.kind;
    return std::nullopt;
}

Value Value::number(double n) {
    Value v;
    v.type_ = ValueType::Number;
    v.number_ = n;
    return v;
}

Value Value::text(std::string s) {
    Value v;
    v.type_ = ValueType::Text;
    v.text_ = std::make_shared<const std::string>(std::move(s));
    return v;
}

Value Value::boolean(bool b) {
    Value v;
    v.type_ = ValueType::Boolean;
    v.number_ = b ? 1 : 0;
    return v;
}

Value Value::error(ErrorKind kind) {
    Value v;
    v.type_ = ValueType::Error;
    v.error_ = kind;
    return v;
}

const std::string& Value::asText() const { return type_ == ValueType::Text && text_ ? *text_ : emptyText(); }

bool operator==(const Value& a, const Value& b) {
    if (a.type_ != b.type_) return false;
    switch (a.type_) {
    case ValueType::Empty: return true;
    case ValueType::Number:
    case ValueType::Boolean: return a.number_ == b.number_;
    case ValueType::Text: return a.asText() == b.asText();
    case ValueType::Error: return a.error_ == b.error_;
    }
    return false;
}

std::string numberToText(double n) {
    if (std::isnan(n)) return "#NUM!";
    if (std::isinf(n)) return n > 0 ? "1E+308" : "-1E+308";
    if (n == 0) return "0";  // also folds -0
    char buf[64];
    double mag = std::fabs(n);
    if (mag >= 1e15 || mag < 1e-9) {
        std::snprintf(buf, sizeof buf, "%.14E", n);
        // Trim the mantissa's trailing zeros and the exponent's leading zeros: 1.50000E+020 -> 1.5E+20.
        std::string s(buf);
        size_t e = s.find('E');
        std::string mant = s.substr(0, e), exp = s.substr(e + 1);
        if (mant.find('.') != std::string::npos) {
            while (mant.back() == '0') mant.pop_back();
            if (mant.back() == '.') mant.pop_back();
        }
        char sign = exp[0];
        std::string digits = exp.substr(1);
        while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
        return mant + "E" + sign + digits;
    }
    // Fixed notation with 15 significant digits, trailing zeros trimmed.
    int exp10 = static_cast<int>(std::floor(std::log10(mag)));
    int decimals = exp10 >= 14 ? 0 : 14 - exp10;
    std::snprintf(buf, sizeof buf, "%.*f", decimals, n);
    std::string s(buf);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::optional<double> textToNumber(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    if (b == e) return std::nullopt;
    std::string_view t = text.substr(b, e - b);
    if (t[0] == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t[0] == '-') return std::nullopt;  // "+-5" is no number
    }
    double out = 0;
    if (!readDecimal(t, out)) return std::nullopt;
    return out;
}

std::string valueToText(const Value& v) {
    switch (v.type()) {
    case ValueType::Empty: return std::string();
    case ValueType::Number: return numberToText(v.asNumber());
    case ValueType::Text: return v.asText();
    case ValueType::Boolean: return v.asBool() ? "TRUE" : "FALSE";
    case ValueType::Error: return errorText(v.asError());
    }
    return std::string();
}

bool lookupEqual(const Value& a, const Value& b) {
    if (a.type() != b.type()) return false;
    switch (a.type()) {
    case ValueType::Empty: return false;
    case ValueType::Number: return compareNumbers(a.asNumber(), b.asNumber()) == 0;
    case ValueType::Boolean: return a.asNumber() == b.asNumber();
    case ValueType::Text: return collateTexts(a.asText(), b.asText()) == 0;
    case ValueType::Error: return a.asError() == b.asError();
    }
    return false;
}

size_t lookupHash(const Value& v) {
    size_t h = static_cast<size_t>(v.type()) * 0x9E3779B97F4A7C15ull;
    switch (v.type()) {
    case ValueType::Empty: return h;
    case ValueType::Number:
    case ValueType::Boolean: {
        // Numbers equal to 15 digits are equal, so they must hash alike; so must -0 and 0.
        double n = v.isNumber() ? roundTo15Digits(v.asNumber()) : v.asNumber();
        if (n == 0) n = 0;
        return h ^ std::hash<double>()(n);
    }
    case ValueType::Text: {
        size_t t = 1469598103934665603ull;  // FNV-1a over the folded bytes
        for (char c : v.asText()) {
            t ^= static_cast<unsigned char>(upperCase1252(c));
            t *= 1099511628211ull;
        }
        return h ^ t;
    }
    case ValueType::Error: return h ^ static_cast<size_t>(v.asError());
    }
    return h;
}

}  // namespace sheet
