#include "number_precision.h"

#include "sheet/value.h"

#include <charconv>
#include <cmath>
#include <string>
#include <cstdio>
#include <cstdlib>

namespace sheet {

double roundTo15Digits(double x) {
    if (!std::isfinite(x) || (x == std::trunc(x) && std::fabs(x) < 1e15)) return x;
    // Decimal rounding through the shortest exact route: the C library rounds the printed digits
    // correctly, so no power-of-ten scaling error enters.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    return std::strtod(buf, nullptr);
}

namespace {

// Numbers whose difference is this large relative to them differ within 15 digits for sure;
// only closer pairs need the decimal rounding.
bool maybeEqualTo15Digits(double a, double b) {
    double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= scale * 1e-14;
}

}  // namespace

int compareNumbers(double a, double b) {
    if (a == b) return 0;
    if (maybeEqualTo15Digits(a, b) && roundTo15Digits(a) == roundTo15Digits(b)) return 0;
    return a < b ? -1 : 1;
}

double subtractNumbers(double a, double b) {
    double d = a - b;
    if (d != 0 && maybeEqualTo15Digits(a, b) && roundTo15Digits(a) == roundTo15Digits(b)) return 0;
    return d;
}

double floorOf15Digits(double x) { return std::floor(roundTo15Digits(x)); }

bool readDecimal(std::string_view text, double& out) {
    if (text.empty()) return false;
    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ptr != text.data() + text.size()) return false;
    if (ec == std::errc::result_out_of_range) {
        // from_chars does not say which way it failed; strtod does.
        value = std::strtod(std::string(text).c_str(), nullptr);
    } else if (ec != std::errc()) {
        return false;
    }
    if (!std::isfinite(value)) return false;
    out = value;
    return true;
}

std::optional<double> formulaTextToNumber(std::string_view text) {
    if (auto n = textToNumber(text)) return n;
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::string_view t = text.substr(b, e - b);
    bool negative = false, percent = false;
    if (t.size() >= 2 && t.front() == '(' && t.back() == ')') {
        negative = true;
        t = t.substr(1, t.size() - 2);
    }
    if (!t.empty() && t.back() == '%') {
        percent = true;
        t.remove_suffix(1);
    }
    // One sign and one currency sign, in either order.
    bool sign = false, currency = false;
    while (!t.empty() && (t[0] == '+' || t[0] == '-' || t[0] == '$')) {
        if (t[0] == '$') {
            if (currency) return std::nullopt;
            currency = true;
        } else {
            if (sign || negative) return std::nullopt;
            sign = true;
            negative = t[0] == '-';
        }
        t.remove_prefix(1);
    }
    // Digits with thousands separators in groups of three, then the rest as a plain number.
    std::string plain;
    size_t i = 0, group = 0;
    bool separated = false;
    for (; i < t.size() && ((t[i] >= '0' && t[i] <= '9') || t[i] == ','); ++i) {
        if (t[i] == ',') {
            if (plain.empty() || (separated && group != 3)) return std::nullopt;
            separated = true;
            group = 0;
        } else {
            plain += t[i];
            ++group;
        }
    }
    if (separated && group != 3) return std::nullopt;
    plain.append(t.substr(i));
    if (plain.empty() || plain[0] == '+' || plain[0] == '-') return std::nullopt;
    double value = 0;
    if (!readDecimal(plain, value)) return std::nullopt;
    if (percent) value /= 100;
    return negative ? -value : value;
}

}  // namespace sheet
