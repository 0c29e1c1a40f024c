#include "convert/round_to.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace quillorn {
namespace {

// 10^0 .. 10^22: every one of them is a double exactly, so the scale is exact where it can be.
constexpr double kExactPowersOfTen[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint32_t kLargestExactPower = 22;

// 1e-12 as the nearest double; spelled by its bits so no reading of a literal can move it.
constexpr double kNudge = std::bit_cast<double>(std::uint64_t{0x3D719799812DEA11});

// 10^count as a double. Beyond 10^22 the factor is built by repeated multiplication from the
// exact 10^22 (one rounding per step, the same on every machine; a library pow may differ by an
// ulp between libraries). Such counts are far outside what the calculator uses; from 10^309 on
// the factor is infinite.
double ScaleFactor(std::uint32_t count) noexcept {
  if (count <= kLargestExactPower) return kExactPowersOfTen[count];
  double scale = kExactPowersOfTen[kLargestExactPower];
  for (std::uint32_t i = kLargestExactPower; i < count && scale != HUGE_VAL; ++i) scale = scale * 10.0;
  return scale;
}

// Half away from zero after the nudge: the integer part of `scaled + 1e-12`, one more when the
// fraction left over is at least one half. Infinity stays infinity (its fraction is 0).
double RoundScaled(double scaled) noexcept {
  const double nudged = scaled + kNudge;
  double whole = std::trunc(nudged);
  const double fraction = std::isinf(nudged) ? 0.0 : nudged - whole;
  if (fraction >= 0.5) whole = whole + 1.0;
  return whole;
}

}  // namespace

double RoundTo(double value, std::int32_t digits) noexcept {
  if (value == 0.0 || std::isnan(value)) return value;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  // The count's magnitude as unsigned, so that INT32_MIN has one too.
  const std::uint32_t count = digits < 0 ? 0u - static_cast<std::uint32_t>(digits)
                                         : static_cast<std::uint32_t>(digits);
  const double scale = ScaleFactor(count);
  double result;
  if (digits > 0) {
    result = RoundScaled(magnitude * scale) / scale;
  } else if (digits == 0) {
    result = RoundScaled(magnitude);
  } else {
    result = RoundScaled(magnitude / scale) * scale;
  }
  return negative ? -result : result;
}

}  // namespace quillorn
