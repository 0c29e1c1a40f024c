#pragma once
// Exact binary values and the one rounding rule behind every reference result: the nearest
// value with a given number of significant bits, ties settled as asked.
//
//   RoundQuotient(1, 3, 53, kDoubleQuantum, Tie::kToEven)   -> the double nearest to 1/3
//   ToDouble(Binary{false, BigUint(3), -1})                   -> 1.5
//   FromDouble(-0.75)                                         -> {negative, 3, -2}
#include <cstdint>
#include <optional>

#include "big_uint.h"

namespace quillorn::reference {

// sign × magnitude × 2^exponent, exactly. A zero magnitude is a zero of that sign.
struct Binary {
  bool negative = false;
  BigUint magnitude;
  std::int64_t exponent = 0;
};

enum class Tie { kToEven, kToSmallerMagnitude };

// Exponent of the smallest double step (the last bit of a subnormal): 2^-1074.
inline constexpr std::int64_t kDoubleQuantum = -1074;

// The nearest value to numerator / denominator (denominator not 0) that has at most `bits`
// significant bits and, when `smallest_step` is given, is a multiple of 2^smallest_step.
Binary RoundQuotient(const BigUint& numerator, const BigUint& denominator, int bits,
                     std::optional<std::int64_t> smallest_step, Tie tie, bool negative = false);

// The same rounding applied to an exact binary value.
Binary RoundBinary(const Binary& value, int bits, std::optional<std::int64_t> smallest_step, Tie tie);

// A value already rounded to a double's 53 bits and 2^-1074 step, as that double: infinity when
// it is 2^1024 or more.
double ToDouble(const Binary& value);

// The exact value of a finite double.
Binary FromDouble(double value);

// Exact a + b, a zero coming out as +0 unless both are negative zeros (round to nearest).
Binary Add(const Binary& a, const Binary& b);

// The double's bits, and back.
std::uint64_t BitsOf(double value) noexcept;
double FromBits(std::uint64_t bits) noexcept;

}  // namespace quillorn::reference
