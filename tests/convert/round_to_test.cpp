// RoundTo: half away from zero after adding 1e-12 to the scaled magnitude, in plain doubles.
#include "convert/round_to.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quillorn {
namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }
double FromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

struct Case {
  double value;
  std::int32_t digits;
  double expected;
  const char* what;
};

// Results compare bit for bit, so -0.0 differs from +0.0.
void ExpectCases(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    const double got = RoundTo(c.value, c.digits);
    EXPECT_EQ(Bits(got), Bits(c.expected))
        << c.what << ": RoundTo(" << std::hexfloat << c.value << ", " << c.digits << ") = " << got
        << ", expected " << c.expected;
  }
}

TEST(RoundTo, ValuesStoredJustBelowAFinalFiveRoundUp) {
  ExpectCases({
      {0x1.5666666666666p+1, 2, 0x1.570a3d70a3d71p+1, "2.675 -> 2.68"},
      {0x1.8233333333333p+6, 1, 0x1.8266666666666p+6, "96.55 -> 96.6"},
      {0x1.0147ae147ae14p+0, 2, 0x1.028f5c28f5c29p+0, "1.005 -> 1.01"},
      {0x1.70a3d70a3d70ap-5, 2, 0x1.999999999999ap-5, "0.045 -> 0.05"},
      {0x1.2666666666666p+0, 1, 0x1.3333333333333p+0, "1.15 -> 1.2"},
      {0x1.7333333333333p+0, 1, 0x1.8p+0, "1.45 -> 1.5"},
  });
}

TEST(RoundTo, HalfAwayFromZeroWithinTheToleranceOnly) {
  ExpectCases({
      {0x1.4p+1, 0, 0x1.8p+1, "2.5 -> 3"},
      {-0x1.4p+1, 0, -0x1.8p+1, "-2.5 -> -3"},
      {0x1.3ffcb923a29c7p+1, 0, 0x1p+1, "2.4999 -> 2"},
      {0x1.fffffffffdcd1p-2, 0, 0x1p+0, "0.4999999999995 -> 1, within 1e-12 of the half"},
      {0x1.fffffffff7343p-2, 0, 0x0p+0, "0.499999999998 -> 0, beyond the tolerance"},
      {0x1.d333333333333p+2, 0, 0x1.cp+2, "7.3 -> 7"},
      {-0x1.47ae147ae147bp-5, 1, -0x0p+0, "-0.04 -> -0.0, the sign stays"},
  });
  EXPECT_EQ(Bits(RoundTo(0x1.d333333333333p+2)), Bits(0x1.cp+2)) << "no count means 0 digits";
}

TEST(RoundTo, NegativeCountsRoundToTensAndHundreds) {
  ExpectCases({
      {0x1.388p+10, -2, 0x1.45p+10, "1250 -> 1300"},
      {0x1.34ap+10, -2, 0x1.2cp+10, "1234.5 -> 1200"},
      {-0x1.388p+10, -2, -0x1.45p+10, "-1250 -> -1300"},
      {0x1.ep+3, -1, 0x1.4p+4, "15 -> 20"},
      {0x1.cp+3, -1, 0x1.4p+3, "14 -> 10"},
  });
}

// The nudge survives the addition only below 2^14: from 2^13 on it comes out as one ulp
// (2^-39), from 2^14 on it is lost.
TEST(RoundTo, NudgeBelowTwoToTheFourteenOnly) {
  ExpectCases({
      {0x1.0007fffffffffp+12, 0, 0x1.001p+12, "4096.5 - 2^-40 -> 4097"},
      {0x1.0007ffffffffep+12, 0, 0x1p+12, "4096.5 - 2^-39 -> 4096: 1e-12 does not reach"},
      {0x1.0003fffffffffp+13, 0, 0x1.0008p+13, "8192.5 - 2^-39 -> 8193: the nudge is one ulp"},
      {0x1.0001fffffffffp+14, 0, 0x1p+14, "16384.5 - 2^-38 -> 16384: the nudge is lost"},
      {0x1.0002p+14, 0, 0x1.0004p+14, "16384.5 -> 16385"},
  });
}

TEST(RoundTo, ZeroNotANumberAndInfinitiesPassThrough) {
  const double inf = std::numeric_limits<double>::infinity();
  ExpectCases({
      {0x0p+0, 1, 0x0p+0, "+0.0"},
      {-0x0p+0, 1, -0x0p+0, "-0.0"},
      {inf, 2, inf, "+inf"},
      {-inf, 1, -inf, "-inf"},
      {0x1.c7b1f3cac7433p+1019, 2, inf, "1e307 * 100 overflows"},
      {-0x1.c7b1f3cac7433p+1019, 2, -inf, "-1e307 * 100 overflows"},
  });
  // Quiet and signalling NaNs with payloads and either sign come back bit for bit.
  for (std::uint64_t bits : {0xFFF8000000000000u, 0x7FF8000000000000u, 0x7FF0000000000001u,
                             0xFFF4000000000123u, 0x7FFFFFFFFFFFFFFFu}) {
    EXPECT_EQ(Bits(RoundTo(FromBits(bits), 2)), bits) << std::hex << bits;
  }
}

}  // namespace
}  // namespace quillorn
