#pragma once
// The 13 significant digits the calculator shows for a finite double other than zero: its
// exact value rounded half up to 17 significant digits, then that figure half up to 13.
//
// One 64 x 128-bit product with a power of ten gives the scaled value to within 2^-66; only
// when that leaves the 17-digit rounding open AND the choice reaches the 13th digit (digits 14
// to 17 being 4999) does an exact big-integer comparison decide.
#include <bit>
#include <cstdint>

#include "convert/number_to_text_big.h"
#include "convert/number_to_text_powers.h"

namespace quillorn::number_to_text {

// digits in [10^12, 10^13); the value is digits × 10^(exponent - 12).
struct Decimal13 {
  std::uint64_t digits;
  std::int32_t exponent;
};

namespace detail {

inline constexpr std::uint64_t kTenTo16 = 10000000000000000u;
inline constexpr std::uint64_t kTenTo17 = 100000000000000000u;

// hi:lo = a × b.
inline std::uint64_t Multiply64(std::uint64_t a, std::uint64_t b, std::uint64_t& high) noexcept {
#if defined(__SIZEOF_INT128__)
  __extension__ using U128 = unsigned __int128;
  const U128 product = U128{a} * b;
  high = static_cast<std::uint64_t>(product >> 64);
  return static_cast<std::uint64_t>(product);
#else
  const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
  const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
  high = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
  return (middle << 32) | (p00 & 0xFFFFFFFFu);
#endif
}

// floor(log10(2^e)) for |e| <= 1650: 78913 / 2^18 is log10(2) from below, exact there for
// e >= 0; a negative e uses -floor(|e| log10 2) - 1, as |e| log10 2 is never a whole number.
constexpr std::int32_t FloorLog10OfPowerOfTwo(std::int32_t e) noexcept {
  return e >= 0 ? (e * 78913) >> 18 : -((-e * 78913) >> 18) - 1;
}

// Exactly: is m × 2^e × 10^k - whole >= 1/2? That is 2m × 2^e × 10^k >= 2·whole + 1, with the
// powers of two and five moved to the side where they are whole numbers.
inline bool ReachesHalfExactly(std::uint64_t m, std::int32_t e, std::int32_t k,
                               std::uint64_t whole) noexcept {
  BigInteger left(m);
  BigInteger right(2 * whole + 1);
  const std::int32_t twos = e + k + 1;
  if (k >= 0) {
    left.MultiplyByPowerOfFive(static_cast<std::uint32_t>(k));
  } else {
    right.MultiplyByPowerOfFive(static_cast<std::uint32_t>(-k));
  }
  if (twos >= 0) {
    left.ShiftLeft(static_cast<std::uint32_t>(twos));
  } else {
    right.ShiftLeft(static_cast<std::uint32_t>(-twos));
  }
  return Compare(left, right) >= 0;
}

// The 17-digit figure, rounded half up from the exact value m × 2^e × 10^k, which lies in
// [10^16, 10^18); 10^17 or more makes `too_large` true instead. Digits 14 to 17 decide
// whether an open case needs the exact comparison.
inline std::uint64_t SeventeenDigits(std::uint64_t m, std::int32_t e, std::int32_t k,
                                     bool exact_always, bool& too_large) noexcept {
  const int unused = std::countl_zero(m);
  const std::uint64_t normal = m << unused;  // top bit set
  const PowerOfTen& power = PowerOfTenFor(k);
  // normal × significand, 192 bits in top:middle:bottom.
  std::uint64_t low_high = 0;
  std::uint64_t high_high = 0;
  const std::uint64_t bottom = Multiply64(normal, power.low, low_high);
  const std::uint64_t high_low = Multiply64(normal, power.high, high_high);
  const std::uint64_t middle = high_low + low_high;
  const std::uint64_t top = high_high + (middle < high_low ? 1u : 0u);
  static_cast<void>(bottom);  // below the 2^-66 error of the product: never consulted
  // The value is product × 2^-(shift); the product is at least 2^190 and the value below 2^60,
  // so the whole part lies in `top` (shift - 128 between 2 and 11).
  const std::int32_t shift = -(e - unused + power.exponent);
  const auto in_top = static_cast<std::uint32_t>(shift - 128);
  const std::uint64_t whole = top >> in_top;
  too_large = whole >= kTenTo17;
  if (too_large) return 0;
  const std::uint64_t fraction_top = top & ((std::uint64_t{1} << in_top) - 1);
  const std::uint64_t half = std::uint64_t{1} << (in_top - 1);
  // The true product exceeds the computed one by less than 2^64 (the significand is below
  // 10^k by less than one unit): the fraction is below one half for certain unless its bits
  // read 0.0111...1 down to 2^64, and at or above one half it stays so (or wraps to the next
  // whole number, which rounds to the same figure).
  const bool open = fraction_top == half - 1 && middle == UINT64_MAX;
  bool up = fraction_top >= half;
  if ((open && whole % 10000 == 4999) || exact_always) up = ReachesHalfExactly(m, e, k, whole);
  return whole + (up ? 1u : 0u);
}

}  // namespace detail

// `bits` are those of a finite double other than ±0; its sign is ignored. `exact_always` lets
// tests take the exact comparison for every figure instead of only for the open ones.
inline Decimal13 ThirteenDigits(std::uint64_t bits, bool exact_always = false) noexcept {
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const auto biased = static_cast<std::int32_t>((bits >> 52) & 0x7FF);
  const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  const std::int32_t e = biased == 0 ? -1074 : biased - 1075;
  // 2^e2 <= value < 2^(e2 + 1), so floor(log10(value)) is `exponent` or one more.
  const std::int32_t e2 = e + 63 - std::countl_zero(m);
  std::int32_t exponent = detail::FloorLog10OfPowerOfTwo(e2);
  bool too_large = false;
  std::uint64_t figure = detail::SeventeenDigits(m, e, 16 - exponent, exact_always, too_large);
  if (too_large) {
    ++exponent;
    figure = detail::SeventeenDigits(m, e, 16 - exponent, exact_always, too_large);
  }
  if (figure == detail::kTenTo17) {  // 99...9.5 and up carried out of the first digit
    figure = detail::kTenTo16;
    ++exponent;
  }
  std::uint64_t digits = (figure + 5000) / 10000;  // the 14th digit decides, 5 and up
  if (digits == 10000000000000u) {
    digits = 1000000000000u;
    ++exponent;
  }
  return {digits, exponent};
}

}  // namespace quillorn::number_to_text
