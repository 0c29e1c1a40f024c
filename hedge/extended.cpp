// The extended format in integer arithmetic, and the three value steps of the calculation built
// on it. Operands come from doubles (exponents -1074..1023), so quotients and sums stay within
// about 2^+-1100: far inside a 15-bit exponent, which is why no step here checks for overflow or
// underflow before ToDouble.
#include "hedge/extended.h"

#include <bit>
#include <cstring>

#include "hedge/hedge.h"

namespace quillorn::extended {
namespace {

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kDoubleQuietBit = std::uint64_t{1} << 51;
constexpr std::uint64_t kDoubleSignBit = std::uint64_t{1} << 63;

std::uint64_t BitsOf(double value) noexcept {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double DoubleOf(std::uint64_t bits) noexcept {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

Extended MakeZero(bool negative) noexcept { return {Extended::Kind::kZero, negative, 0, 0}; }
Extended MakeInfinity(bool negative) noexcept {
  return {Extended::Kind::kInfinity, negative, 0, 0};
}
// The x87 "real indefinite": sign set, quiet, payload 0.
Extended DefaultNaN() noexcept { return {Extended::Kind::kNaN, true, 0, kDoubleQuietBit}; }

// Of two operands, at least one a not-a-number: the larger significand, the positive on a tie.
Extended PropagateNaN(const Extended& a, const Extended& b) noexcept {
  const bool a_nan = a.kind == Extended::Kind::kNaN;
  const bool b_nan = b.kind == Extended::Kind::kNaN;
  if (a_nan && b_nan) {
    if (a.significand != b.significand) return a.significand > b.significand ? a : b;
    return a.negative ? b : a;
  }
  return a_nan ? a : b;
}

// Rounds significand + fraction (fraction = the bits below it, as a 64-bit binary fraction) to
// nearest, ties to even, renormalizing a carry out of the top bit.
Extended RoundFinite(bool negative, std::int32_t exponent, std::uint64_t significand,
                     std::uint64_t fraction) noexcept {
  if (fraction > kTopBit || (fraction == kTopBit && (significand & 1) != 0)) {
    ++significand;
    if (significand == 0) {
      significand = kTopBit;
      ++exponent;
    }
  }
  return {Extended::Kind::kFinite, negative, exponent, significand};
}

// A 128-bit unsigned number in two 64-bit halves: high * 2^64 + low.
struct Wide {
  std::uint64_t high;
  std::uint64_t low;
};

// The significand at bits 126..63: one bit of headroom above, 63 bits below.
Wide Place(std::uint64_t significand) noexcept { return {significand >> 1, significand << 63}; }

// value >> count, with a 1 or-ed into bit 0 when any 1 bit was shifted out ("jamming").
Wide ShiftRightJamming(Wide value, std::uint32_t count) noexcept {
  if (count == 0) return value;
  if (count >= 128) return {0, (value.high | value.low) != 0 ? 1u : 0u};
  if (count >= 64) {
    const std::uint32_t within = count - 64;
    const std::uint64_t lost_high = within == 0 ? 0 : value.high << (64 - within);
    const bool lost = value.low != 0 || lost_high != 0;
    return {0, (value.high >> within) | (lost ? 1u : 0u)};
  }
  const bool lost = (value.low << (64 - count)) != 0;
  return {value.high >> count,
          (value.low >> count) | (value.high << (64 - count)) | (lost ? 1u : 0u)};
}

// value << count for count < 128; the caller knows that nothing falls off the top.
Wide ShiftLeft(Wide value, int count) noexcept {
  if (count == 0) return value;
  if (count >= 64) return {value.low << (count - 64), 0};
  const auto c = static_cast<std::uint32_t>(count);
  return {(value.high << c) | (value.low >> (64 - c)), value.low << c};
}

Wide Plus(Wide a, Wide b) noexcept {
  const std::uint64_t low = a.low + b.low;
  return {a.high + b.high + (low < a.low ? 1u : 0u), low};
}

// a - b for a >= b.
Wide Minus(Wide a, Wide b) noexcept {
  return {a.high - b.high - (a.low < b.low ? 1u : 0u), a.low - b.low};
}

int CountLeadingZeros(Wide value) noexcept {
  if (value.high != 0) return std::countl_zero(value.high);
  return 64 + std::countl_zero(value.low);
}

}  // namespace

Extended FromDouble(double value) noexcept {
  const std::uint64_t bits = BitsOf(value);
  const bool negative = (bits & kDoubleSignBit) != 0;
  const auto biased = static_cast<std::int32_t>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & kFractionMask;
  if (biased == 0x7FF) {
    if (fraction == 0) return MakeInfinity(negative);
    return {Extended::Kind::kNaN, negative, 0, fraction | kDoubleQuietBit};
  }
  if (biased == 0) {
    if (fraction == 0) return MakeZero(negative);
    // Subnormal: fraction * 2^-1074, shifted up until its top bit is set.
    const int shift = std::countl_zero(fraction);
    return {Extended::Kind::kFinite, negative, -1011 - shift, fraction << shift};
  }
  return {Extended::Kind::kFinite, negative, biased - 1023,
          ((fraction | (std::uint64_t{1} << 52)) << 11)};
}

double ToDouble(const Extended& value) noexcept {
  const std::uint64_t sign = value.negative ? kDoubleSignBit : 0;
  const std::uint64_t infinity_bits = sign | (std::uint64_t{0x7FF} << 52);
  switch (value.kind) {
    case Extended::Kind::kZero:
      return DoubleOf(sign);
    case Extended::Kind::kInfinity:
      return DoubleOf(infinity_bits);
    case Extended::Kind::kNaN:
      return DoubleOf(infinity_bits | value.significand);
    case Extended::Kind::kFinite:
      break;
  }
  const std::int32_t exponent = value.exponent;
  if (exponent > 1023) return DoubleOf(infinity_bits);
  // Bits of the significand that do not fit: 11 for a normal double, more below 2^-1022 where
  // the subnormal grid is coarser. Below 2^-1075 everything rounds to zero.
  const std::int32_t drop = exponent >= -1022 ? 11 : 11 + (-1022 - exponent);
  if (drop > 64) return DoubleOf(sign);
  const std::uint64_t half = std::uint64_t{1} << (drop - 1);
  const std::uint64_t low_mask = drop == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << drop) - 1;
  const std::uint64_t low = value.significand & low_mask;
  std::uint64_t kept = drop == 64 ? 0 : value.significand >> drop;
  if (low > half || (low == half && (kept & 1) != 0)) ++kept;
  if (exponent < -1022) {
    // The subnormal encoding is the kept bits themselves; a carry into bit 52 gives exactly the
    // encoding of the smallest normal double.
    return DoubleOf(sign | kept);
  }
  std::int32_t biased = exponent + 1023;
  if (kept == (std::uint64_t{1} << 53)) {
    kept >>= 1;
    ++biased;
    if (biased >= 0x7FF) return DoubleOf(infinity_bits);
  }
  return DoubleOf(sign | (static_cast<std::uint64_t>(biased) << 52) | (kept & kFractionMask));
}

Extended Add(const Extended& a, const Extended& b) noexcept {
  using Kind = Extended::Kind;
  if (a.kind == Kind::kNaN || b.kind == Kind::kNaN) return PropagateNaN(a, b);
  if (a.kind == Kind::kInfinity || b.kind == Kind::kInfinity) {
    if (a.kind == Kind::kInfinity && b.kind == Kind::kInfinity && a.negative != b.negative) {
      return DefaultNaN();
    }
    return a.kind == Kind::kInfinity ? a : b;
  }
  if (a.kind == Kind::kZero && b.kind == Kind::kZero) {
    // Rounding to nearest: -0 only when both are -0.
    return MakeZero(a.negative && b.negative);
  }
  if (a.kind == Kind::kZero) return b;
  if (b.kind == Kind::kZero) return a;

  // big has the larger magnitude.
  const bool a_bigger = a.exponent > b.exponent ||
                        (a.exponent == b.exponent && a.significand >= b.significand);
  const Extended& big = a_bigger ? a : b;
  const Extended& small = a_bigger ? b : a;
  // Both significands sit at bits 126..63 of a 128-bit number: bit 127 takes a carry, the 63
  // bits below hold what the smaller operand brings below the larger one's last bit. Whatever
  // is shifted out further down is jammed into bit 0, which keeps the rounding exact: after
  // normalization the rounding bit is at least 60 places above bit 0.
  const Wide big_bits = Place(big.significand);
  const Wide small_bits = ShiftRightJamming(
      Place(small.significand), static_cast<std::uint32_t>(big.exponent - small.exponent));
  const Wide sum = big.negative == small.negative ? Plus(big_bits, small_bits)
                                                  : Minus(big_bits, small_bits);
  // Exact cancellation gives +0 when rounding to nearest.
  if (sum.high == 0 && sum.low == 0) return MakeZero(false);
  const int leading = CountLeadingZeros(sum);
  const Wide normalized = ShiftLeft(sum, leading);
  return RoundFinite(big.negative, big.exponent + 1 - leading, normalized.high, normalized.low);
}

Extended Divide(const Extended& a, const Extended& b) noexcept {
  using Kind = Extended::Kind;
  if (a.kind == Kind::kNaN || b.kind == Kind::kNaN) return PropagateNaN(a, b);
  const bool negative = a.negative != b.negative;
  if (a.kind == Kind::kInfinity) {
    return b.kind == Kind::kInfinity ? DefaultNaN() : MakeInfinity(negative);
  }
  if (a.kind == Kind::kZero) return b.kind == Kind::kZero ? DefaultNaN() : MakeZero(negative);
  if (b.kind == Kind::kInfinity) return MakeZero(negative);
  if (b.kind == Kind::kZero) return MakeInfinity(negative);

  // The quotient of the significands, scaled so that it has exactly 64 bits: from [2^63, 2^64).
  const bool ordered = a.significand >= b.significand;
  const Wide dividend = ordered ? Place(a.significand) : Wide{a.significand, 0};
  std::uint64_t remainder = 0;
  const std::uint64_t quotient = DivideWide(dividend.high, dividend.low, b.significand, remainder);
  // The remainder as a 64-bit fraction of the divisor, exact in what rounding needs: zero,
  // below a half, exactly a half, above a half.
  const std::uint64_t rest = b.significand - remainder;
  std::uint64_t fraction = 0;
  if (remainder == rest) {
    fraction = kTopBit;
  } else if (remainder > rest) {
    fraction = kTopBit + 1;
  } else if (remainder != 0) {
    fraction = 1;
  }
  return RoundFinite(negative, a.exponent - b.exponent - (ordered ? 0 : 1), quotient, fraction);
}

std::uint64_t DivideWide(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                         std::uint64_t& remainder) noexcept {
  // Long division in base 2^32 with a normalized divisor (Knuth's algorithm D for two quotient
  // digits): each digit is estimated from the divisor's top half and corrected at most twice.
  constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
  constexpr std::uint64_t kDigit = kBase - 1;
  const std::uint64_t divisor_high = divisor >> 32;
  const std::uint64_t divisor_low = divisor & kDigit;
  const std::uint64_t low_high = low >> 32;
  const std::uint64_t low_low = low & kDigit;

  std::uint64_t digit_high = high / divisor_high;
  std::uint64_t estimate_rest = high - digit_high * divisor_high;
  while (digit_high >= kBase || digit_high * divisor_low > (estimate_rest << 32) + low_high) {
    --digit_high;
    estimate_rest += divisor_high;
    if (estimate_rest >= kBase) break;
  }
  // The partial remainder is below the divisor; the wrapped products cancel.
  const std::uint64_t middle = (high << 32) + low_high - digit_high * divisor;

  std::uint64_t digit_low = middle / divisor_high;
  estimate_rest = middle - digit_low * divisor_high;
  while (digit_low >= kBase || digit_low * divisor_low > (estimate_rest << 32) + low_low) {
    --digit_low;
    estimate_rest += divisor_high;
    if (estimate_rest >= kBase) break;
  }
  remainder = (middle << 32) + low_low - digit_low * divisor;
  return (digit_high << 32) + digit_low;
}

}  // namespace quillorn::extended

namespace quillorn {

double DivideHundredBy(double x) noexcept {
  using namespace extended;
  return ToDouble(Divide(FromDouble(100.0), FromDouble(x)));
}

double SumQuotients(double q1, double q2, double q3) noexcept {
  using namespace extended;
  return ToDouble(Add(Add(FromDouble(q1), FromDouble(q2)), FromDouble(q3)));
}

double PercentOf(double r) noexcept {
  // r has at most 53 significant bits and 100 = 25 * 4 has 5, so the product has at most 58:
  // in the extended format it is exact, and its one rounding is the rounding to double. A plain
  // double multiplication rounds the exact product once too, overflow and subnormals included,
  // so it gives the same bits.
  return r * 100.0;
}

double ReturnRate(double a, double b, double c) noexcept {
  const double s = SumQuotients(DivideHundredBy(a), DivideHundredBy(b), DivideHundredBy(c));
  return PercentOf(DivideHundredBy(s));
}

}  // namespace quillorn
