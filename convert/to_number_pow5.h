#pragma once
// The powers of five that text reading scales by, as 128-bit truncated significands, built at
// compile time from exact big integers (no table typed in by hand).
#include <array>
#include <cstdint>

#include "convert/to_number_bignum.h"

namespace quillorn::to_number_detail {

// 5^e ~= (high * 2^64 + low) * 2^exponent2, with the top bit of `high` set; the significand is
// the exact value rounded down, and is exact for 0 <= e <= 55.
struct PowerOfFive {
  std::uint64_t high;
  std::uint64_t low;
  int exponent2;
};

// Every decimal exponent that can still give a finite nonzero double from at most 25 digits.
inline constexpr int kPowerOfFiveMin = -348;
inline constexpr int kPowerOfFiveMax = 308;
inline constexpr int kLargestExactPowerOfFive = 55;  // 5^55 < 2^128 <= 5^56

// The top 128 bits of value * 2^scale, rounded down.
constexpr PowerOfFive TopBits(const BigInt& value, int scale) {
  const int length = value.BitLength();
  return {value.Bits64(length - 64), value.Bits64(length - 128), length - 128 + scale};
}

constexpr std::array<PowerOfFive, kPowerOfFiveMax - kPowerOfFiveMin + 1> BuildPowersOfFive() {
  std::array<PowerOfFive, kPowerOfFiveMax - kPowerOfFiveMin + 1> table{};
  BigInt power(0, 1);
  for (int e = 0; e <= kPowerOfFiveMax; ++e) {
    table[static_cast<std::size_t>(e - kPowerOfFiveMin)] = TopBits(power, 0);
    power.MultiplySmall(5);
  }
  // floor(floor(x / 5) / 5) == floor(x / 25): dividing 2^1024 by five again and again gives
  // floor(2^1024 / 5^n) exactly, still at least 2^216 at n = 348.
  constexpr int kScale = 1024;
  BigInt quotient = BigInt::PowerOfTwo(kScale);
  for (int e = -1; e >= kPowerOfFiveMin; --e) {
    quotient.DivideSmall(5);
    table[static_cast<std::size_t>(e - kPowerOfFiveMin)] = TopBits(quotient, -kScale);
  }
  return table;
}

inline constexpr auto kPowersOfFive = BuildPowersOfFive();

constexpr const PowerOfFive& PowerOfFiveFor(int e) {
  return kPowersOfFive[static_cast<std::size_t>(e - kPowerOfFiveMin)];
}

}  // namespace quillorn::to_number_detail
