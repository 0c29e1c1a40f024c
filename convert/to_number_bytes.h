#pragma once
// Eight bytes of a text at a time, for the long runs of digits, zeros and spaces that text
// reading steps over. Private to ToNumber.
#include <bit>
#include <cstdint>
#include <cstring>

namespace quillorn::to_number_detail {

// The eight bytes at p, the first one lowest. The caller makes sure they all lie in the text.
inline std::uint64_t LoadEight(const std::uint8_t* p) {
  std::uint64_t v = 0;
  std::memcpy(&v, p, sizeof v);
  if constexpr (std::endian::native == std::endian::big) {
    std::uint64_t swapped = 0;
    for (int i = 0; i < 8; ++i) swapped = (swapped << 8) | ((v >> (8 * i)) & 0xFF);
    v = swapped;
  }
  return v;
}

constexpr std::uint64_t EightTimes(std::uint8_t byte) { return 0x0101010101010101u * byte; }

// True when all eight bytes are '0'..'9'.
constexpr bool AllDigits(std::uint64_t v) {
  return (((v + EightTimes(0x46)) | (v - EightTimes('0'))) & EightTimes(0x80)) == 0;
}

// The eight digits (first byte the most significant digit) as a number, for AllDigits(v).
constexpr std::uint32_t EightDigitsValue(std::uint64_t v) {
  v -= EightTimes('0');
  v = v * 10 + (v >> 8);  // pairs: byte 2i holds the two-digit value of digits 2i, 2i+1
  constexpr std::uint64_t kPairMask = 0x000000FF000000FF;
  constexpr std::uint64_t kHigh = 100 + (std::uint64_t{1000000} << 32);
  constexpr std::uint64_t kLow = 1 + (std::uint64_t{10000} << 32);
  return static_cast<std::uint32_t>(((v & kPairMask) * kHigh + ((v >> 16) & kPairMask) * kLow) >> 32);
}

static_assert(EightDigitsValue(0x3736353433323130) == 1234567);  // "01234567"
static_assert(EightDigitsValue(0x3939393939393939) == 99999999);
static_assert(AllDigits(0x3039303930393039) && !AllDigits(0x302E303030303030) &&
              !AllDigits(0x3A30303030303030) && !AllDigits(0x2F30303030303030));

}  // namespace quillorn::to_number_detail
