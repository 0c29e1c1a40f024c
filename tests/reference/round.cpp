// Rounding to decimals, statement by statement in doubles. The translation unit is built with
// -ffp-contract=off, so each line is one rounded double operation.
#include <cmath>
#include <cstdint>

#include "exact.h"
#include "reference.h"

namespace quillorn::reference {

namespace {

// 10^n as a double: the nearest one, found exactly (exactly 10^n for n up to 22).
double PowerOfTen(std::int64_t n) {
  return ToDouble(RoundQuotient(BigUint::Power(10, static_cast<std::uint64_t>(n)), BigUint(1), 53,
                                kDoubleQuantum, Tie::kToEven));
}

}  // namespace

double Round(double value, std::int32_t digits) {
  if (value == 0.0 || std::isnan(value)) return value;
  const bool negative = value < 0.0;
  const double y = std::fabs(value);
  const double nudge = FromBits(0x3D719799812DEA11);  // 1e-12
  const double scale = PowerOfTen(std::llabs(digits));

  double scaled = y;
  if (digits > 0) scaled = y * scale;
  if (digits < 0) scaled = y / scale;
  const double a = scaled + nudge;
  double whole = std::trunc(a);
  const double fraction = a - whole;  // not a number for an infinite a: no step up
  if (fraction >= 0.5) whole = whole + 1.0;
  double r = whole;
  if (digits > 0) r = whole / scale;
  if (digits < 0) r = whole * scale;
  return negative ? -r : r;
}

}  // namespace quillorn::reference
