// The value steps of the calculation: exact bits for the cases that show each rounding rule, and
// (on x86-64) agreement with the x87 unit on random inputs over the whole double range.
#include <gtest/gtest.h>

#include <array>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "hedge/extended.h"
#include "hedge/hedge.h"

namespace quillorn {
namespace {

std::uint64_t Bits(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double FromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string Hex(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%a (%016" PRIx64 ")", value, Bits(value));
  return buffer;
}

constexpr std::uint64_t kPlusInfinity = 0x7FF0000000000000;
constexpr std::uint64_t kMinusInfinity = 0xFFF0000000000000;
constexpr std::uint64_t kDefaultNaN = 0xFFF8000000000000;
constexpr std::uint64_t kMinusZero = 0x8000000000000000;

TEST(DivideHundredBy, RoundsTo64BitsThenToDouble) {
  struct Case {
    double x;
    std::uint64_t expected;
  };
  const Case cases[] = {
      {3.0, Bits(0x1.0aaaaaaaaaaabp+5)},
      // The 64-bit quotient lies exactly between two doubles: the even one, not the nearest
      // to the exact quotient (0x1.9579515ab2475p+5).
      {1.973, Bits(0x1.9579515ab2476p+5)},
      {7.569, Bits(0x1.a6c6f126ede7cp+3)},
      {800.0, Bits(0.125)},
      {-2.0, Bits(-50.0)},
      {0.0, kPlusInfinity},
      {-0.0, kMinusInfinity},
      {FromBits(kPlusInfinity), 0},
      {FromBits(kMinusInfinity), kMinusZero},
      // The quotient lies beyond the double range.
      {1e-307, kPlusInfinity},
      {-1e-307, kMinusInfinity},
      {0x1p-1074, kPlusInfinity},
      // The largest odds give the smallest quotient, still a normal double.
      {0x1.fffffffffffffp+1023, Bits(0x1.9000000000001p-1018)},
      // Not-a-number comes back quiet, with its sign and payload.
      {FromBits(kDefaultNaN), kDefaultNaN},
      {FromBits(0x7FF0000000000123), 0x7FF8000000000123},
      {FromBits(0xFFF8000000000456), 0xFFF8000000000456},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Bits(DivideHundredBy(c.x)), c.expected) << "x = " << Hex(c.x);
  }
}

TEST(SumQuotients, RoundsEachAdditionTo64BitsAndOnceToDouble) {
  struct Case {
    double q1, q2, q3;
    std::uint64_t expected;
  };
  const double q_34 = DivideHundredBy(3.4);
  const double q_26 = DivideHundredBy(2.6276141592332265);
  const double inf = FromBits(kPlusInfinity);
  const Case cases[] = {
      // Adding in doubles gives 107.46910263299313.
      {40.0, q_34, q_26, Bits(107.46910263299314)},
      {DivideHundredBy(3.0), DivideHundredBy(3.0), DivideHundredBy(3.0), Bits(100.0)},
      // Both small terms survive in 64 bits; in doubles each would vanish.
      {1.0, 0x1p-53, 0x1p-60, Bits(0x1.0000000000001p+0)},
      // 1 + 2^-1074 rounds to 1 in 64 bits, so the sum cancels to zero.
      {1.0, 0x1p-1074, -1.0, 0},
      // A tie at the 64th bit goes to even; the double rounding then sees an exact value.
      {1.0, 0x1p-64, 0x1p-53, Bits(1.0)},
      {1.0, 0x1.8p-64, 0x1p-53, Bits(0x1.0000000000001p+0)},
      // 2^-116, 116 places down, breaks the tie at the 64th bit: then the sum lies above the
      // tie between two doubles.
      {1.0, 0x1.0000000000001p-64, 0x1p-53, Bits(0x1.0000000000001p+0)},
      // A term thousands of places down is lost in the 64-bit rounding, so the double rounding
      // sees a tie and goes to even; one rounding of the exact sum would go up.
      {1.0, 0x1p-53, 0x1p-1074, Bits(1.0)},
      {0x1p-1074, 1.0, 0x1p-53, Bits(1.0)},
      {0x1p+1000, -0x1p-1000, -0x1p-1000, Bits(0x1p+1000)},
      {0x1.fffffffffffffp+1023, 0x1p+970, 0.0, kPlusInfinity},
      {0x1.fffffffffffffp+1023, 0x1p+969, 0.0, Bits(0x1.fffffffffffffp+1023)},
      // Zeros: +0 for an exact cancellation and for mixed signs, -0 only from three -0.
      {1.0, -1.0, 0.0, 0},
      {2.5, 0.5, -3.0, 0},
      {-0.0, -0.0, -0.0, kMinusZero},
      {-0.0, 0.0, -0.0, 0},
      {-0.0, -0.0, 0.0, 0},
      {0x1p-1074, -0x1p-1074, -0.0, 0},
      {-0x1p-1074, -0.0, -0.0, Bits(-0x1p-1074)},
      // Infinities.
      {inf, 2.0, 3.0, kPlusInfinity},
      {-inf, -inf, 3.0, kMinusInfinity},
      {inf, -inf, 3.0, kDefaultNaN},
      {2.0, inf, -inf, kDefaultNaN},
      // Not-a-number: the larger significand, the positive one on a tie, always quiet.
      {FromBits(kDefaultNaN), 1.0, inf, kDefaultNaN},
      {1.0, FromBits(0x7FF0000000000001), 2.0, 0x7FF8000000000001},
      {FromBits(0x7FF8000000000001), FromBits(0xFFF8000000000002), 0.0, 0xFFF8000000000002},
      {FromBits(0xFFF8000000000005), FromBits(0x7FF0000000000005), 0.0, 0x7FF8000000000005},
      // The default not-a-number meets one of the same significand: the positive one wins.
      {inf, -inf, FromBits(0x7FF8000000000000), 0x7FF8000000000000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Bits(SumQuotients(c.q1, c.q2, c.q3)), c.expected)
        << Hex(c.q1) << " + " << Hex(c.q2) << " + " << Hex(c.q3) << " gave "
        << Hex(SumQuotients(c.q1, c.q2, c.q3));
  }
}

TEST(ReturnRate, FollowsTheRoundingPoints) {
  struct Case {
    double a, b, c;
    std::uint64_t expected;
  };
  const Case cases[] = {
      // The sum is rounded once: 93.04999999999988, where doubles give 93.0499999999999.
      {2.5, 3.4, 2.6276141592332265, Bits(93.04999999999988)},
      {3.0, 3.0, 3.0, Bits(100.0)},
      {2.0, 4.0, 4.0, Bits(100.0)},
      {800.0, 32.0, 64.0, Bits(100.0 / 4.8125 * 100.0)},
      {0.0, 2.0, 2.0, 0},
      {0.0, -0.0, 2.0, kDefaultNaN},
      {1.0, -2.0, -2.0, kPlusInfinity},
      {FromBits(kMinusInfinity), FromBits(kMinusInfinity), FromBits(kMinusInfinity),
       kMinusInfinity},
      // r is normal but r * 100 overflows.
      {1e308, 1e308, 1e308, kPlusInfinity},
      {-1e308, -1e308, -1e308, kMinusInfinity},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Bits(ReturnRate(c.a, c.b, c.c)), c.expected)
        << c.a << ", " << c.b << ", " << c.c << " gave " << Hex(ReturnRate(c.a, c.b, c.c));
  }
}

// Rounding to double below the normal range and at its top, which the calculation's own steps
// reach only through sums; the general division reaches every case.
TEST(ExtendedToDouble, RoundsIntoSubnormalsAndOverflowsToInfinity) {
  using namespace extended;
  struct Case {
    double dividend, divisor;
    std::uint64_t expected;
  };
  const Case cases[] = {
      {0x1p-100, 0x1p+974, 1},                     // 2^-1074 exactly
      {0x1p-100, 0x1p+975, 0},                     // 2^-1075: a tie, to even zero
      {-0x1p-100, 0x1p+975, kMinusZero},
      {0x1.0000000000001p-100, 0x1p+975, 1},       // just above the tie
      {0x1.8p-99, 0x1p+975, 2},                    // 1.5 * 2^-1074: a tie, to even 2
      {0x1.4p-99, 0x1p+975, 1},                    // 1.25 * 2^-1074
      {0x1p-100, 0x1p+1000, 0},                    // far below
      {0x1.fffffffffffffp-1, 0x1p+1022, 0x000FFFFFFFFFFFFF + 1},  // rounds up to 2^-1022
      {0x1.ffffffffffffep-1, 0x1p+1022, 0x000FFFFFFFFFFFFF},
      {0x1.fffffffffffffp+1023, 0x1.0000000000001p+0, Bits(0x1.ffffffffffffdp+1023)},
      {0x1.fffffffffffffp+1023, 0x1.fffffffffffffp-1, kPlusInfinity},
      {-0x1p+1000, 0x1p-100, kMinusInfinity},
      {1.0, 3.0, Bits(1.0 / 3.0)},
      {0.0, 0.0, kDefaultNaN},
      {FromBits(kPlusInfinity), FromBits(kMinusInfinity), kDefaultNaN},
      {-0.0, 5.0, kMinusZero},
  };
  for (const Case& c : cases) {
    const double got = ToDouble(Divide(FromDouble(c.dividend), FromDouble(c.divisor)));
    EXPECT_EQ(Bits(got), c.expected)
        << Hex(c.dividend) << " / " << Hex(c.divisor) << " gave " << Hex(got);
  }
}

// Bits of a 64-bit term shifted out below the other term's last bit still decide a tie at the
// 64th bit (no double has enough bits to reach that far, so only 64-bit terms show it).
TEST(ExtendedAdd, BitsShiftedOutFarBelowStillBreakTies) {
  using extended::Extended;
  constexpr std::uint64_t kOne = std::uint64_t{1} << 63;
  const Extended one{Extended::Kind::kFinite, false, 0, kOne};
  struct Case {
    Extended small;
    Extended expected;
  };
  const Case cases[] = {
      // 1 + (2^-64 + 2^-127): above the tie, so up.
      {{Extended::Kind::kFinite, false, -64, kOne + 1}, {Extended::Kind::kFinite, false, 0, kOne + 1}},
      {{Extended::Kind::kFinite, false, -64, kOne}, {Extended::Kind::kFinite, false, 0, kOne}},
      // 1 - (2^-65 + 2^-128): below the tie with the finer spacing under 1, so down.
      {{Extended::Kind::kFinite, true, -65, kOne + 1},
       {Extended::Kind::kFinite, false, -1, ~std::uint64_t{0}}},
      {{Extended::Kind::kFinite, true, -65, kOne}, {Extended::Kind::kFinite, false, 0, kOne}},
      {{Extended::Kind::kFinite, true, -66, kOne + 1}, {Extended::Kind::kFinite, false, 0, kOne}},
  };
  for (const Case& c : cases) {
    for (const Extended& got : {extended::Add(one, c.small), extended::Add(c.small, one)}) {
      EXPECT_EQ(got.kind, c.expected.kind);
      EXPECT_EQ(got.negative, c.expected.negative);
      EXPECT_EQ(got.exponent, c.expected.exponent) << "small exponent " << c.small.exponent;
      EXPECT_EQ(got.significand, c.expected.significand) << "small exponent " << c.small.exponent;
    }
  }
}

#if defined(__SIZEOF_INT128__)
TEST(DivideWide, MatchesTheCompilersWideDivision) {
  __extension__ typedef unsigned __int128 U128;
  std::mt19937_64 engine(42);
  int failures = 0;
  for (int i = 0; i < 200000; ++i) {
    // Divisors from the smallest allowed up; dividends up to the largest allowed, where the
    // estimated digits need their corrections.
    std::uint64_t divisor = engine() | (std::uint64_t{1} << 63);
    if (i % 4 == 1) divisor = (std::uint64_t{1} << 63) + (engine() & 0xFFFF);
    if (i % 4 == 2) divisor = ~(engine() & 0xFFFF);
    std::uint64_t high = engine() % divisor;
    std::uint64_t low = engine();
    if (i % 3 == 1) high = divisor - 1 - (engine() & 3);
    if (i % 5 == 1) low = ~(engine() & 0xFF);
    const U128 dividend = (static_cast<U128>(high) << 64) | low;
    std::uint64_t remainder = 0;
    const std::uint64_t quotient = extended::DivideWide(high, low, divisor, remainder);
    if ((quotient != static_cast<std::uint64_t>(dividend / divisor) ||
         remainder != static_cast<std::uint64_t>(dividend % divisor)) &&
        ++failures <= 10) {
      ADD_FAILURE() << std::hex << high << ":" << low << " / " << divisor << " gave " << quotient
                    << " rest " << remainder;
    }
  }
}
#endif

#if defined(__x86_64__)

// The x87 unit with its default settings on this platform: round to nearest, 64-bit significand.
// Every operand and result passes through memory, so nothing is folded or kept wider.
using X87 = volatile long double;

// An x87 register value in the form of the extended format.
extended::Extended Decode(long double value) {
  using extended::Extended;
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  std::uint64_t significand;
  std::uint16_t sign_exponent;
  std::memcpy(&significand, bytes, sizeof significand);
  std::memcpy(&sign_exponent, bytes + 8, sizeof sign_exponent);
  const bool negative = (sign_exponent >> 15) != 0;
  const int biased = sign_exponent & 0x7FFF;
  if (biased == 0x7FFF) {
    if ((significand << 1) == 0) return {Extended::Kind::kInfinity, negative, 0, 0};
    return {Extended::Kind::kNaN, negative, 0, (significand >> 11) & 0x000FFFFFFFFFFFFF};
  }
  if (significand == 0) return {Extended::Kind::kZero, negative, 0, 0};
  return {Extended::Kind::kFinite, negative, biased - 16383, significand};
}

bool Same(const extended::Extended& a, const extended::Extended& b) {
  using Kind = extended::Extended::Kind;
  if (a.kind != b.kind || a.negative != b.negative) return false;
  if (a.kind == Kind::kFinite) return a.exponent == b.exponent && a.significand == b.significand;
  return a.kind != Kind::kNaN || a.significand == b.significand;
}

std::string Describe(const extended::Extended& value) {
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "{kind %d, %c, exponent %d, significand %016" PRIx64 "}",
                static_cast<int>(value.kind), value.negative ? '-' : '+',
                static_cast<int>(value.exponent), value.significand);
  return buffer;
}

