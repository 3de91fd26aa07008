// Text functions.  Texts are code page 1252 bytes, so a character is a byte; positions count
// from 1.  Numbers used as texts read in general format (LEFT(1234,2) is "12").
#include <algorithm>
#include <cmath>
#include <string>

#include "function_support.h"
#include "number_precision.h"
#include "text_case.h"
#include "wildcard.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

constexpr size_t kMaxText = 32767;  // the longest text a function builds

bool textArg(const Operand& a, const EvalContext& ctx, std::string& out, Value& error) {
    Value v = implicitIntersection(a, ctx).value;
    if (v.isError()) {
        error = v;
        return false;
    }
    out = valueToText(v);
    return true;
}

// A count or position argument, cut to a whole number.
bool wholeArg(const Operand& a, const EvalContext& ctx, double& out, Value& error) {
    if (!toNumber(implicitIntersection(a, ctx).value, out, error)) return false;
    out = std::trunc(out);
    return true;
}

bool present(Args a, size_t i) { return a.size() > i && !(a[i].value.isEmpty() && !a[i].isRef); }

template <class F>
FunctionDef mapText(const char* name, F f) {
    return {name, 1, 1, [f](Args a, EvalContext& ctx) {
                std::string t;
                Value error;
                if (!textArg(a[0], ctx, t, error)) return error;
                return Value::text(f(std::move(t)));
            }};
}

