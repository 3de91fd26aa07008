#include "number_precision.h"

#include <cmath>
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

}  // namespace sheet