extended::Extended Negated(extended::Extended value) {
  value.negative = !value.negative;
  return value;
}

double X87ReturnRate(double a, double b, double c) {
  X87 hundred = 100.0;
  X87 xa = a, xb = b, xc = c;
  X87 qa = hundred / xa, qb = hundred / xb, qc = hundred / xc;
  const double q1 = static_cast<double>(qa), q2 = static_cast<double>(qb),
               q3 = static_cast<double>(qc);
  X87 x1 = q1, x2 = q2, x3 = q3;
  X87 ab = x1 + x2;
  X87 sum = ab + x3;
  X87 s = static_cast<double>(sum);
  X87 r = hundred / s;
  X87 r_double = static_cast<double>(r);
  X87 p = r_double * hundred;
  return static_cast<double>(p);
}

// Doubles of every kind, weighted towards the places where roundings go wrong.
class Inputs {
 public:
  explicit Inputs(std::uint64_t seed) : engine_(seed) {}

  std::uint64_t Below(std::uint64_t n) { return engine_() % n; }

  double Any() {
    const std::uint64_t sign = (engine_() & 1) << 63;
    const std::uint64_t fraction = engine_() & 0x000FFFFFFFFFFFFF;
    switch (Below(8)) {
      case 0:  // any bit pattern
        return FromBits(engine_());
      case 1:  // any exponent, finite
        return FromBits(sign | (Below(2047) << 52) | fraction);
      case 2:  // near 1, or a little apart from it
        return FromBits(sign | (static_cast<std::uint64_t>(1023 - 2 + Below(5)) << 52) |
                        (Below(2) ? fraction : (fraction & 0xFF) | 0x000FFFFFFFFFFF00 * Below(2)));
      case 3:  // decimal odds as typed
        return static_cast<double>(Below(100000) + 1) / static_cast<double>(1 + Below(1000));
      case 4:  // subnormal
        return FromBits(sign | fraction);
      case 5:  // huge
        return FromBits(sign | ((2000 + Below(47)) << 52) | fraction);
      case 6:  // tiny normal
        return FromBits(sign | ((1 + Below(60)) << 52) | fraction);
      default:
        return Special();
    }
  }

