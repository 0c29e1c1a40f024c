#include "exact.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace quillorn::reference {

Binary RoundQuotient(const BigUint& numerator, const BigUint& denominator, int bits,
                     std::optional<std::int64_t> smallest_step, Tie tie, bool negative) {
  if (denominator.IsZero()) throw std::logic_error("RoundQuotient: zero denominator");
  if (numerator.IsZero()) return Binary{negative, BigUint(), 0};

  // t = floor(log2(numerator / denominator)).
  std::int64_t t = static_cast<std::int64_t>(numerator.BitLength()) -
                   static_cast<std::int64_t>(denominator.BitLength());
  const bool at_least_two_to_t =
      t >= 0 ? denominator << static_cast<std::uint64_t>(t) <= numerator
             : denominator <= numerator << static_cast<std::uint64_t>(-t);
  if (!at_least_two_to_t) --t;

  // The step of the result: its last significant bit, never below the smallest step.
  std::int64_t step = t - (bits - 1);
  if (smallest_step && step < *smallest_step) step = *smallest_step;

  // quotient = floor(value / 2^step), remainder decides the rounding.
  BigUint n = numerator;
  BigUint d = denominator;
  if (step >= 0) {
    d = d << static_cast<std::uint64_t>(step);
  } else {
    n = n << static_cast<std::uint64_t>(-step);
  }
  BigUint::Division division = BigUint::Divide(n, d);
  const int half = BigUint::Compare(division.remainder << 1, d);
  bool up = half > 0;
  if (half == 0) up = tie == Tie::kToEven ? division.quotient.IsOdd() : false;
  if (up) division.quotient.AddSmall(1);
  return Binary{negative, division.quotient, step};
}

Binary RoundBinary(const Binary& value, int bits, std::optional<std::int64_t> smallest_step, Tie tie) {
  if (value.exponent >= 0) {
    return RoundQuotient(value.magnitude << static_cast<std::uint64_t>(value.exponent), BigUint(1),
                         bits, smallest_step, tie, value.negative);
  }
  return RoundQuotient(value.magnitude, BigUint(1) << static_cast<std::uint64_t>(-value.exponent),
                       bits, smallest_step, tie, value.negative);
}

double ToDouble(const Binary& value) {
  if (value.magnitude.IsZero()) return value.negative ? -0.0 : 0.0;
  const double infinity = value.negative ? -HUGE_VAL : HUGE_VAL;
  if (static_cast<std::int64_t>(value.magnitude.BitLength()) + value.exponent > 1024) return infinity;
  if (value.magnitude.BitLength() > 54 || value.exponent < kDoubleQuantum) {
    throw std::logic_error("ToDouble: value not rounded to a double");
  }
  // Both steps are exact: the magnitude has at most 54 bits (2^53 after a carry), and the result
  // is a double by the checks above.
  const double magnitude =
      std::ldexp(static_cast<double>(value.magnitude.ToUint64()), static_cast<int>(value.exponent));
  return value.negative ? -magnitude : magnitude;
}

Binary FromDouble(double value) {
  const std::uint64_t bits = BitsOf(value);
  const bool negative = (bits >> 63) != 0;
  const std::uint64_t biased = (bits >> 52) & 0x7FF;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0x7FF) throw std::logic_error("FromDouble: not a finite value");
  if (biased == 0) return Binary{negative, BigUint(fraction), kDoubleQuantum};
  return Binary{negative, BigUint(fraction | (std::uint64_t{1} << 52)),
                static_cast<std::int64_t>(biased) - 1075};
}

Binary Add(const Binary& a, const Binary& b) {
  if (a.magnitude.IsZero() && b.magnitude.IsZero()) {
    return Binary{a.negative && b.negative, BigUint(), 0};
  }
  const std::int64_t low = a.exponent < b.exponent ? a.exponent : b.exponent;
  const BigUint x = a.magnitude << static_cast<std::uint64_t>(a.exponent - low);
  const BigUint y = b.magnitude << static_cast<std::uint64_t>(b.exponent - low);
  if (a.negative == b.negative) return Binary{a.negative, x + y, low};
  const int order = BigUint::Compare(x, y);
  if (order == 0) return Binary{false, BigUint(), 0};
  if (order > 0) return Binary{a.negative, x - y, low};
  return Binary{b.negative, y - x, low};
}

std::uint64_t BitsOf(double value) noexcept {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double FromBits(std::uint64_t bits) noexcept {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace quillorn::reference
