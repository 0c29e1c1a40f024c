// The reference against the worked examples of the value rules, and against the C library where
// the two must agree. A wrong reference would pass wrong figures, so it gets its own checks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "exact.h"
#include "reference.h"

namespace quillorn::reference {
namespace {

constexpr double kInf = HUGE_VAL;

void ExpectSameBits(double expected, double actual, const std::string& what) {
  EXPECT_EQ(BitsOf(expected), BitsOf(actual))
      << what << ": expected " << Describe(expected) << ", got " << Describe(actual);
}

TEST(BigUint, ArithmeticAndDecimalDigits) {
  const BigUint ten20 = BigUint::Power(10, 20);
  EXPECT_EQ(ten20.ToDecimal(), "100000000000000000000");
  EXPECT_EQ((ten20 * ten20 - BigUint(1)).ToDecimal(), std::string(40, '9'));
  EXPECT_EQ((BigUint(1) << 64).BitLength(), 65u);
  const BigUint::Division d = BigUint::Divide(ten20 + BigUint(7), BigUint(1000));
  EXPECT_EQ(d.quotient.ToDecimal(), "100000000000000000");
  EXPECT_EQ(d.remainder.ToDecimal(), "7");
}

TEST(ExactRounding, TiesAndSubnormals) {
  // 2^53 + 1 lies halfway between 2^53 and 2^53 + 2.
  const BigUint tie = (BigUint(1) << 53) + BigUint(1);
  EXPECT_EQ(ToDouble(RoundQuotient(tie, BigUint(1), 53, kDoubleQuantum, Tie::kToEven)), 0x1p53);
  EXPECT_EQ(ToDouble(RoundQuotient(tie + BigUint(2), BigUint(1), 53, kDoubleQuantum, Tie::kToEven)),
            0x1p53 + 4);
  EXPECT_EQ(ToDouble(RoundQuotient(tie + BigUint(2), BigUint(1), 53, kDoubleQuantum,
                                   Tie::kToSmallerMagnitude)),
            0x1p53 + 2);
  // 3 × 2^-1076 is 0.75 of the smallest step: it rounds up to it; 2^-1075 is a tie and goes to 0.
  EXPECT_EQ(ToDouble(RoundQuotient(BigUint(3), BigUint(1) << 1076, 53, kDoubleQuantum, Tie::kToEven)),
            0x1p-1074);
  EXPECT_EQ(ToDouble(RoundQuotient(BigUint(1), BigUint(1) << 1075, 53, kDoubleQuantum, Tie::kToEven)),
            0.0);
  EXPECT_EQ(ToDouble(RoundQuotient(BigUint(1) << 1024, BigUint(1), 53, kDoubleQuantum, Tie::kToEven)),
            kInf);
}

struct ReadCase {
  const char* text;
  double expected;
};

TEST(ReadNumber, ExamplesOfTheReadingRules) {
  const ReadCase cases[] = {
      {"", 0.0},
      {"1.85", 0x1.d99999999999ap+0},
      {"  12abc", 12},
      {"\t-3.5", -3.5},
      {"+.5e-3", 0x1.0624dd2f1a9fcp-11},
      {"5.", 5},
      {"-.5", -0.5},
      {".", 0.0}, {"+", 0.0}, {"-", 0.0}, {"-.", 0.0},
      {"-0", -0.0}, {"-0.", -0.0}, {"0.", 0.0},
      {"- 5", 0.0},
      {"12d", 12},
      {"1e+05", 100000}, {"1e0005", 100000},
      {"1e99999", kInf},
      {"abc", 0.0}, {"inf", 0.0}, {"nan", 0.0}, {"e5", 0.0},
      {"0x1A", 0.0},
      {"1e5", 100000}, {"1E5", 100000}, {"1d5", 100000}, {"1D5", 100000},
      {"1e", 1}, {"1e+", 1}, {"1e-x", 1},
      {"1.5+3", 1.5}, {"1.5.3", 1.5},
      {"1,234", 1},
      {"1e400", kInf}, {"-1e400", -kInf}, {"1e-400", 0.0}, {"-1e-400", -0.0},
      {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5},
      {"\xA1\xA1\xA3\xB3", 3},
      {"\xA3\xAD\xA3\xB2", -2},
      {"\xB0", 0.0},
      {"\x81" "5", 0.0},  // the 5 is the trail byte of a two-byte character
      {"9007199254740995", 9007199254740994.0},
      {"9.9e21", 9899999999999998951424.0},
      {"00012", 12},
      // 25 significant digits: the 25th rounds the 24th half up, later digits never count.
      {"9007199254740993.000000001", 9007199254740992.0},
      {"9007199254740993.000000005", 9007199254740994.0},
      {"9007199254740992.999999995", 9007199254740992.0},  // the carry ripples up to a tie
      {"0.0000000000000000000000000000001e31", 1},
      // dropped integer digits still scale the value; the exponent stops counting at 5201
      {"1000000000000000000000000000000", 1e30},
      {"1e-99999999999999999999", 0.0},
      // half the smallest subnormal cut to 24 digits lies below the half; rounded up, above it
      {"2.4703282292062327208828439643411068618252990130716238221279284125033775364e-324", 0.0},
      {"2.47032822920623272088285e-324", 0x0.0000000000001p-1022},
      {"4.9406564584124654e-324", 0x0.0000000000001p-1022},
      {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
      {"1.7976931348623157e308", 0x1.fffffffffffffp+1023},
      {"1.7976931348623158e308", 0x1.fffffffffffffp+1023},  // below the half step above it
      {"1.797693134862315808e308", kInf},
  };
  for (const ReadCase& c : cases) ExpectSameBits(c.expected, ReadNumber(c.text), Printable(c.text));
}

TEST(ReadNumber, CappedExponentLetsLongMantissasCount) {
  // 5300 zeros after the 1: the written exponent -99999 counts as -5201, leaving 10^99.
  const std::string text = "1" + std::string(5300, '0') + "e-99999";
  ExpectSameBits(1e99, ReadNumber(text), "1 followed by 5300 zeros, e-99999");
}

TEST(ReadNumber, AgreesWithTheCLibraryOnRoundTrips) {
  // A double's 17-digit text is never a tie, so the nearest double is unambiguous.
  std::mt19937_64 random(1234);
  for (int i = 0; i < 2000; ++i) {
    const double x = FromBits(random() & 0x7FFFFFFFFFFFFFFF);
    if (!std::isfinite(x)) continue;
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", x);
    ExpectSameBits(x, ReadNumber(text), text);
  }
}

TEST(Fold, FullWidthFormsAndOtherPairs) {
  EXPECT_EQ(Fold("\xA3\xA1\xA3\xFE\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF"), "!~ ~**");
  EXPECT_EQ(Fold("\xA3\xFF\xB0\xA1" "a"), "\xA3\xFF\xB0\xA1" "a");
  EXPECT_EQ(Fold(std::string_view("1\xA3", 2)), "1");
  EXPECT_EQ(Fold(std::string_view("1\0" "2", 3)), "1");
}

struct WriteCase {
  double value;
  const char* expected;
};

TEST(WriteNumber, ExamplesOfTheWritingRules) {
  const WriteCase cases[] = {
      {96.6, "96.6"},
      {48.78, "48.78"},
      {2.68, "2.68"},
      {100, "100"},
      {12345.678, "12345.678"},
      {0.0, "0"}, {-0.0, "0"},
      {-2.5, "-2.5"},
      {1.0 / 3, "0.3333333333333"},
      {2.0 / 3, "0.6666666666667"},
      {0.1 + 0.2, "0.3"},
      {1234567890123, "1234567890123"},
      {12345678901234, "1.234567890123e+013"},
      {9999999999999.4, "9999999999999"},
      {9999999999999.5, "1e+013"},
      {123456789012345678.0, "1.234567890123e+017"},
      {1e21, "1e+021"},
      {1e100, "1e+100"},
      {0.0001, "0.0001"},
      {0.000099999999999999, "0.0001"},
      {0.00001, "1e-005"},
      {1e-7, "1e-007"},
      {1.5e-10, "1.5e-010"},
      {-0.0001234, "-0.0001234"},
      {126.94716248575, "126.9471624858"},
      {0x1.fffffffffffffp+1023, "1.797693134862e+308"},
      {-0x1.fffffffffffffp+1023, "-1.797693134862e+308"},
      {0x0.0000000000001p-1022, "4.940656458412e-324"},
      {kInf, "1.#INF"},
      {-kInf, "-1.#INF"},
      {FromBits(0xFFF8000000000000), "-1.#IND"},
      {FromBits(0xFFF8000000000001), "-1.#QNAN"},
      {FromBits(0x7FF8000000000000), "1.#QNAN"},
      {FromBits(0x7FF0000000000001), "1.#SNAN"},
      {FromBits(0xFFF4000000000000), "-1.#SNAN"},
  };
  for (const WriteCase& c : cases) EXPECT_EQ(WriteNumber(c.value), c.expected) << Describe(c.value);
}

TEST(WriteNumber, DigitsAgreeWithTheCLibrary) {
  // glibc's "%.16e" is the exact value rounded to 17 digits (ties to even, which differs from half
  // up only when the expansion ends in a 5 right after the 17th digit: never for these values).
  // Rounding those digits half up to 13 must give the value of the reference's text.
  std::mt19937_64 random(99);
  for (int i = 0; i < 2000; ++i) {
    const double x = FromBits(random() & 0x7FFFFFFFFFFFFFFF);
    if (!std::isfinite(x) || x == 0.0) continue;
    char c17[40];
    std::snprintf(c17, sizeof c17, "%.16e", x);
    std::string digits = std::string(1, c17[0]) + std::string(c17 + 2, 16);
    long exponent = std::strtol(c17 + 19, nullptr, 10);
    const bool up = digits[13] >= '5';
    digits.resize(13);
    if (up) {
      std::size_t k = 13;
      while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
      if (k == 0) {
        digits = "1" + digits.substr(0, 12);
        ++exponent;
      } else {
        ++digits[k - 1];
      }
    }
    const std::string expected = digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
    const std::string mine = WriteNumber(x);
    EXPECT_EQ(std::strtod(mine.c_str(), nullptr), std::strtod(expected.c_str(), nullptr))
        << c17 << " -> " << mine << ", expected " << expected;
  }
}

struct RoundCase {
  double value;
  std::int32_t digits;
  double expected;
};

TEST(Round, ExamplesOfTheRoundingRules) {
  const RoundCase cases[] = {
      {2.675, 2, 2.68}, {96.55, 1, 96.6}, {1.005, 2, 1.01}, {0.045, 2, 0.05},
      {1.15, 1, 1.2}, {1.45, 1, 1.5}, {2.5, 0, 3}, {-2.5, 0, -3}, {2.4999, 0, 2},
      {0.4999999999995, 0, 1}, {0.499999999998, 0, 0}, {-0.04, 1, -0.0},
      {1250, -2, 1300}, {1234.5, -2, 1200}, {0.0, 1, 0.0}, {-0.0, 1, -0.0},
      {kInf, 2, kInf}, {-kInf, 1, -kInf}, {1e307, 2, kInf}, {7.3, 0, 7},
      {FromBits(0xFFF8000000000000), 2, FromBits(0xFFF8000000000000)},
  };
  for (const RoundCase& c : cases) {
    ExpectSameBits(c.expected, Round(c.value, c.digits), Describe(c.value) + " to " + std::to_string(c.digits));
  }
}

TEST(Hedge, StepsOfTheCalculation) {
  ExpectSameBits(kInf, HundredOver(0.0), "100/+0");
  ExpectSameBits(-kInf, HundredOver(-0.0), "100/-0");
  ExpectSameBits(-0.0, HundredOver(-kInf), "100/-inf");
  ExpectSameBits(kInf, HundredOver(1e-307), "100/1e-307");
  ExpectSameBits(FromBits(0xFFF8000000000000), SumOfThree(kInf, -kInf, 1), "inf - inf");
  ExpectSameBits(-0.0, SumOfThree(-0.0, -0.0, -0.0), "three -0");
  ExpectSameBits(0.0, SumOfThree(100, -50, -50), "cancelling sum");
  // The sum is rounded once: 107.46910263299314, not 107.46910263299313.
  const double a = ReadNumber("2.5"), b = ReadNumber("3.4"), c = ReadNumber("2.6276141592332265");
  ExpectSameBits(107.46910263299314, SumOfThree(HundredOver(a), HundredOver(b), HundredOver(c)), "sum");
  ExpectSameBits(93.04999999999988, RatePercent(a, b, c), "rate");
}

struct HedgeRow {
  std::array<const char*, 6> odds;
  std::array<const char*, 5> texts;
};

TEST(Hedge, RowsOfTheCalculator) {
  const HedgeRow rows[] = {
      {{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
       {"0%", "0%", "1.#INF", "1.#INF", "1.#INF"}},
      {{"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"}, {"93.1%", "92.2%", "51.28", "31.25", "28.57"}},
      {{"3", "3", "3", "2", "4", "4"}, {"100%", "100%", "50", "33.33", "33.33"}},
      {{"2.5", "3.4", "2.6276141592332265", "800", "32", "64"}, {"93%", "2077.9%", "0.13", "29.41", "38.06"}},
      {{"2", nullptr, "2", "abc", "2", "2"}, {"0%", "0%", "1.#INF", "1.#INF", "50"}},
      {{"0", "-0", "2", "1", "-2", "-2"}, {"-1.#IND%", "1.#INF%", "100", "-1.#INF", "50"}},
      {{"-2", "-2", "-2", "-2", "-4", "-4"}, {"-66.7%", "-100%", "-50", "-50", "-50"}},
      {{"1e300", "1e300", "1e300", "1e308", "1e308", "1e308"}, {"3.333333333333e+301%", "1.#INF%", "0", "0", "0"}},
      {{"-1e400", "-1e400", "-1e400", "1e-307", "1e400", "1e400"}, {"-1.#INF%", "0%", "1.#INF", "0", "0"}},
      {{"\xA3\xB2\xA3\xAE\xA3\xB5", " 3.2abc", "2,5", "1.5625", "3.125", "3.125"},
       {"82.5%", "78.1%", "64", "31.25", "50"}},
  };
  for (const HedgeRow& row : rows) {
    const std::array<std::string, 5> texts = HedgeTexts(row.odds);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(texts[i], row.texts[i]) << "row " << Printable(row.odds[0] ? row.odds[0] : "") << ", output " << i;
    }
  }
}

}  // namespace
}  // namespace quillorn::reference