  double Special() {
    static constexpr std::array<std::uint64_t, 12> kSpecials = {
        0, kMinusZero, kPlusInfinity, kMinusInfinity, kDefaultNaN, 0x7FF8000000000000,
        0x7FF0000000000001, 0xFFF4000000000000, 0x7FFFFFFFFFFFFFFF, 1, 0x000FFFFFFFFFFFFF,
        0x7FEFFFFFFFFFFFFF};
    return FromBits(kSpecials[Below(kSpecials.size())]);
  }

  // A term near `base` in size: a few to a hundred binary places below it, maybe of the other
  // sign, maybe its near negation, so that sums carry, cancel and land on ties.
  double Near(double base) {
    const std::uint64_t bits = Bits(base);
    const auto biased = static_cast<std::int64_t>((bits >> 52) & 0x7FF);
    if (biased == 0x7FF || Below(10) == 0) return Any();
    const std::uint64_t sign = Below(2) ? (bits & kMinusZero) ^ kMinusZero : bits & kMinusZero;
    std::uint64_t fraction = engine_() & 0x000FFFFFFFFFFFFF;
    if (Below(3) == 0) fraction = (bits + Below(5) - 2) & 0x000FFFFFFFFFFFFF;
    if (Below(3) == 0) fraction &= ~((std::uint64_t{1} << Below(53)) - 1);
    std::int64_t exponent = biased - static_cast<std::int64_t>(Below(Below(4) ? 70 : 2100));
    if (exponent < 0) exponent = 0;
    return FromBits(sign | (static_cast<std::uint64_t>(exponent) << 52) | fraction);
  }

