// Text to number: fixed cases with exact expectations, 24-digit rounding, the exponent cap,
// full-width folding and very long texts.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "app/text_memory.h"
#include "convert/to_number.h"

namespace quillorn {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Compares bit patterns, so -0.0 and +0.0 differ, and prints both values in hex.
void ExpectSameDouble(double actual, double expected, const std::string& text) {
  EXPECT_EQ(Bits(actual), Bits(expected))
      << "text \"" << text << "\": got " << std::hexfloat << actual << ", want " << expected;
}

struct Case {
  const char* text;
  double expected;
};

TEST(ToNumber, ReadsTheNumberAtTheStartOfTheText) {
  const Case cases[] = {
      {"", 0.0},
      {"1.85", 0x1.d99999999999ap+0},
      {"  12abc", 12.0},
      {"\t-3.5", -3.5},
      {"\n\v\f\r 7", 7.0},
      {"+.5e-3", 0x1.0624dd2f1a9fcp-11},
      {"5.", 5.0},
      {"-.5", -0.5},
      {".", 0.0},
      {"+", 0.0},
      {"-", 0.0},
      {"-.", 0.0},
      {"-e5", 0.0},
      {"-0", -0.0},
      {"-0.", -0.0},
      {"-000.000e7", -0.0},
      {"0.", 0.0},
      {"- 5", 0.0},
      {"+-5", 0.0},
      {"12d", 12.0},
      {"1e+05", 100000.0},
      {"1e0005", 100000.0},
      {"1e5", 100000.0},
      {"1E5", 100000.0},
      {"1d5", 100000.0},
      {"1D5", 100000.0},
      {"1e-5", 0x1.4f8b588e368f1p-17},
      {"1e", 1.0},
      {"1e+", 1.0},
      {"1e-x", 1.0},
      {"1ex", 1.0},
      {"1e+-5", 1.0},
      {"1e5.5", 100000.0},
      {"1.5+3", 1.5},
      {"1.5.3", 1.5},
      {"1,234", 1.0},
      {"1 234", 1.0},
      {"00012", 12.0},
      {"0x1A", 0.0},
      {"abc", 0.0},
      {"inf", 0.0},
      {"-inf", 0.0},
      {"nan", 0.0},
      {"e5", 0.0},
      {"1e99999", kInf},
      {"1e400", kInf},
      {"-1e400", -kInf},
      {"1e-400", 0.0},
      {"-1e-400", -0.0},
      // Typical odds, and the three that show the single rounding of the return rate.
      {"2.10", 0x1.0cccccccccccdp+1},
      {"3.4", 0x1.b333333333333p+1},
      {"2.5", 2.5},
      {"2.6276141592332265", 0x1.5055a92834e53p+1},
      // Exact ties go to the smaller magnitude (ties to even would give ...996 and ...a7a).
      {"9007199254740995", 0x1.0000000000001p+53},
      {"-9007199254740995", -0x1.0000000000001p+53},
      {"9007199254740993", 0x1p+53},
      {"9.9e21", 0x1.0c570cb5c6a79p+73},
      {"75557863726121446539264", 0x1.0000000003039p+76},  // tie with 23 digits
      {"8796093022209.5185546875", 0x1.0000000000309p+43},  // tie below the decimal point
      // Just off the ties.
      {"9007199254740995.000001", 0x1.0000000000002p+53},
      {"9007199254740994.999999", 0x1.0000000000001p+53},
      {"75557863726121446539264.4", 0x1.000000000303ap+76},
      // The edges of the range.
      {"1.7976931348623157e308", 0x1.fffffffffffffp+1023},
      {"1.7976931348623158e308", 0x1.fffffffffffffp+1023},
      {"1.7976931348623159e308", kInf},
      {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
      {"2.2250738585072012e-308", 0x1p-1022},
      {"4.9406564584124654e-324", 0x1p-1074},
      {"2.4703282292062328e-324", 0x1p-1074},
      {"2.4703282292062327e-324", 0.0},
      {"1e-310", 0x0.012688b70e62bp-1022},
      {"1e23", 0x1.52d02c7e14af6p+76},
      {"123456789012345678901234", 0x1.a249b1f10a06dp+76},
  };
  for (const Case& c : cases) ExpectSameDouble(ToNumber(c.text), c.expected, c.text);
  ExpectSameDouble(ToNumber(static_cast<const char*>(nullptr)), 0.0, "(absent)");
  ExpectSameDouble(ToNumber(kEmptyText), 0.0, "(the empty constant)");
}

TEST(ToNumber, KeepsTwentyFourDigitsRoundedHalfUpOnTheNext) {
  const Case cases[] = {
      // Twenty-four nines and a 5: the carry runs through every kept digit.
      {"9999999999999999999999995", 0x1.08b2a2c280291p+83},       // 10^25
      {"9999999999999999999999994999", 0x1.027e72f1f1281p+93},     // 999...9 (24) * 10^4
      {"0.99999999999999999999999950", 1.0},
      {"-9.999999999999999999999999", -10.0},
      // Digits after the 25th change nothing, and dropped integer digits still count ten.
      {"1234567890123456789012345", 0x1.056e0f36a6444p+80},       // ...235 * 10
      {"1234567890123456789012345678", 0x1.fe9af5b6bcbd5p+89},    // ...235 * 10^4
      {"1234567890123456789012344999999", 0x1.f2a353f47450ep+99},  // ...234 * 10^7
      // The 25th digit cuts just above a tie: the kept digits are the tie, read downwards.
      {"75557863726121446539264.04", 0x1.0000000003039p+76},
      {"75557863726121446539264.0499999", 0x1.0000000003039p+76},
      {"75557863726121446539264.05", 0x1.000000000303ap+76},
      {"0.0000000000000000000000000000000000000001234567890123456789012345", 0x1.5825b568ff414p-133},
  };
  for (const Case& c : cases) ExpectSameDouble(ToNumber(c.text), c.expected, c.text);
}

TEST(ToNumber, ExponentDigitsStopCountingAbove5200) {
  // Without the cap these would read 1e10, 0.1 and 1.
  ExpectSameDouble(ToNumber(("1" + std::string(6000, '0') + "e-5990").c_str()), kInf, "1 0*6000 e-5990");
  ExpectSameDouble(ToNumber(("0." + std::string(5300, '0') + "1e5300").c_str()),
                   0x1.bff2ee48e0530p-333, "0. 0*5300 1e5300");  // 1e-100
  ExpectSameDouble(ToNumber(("0." + std::string(5990, '0') + "1e5991").c_str()), 0.0,
                   "0. 0*5990 1e5991");
  ExpectSameDouble(ToNumber(("0." + std::string(5200, '0') + "1e5201").c_str()), 1.0,
                   "0. 0*5200 1e5201");
  ExpectSameDouble(ToNumber("1e5200"), kInf, "1e5200");
  ExpectSameDouble(ToNumber("1e-000000000000000000000000000000000001"), 0.1 , "1e-0...01");
  ExpectSameDouble(ToNumber("-1e-999999999999999999999999999999999"), -0.0, "-1e-9...");
}

TEST(ToNumber, ARealComesBackBitForBit) {
  const std::uint64_t patterns[] = {0x7FF8000000000000, 0xFFF8000000000000, 0x7FF0000000000001,
                                    0xFFF4000000000123, 0x8000000000000000, 0x7FF0000000000000,
                                    0xFFF0000000000000, 0x0000000000000001};
  for (std::uint64_t p : patterns) EXPECT_EQ(Bits(ToNumber(std::bit_cast<double>(p))), p);
}

TEST(FoldFullWidth, FoldsFullWidthFormsAndCopiesOtherCharactersWhole) {
  struct FoldCase {
    std::string text;
    std::string folded;
  };
  const FoldCase cases[] = {
      {"", ""},
      {"1.85 x", "1.85 x"},
      {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", "12.5"},
      {"\xA1\xA1\xA3\xB3", " 3"},
      {"\xA3\xAD\xA3\xB2", "-2"},
      {"\xA3\xA1\xA3\xFE\xA3\xC5\xA3\xE5\xA3\xAC", "!~Ee,"},
      {"\xA1\xAB\xA1\xEE\xA1\xEF", "~**"},
      {"\xA3\xA0\xA3\xFF\xA1\xA2\xB0\xA1", "\xA3\xA0\xA3\xFF\xA1\xA2\xB0\xA1"},
      {"\x81\x35", "\x81\x35"},                 // the 5 is the trail byte, not a digit
      {"\x81\xA3\xB1\xA3\xB2", "\x81\xA3\xB1\xA3"},  // pairs are taken from the start
      {"12\xB0", "12"},                         // a lead byte at the end is dropped
      {"\xB0", ""},
      {"\x80\x80\xFF\x01", "\x80\x80\xFF\x01"},
  };
  for (const FoldCase& c : cases) {
    const Text folded = FoldFullWidth(c.text.c_str());
    ASSERT_FALSE(folded.absent());
    EXPECT_EQ(folded.view(), c.folded) << "text \"" << c.text << "\"";
  }
  const Text absent = FoldFullWidth(nullptr);
  ASSERT_FALSE(absent.absent());
  EXPECT_EQ(absent.view(), "");
}

TEST(ToNumber, ReadsFullWidthTextAsItsFoldedForm) {
  const Case cases[] = {
      {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5},                     // １２．５
      {"\xA1\xA1\xA3\xB3", 3.0},                                      // 　３
      {"\xA3\xAD\xA3\xB2", -2.0},                                     // －２
      {"\xA3\xAB\xA3\xAE\xA3\xB5\xA3\xE5\xA3\xAD\xA3\xB3", 0x1.0624dd2f1a9fcp-11},  // ＋．５ｅ－３
      {"1\xA3\xB2.5", 12.5},
      {"\xA3\xB1\xA3\xAC\xA3\xB2", 1.0},                              // １，２
      {"\x81\x35", 0.0},
      {"5\x81\x35", 5.0},
      {"12\xB0", 12.0},
      {"1.5\xB0", 1.5},
      {"\xB0", 0.0},
      {"\xA3", 0.0},
      {"1e\xA3", 1.0},
      {"1e\xA3\xB2", 100.0},
      {"1e\xA3\xAB\xA3", 1.0},
      {"\xA1\xA2" "5", 0.0},
  };
  for (const Case& c : cases) ExpectSameDouble(ToNumber(c.text), c.expected, c.text);
}

TEST(ToNumber, ReadsTextsOfTenMegabytes) {
  constexpr std::size_t kLength = 10 * 1000 * 1000;
  ExpectSameDouble(ToNumber(("0." + std::string(kLength, '0')).c_str()), 0.0, "0. 0*10M");
  ExpectSameDouble(ToNumber(("-0." + std::string(kLength, '0') + "1e-5").c_str()), -0.0,
                   "-0. 0*10M 1e-5");
  ExpectSameDouble(ToNumber(("0." + std::string(kLength, '9')).c_str()), 1.0, "0. 9*10M");
  ExpectSameDouble(ToNumber((std::string(kLength, ' ') + "1").c_str()), 1.0, "spaces*10M 1");
  ExpectSameDouble(ToNumber(("1" + std::string(kLength, '0') + "e-5201").c_str()), kInf,
                   "1 0*10M e-5201");
  std::string full_width_zeros = "\xA3\xAE";
  for (std::size_t i = 0; i < kLength / 2; ++i) full_width_zeros += "\xA3\xB0";
  ExpectSameDouble(ToNumber((full_width_zeros + "\xA3\xB5").c_str()), 0.0, "．０*5M ５");
}

}  // namespace
}  // namespace quillorn
