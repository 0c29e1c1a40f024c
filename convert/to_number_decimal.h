#pragma once
// The double nearest to M * 10^E for the kept digits of a text, an exact tie going to the smaller
// magnitude. Private to ToNumber.
#include <bit>
#include <cstdint>
#include <limits>

#include "convert/to_number_bignum.h"
#include "convert/to_number_pow5.h"

namespace quillorn::to_number_detail {

__extension__ typedef unsigned __int128 UInt128;

inline constexpr std::uint64_t kTwoTo52 = std::uint64_t{1} << 52;
inline constexpr std::uint64_t kTwoTo53 = std::uint64_t{1} << 53;

// m * 2^k as a double, for m <= 2^53 (m < 2^52 only with k == -1074); infinity above the range.
inline double Assemble(std::uint64_t m, int k) {
  if (m == kTwoTo53) {
    m >>= 1;
    ++k;
  }
  std::uint64_t bits = m;  // subnormal: the exponent field stays zero
  if (m >= kTwoTo52) {
    const int biased = k + 1075;
    if (biased >= 2047) return std::numeric_limits<double>::infinity();
    bits = (static_cast<std::uint64_t>(biased) << 52) | (m - kTwoTo52);
  }
  return std::bit_cast<double>(bits);
}

// True when M * 10^E lies above the midpoint (2m + 1) * 2^(k - 1), decided exactly.
inline bool AboveMidpoint(UInt128 M, int E, std::uint64_t m, int k) {
  BigInt value(static_cast<std::uint64_t>(M >> 64), static_cast<std::uint64_t>(M));
  BigInt midpoint(0, 2 * m + 1);
  // value * 2^value_twos against midpoint * 2^midpoint_twos, the fives already multiplied in.
  int value_twos = 0;
  int midpoint_twos = k - 1;
  if (E >= 0) {
    value.MultiplyPowerOfFive(E);
    value_twos += E;
  } else {
    midpoint.MultiplyPowerOfFive(-E);
    midpoint_twos -= E;
  }
  if (value_twos > midpoint_twos) {
    value.ShiftLeft(value_twos - midpoint_twos);
  } else {
    midpoint.ShiftLeft(midpoint_twos - value_twos);
  }
  return Compare(value, midpoint) > 0;
}

// The double nearest to M * 10^E, an exact tie going to the smaller magnitude.
// Needs 1 <= M < 10^25 and kPowerOfFiveMin <= E <= kPowerOfFiveMax.
[[gnu::always_inline]] inline double NearestDouble(UInt128 M, int E) {
  // Both factors exact and the quotient correctly rounded. It cannot be a tie: a tie would be
  // M / 10^n = odd * 2^j with odd >= 2^53 + 1, so M would hold the odd factor odd * 5^n > M.
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (M <= kTwoTo53 && E <= 0 && E >= -22) {
    return static_cast<double>(static_cast<std::uint64_t>(M)) / kPowersOfTen[-E];
  }

  // Top 64 bits of M times the top 128 bits of 5^E: a 192-bit product X. With V the exact value
  // scaled by the same power of two, X <= V < X + slack.
  const int length = 128 - (static_cast<std::uint64_t>(M >> 64) != 0
                                ? std::countl_zero(static_cast<std::uint64_t>(M >> 64))
                                : 64 + std::countl_zero(static_cast<std::uint64_t>(M)));
  std::uint64_t w = 0;
  bool m_exact = true;
  if (length <= 64) {
    w = static_cast<std::uint64_t>(M) << (64 - length);
  } else {
    w = static_cast<std::uint64_t>(M >> (length - 64));
    m_exact = (M & ((UInt128{1} << (length - 64)) - 1)) == 0;
  }
  const PowerOfFive& five = PowerOfFiveFor(E);
  const UInt128 low_product = UInt128{w} * five.low;
  const UInt128 high_product = UInt128{w} * five.high;
  const UInt128 y = high_product + (low_product >> 64);  // X >> 64, in [2^126, 2^128)
  const auto y_low = static_cast<std::uint64_t>(low_product);  // X mod 2^64
  const bool exact = m_exact && E >= 0 && E <= kLargestExactPowerOfFive;

  // V = y * 2^scale (plus the part below y). The significand is y >> q, 53 bits, or fewer
  // below the normal range.
  const int scale = length + five.exponent2 + E;
  int q = (y >> 127) != 0 ? 127 - 52 : 126 - 52;
  int k = q + scale;  // the double is m * 2^k
  if (k < -1074) {
    q += -1074 - k;
    k = -1074;
    if (q > 128) {
      // m is 0. V < 2^129 * 2^scale, at most half of 2^-1074 from q == 130 on: zero.
      const bool up = q == 129 && AboveMidpoint(M, E, 0, k);
      return up ? Assemble(1, k) : 0.0;
    }
  }
  std::uint64_t m = 0;
  UInt128 rest = 0;
  UInt128 half = 0;
  if (q < 128 - 52 + 2) {  // the usual case: q is 74 or 75 and m lies in the high word of y
    const int shift = q - 64;
    const auto y_high = static_cast<std::uint64_t>(y >> 64);
    m = y_high >> shift;
    rest = (UInt128{y_high & ((std::uint64_t{1} << shift) - 1)} << 64) | static_cast<std::uint64_t>(y);
    half = UInt128{std::uint64_t{1} << (shift - 1)} << 64;
  } else {
    m = q == 128 ? 0 : static_cast<std::uint64_t>(y >> q);
    rest = q == 128 ? y : y & ((UInt128{1} << q) - 1);
    half = UInt128{1} << (q - 1);
  }

  bool up = false;
  if (exact) {
    up = rest > half || (rest == half && y_low != 0);  // rest == half, y_low == 0: a tie, down
  } else {
    // In units of y: V lies in [y, y + 2) when only the power of five is cut, and in
    // [y, y + 2^64 + 3) when M is cut to its top 64 bits too.
    const UInt128 slack = m_exact ? UInt128{2} : (UInt128{1} << 64) + 4;
    if (rest > half) {
      up = true;
    } else if (half - rest >= slack) {
      up = false;
    } else {
      up = AboveMidpoint(M, E, m, k);  // too close to the midpoint to tell: decide exactly
    }
  }
  return Assemble(m + (up ? 1 : 0), k);
}

// The double nearest to M * 10^E, an exact tie going to the smaller magnitude.
// Needs 10^(digits - 1) <= M < 10^digits with digits <= 24; E may be any int.
inline double DecimalToDouble(UInt128 M, int digits, int E) {
  if (digits - 1 + E >= 309) {  // at least 10^309, beyond the largest double
    return std::numeric_limits<double>::infinity();
  }
  if (digits + E <= -324) return 0.0;  // below 10^-324, under half the least subnormal
  return NearestDouble(M, E);          // so E lies in [-347, 308]
}

}  // namespace quillorn::to_number_detail