std::string upper(std::string t) { return upperCase1252(t); }
std::string lower(std::string t) { return lowerCase1252(t); }
// The first letter of every run of letters upper case, the others lower case.
std::string proper(std::string t) {
    std::string low = lower(t);
    bool inWord = false;
    for (size_t i = 0; i < t.size(); ++i) {
        bool letter = isNameLetter(t[i]);
        t[i] = letter && !inWord ? upperCase1252(low[i]) : low[i];
        inWord = letter;
    }
    return t;
}
// Blanks at either end removed, inner runs of blanks made one.
std::string trim(std::string t) {
    std::string out;
    for (char c : t) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// LEFT and RIGHT: n characters, 1 when left out.
template <bool fromLeft>
Value sideFn(Args a, EvalContext& ctx) {
    std::string t;
    Value error;
    double n = 1;
    if (!textArg(a[0], ctx, t, error)) return error;
    if (present(a, 1) && !wholeArg(a[1], ctx, n, error)) return error;
    if (n < 0) return Value::error(ErrorKind::Value);
    size_t count = static_cast<size_t>(std::min<double>(n, static_cast<double>(t.size())));
    return Value::text(fromLeft ? t.substr(0, count) : t.substr(t.size() - count));
}

Value midFn(Args a, EvalContext& ctx) {
    std::string t;
    Value error;
    double start = 0, n = 0;
    if (!textArg(a[0], ctx, t, error) || !wholeArg(a[1], ctx, start, error) || !wholeArg(a[2], ctx, n, error))
        return error;
    if (start < 1 || n < 0) return Value::error(ErrorKind::Value);
    if (start > static_cast<double>(t.size())) return Value::text("");
    size_t from = static_cast<size_t>(start) - 1;
    return Value::text(t.substr(from, static_cast<size_t>(std::min<double>(n, static_cast<double>(t.size())))));
}

Value valueFn(Args a, EvalContext& ctx) {
    Value v = implicitIntersection(a[0], ctx).value;
    if (v.isError() || v.isNumber()) return v;
    if (v.isEmpty()) return Value::number(0);
    if (v.isBool()) return Value::error(ErrorKind::Value);
    if (auto n = formulaTextToNumber(v.asText())) return Value::number(*n);
    return Value::error(ErrorKind::Value);
}

// TEXT with the number formats of the engine: digits '0' (always shown) and '#' (shown when
// significant), one '.' for decimals, ',' in the whole part for thousands, a trailing '%', and
// literal text around them ("0.00 kg", "$#,##0").  "General" and "@" give the general text.
Value textFn(Args a, EvalContext& ctx) {
    Value v = implicitIntersection(a[0], ctx).value;
    std::string format;
    Value error;
    if (v.isError()) return v;
    if (!textArg(a[1], ctx, format, error)) return error;
    double x = 0;
    if (!v.isNumber() && !(v.isText() && formulaTextToNumber(v.asText())) && !v.isEmpty())
        return Value::text(valueToText(v));
    if (!toNumber(v, x, error)) return error;
    if (format.empty()) return Value::text("");
    if (compareIgnoringCase(format, "General") == 0 || format == "@") return Value::text(numberToText(x));
    size_t first = format.find_first_of("0#"), last = format.find_last_of("0#%");
    if (first == std::string::npos) return Value::text(format);
    std::string prefix = format.substr(0, first), body = format.substr(first, last - first + 1);
    std::string suffix = format.substr(last + 1);
    bool percent = !body.empty() && body.back() == '%';
    if (percent) body.pop_back();
    if (body.find_first_not_of("0#.,") != std::string::npos) return Value::error(ErrorKind::Value);
    size_t dot = body.find('.');
    std::string whole = body.substr(0, dot);
    std::string frac = dot == std::string::npos ? "" : body.substr(dot + 1);
    if (frac.find_first_of(".,") != std::string::npos) return Value::error(ErrorKind::Value);
    bool grouping = whole.find(',') != std::string::npos;
    whole.erase(std::remove(whole.begin(), whole.end(), ','), whole.end());
    if (percent) x *= 100;
    const int decimals = static_cast<int>(frac.size());
    // Half away from zero on the decimal value, before printing.
    const double scale = std::pow(10.0, decimals);
    double shown = std::round(roundTo15Digits(std::fabs(x) * scale)) / scale;
    if (!std::isfinite(shown) || shown >= 1e300) return Value::error(ErrorKind::Value);
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, shown);
    std::string digits(buf);
    std::string intPart = digits.substr(0, digits.find('.'));
    std::string fracPart = decimals ? digits.substr(digits.find('.') + 1) : "";
    // Optional '#' decimals drop their trailing zeros.
    size_t required = frac.find_last_of('0') == std::string::npos ? 0 : frac.find_last_of('0') + 1;
    while (fracPart.size() > required && fracPart.back() == '0') fracPart.pop_back();
    size_t minWhole = std::count(whole.begin(), whole.end(), '0');
    if (intPart == "0" && minWhole == 0) intPart.clear();
    while (intPart.size() < minWhole) intPart.insert(0, "0");
    if (grouping)
        for (int i = static_cast<int>(intPart.size()) - 3; i > 0; i -= 3) intPart.insert(i, ",");
    std::string out = intPart;
    if (dot != std::string::npos) out += "." + fracPart;
    bool negative = x < 0 && out.find_first_not_of("0.,") != std::string::npos;
    return Value::text((negative ? "-" : "") + prefix + out + (percent ? "%" : "") + suffix);
}

// FIND is case-sensitive without patterns; SEARCH ignores case and takes * ? ~.
template <bool search>
Value findFn(Args a, EvalContext& ctx) {
    std::string needle, hay;
    Value error;
    double start = 1;
    if (!textArg(a[0], ctx, needle, error) || !textArg(a[1], ctx, hay, error)) return error;
    if (present(a, 2) && !wholeArg(a[2], ctx, start, error)) return error;
    if (start < 1 || start > static_cast<double>(hay.size()) + 1) return Value::error(ErrorKind::Value);
    size_t from = static_cast<size_t>(start) - 1;
    if (needle.empty()) return Value::number(start);
    if (!search) {
        size_t at = hay.find(needle, from);
        return at == std::string::npos ? Value::error(ErrorKind::Value) : Value::number(at + 1.0);
    }
    std::string pattern = needle + "*";
    for (size_t at = from; at < hay.size(); ++at)
        if (wildcardMatch(pattern, std::string_view(hay).substr(at))) return Value::number(at + 1.0);
    return Value::error(ErrorKind::Value);
}

