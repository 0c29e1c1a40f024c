#include "convert/number_to_text.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "convert/number_to_text_decimal.h"

namespace quillorn {
namespace {

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kExponentBits = std::uint64_t{0x7FF} << 52;
constexpr std::uint64_t kFractionBits = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;

// Infinities and not-a-number: "1.#INF", or by sign, quiet bit and payload one of "-1.#IND"
// (the default NaN of invalid operations), "1.#QNAN", "-1.#QNAN", "1.#SNAN", "-1.#SNAN".
std::string_view SpecialText(std::uint64_t bits) noexcept {
  const bool negative = (bits & kSignBit) != 0;
  const std::uint64_t fraction = bits & kFractionBits;
  if (fraction == 0) return negative ? "-1.#INF" : "1.#INF";
  if ((fraction & kQuietBit) == 0) return negative ? "-1.#SNAN" : "1.#SNAN";
  if (negative) return fraction == kQuietBit ? "-1.#IND" : "-1.#QNAN";
  return "1.#QNAN";
}

// Writes `out` and returns the position after it.
char* Put(char* at, std::string_view text) noexcept {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

}  // namespace

std::size_t FormatNumber(double value, char (&out)[kNumberTextCapacity]) noexcept {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  if ((bits & kExponentBits) == kExponentBits) {
    return static_cast<std::size_t>(Put(out, SpecialText(bits)) - out);
  }
  if ((bits & ~kSignBit) == 0) {
    out[0] = '0';
    return 1;
  }
  const number_to_text::Decimal13 decimal = number_to_text::ThirteenDigits(bits);

  char digits[13];
  std::uint64_t rest = decimal.digits;
  for (int i = 12; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  int significant = 13;  // digits kept once the trailing zeros go; the first is never 0
  while (digits[significant - 1] == '0') --significant;
  const auto kept = [&](int from, int to) {  // digits [from, to) of the kept ones
    return std::string_view(digits + from, static_cast<std::size_t>(to - from));
  };

  char* at = out;
  if ((bits & kSignBit) != 0) *at++ = '-';
  const std::int32_t x = decimal.exponent;
  if (x < -4 || x >= 13) {
    *at++ = digits[0];
    if (significant > 1) {
      *at++ = '.';
      at = Put(at, kept(1, significant));
    }
    *at++ = 'e';
    *at++ = x < 0 ? '-' : '+';
    const std::int32_t magnitude = x < 0 ? -x : x;  // at most 324: three digits
    *at++ = static_cast<char>('0' + magnitude / 100);
    *at++ = static_cast<char>('0' + magnitude / 10 % 10);
    *at++ = static_cast<char>('0' + magnitude % 10);
  } else if (x >= 0) {
    const int whole = x + 1;  // zeros among these digits stay: they are whole-number places
    at = Put(at, kept(0, whole));
    if (significant > whole) {
      *at++ = '.';
      at = Put(at, kept(whole, significant));
    }
  } else {
    at = Put(at, "0.");
    for (std::int32_t zeros = -x - 1; zeros > 0; --zeros) *at++ = '0';
    at = Put(at, kept(0, significant));
  }
  return static_cast<std::size_t>(at - out);
}

Text NumberToText(double value) {
  char buffer[kNumberTextCapacity];
  const std::size_t length = FormatNumber(value, buffer);
  return Text::Copy(std::string_view(buffer, length));
}

}  // namespace quillorn
