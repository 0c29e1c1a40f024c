// The calculation with exact fractions: each step is computed exactly and then rounded where the
// calculator rounds it, to a 64-bit significand (no exponent limit) and then to a double.
#include <cmath>
#include <cstdint>
#include <string>

#include "exact.h"
#include "reference.h"

namespace quillorn::reference {

namespace {

constexpr std::uint64_t kDefaultNotANumber = 0xFFF8000000000000;  // sign, quiet bit, payload 0

double ExtendedThenDouble(const Binary& exact) {
  const Binary extended = RoundBinary(exact, 64, std::nullopt, Tie::kToEven);
  return ToDouble(RoundBinary(extended, 53, kDoubleQuantum, Tie::kToEven));
}

// A not-a-number passes through a division with its sign and payload, made quiet as every
// arithmetic operation makes a signalling one.
double Quiet(double not_a_number) { return FromBits(BitsOf(not_a_number) | (std::uint64_t{1} << 51)); }

}  // namespace

double HundredOver(double x) {
  if (std::isnan(x)) return Quiet(x);
  const bool negative = std::signbit(x);
  if (std::isinf(x)) return negative ? -0.0 : 0.0;
  if (x == 0.0) return negative ? -HUGE_VAL : HUGE_VAL;
  const Binary divisor = FromDouble(x);
  // 100 / (m × 2^e)
  BigUint numerator(100);
  BigUint denominator = divisor.magnitude;
  if (divisor.exponent >= 0) {
    denominator = denominator << static_cast<std::uint64_t>(divisor.exponent);
  } else {
    numerator = numerator << static_cast<std::uint64_t>(-divisor.exponent);
  }
  const Binary extended = RoundQuotient(numerator, denominator, 64, std::nullopt, Tie::kToEven, negative);
  return ToDouble(RoundBinary(extended, 53, kDoubleQuantum, Tie::kToEven));
}

double SumOfThree(double q1, double q2, double q3) {
  for (double q : {q1, q2, q3}) {
    if (std::isnan(q)) return q;  // never met on the calculator's path: quotients of odds are numbers
  }
  const bool positive_infinity = q1 == HUGE_VAL || q2 == HUGE_VAL || q3 == HUGE_VAL;
  const bool negative_infinity = q1 == -HUGE_VAL || q2 == -HUGE_VAL || q3 == -HUGE_VAL;
  if (positive_infinity && negative_infinity) return FromBits(kDefaultNotANumber);
  if (positive_infinity) return HUGE_VAL;
  if (negative_infinity) return -HUGE_VAL;

  const Binary first = RoundBinary(Add(FromDouble(q1), FromDouble(q2)), 64, std::nullopt, Tie::kToEven);
  const Binary second = Add(first, FromDouble(q3));
  return ExtendedThenDouble(second);
}

double RatePercent(double a, double b, double c) {
  const double s = SumOfThree(HundredOver(a), HundredOver(b), HundredOver(c));
  const double r = HundredOver(s);
  if (std::isnan(r) || std::isinf(r) || r == 0.0) return r * 100.0;  // keeps NaN, sign and infinity
  Binary product = FromDouble(r);
  product.magnitude = product.magnitude * BigUint(100);
  return ToDouble(RoundBinary(product, 53, kDoubleQuantum, Tie::kToEven));
}

std::array<std::string, 5> HedgeTexts(const std::array<const char*, 6>& odds) {
  double x[6];
  for (std::size_t i = 0; i < 6; ++i) x[i] = ReadNumber(odds[i] == nullptr ? "" : odds[i]);
  const auto rate = [](double a, double b, double c) {
    return WriteNumber(Round(RatePercent(a, b, c), 1)) + "%";
  };
  const auto hedge = [](double odds_value) { return WriteNumber(Round(HundredOver(odds_value), 2)); };
  // boxes 1 2 3 5 6 7 are x[0..5]; the results stand for boxes 5, 2 and 3
  return {rate(x[0], x[1], x[2]), rate(x[3], x[4], x[5]), hedge(x[3]), hedge(x[1]), hedge(x[2])};
}

}  // namespace quillorn::reference