Value substituteFn(Args a, EvalContext& ctx) {
    std::string t, from, to;
    Value error;
    double instance = 0;
    if (!textArg(a[0], ctx, t, error) || !textArg(a[1], ctx, from, error) || !textArg(a[2], ctx, to, error))
        return error;
    if (present(a, 3)) {
        if (!wholeArg(a[3], ctx, instance, error)) return error;
        if (instance < 1) return Value::error(ErrorKind::Value);
    }
    if (from.empty()) return Value::text(t);
    std::string out;
    size_t pos = 0, seen = 0;
    while (true) {
        size_t at = t.find(from, pos);
        if (at == std::string::npos) break;
        ++seen;
        out.append(t, pos, at - pos);
        out += (instance == 0 || seen == static_cast<size_t>(instance)) ? to : from;
        pos = at + from.size();
        if (out.size() > kMaxText) return Value::error(ErrorKind::Value);
    }
    out.append(t, pos, std::string::npos);
    return Value::text(std::move(out));
}

Value replaceFn(Args a, EvalContext& ctx) {
    std::string t, with;
    Value error;
    double start = 0, n = 0;
    if (!textArg(a[0], ctx, t, error) || !wholeArg(a[1], ctx, start, error) || !wholeArg(a[2], ctx, n, error) ||
        !textArg(a[3], ctx, with, error))
        return error;
    if (start < 1 || n < 0) return Value::error(ErrorKind::Value);
    size_t from = static_cast<size_t>(std::min<double>(start - 1, static_cast<double>(t.size())));
    size_t count = static_cast<size_t>(std::min<double>(n, static_cast<double>(t.size() - from)));
    return Value::text(t.substr(0, from) + with + t.substr(from + count));
}

Value reptFn(Args a, EvalContext& ctx) {
    std::string t;
    Value error;
    double n = 0;
    if (!textArg(a[0], ctx, t, error) || !wholeArg(a[1], ctx, n, error)) return error;
    if (n < 0 || n * static_cast<double>(t.size()) > kMaxText) return Value::error(ErrorKind::Value);
    std::string out;
    for (double i = 0; i < n; ++i) out += t;
    return Value::text(std::move(out));
}

Value exactFn(Args a, EvalContext& ctx) {
    std::string x, y;
    Value error;
    if (!textArg(a[0], ctx, x, error) || !textArg(a[1], ctx, y, error)) return error;
    return Value::boolean(x == y);
}

Value charFn(Args a, EvalContext& ctx) {
    double n = 0;
    Value error;
    if (!wholeArg(a[0], ctx, n, error)) return error;
    if (n < 1 || n > 255) return Value::error(ErrorKind::Value);
    return Value::text(std::string(1, static_cast<char>(static_cast<unsigned char>(n))));
}

Value codeFn(Args a, EvalContext& ctx) {
    std::string t;
    Value error;
    if (!textArg(a[0], ctx, t, error)) return error;
    if (t.empty()) return Value::error(ErrorKind::Value);
    return Value::number(static_cast<unsigned char>(t[0]));
}

}  // namespace

void registerTextFunctions(FunctionRegistry& r) {
    r.add(mapText("UPPER", upper));
    r.add(mapText("LOWER", lower));
    r.add(mapText("PROPER", proper));
    r.add(mapText("TRIM", trim));
    r.add({"LEFT", 1, 2, sideFn<true>});
    r.add({"RIGHT", 1, 2, sideFn<false>});
    r.add({"MID", 3, 3, midFn});
    r.add({"VALUE", 1, 1, valueFn});
    r.add({"TEXT", 2, 2, textFn});
    r.add({"FIND", 2, 3, findFn<false>});
    r.add({"SEARCH", 2, 3, findFn<true>});
    r.add({"SUBSTITUTE", 3, 4, substituteFn});
    r.add({"REPLACE", 4, 4, replaceFn});
    r.add({"REPT", 2, 2, reptFn});
    r.add({"EXACT", 2, 2, exactFn});
    r.add({"CHAR", 1, 1, charFn});
    r.add({"CODE", 1, 1, codeFn});
}

}  // namespace sheet
