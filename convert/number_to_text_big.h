#pragma once
// A small unsigned big integer for the exact arithmetic behind number to text: building the
// table of powers of ten at compile time and deciding, exactly, the rare figures that the
// 128-bit product leaves open. Usable in constant expressions.
#include <cstddef>
#include <cstdint>

namespace quillorn::number_to_text {

// 1280 bits. The widest number needed is 2^896 while the table is built; an exact comparison
// needs about 850 bits (53 bits of significand times 5^340 times the power of two).
inline constexpr std::size_t kBigWords = 40;

class BigInteger {
 public:
  constexpr explicit BigInteger(std::uint64_t value = 0) noexcept {
    words_[0] = static_cast<std::uint32_t>(value);
    words_[1] = static_cast<std::uint32_t>(value >> 32);
    size_ = words_[1] != 0 ? 2 : (words_[0] != 0 ? 1 : 0);
  }

  // this = this * factor.
  constexpr void MultiplyBy(std::uint32_t factor) noexcept {
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < size_; ++i) {
      const std::uint64_t product = std::uint64_t{words_[i]} * factor + carry;
      words_[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words_[size_++] = static_cast<std::uint32_t>(carry);
  }

  // this = this * 5^count.
  constexpr void MultiplyByPowerOfFive(std::uint32_t count) noexcept {
    constexpr std::uint32_t kFiveTo13 = 1220703125;  // the largest power of five in 32 bits
    for (; count >= 13; count -= 13) MultiplyBy(kFiveTo13);
    std::uint32_t rest = 1;
    for (; count > 0; --count) rest *= 5;
    if (rest != 1) MultiplyBy(rest);
  }

  // this = floor(this / divisor).
  constexpr void DivideBy(std::uint32_t divisor) noexcept {
    std::uint64_t remainder = 0;
    for (std::size_t i = size_; i-- > 0;) {
      const std::uint64_t part = (remainder << 32) | words_[i];
      words_[i] = static_cast<std::uint32_t>(part / divisor);
      remainder = part % divisor;
    }
    Trim();
  }

  // this = this * 2^count.
  constexpr void ShiftLeft(std::uint32_t count) noexcept {
    if (size_ == 0) return;
    const std::size_t whole = count / 32;
    const std::uint32_t part = count % 32;
    std::size_t top = size_ + whole;
    words_[top] = 0;
    for (std::size_t i = size_; i-- > 0;) {
      const std::uint64_t moved = std::uint64_t{words_[i]} << part;
      words_[i + whole + 1] |= static_cast<std::uint32_t>(moved >> 32);
      words_[i + whole] = static_cast<std::uint32_t>(moved);
    }
    for (std::size_t i = 0; i < whole; ++i) words_[i] = 0;
    size_ = top + 1;
    Trim();
  }

  // Number of significant bits; 0 for zero.
  constexpr std::uint32_t BitLength() const noexcept {
    if (size_ == 0) return 0;
    std::uint32_t top = words_[size_ - 1];
    std::uint32_t bits = static_cast<std::uint32_t>(size_ - 1) * 32;
    for (; top != 0; top >>= 1) ++bits;
    return bits;
  }

  // Bits [from, from + 64) as one word; positions below zero read as zero bits.
  constexpr std::uint64_t Bits64(std::int32_t from) const noexcept {
    std::uint64_t result = 0;
    for (std::int32_t bit = 63; bit >= 0; --bit) {
      result <<= 1;
      result |= BitAt(from + bit);
    }
    return result;
  }

  // -1, 0 or 1 as a is below, equal to or above b.
  friend constexpr int Compare(const BigInteger& a, const BigInteger& b) noexcept {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (std::size_t i = a.size_; i-- > 0;) {
      if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  constexpr std::uint64_t BitAt(std::int32_t position) const noexcept {
    if (position < 0) return 0;
    const auto index = static_cast<std::size_t>(position) / 32;
    if (index >= size_) return 0;
    return (words_[index] >> (static_cast<std::uint32_t>(position) % 32)) & 1u;
  }

  constexpr void Trim() noexcept {
    while (size_ > 0 && words_[size_ - 1] == 0) --size_;
  }

  std::uint32_t words_[kBigWords] = {};  // least significant first
  std::size_t size_ = 0;                 // words in use; the top one is not zero
};

}  // namespace quillorn::number_to_text
