// NumberToText / FormatNumber: the exact value rounded half up to 17 digits, then to 13; the
// texts of infinities and NaNs; '.' whatever the locale (this program also runs under a
// decimal-comma locale).
#include "convert/number_to_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

#include "convert/number_to_text_decimal.h"
#include "tests/support/counting_heap.h"

namespace quillorn {
namespace {

double FromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

std::string Format(double x) {
  char out[kNumberTextCapacity];
  const std::size_t length = FormatNumber(x, out);
  return std::string(out, length);
}

// ---- The reference: exact decimal expansion, two half-up roundings in decimal strings. ----

// digits = all significant digits of |x| (a double has at most 767), x = d.ddd × 10^exponent.
void ExactExpansion(double x, std::string& digits, int& exponent) {
  char buffer[1024];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                    std::chars_format::scientific, 766);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  digits.assign(1, text[0]);
  digits.append(text.substr(2, e - 2));
  const char* from = text.data() + e + 1;
  if (*from == '+') ++from;
  std::from_chars(from, result.ptr, exponent);
}

// Keeps `count` digits, adding one when the first dropped digit is 5 or more.
void RoundHalfUp(std::string& digits, std::size_t count, int& exponent) {
  const bool up = digits.size() > count && digits[count] >= '5';
  digits.resize(count, '0');
  if (!up) return;
  std::size_t i = count;
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0) {
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    ++exponent;
  } else {
    ++digits[i - 1];
  }
}

std::string Reference(double x) {
  if (x == 0.0) return "0";
  std::string digits;
  int exponent = 0;
  ExactExpansion(x, digits, exponent);
  RoundHalfUp(digits, 17, exponent);
  RoundHalfUp(digits, 13, exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = std::signbit(x) ? "-" : "";
  if (exponent < -4 || exponent >= 13) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    std::string power = std::to_string(std::abs(exponent));
    power.insert(0, 3 - std::min<std::size_t>(3, power.size()), '0');
    out += (exponent < 0 ? "e-" : "e+") + power;
  } else if (exponent >= 0) {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() < whole) digits.resize(whole, '0');
    out += digits.substr(0, whole);
    if (digits.size() > whole) out += "." + digits.substr(whole);
  } else {
    out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return out;
}

// ---- Fixed examples. ----

struct Example {
  double value;
  const char* text;
};

TEST(NumberToText, Examples) {
  const Example examples[] = {
      {0x1.8266666666666p+6, "96.6"},
      {0x1.863d70a3d70a4p+5, "48.78"},
      {0x1.570a3d70a3d71p+1, "2.68"},
      {0x1.9p+6, "100"},
      {0x1.81cd6c8b43958p+13, "12345.678"},
      {-0x1.4p+1, "-2.5"},
      {0x1.5555555555555p-2, "0.3333333333333"},       // 1/3
      {0x1.5555555555555p-1, "0.6666666666667"},       // 2/3
      {0x1.3333333333334p-2, "0.3"},                   // 0.1 + 0.2
      {0x1.1f71fb04cb000p+40, "1234567890123"},        // 13 digits: still plain
      {0x1.674e79c5fe400p+43, "1.234567890123e+013"},  // 14 digits: exponent form
      {0x1.2309ce53ffecdp+43, "9999999999999"},        // 9999999999999.4
      {0x1.2309ce53fff00p+43, "1e+013"},               // 9999999999999.5 carries into X = 13
      {0x1.b69b4ba630f35p+56, "1.234567890123e+017"},  // 123456789012345678
      {0x1.b1ae4d6e2ef50p+69, "1e+021"},
      {0x1.249ad2594c37dp+332, "1e+100"},
      {0x1.a36e2eb1c432dp-14, "0.0001"},
      {0x1.a36e2eb1c42e3p-14, "0.0001"},  // 0.000099999999999999
      {0x1.4f8b588e368f1p-17, "1e-005"},
      {0x1.ad7f29abcaf48p-24, "1e-007"},
      {0x1.49da7e361ce4cp-33, "1.5e-010"},
      {-0x1.02c9dedbc309dp-13, "-0.0001234"},
      {0x1.fffffffffffffp+1023, "1.797693134862e+308"},
      {-0x1.fffffffffffffp+1023, "-1.797693134862e+308"},  // the longest text, 20 bytes
      {0x0.0000000000001p-1022, "4.940656458412e-324"},    // smallest subnormal
      {0x0.fffffffffffffp-1022, "2.225073858507e-308"},    // largest subnormal
      {0x1p-1022, "2.225073858507e-308"},
      {0x1.5798ee2308c3ap-27, "1e-008"},  // 1e-8
      {0x1p+0, "1"},
      {0x1.4p+3, "10"},
  };
  for (const Example& e : examples) {
    EXPECT_EQ(Format(e.value), e.text) << std::hexfloat << e.value;
  }
}

