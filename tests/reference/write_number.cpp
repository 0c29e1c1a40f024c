// Number to text, the slow way: every decimal digit of the double, two roundings on the digit
// string, then the layout.
#include <cstdint>
#include <cstdio>
#include <string>

#include "exact.h"
#include "reference.h"

namespace quillorn::reference {

namespace {

// Digits with the decimal exponent of the first one: value = d.ddd… × 10^exponent.
struct Figure {
  std::string digits;
  std::int64_t exponent = 0;
};

// All decimal digits of a positive finite value m × 2^e: for e < 0 it is m × 5^-e / 10^-e.
Figure ExactDigits(const Binary& value) {
  Figure figure;
  if (value.exponent >= 0) {
    figure.digits = (value.magnitude << static_cast<std::uint64_t>(value.exponent)).ToDecimal();
    figure.exponent = static_cast<std::int64_t>(figure.digits.size()) - 1;
  } else {
    const std::uint64_t k = static_cast<std::uint64_t>(-value.exponent);
    figure.digits = (value.magnitude * BigUint::Power(5, k)).ToDecimal();
    figure.exponent = static_cast<std::int64_t>(figure.digits.size()) - 1 - static_cast<std::int64_t>(k);
  }
  return figure;
}

// Half up to `count` digits: the digit after the last kept one decides (a missing one is 0).
Figure RoundHalfUp(const Figure& figure, std::size_t count) {
  Figure rounded = figure;
  const bool up = figure.digits.size() > count && figure.digits[count] >= '5';
  rounded.digits = figure.digits.substr(0, count);
  if (up) {
    std::size_t i = rounded.digits.size();
    while (i > 0 && rounded.digits[i - 1] == '9') rounded.digits[--i] = '0';
    if (i == 0) {
      rounded.digits.insert(rounded.digits.begin(), '1');
      rounded.digits.pop_back();
      ++rounded.exponent;
    } else {
      ++rounded.digits[i - 1];
    }
  }
  return rounded;
}

std::string WithoutTrailingZeros(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string NotANumberText(std::uint64_t bits) {
  const bool negative = (bits >> 63) != 0;
  const bool quiet = ((bits >> 51) & 1) != 0;
  const std::uint64_t payload = bits & ((std::uint64_t{1} << 51) - 1);
  std::string text = negative ? "-" : "";
  if (!quiet) return text + "1.#SNAN";
  if (negative && payload == 0) return text + "1.#IND";
  return text + "1.#QNAN";
}

}  // namespace

std::string WriteNumber(double value) {
  const std::uint64_t bits = BitsOf(value);
  const bool negative = (bits >> 63) != 0;
  const bool all_ones_exponent = ((bits >> 52) & 0x7FF) == 0x7FF;
  const bool zero_fraction = (bits & ((std::uint64_t{1} << 52) - 1)) == 0;
  if (all_ones_exponent && zero_fraction) return negative ? "-1.#INF" : "1.#INF";
  if (all_ones_exponent) return NotANumberText(bits);

  Binary magnitude = FromDouble(value);
  if (magnitude.magnitude.IsZero()) return "0";
  magnitude.negative = false;

  Figure figure = RoundHalfUp(RoundHalfUp(ExactDigits(magnitude), 17), 13);
  figure.digits.resize(13, '0');
  const std::int64_t x = figure.exponent;

  std::string text = negative ? "-" : "";
  if (x < -4 || x >= 13) {
    text += WithoutTrailingZeros(figure.digits.substr(0, 1) + "." + figure.digits.substr(1));
    char exponent[32];
    std::snprintf(exponent, sizeof exponent, "e%c%03lld", x < 0 ? '-' : '+',
                  static_cast<long long>(x < 0 ? -x : x));
    text += exponent;
  } else if (x >= 0) {
    const std::size_t point = static_cast<std::size_t>(x) + 1;
    text += WithoutTrailingZeros(figure.digits.substr(0, point) + "." + figure.digits.substr(point));
  } else {
    text += WithoutTrailingZeros("0." + std::string(static_cast<std::size_t>(-x - 1), '0') + figure.digits);
  }
  return text;
}

}  // namespace quillorn::reference
