// Text to number against std::from_chars on random texts, and on the exact midpoints between
// neighbouring doubles, where the two must differ whenever ties to even picks the larger.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "app/text_memory.h"
#include "convert/to_number.h"

namespace quillorn {
namespace {

#ifdef QUILLORN_LONG_TESTS
constexpr int kRuns = 5000000;
#else
constexpr int kRuns = 50000;
#endif

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// A decimal value digits * 10^exponent; `digits` has no leading zero (and is "0" for zero).
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The same value with no trailing zeros in `digits`, so equal values compare equal.
Decimal Canonical(Decimal d) {
  while (d.digits.size() > 1 && d.digits.back() == '0') {
    d.digits.pop_back();
    ++d.exponent;
  }
  return d;
}

bool operator==(const Decimal& a, const Decimal& b) {
  const Decimal x = Canonical(a);
  const Decimal y = Canonical(b);
  return x.digits == y.digits && x.exponent == y.exponent;
}

// The exact decimal value of n * 2^twos, by schoolbook arithmetic on decimal digits.
Decimal ExactDecimal(std::uint64_t n, int twos) {
  std::vector<int> little;  // least significant digit first
  for (; n != 0; n /= 10) little.push_back(static_cast<int>(n % 10));
  const int factor = twos >= 0 ? 2 : 5;  // n * 2^-j == n * 5^j / 10^j
  for (int i = 0; i < std::abs(twos); ++i) {
    int carry = 0;
    for (int& digit : little) {
      const int v = digit * factor + carry;
      digit = v % 10;
      carry = v / 10;
    }
    for (; carry != 0; carry /= 10) little.push_back(carry % 10);
  }
  Decimal d;
  for (auto it = little.rbegin(); it != little.rend(); ++it) d.digits += static_cast<char>('0' + *it);
  d.exponent = twos >= 0 ? 0 : twos;
  return d;
}

// A positive finite double as m * 2^k with k the exponent of its last bit.
void Decompose(double x, std::uint64_t& m, int& k) {
  const std::uint64_t bits = Bits(x);
  const int field = static_cast<int>(bits >> 52);
  m = bits & ((std::uint64_t{1} << 52) - 1);
  if (field == 0) {
    k = -1074;
  } else {
    m |= std::uint64_t{1} << 52;
    k = field - 1075;
  }
}

// The exact midpoint between a positive double and the next one up.
Decimal MidpointAbove(double lower) {
  std::uint64_t m = 0;
  int k = 0;
  Decompose(lower, m, k);
  return ExactDecimal(2 * m + 1, k - 1);
}

// Some way of writing d: scientific, plain, with leading zeros, a sign, spaces or a tail.
std::string Write(const Decimal& d, std::mt19937_64& rng) {
  const int length = static_cast<int>(d.digits.size());
  std::string text;
  switch (rng() % 4) {
    case 0:
      text = d.digits + "e" + std::to_string(d.exponent);
      break;
    case 1: {  // d.ddd e x
      text = d.digits.substr(0, 1) + "." + d.digits.substr(1) + (rng() % 2 ? "E" : "d") +
             std::to_string(d.exponent + length - 1);
      break;
    }
    default: {  // positional, when it stays short
      if (d.exponent >= 0 && d.exponent < 40) {
        text = d.digits + std::string(static_cast<std::size_t>(d.exponent), '0') + (rng() % 2 ? "." : "");
      } else if (d.exponent < 0 && -d.exponent < length) {
        const auto point = static_cast<std::size_t>(length + d.exponent);
        text = d.digits.substr(0, point) + "." + d.digits.substr(point);
      } else if (d.exponent < 0 && -d.exponent < length + 40) {
        text = "0." + std::string(static_cast<std::size_t>(-d.exponent - length), '0') + d.digits;
      } else {
        text = d.digits + "e" + std::to_string(d.exponent);
      }
      if (rng() % 4 == 0) text = "000" + text;
    }
  }
  if (rng() % 8 == 0) text = "+" + text;
  if (rng() % 8 == 0) text = " \t" + text;
  if (rng() % 8 == 0) text += "x1";
  return text;
}

// What std::from_chars reads for d (out of range gives zero or infinity).
double FromChars(const Decimal& d) {
  const std::string text = d.digits + "e" + std::to_string(d.exponent);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    const bool large = static_cast<int>(d.digits.size()) + d.exponent > 0;
    return large ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// The value ToNumber must give for d (at most 24 significant digits): what from_chars gives,
// except on an exact tie, where it is the smaller of the two neighbours.
double Expected(const Decimal& d) {
  const double nearest = FromChars(d);
  // A midpoint is odd * 2^j with odd < 2^54; written in at most 24 digits its decimal exponent
  // lies in [-11, 23] (from 5^11 in odd * 5^-j * 10^j, and 5^23 < 2^54 dividing odd).
  const int exponent = Canonical(d).exponent;
  if (exponent < -30 || exponent > 30 || std::isinf(nearest)) return nearest;
  const double below = std::nextafter(nearest, 0.0);
  if (nearest > 0.0 && d == MidpointAbove(below)) return below;
  return nearest;
}

// d rounded to its first 24 significant digits, half up on the 25th.
Decimal KeptDigits(const Decimal& d) {
  if (d.digits.size() <= 24) return d;
  Decimal kept{d.digits.substr(0, 24), d.exponent + static_cast<int>(d.digits.size()) - 24};
  if (d.digits[24] >= '5') {
    int i = 23;
    for (; i >= 0 && kept.digits[static_cast<std::size_t>(i)] == '9'; --i) {
      kept.digits[static_cast<std::size_t>(i)] = '0';
    }
    if (i < 0) {
      kept.digits.insert(kept.digits.begin(), '1');
    } else {
      ++kept.digits[static_cast<std::size_t>(i)];
    }
  }
  return kept;
}

Decimal RandomDecimal(std::mt19937_64& rng, int min_digits, int max_digits, int min_exp, int max_exp) {
  const int length = min_digits + static_cast<int>(rng() % static_cast<std::uint64_t>(max_digits - min_digits + 1));
  Decimal d;
  d.digits += static_cast<char>('1' + rng() % 9);
  for (int i = 1; i < length; ++i) {
    // Runs of 0 and 9 reach the carries and the values just off round numbers.
    const std::uint64_t pick = rng() % 16;
    d.digits += static_cast<char>(pick < 3 ? '0' : pick < 6 ? '9' : '0' + static_cast<int>(rng() % 10));
  }
  d.exponent = min_exp + static_cast<int>(rng() % static_cast<std::uint64_t>(max_exp - min_exp + 1));
  return d;
}

void CheckText(const std::string& text, double expected) {
  const double got = ToNumber(text.c_str());
  ASSERT_EQ(Bits(got), Bits(expected)) << "text \"" << text << "\": got " << std::hexfloat << got
                                       << ", want " << expected;
}

TEST(ToNumberAgainstFromChars, AgreesOnRandomTextsOfUpTo24Digits) {
  std::mt19937_64 rng(20240611);
  for (int i = 0; i < kRuns; ++i) {
    // Over the whole range, including subnormals and both overflow edges.
    const Decimal d = RandomDecimal(rng, 1, 24, -350, 310);
    const std::string text = Write(d, rng);
    ASSERT_NO_FATAL_FAILURE(CheckText(text, Expected(d)));
    ASSERT_NO_FATAL_FAILURE(CheckText("-" + text.substr(text.find_first_not_of(" \t+")),
                                      -Expected(d)));
  }
}

TEST(ToNumberAgainstFromChars, ReadsLongerTextsAsTheir24RoundedDigits) {
  std::mt19937_64 rng(77);
  for (int i = 0; i < kRuns; ++i) {
    const Decimal d = RandomDecimal(rng, 25, 60, -360, 300);
    ASSERT_NO_FATAL_FAILURE(CheckText(Write(d, rng), Expected(KeptDigits(d))));
  }
}

TEST(ToNumberAgainstFromChars, ExactTiesGoToTheSmallerMagnitude) {
  std::mt19937_64 rng(5);
  int ties = 0;
  for (int i = 0; i < kRuns; ++i) {
    // A double m * 2^k whose midpoint with the next one up, (2m + 1) * 2^(k - 1), can be
    // written in at most 24 digits: k - 1 from -11 (the odd factor times 5^11) to 25.
    std::uint64_t m = (std::uint64_t{1} << 52) | (rng() & ((std::uint64_t{1} << 52) - 1));
    if (i % 16 == 0) m = (std::uint64_t{1} << 53) - 1;  // the tie reaches into the next binade
    if (i % 16 == 1) m = std::uint64_t{1} << 52;
    const int k = -10 + static_cast<int>(rng() % 37);
    const double lower = std::ldexp(static_cast<double>(m), k);
    const double upper = std::nextafter(lower, std::numeric_limits<double>::infinity());
    // Written as an integer times 10^min(0, k - 1): one more digit moves it by less than the
    // distance to either neighbour.
    const Decimal mid = ExactDecimal(2 * m + 1, k - 1);
    if (mid.digits.size() > 24) continue;
    ++ties;
    const std::string text = Write(mid, rng);
    ASSERT_NO_FATAL_FAILURE(CheckText(text, lower));
    ASSERT_NO_FATAL_FAILURE(CheckText("-" + mid.digits + "e" + std::to_string(mid.exponent), -lower));
    if (mid.digits.size() <= 23) {
      // One digit more, just above or just below the midpoint.
      ASSERT_NO_FATAL_FAILURE(CheckText(mid.digits + "1e" + std::to_string(mid.exponent - 1), upper));
      Decimal under = mid;  // the digits minus one in the last place (the midpoint is not 0)
      std::size_t last = under.digits.size() - 1;
      for (; under.digits[last] == '0'; --last) under.digits[last] = '9';
      --under.digits[last];
      ASSERT_NO_FATAL_FAILURE(CheckText(under.digits + "9e" + std::to_string(mid.exponent - 1), lower));
      // Digits beyond the 24th are dropped: the text reads as the tie although it lies above.
      const std::string padding(24 - mid.digits.size(), '0');
      ASSERT_NO_FATAL_FAILURE(CheckText(
          mid.digits + padding + "4999e" + std::to_string(mid.exponent - static_cast<int>(padding.size()) - 4),
          lower));
      // A 25th digit of 5 rounds the kept digits up, off the tie.
      ASSERT_NO_FATAL_FAILURE(CheckText(
          mid.digits + padding + "5e" + std::to_string(mid.exponent - static_cast<int>(padding.size()) - 1),
          upper));
    }
  }
  EXPECT_GT(ties, kRuns / 2);  // the inputs really are ties
}

TEST(ToNumberAgainstFromChars, FoldingWhileScanningReadsLikeTheFoldedCopy) {
  // Bytes that fold to parts of a number, bytes that start two-byte characters, and ASCII.
  const std::string alphabet[] = {"1", "0", "9", ".", "e", "-", "+", " ", "\xA3\xB5", "\xA3\xAE",
                                  "\xA3\xE5", "\xA3\xAD", "\xA1\xA1", "\xA3", "\xA1", "\x81",
                                  "\xB0", "\x35", "\xA3\xB0", "d", "\t", ","};
  std::mt19937_64 rng(9);
  for (int i = 0; i < kRuns; ++i) {
    std::string text;
    const std::uint64_t length = rng() % 12;
    for (std::uint64_t j = 0; j < length; ++j) text += alphabet[rng() % std::size(alphabet)];
    const Text folded = FoldFullWidth(text.c_str());
    ASSERT_EQ(Bits(ToNumber(text.c_str())), Bits(ToNumber(folded.get()))) << "text \"" << text << "\"";
  }
}

}  // namespace
}  // namespace quillorn