 private:
  std::mt19937_64 engine_;
};

std::uint16_t X87ControlWord() {
  std::uint16_t word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

#if defined(QUILLORN_LONG_TESTS)
constexpr int kRounds = 20'000'000;
#else
constexpr int kRounds = 100'000;
#endif

TEST(X87Reference, MatchesLongDoubleOnRandomInputs) {
  // Precision control 64 bits, rounding to nearest: the reference computes what it should.
  ASSERT_EQ(X87ControlWord() & 0x0F00, 0x0300);
  using namespace extended;
  Inputs inputs(0x5eed'1234'abcd'0001);
  int failures = 0;
  // The 64-bit result of one step, and the double it rounds to.
  auto check = [&failures](const char* what, const Extended& got, long double want,
                           const std::string& operands) {
    const bool same_double = Bits(ToDouble(got)) == Bits(static_cast<double>(want));
    if ((Same(got, Decode(want)) && same_double) || ++failures > 10) return;
    ADD_FAILURE() << what << "(" << operands << "): " << Describe(got) << " -> "
                  << Hex(ToDouble(got)) << ", x87 " << Describe(Decode(want)) << " -> "
                  << Hex(static_cast<double>(want));
  };
  auto hex2 = [](double a, double b) { return Hex(a) + ", " + Hex(b); };
  X87 hundred = 100.0;
  for (int i = 0; i < kRounds; ++i) {
    const double x = inputs.Any();
    X87 xx = x;
    X87 quotient = hundred / xx;
    check("100 / x", Divide(FromDouble(100.0), FromDouble(x)), quotient, Hex(x));
    if (Bits(DivideHundredBy(x)) != Bits(static_cast<double>(quotient)) && ++failures <= 10) {
      ADD_FAILURE() << "DivideHundredBy(" << Hex(x) << ") = " << Hex(DivideHundredBy(x));
    }

    // The sum's two additions, then the 64-bit values against each other, where a term can
    // carry 64 significant bits and lose some of them far below the other's last bit.
    const double q1 = inputs.Below(2) ? inputs.Any() : DivideHundredBy(inputs.Any());
    const double q2 = inputs.Near(q1);
    const double q3 = inputs.Below(2) ? inputs.Near(q1) : -(q1 + q2) + inputs.Near(q1 + q2);
    X87 x1 = q1, x2 = q2, x3 = q3;
    X87 ab = x1 + x2;
    X87 sum = ab + x3;
    const Extended e12 = Add(FromDouble(q1), FromDouble(q2));
    const Extended e123 = Add(e12, FromDouble(q3));
    check("q1 + q2", e12, ab, hex2(q1, q2));
    check("(q1 + q2) + q3", e123, sum, hex2(q1, q2) + ", " + Hex(q3));
    if (Bits(SumQuotients(q1, q2, q3)) != Bits(static_cast<double>(sum)) && ++failures <= 10) {
      ADD_FAILURE() << "SumQuotients(" << hex2(q1, q2) << ", " << Hex(q3) << ")";
    }
    X87 both = sum + ab;
    X87 difference = sum - ab;
    X87 ratio = sum / ab;
    check("e123 + e12", Add(e123, e12), both, Describe(e123) + ", " + Describe(e12));
    // Subtraction as the addition of the negation, except for a not-a-number, whose sign
    // subtraction leaves alone.
    if (e12.kind != Extended::Kind::kNaN && e123.kind != Extended::Kind::kNaN) {
      check("e123 - e12", Add(e123, Negated(e12)), difference,
            Describe(e123) + ", " + Describe(e12));
    }
    check("e123 / e12", Divide(e123, e12), ratio, Describe(e123) + ", " + Describe(e12));

    const double a = inputs.Any();
    const double b = inputs.Near(a);
    X87 xa = a, xb = b;
    X87 a_over_b = xa / xb;
    X87 a_plus_b = xa + xb;
    check("a / b", Divide(FromDouble(a), FromDouble(b)), a_over_b, hex2(a, b));
    check("a + b", Add(FromDouble(a), FromDouble(b)), a_plus_b, hex2(a, b));

    const double o1 = inputs.Any();
    const double o2 = inputs.Near(o1);
    const double o3 = inputs.Near(o2);
    if (Bits(ReturnRate(o1, o2, o3)) != Bits(X87ReturnRate(o1, o2, o3)) && ++failures <= 10) {
      ADD_FAILURE() << "ReturnRate(" << hex2(o1, o2) << ", " << Hex(o3) << ") = "
                    << Hex(ReturnRate(o1, o2, o3)) << ", x87 " << Hex(X87ReturnRate(o1, o2, o3));
    }
  }
  EXPECT_EQ(failures, 0);
}

#endif  // defined(__x86_64__)

}  // namespace
}  // namespace quillorn
