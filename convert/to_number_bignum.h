#pragma once
// A fixed-size unsigned big integer for the exact decisions of text reading. 2048 bits hold every
// product that reading a number needs (at most about 1240 bits); nothing is allocated.
// Usable at compile time, where it builds the table of powers of five.
#include <cstdint>

namespace quillorn::to_number_detail {

class BigInt {
 public:
  static constexpr int kLimbs = 64;  // 32-bit limbs, least significant first

  constexpr BigInt() = default;
  constexpr BigInt(std::uint64_t high, std::uint64_t low) {
    limbs_[0] = static_cast<std::uint32_t>(low);
    limbs_[1] = static_cast<std::uint32_t>(low >> 32);
    limbs_[2] = static_cast<std::uint32_t>(high);
    limbs_[3] = static_cast<std::uint32_t>(high >> 32);
    size_ = 4;
    Trim();
  }

  // 2^exponent, for 0 <= exponent < 32 * kLimbs.
  static constexpr BigInt PowerOfTwo(int exponent) {
    BigInt b;
    b.size_ = exponent / 32 + 1;
    b.limbs_[exponent / 32] = std::uint32_t{1} << (exponent % 32);
    return b;
  }

  // *this *= factor.
  constexpr void MultiplySmall(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t v = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(v);
      carry = v >> 32;
    }
    if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }

  // *this *= 5^exponent, exponent >= 0.
  constexpr void MultiplyPowerOfFive(int exponent) {
    constexpr std::uint32_t kFiveToThe13 = 1220703125;  // the largest power of five in 32 bits
    for (; exponent >= 13; exponent -= 13) MultiplySmall(kFiveToThe13);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) rest *= 5;
    if (rest != 1) MultiplySmall(rest);
  }

  // *this = floor(*this / divisor), divisor > 0.
  constexpr void DivideSmall(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
      const std::uint64_t v = (remainder << 32) | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(v / divisor);
      remainder = v % divisor;
    }
    Trim();
  }

  // *this <<= bits, bits >= 0.
  constexpr void ShiftLeft(int bits) {
    if (size_ == 0 || bits == 0) return;
    const int limbs = bits / 32;
    const int rest = bits % 32;
    if (rest != 0) {
      std::uint32_t carry = 0;
      for (int i = 0; i < size_; ++i) {
        const std::uint32_t v = limbs_[i];
        limbs_[i] = (v << rest) | carry;
        carry = v >> (32 - rest);
      }
      if (carry != 0) limbs_[size_++] = carry;
    }
    if (limbs != 0) {
      for (int i = size_ - 1; i >= 0; --i) limbs_[i + limbs] = limbs_[i];
      for (int i = 0; i < limbs; ++i) limbs_[i] = 0;
      size_ += limbs;
    }
  }

  // Number of significant bits; 0 for zero.
  constexpr int BitLength() const {
    if (size_ == 0) return 0;
    int bits = 32 * (size_ - 1);
    for (std::uint32_t top = limbs_[size_ - 1]; top != 0; top >>= 1) ++bits;
    return bits;
  }

  // The 64 bits starting at bit `position` (may be negative: zeros come in from below).
  constexpr std::uint64_t Bits64(int position) const {
    std::uint64_t out = 0;
    for (int i = 63; i >= 0; --i) out = (out << 1) | Bit(position + i);
    return out;
  }

  // -1, 0 or +1 as a is less than, equal to or greater than b.
  friend constexpr int Compare(const BigInt& a, const BigInt& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  constexpr std::uint64_t Bit(int position) const {
    if (position < 0 || position >= 32 * size_) return 0;
    return (limbs_[position / 32] >> (position % 32)) & 1u;
  }
  constexpr void Trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  std::uint32_t limbs_[kLimbs] = {};
  int size_ = 0;  // limbs in use; the top one is nonzero
};

}  // namespace quillorn::to_number_detail
