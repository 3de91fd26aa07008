// The general-format text of a number (numberToText), with a fast path for whole numbers: a
// sheet of a million integers is written and compared far more often than anything else.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "sheet/value.h"

namespace sheet {

inline void appendNumberText(std::string& out, double n) {
    if (n == std::trunc(n) && std::fabs(n) < 1e15) {
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(n));
        out.append(buf, r.ptr);
        return;
    }
    out += numberToText(n);
}

inline std::string numberText(double n) {
    std::string s;
    appendNumberText(s, n);
    return s;
}

// The text a cell shows for a value (valueToText with the fast path).
inline std::string cellValueText(const Value& v) {
    if (v.isNumber()) return numberText(v.asNumber());
    if (v.isText()) return v.asText();
    return valueToText(v);
}

}  // namespace sheet
