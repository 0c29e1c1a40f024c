#pragma once
// Comparing doubles bit for bit, with the one freedom the reading rules leave.
#include <cstdint>
#include <cstring>

namespace quillorn::fuzz {

inline std::uint64_t Bits(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Bit for bit, or, for a text read as a value below 2^-1022 in magnitude, one step of the last
// bit apart with the same sign: that last bit is the reader's own choice there.
inline bool SameReading(double expected, double actual) {
  const std::uint64_t e = Bits(expected);
  const std::uint64_t a = Bits(actual);
  if (e == a) return true;
  constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
  constexpr std::uint64_t kSmallestNormal = std::uint64_t{1} << 52;
  if ((e & kSign) != (a & kSign)) return false;
  const std::uint64_t em = e & ~kSign;
  const std::uint64_t am = a & ~kSign;
  if (em > kSmallestNormal || am > kSmallestNormal) return false;
  return em - am == 1 || am - em == 1;
}

}  // namespace quillorn::fuzz