// 126.94716248575 is stored as 126.94716248574999..., so 17 digits read 126.94716248575000
// and the 13-digit figure rounds up; one rounding of the exact value to 13 digits gives ...857.
TEST(NumberToText, DoubleRoundingAtTheFourteenthDigitRoundsUp) {
  EXPECT_EQ(Format(0x1.fbc9e4f6712d6p+6), "126.9471624858");
  EXPECT_EQ(Format(-0x1.fbc9e4f6712d6p+6), "-126.9471624858");
}

// Digits 14 to 17 read 4999 and the rest lies within 10^-11 of a half of the 17th digit (about
// 10^-28 of the value): a first figure from 64 significant bits cannot tell these apart; the
// exact value can. Built as m × 2^e ≡ 10^j / 2 ± c·2^(j-1) (mod 10^j) for the large ones, and
// m × 5^k ≡ 2^(d-1) ± c (mod 2^d) for the small ones.
TEST(NumberToText, NearHalvesAtTheSeventeenthDigitDecideTheThirteenth) {
  const Example examples[] = {
      {0x1.47f8286f775eap+113, "1.330401807771e+034"},  // ...04999.5 + 1.2e-12: up
      {0x1.0342eb9df7256p+113, "1.051689213203e+034"},  // ...34999.5 - 3.0e-12: down
      {0x1.01bb72ac369ddp-12, "0.0002457925973098"},    // ...74999.5 + 1.9e-11: up
      {0x1.079343110295bp-12, "0.0002513649388339"},    // ...94999.5 - 5.2e-11: down
  };
  for (const Example& e : examples) {
    EXPECT_EQ(Format(e.value), e.text) << std::hexfloat << e.value;
    EXPECT_EQ(Format(-e.value), std::string("-") + e.text) << std::hexfloat << -e.value;
  }
}

TEST(NumberToText, ZeroHasNoSign) {
  EXPECT_EQ(Format(0.0), "0");
  EXPECT_EQ(Format(-0.0), "0");
}

