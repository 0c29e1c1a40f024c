#pragma once
// The extended format of the calculation, in integer arithmetic: a 64-bit significand and an
// exponent range so wide that no value of the calculation overflows or underflows in it. Every
// operation rounds to nearest, ties to even, at the 64th significant bit; ToDouble rounds once
// more, to double, with gradual underflow and overflow to infinity.
//
//   ToDouble(Divide(FromDouble(100.0), FromDouble(1.973))) -> 0x1.9579515ab2476p+5
//     (rounded to 64 bits the quotient lies exactly halfway between two doubles and goes to the
//     even one; one rounding of the exact quotient gives ...2475p+5)
//   ToDouble(Add(Add(FromDouble(1.0), FromDouble(0x1p-53)), FromDouble(0x1p-60)))
//     -> 0x1.0000000000001p+0 (both small terms are kept in 64 bits; adding in doubles gives 1.0)
//   Add(+inf, -inf) -> the default not-a-number (sign set, quiet, payload 0)
//   Add(-0.0, -0.0) -> -0.0     Add(x, -x) -> +0.0
//
// Not-a-number behaves as on the x87 unit: a double not-a-number is quieted when it enters the
// format; of two, the one with the larger significand wins, the positive one on a tie.
#include <cstdint>

namespace quillorn::extended {

struct Extended {
  enum class Kind : std::uint8_t { kZero, kFinite, kInfinity, kNaN };
  Kind kind = Kind::kZero;
  bool negative = false;
  // kFinite: the value is significand * 2^(exponent - 63), the top significand bit set.
  std::int32_t exponent = 0;
  // kFinite: as above. kNaN: the 52 fraction bits of the double, the quiet bit set.
  std::uint64_t significand = 0;
};

// The double exactly (a subnormal is normalized; a signalling not-a-number is quieted).
Extended FromDouble(double value) noexcept;
// Rounded to double, ties to even; beyond the double range +-infinity, below it the subnormal
// or zero that the rounding gives.
double ToDouble(const Extended& value) noexcept;
// a + b rounded to a 64-bit significand.
Extended Add(const Extended& a, const Extended& b) noexcept;
// a / b rounded to a 64-bit significand; x/0 -> +-inf, 0/0 and inf/inf -> default not-a-number.
Extended Divide(const Extended& a, const Extended& b) noexcept;

// (high * 2^64 + low) / divisor and its remainder, for high < divisor and the divisor's top bit
// set (so the quotient fits in 64 bits). Plain 64-bit arithmetic, no 128-bit type.
std::uint64_t DivideWide(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                         std::uint64_t& remainder) noexcept;

}  // namespace quillorn::extended
