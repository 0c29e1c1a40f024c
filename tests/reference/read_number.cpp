// Text to number, the slow way: the digits are collected as a string, the value is the fraction
// M × 10^E built from them, and the double is found by exact division.
#include <cmath>
#include <cstdint>
#include <string>

#include "exact.h"
#include "reference.h"

namespace quillorn::reference {

std::string Fold(std::string_view text) {
  const std::string_view bytes = text.substr(0, text.find('\0'));
  std::string folded;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      folded.push_back(static_cast<char>(lead));
      continue;
    }
    if (i + 1 == bytes.size()) break;  // a lead byte without its trail byte
    const auto trail = static_cast<unsigned char>(bytes[i + 1]);
    ++i;
    if (lead == 0xA1 && trail == 0xA1) {
      folded.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded.push_back('*');
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded.push_back(static_cast<char>(trail - 0x80));
    } else {
      folded.push_back(static_cast<char>(lead));
      folded.push_back(static_cast<char>(trail));
    }
  }
  return folded;
}

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// The parts of the number at the start of a text.
struct Scanned {
  bool negative = false;
  std::string integer_digits;   // as written, leading zeros included
  std::string fraction_digits;  // as written
  bool exponent_negative = false;
  std::int64_t exponent = 0;  // already capped at 5201
};

// False when the text has no mantissa digit.
bool Scan(const std::string& s, Scanned& out) {
  std::size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.negative = s[i++] == '-';
  while (i < s.size() && IsDigit(s[i])) out.integer_digits.push_back(s[i++]);
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) out.fraction_digits.push_back(s[i++]);
  }
  if (out.integer_digits.empty() && out.fraction_digits.empty()) return false;

  // The exponent counts only when a digit follows the letter (and its sign).
  if (i < s.size() && IsExponentLetter(s[i])) {
    std::size_t j = i + 1;
    bool negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negative = s[j++] == '-';
    if (j < s.size() && IsDigit(s[j])) {
      out.exponent_negative = negative;
      while (j < s.size() && IsDigit(s[j])) {
        out.exponent = out.exponent * 10 + (s[j++] - '0');
        if (out.exponent > 5200) out.exponent = 5201;  // the rest of the digits no longer count
      }
    }
  }
  return true;
}

}  // namespace

double ReadNumber(std::string_view text) {
  Scanned number;
  if (!Scan(Fold(text), number)) return 0.0;

  // value = digits × 10^(written exponent − number of fraction digits)
  const std::string all = number.integer_digits + number.fraction_digits;
  std::int64_t exponent = (number.exponent_negative ? -number.exponent : number.exponent) -
                          static_cast<std::int64_t>(number.fraction_digits.size());

  // The significant digits: leading zeros dropped, at most 24 kept, the 25th rounding half up;
  // each dropped digit moves the decimal exponent up by one.
  const std::size_t first = all.find_first_not_of('0');
  const std::string significant = first == std::string::npos ? "" : all.substr(first);
  std::string kept = significant.substr(0, 24);
  bool round_up = false;
  if (significant.size() > 24) {
    exponent += static_cast<std::int64_t>(significant.size() - 24);
    round_up = significant[24] >= '5';
  }
  BigUint m;
  for (char digit : kept) m.MultiplySmall(10).AddSmall(static_cast<std::uint32_t>(digit - '0'));
  if (round_up) m.AddSmall(1);

  const double zero = number.negative ? -0.0 : 0.0;
  const double infinity = number.negative ? -HUGE_VAL : HUGE_VAL;
  if (m.IsZero()) return zero;
  // 1 <= M <= 10^24, so beyond these bounds the result is settled without arithmetic:
  // 10^401 is far above the largest double, 10^(24-401) far below half the smallest one.
  if (exponent > 400) return infinity;
  if (exponent < -401) return zero;

  const BigUint scale = BigUint::Power(10, static_cast<std::uint64_t>(std::llabs(exponent)));
  const BigUint numerator = exponent >= 0 ? m * scale : m;
  const BigUint denominator = exponent >= 0 ? BigUint(1) : scale;
  return ToDouble(RoundQuotient(numerator, denominator, 53, kDoubleQuantum, Tie::kToSmallerMagnitude,
                                number.negative));
}

}  // namespace quillorn::reference