TEST(NumberToText, InfinitiesAndNaNsBySignQuietBitAndPayload) {
  const struct {
    std::uint64_t bits;
    const char* text;
  } cases[] = {
      {0x7FF0000000000000u, "1.#INF"},   {0xFFF0000000000000u, "-1.#INF"},
      {0xFFF8000000000000u, "-1.#IND"},  // the default NaN of invalid operations
      {0xFFF8000000000001u, "-1.#QNAN"}, {0xFFFC000000000000u, "-1.#QNAN"},
      {0x7FF8000000000000u, "1.#QNAN"},  {0x7FFFFFFFFFFFFFFFu, "1.#QNAN"},
      {0xFFF0000000000001u, "-1.#SNAN"}, {0xFFF4000000000000u, "-1.#SNAN"},
      {0x7FF0000000000001u, "1.#SNAN"},  {0x7FF7FFFFFFFFFFFFu, "1.#SNAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(FromBits(c.bits)), c.text) << std::hex << c.bits;
}

// NumberToText hands out a block of exactly the text's length plus one, in one allocation.
using testing::CountingHeap;
using testing::g_allocations;
using testing::g_last_count;

TEST(NumberToText, OneBlockOfTheTextsLengthPlusOne) {
  SetHeapForTesting(&CountingHeap);
  for (const double x : {0x1.fffffffffffffp+1023, -0x1.fffffffffffffp+1023, 0.0, 0x1.8p+0}) {
    g_allocations = 0;
    const Text text = NumberToText(x);
    EXPECT_EQ(g_allocations, 1u);
    EXPECT_EQ(text.view(), Format(x));
    EXPECT_EQ(g_last_count, text.view().size() + 1);
  }
  SetHeapForTesting(nullptr);
}

// ---- Against the reference. ----

struct Counts {
  std::size_t shown = 0;
  std::size_t failed = 0;
};

void Check(double x, Counts& counts) {
  const std::string got = Format(x);
  const std::string expected = Reference(x);
  if (got != expected && counts.shown++ < 10) {
    ADD_FAILURE() << std::hexfloat << x << ": got " << got << ", expected " << expected;
  }
  if (got != expected) ++counts.failed;
}

#if defined(QUILLORN_LONG_TESTS)
constexpr std::size_t kScale = 100;
#else
constexpr std::size_t kScale = 1;
#endif

TEST(NumberToTextReference, RandomBitPatternsOfEveryExponentIncludingSubnormals) {
  std::mt19937_64 random(20240601);
  Counts counts;
  for (std::size_t i = 0; i < 100000 * kScale; ++i) {
    const double x = FromBits(random());
    if (std::isfinite(x)) Check(x, counts);
  }
  for (std::uint64_t i = 0; i < 20000; ++i) {
    Check(FromBits(0x7FEFFFFFFFFFFFFFu - i), counts);  // the largest doubles
    Check(FromBits(1 + i * 0x10001u), counts);         // subnormals, from the smallest up
  }
  EXPECT_EQ(counts.failed, 0u);
}

// Decimal figures chosen so that digits 14 to 17 are 4999 followed by a digit of 5 or more (one
// rounding would keep the 13th digit), or the 14th digit is a bare 5: the nearest double then
// lies a hair above or below, and only the exact value decides.
TEST(NumberToTextReference, DecimalsAtTheThirteenDigitBoundary) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> five_up(5, 9);
  std::uniform_int_distribution<int> power(-330, 308);
  std::uniform_int_distribution<int> shape(0, 3);
  Counts counts;
  for (std::size_t i = 0; i < 100000 * kScale; ++i) {
    std::string text(1, static_cast<char>('1' + digit(random) % 9));
    for (int d = 1; d < 13; ++d) text += static_cast<char>('0' + digit(random));
    switch (shape(random)) {
      case 0: text += "4999"; text += static_cast<char>('0' + five_up(random)); break;
      case 1: text += "5"; break;
      case 2: text += "49999999"; break;
      default: text += "4999"; text += static_cast<char>('0' + digit(random)); break;
    }
    text += "e" + std::to_string(power(random));
    double x = 0;
    std::from_chars(text.data(), text.data() + text.size(), x);
    if (x != 0.0 && std::isfinite(x)) Check(random() % 2 ? x : -x, counts);
  }
  EXPECT_EQ(counts.failed, 0u);
}

// Doubles whose exact value has exactly 18 significant digits, the last a 5: a decimal tie at
// the 17th digit (odd multiples of 2^-n with 18 - n whole-number digits).
TEST(NumberToTextReference, ExactTiesAtTheSeventeenthDigit) {
  std::mt19937_64 random(11);
  Counts counts;
  std::size_t ties = 0;
  for (std::size_t i = 0; i < 20000 * kScale; ++i) {
    const int n = 2 + static_cast<int>(random() % 14);  // 2..15 binary places
    const double low = std::ldexp(std::pow(10.0, 17 - n), n);  // 10^(17-n) × 2^n
    const double high = std::min(std::ldexp(std::pow(10.0, 18 - n), n), 0x1p53);
    if (low >= high) continue;
    auto m = static_cast<std::uint64_t>(low) +
             random() % static_cast<std::uint64_t>(high - low);
    m |= 1;
    const double x = std::ldexp(static_cast<double>(m), -n);
    std::string digits;
    int exponent = 0;
    ExactExpansion(x, digits, exponent);
    while (digits.back() == '0') digits.pop_back();
    if (digits.size() == 18 && digits.back() == '5') ++ties;
    Check(x, counts);
  }
  EXPECT_GT(ties, 1000u * kScale);
  EXPECT_EQ(counts.failed, 0u);
}

// The exact comparison that settles open cases agrees with the fast product on every figure,
// and answers the half exactly where the product cannot see it.
TEST(NumberToTextReference, ExactComparisonAgreesWithTheFastProduct) {
  using number_to_text::ThirteenDigits;
  std::mt19937_64 random(5);
  std::size_t differ = 0;
  for (std::size_t i = 0; i < 20000 * kScale; ++i) {
    const std::uint64_t bits = random() & 0x7FFFFFFFFFFFFFFFu;
    if (bits == 0 || bits >= 0x7FF0000000000000u) continue;
    const auto fast = ThirteenDigits(bits);
    const auto exact = ThirteenDigits(bits, true);
    if (fast.digits != exact.digits || fast.exponent != exact.exponent) ++differ;
  }
  EXPECT_EQ(differ, 0u);

  using number_to_text::detail::ReachesHalfExactly;
  // m × 2^e × 10^k against whole + 1/2.
  EXPECT_TRUE(ReachesHalfExactly(1, -1, 0, 0));                       // 0.5
  EXPECT_FALSE(ReachesHalfExactly((std::uint64_t{1} << 53) - 1, -54, 0, 0));  // 0.5 - 2^-54
  EXPECT_TRUE(ReachesHalfExactly(15, 0, -1, 1));                      // 1.5
  EXPECT_FALSE(ReachesHalfExactly(149999999999999999, 0, -17, 1));    // 1.49999999999999999
  EXPECT_TRUE(ReachesHalfExactly(1, -1074, 324, 4));   // 4.94065645841246544... - 4
  EXPECT_FALSE(ReachesHalfExactly(1, -1074, 324, 5));  // ... - 5 is negative
  // 2^1023 / 10^290 = 898846567431157953.86..., 2^1023 / 10^291 = 89884656743115795.386...
  EXPECT_TRUE(ReachesHalfExactly(1, 1023, -290, 898846567431157953u));
  EXPECT_FALSE(ReachesHalfExactly(1, 1023, -291, 89884656743115795u));
}

}  // namespace
}  // namespace quillorn
