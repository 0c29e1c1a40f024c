#pragma once
// Powers of ten to 128 bits, built at compile time from exact big-integer arithmetic: enough to
// scale any finite double to 17 significant digits with one 64 x 128-bit product.
#include <array>
#include <cstdint>

#include "convert/number_to_text_big.h"

namespace quillorn::number_to_text {

// 10^k = c × 2^exponent for a real c in [significand, significand + 1), where the 128-bit
// significand (high:low) has its top bit set: the significand is 10^k truncated, never above it.
struct PowerOfTen {
  std::uint64_t high;
  std::uint64_t low;
  std::int32_t exponent;
};

// A double from the smallest subnormal to the largest needs 10^k with k from 16 - 307 - 1 to
// 16 + 324.
inline constexpr std::int32_t kSmallestPower = -292;
inline constexpr std::int32_t kLargestPower = 340;

namespace detail {

// The top 128 bits of `n` (truncated; zero bits appended when n is shorter), with the exponent
// such that n = significand × 2^(exponent) + a remainder below 2^(exponent).
constexpr PowerOfTen TopBits(const BigInteger& n, std::int32_t extra_exponent) {
  const auto length = static_cast<std::int32_t>(n.BitLength());
  return {n.Bits64(length - 64), n.Bits64(length - 128), length - 128 + extra_exponent};
}

constexpr std::array<PowerOfTen, kLargestPower - kSmallestPower + 1> BuildPowersOfTen() {
  std::array<PowerOfTen, kLargestPower - kSmallestPower + 1> table{};
  // 10^k = 5^k × 2^k; 5^k is exact for k >= 0.
  BigInteger five_to_k(1);
  for (std::int32_t k = 0; k <= kLargestPower; ++k) {
    table[static_cast<std::size_t>(k - kSmallestPower)] = TopBits(five_to_k, k);
    five_to_k.MultiplyBy(5);
  }
  // 10^-j = 2^-j × 5^-j, and 5^-j = floor(2^B / 5^j) × 2^-B plus less than one unit: repeated
  // flooring division by 5 gives exactly floor(2^B / 5^j). B keeps over 128 bits at j = 292.
  constexpr std::uint32_t kB = 896;
  BigInteger scaled(1);
  scaled.ShiftLeft(kB);
  for (std::int32_t j = 1; j <= -kSmallestPower; ++j) {
    scaled.DivideBy(5);
    table[static_cast<std::size_t>(-j - kSmallestPower)] =
        TopBits(scaled, -static_cast<std::int32_t>(kB) - j);
  }
  return table;
}

}  // namespace detail

inline constexpr std::array<PowerOfTen, kLargestPower - kSmallestPower + 1> kPowersOfTen =
    detail::BuildPowersOfTen();

constexpr const PowerOfTen& PowerOfTenFor(std::int32_t k) noexcept {
  return kPowersOfTen[static_cast<std::size_t>(k - kSmallestPower)];
}

// Spot checks against known values: 10^0, 10^1, 10^-1 (0xCCCC...CCCD truncated to ...CCCC).
static_assert(PowerOfTenFor(0).high == 0x8000000000000000u && PowerOfTenFor(0).low == 0 &&
              PowerOfTenFor(0).exponent == -127);
static_assert(PowerOfTenFor(1).high == 0xA000000000000000u && PowerOfTenFor(1).exponent == -124);
static_assert(PowerOfTenFor(-1).high == 0xCCCCCCCCCCCCCCCCu &&
              PowerOfTenFor(-1).low == 0xCCCCCCCCCCCCCCCCu && PowerOfTenFor(-1).exponent == -131);

}  // namespace quillorn::number_to_text
