// Dates as serial numbers: whole days since 30 December 1899 (1 March 1900 is 61), the time of
// day as the fraction.  TODAY and NOW read the clock set in sheet/environment.h.
#include <cmath>
#include <cstdint>
#include <string>

#include "function_support.h"
#include "sheet/environment.h"
#include "text_case.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

constexpr int64_t kEpochDays = -25569;   // 1899-12-30 counted from 1970-01-01
constexpr double kLastSerial = 2958465;  // 9999-12-31

// Days from 1970-01-01 of a proleptic Gregorian date (months and days may overflow).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y += (m - 1) / 12;
    m = (m - 1) % 12 + 1;
    if (m <= 0) {
        m += 12;
        --y;
    }
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (d - 1);
}

struct Civil {
    int64_t year, month, day;
};

Civil civilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2), m, d};
}

int64_t serialOf(int64_t y, int64_t m, int64_t d) { return daysFromCivil(y, m, d) - kEpochDays; }

bool numberArg(const Operand& a, const EvalContext& ctx, double& out, Value& error) {
    return toNumber(implicitIntersection(a, ctx).value, out, error);
}

// A serial date argument: whole days, 0 up to 9999-12-31.
bool dateArg(const Operand& a, const EvalContext& ctx, Civil& out, Value& error) {
    double serial = 0;
    if (!numberArg(a, ctx, serial, error)) return false;
    if (serial < 0 || serial > kLastSerial + 1) {
        error = Value::error(ErrorKind::Num);
        return false;
    }
    out = civilFromDays(static_cast<int64_t>(std::floor(serial)) + kEpochDays);
    return true;
}

// DATE(year, month, day): years 0..1899 count from 1900; months and days beyond their range
// carry into the next (DATE(2024,14,1) is 1 February 2025).
Value dateFn(Args a, EvalContext& ctx) {
    double y = 0, m = 0, d = 0;
    Value error;
    if (!numberArg(a[0], ctx, y, error) || !numberArg(a[1], ctx, m, error) || !numberArg(a[2], ctx, d, error))
        return error;
    y = std::trunc(y);
    if (y < 0 || y >= 10000) return Value::error(ErrorKind::Num);
    if (y < 1900) y += 1900;
    if (std::fabs(m) > 1e6 || std::fabs(d) > 1e8) return Value::error(ErrorKind::Num);
    int64_t serial = serialOf(static_cast<int64_t>(y), static_cast<int64_t>(std::trunc(m)), 1) +
                     static_cast<int64_t>(std::trunc(d)) - 1;
    if (serial < 0 || serial > kLastSerial) return Value::error(ErrorKind::Num);
    return Value::number(static_cast<double>(serial));
}

Value todayFn(Args, EvalContext&) {
    LocalTime t = currentTime();
    return Value::number(static_cast<double>(serialOf(t.year, t.month, t.day)));
}

Value nowFn(Args, EvalContext&) {
    LocalTime t = currentTime();
    double seconds = t.hour * 3600.0 + t.minute * 60.0 + t.second;
    return Value::number(static_cast<double>(serialOf(t.year, t.month, t.day)) + seconds / 86400);
}

template <int part>
Value datePartFn(Args a, EvalContext& ctx) {
    Civil c{};
    Value error;
    if (!dateArg(a[0], ctx, c, error)) return error;
    return Value::number(static_cast<double>(part == 0 ? c.year : part == 1 ? c.month : c.day));
}

// WEEKDAY(serial [, type]): type 1 Sunday 1 .. Saturday 7, type 2 Monday 1 .. Sunday 7,
// type 3 Monday 0 .. Sunday 6.
Value weekdayFn(Args a, EvalContext& ctx) {
    double serial = 0, type = 1;
    Value error;
    if (!numberArg(a[0], ctx, serial, error)) return error;
    if (a.size() > 1 && !numberArg(a[1], ctx, type, error)) return error;
    if (serial < 0) return Value::error(ErrorKind::Num);
    // Serial 0 (30 December 1899) was a Saturday.
    int64_t sunday0 = (static_cast<int64_t>(std::floor(serial)) + 6) % 7;  // 0 Sunday .. 6 Saturday
    switch (static_cast<int>(std::trunc(type))) {
    case 1: return Value::number(static_cast<double>(sunday0 + 1));
    case 2: return Value::number(static_cast<double>((sunday0 + 6) % 7 + 1));
    case 3: return Value::number(static_cast<double>((sunday0 + 6) % 7));
    default: return Value::error(ErrorKind::Num);
    }
}

int64_t daysInMonth(int64_t y, int64_t m) { return serialOf(y, m + 1, 1) - serialOf(y, m, 1); }

// DATEDIF(start, end, unit): whole years "Y", months "M", days "D"; "MD" days ignoring months
// and years, "YM" months ignoring years, "YD" days ignoring years.  start after end is #NUM!.
Value datedifFn(Args a, EvalContext& ctx) {
    Civil s{}, e{};
    Value error;
    std::string unit;
    if (!dateArg(a[0], ctx, s, error) || !dateArg(a[1], ctx, e, error)) return error;
    Value u = implicitIntersection(a[2], ctx).value;
    if (u.isError()) return u;
    unit = upperCase1252(valueToText(u));
    int64_t start = serialOf(s.year, s.month, s.day), end = serialOf(e.year, e.month, e.day);
    if (start > end) return Value::error(ErrorKind::Num);
    int64_t months = (e.year - s.year) * 12 + (e.month - s.month) - (e.day < s.day ? 1 : 0);
    if (unit == "D") return Value::number(static_cast<double>(end - start));
    if (unit == "M") return Value::number(static_cast<double>(months));
    if (unit == "Y") return Value::number(static_cast<double>(months / 12));
    if (unit == "YM") return Value::number(static_cast<double>(months % 12));
    if (unit == "MD") {
        if (e.day >= s.day) return Value::number(static_cast<double>(e.day - s.day));
        int64_t pm = e.month == 1 ? 12 : e.month - 1, py = e.month == 1 ? e.year - 1 : e.year;
        return Value::number(static_cast<double>(daysInMonth(py, pm) - s.day + e.day));
    }
    if (unit == "YD") {
        // The start moved into the last year that keeps it on or before the end.
        int64_t y = e.year;
        if (serialOf(y, s.month, s.day) > end) --y;
        return Value::number(static_cast<double>(end - serialOf(y, s.month, s.day)));
    }
    return Value::error(ErrorKind::Num);
}

}  // namespace

void registerDateFunctions(FunctionRegistry& r) {
    r.add({"DATE", 3, 3, dateFn});
    r.add({"TODAY", 0, 0, todayFn});
    r.add({"NOW", 0, 0, nowFn});
    r.add({"YEAR", 1, 1, datePartFn<0>});
    r.add({"MONTH", 1, 1, datePartFn<1>});
    r.add({"DAY", 1, 1, datePartFn<2>});
    r.add({"WEEKDAY", 1, 2, weekdayFn});
    r.add({"DATEDIF", 3, 3, datedifFn});
}

}  // namespace sheet
