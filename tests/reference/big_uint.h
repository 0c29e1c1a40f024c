#pragma once
// An unsigned integer of any size, written for plain correctness rather than speed: the exact
// arithmetic behind the reference readings and writings of numbers.
//
//   BigUint(10).MultiplySmall(10).ToDecimal()   -> "100"
//   (BigUint(1) << 64).BitLength()              -> 65
//   BigUint::Divide(BigUint(7), BigUint(2))     -> quotient 3, remainder 1
#include <cstdint>
#include <string>
#include <vector>

namespace quillorn::reference {

class BigUint {
 public:
  BigUint() = default;
  explicit BigUint(std::uint64_t value);

  // base^exponent.
  static BigUint Power(std::uint32_t base, std::uint64_t exponent);

  bool IsZero() const noexcept { return limbs_.empty(); }
  bool IsOdd() const noexcept { return !limbs_.empty() && (limbs_[0] & 1u) != 0; }
  // Number of bits up to and including the highest set bit; 0 for zero.
  std::uint64_t BitLength() const noexcept;
  // The value, which must be below 2^64.
  std::uint64_t ToUint64() const;
  // Decimal digits without leading zeros; "0" for zero.
  std::string ToDecimal() const;

  BigUint& MultiplySmall(std::uint32_t factor);
  BigUint& AddSmall(std::uint32_t addend);
  // Subtracts in place; b must not be above the value.
  BigUint& operator-=(const BigUint& b);
  // Halves in place, dropping the lowest bit.
  BigUint& Halve() noexcept;
  // Divides in place by `divisor` (not 0) and returns the remainder.
  std::uint32_t DivideSmall(std::uint32_t divisor);

  // -1, 0 or 1 as a is below, equal to or above b.
  static int Compare(const BigUint& a, const BigUint& b) noexcept;
  // Long division by shifting and subtracting, one quotient bit at a time.
  struct Division;
  static Division Divide(const BigUint& numerator, const BigUint& denominator);

  friend BigUint operator+(const BigUint& a, const BigUint& b);
  // a - b; a must not be below b.
  friend BigUint operator-(const BigUint& a, const BigUint& b);
  friend BigUint operator*(const BigUint& a, const BigUint& b);
  friend BigUint operator<<(const BigUint& a, std::uint64_t bits);
  friend bool operator==(const BigUint& a, const BigUint& b) noexcept { return Compare(a, b) == 0; }
  friend bool operator<(const BigUint& a, const BigUint& b) noexcept { return Compare(a, b) < 0; }
  friend bool operator<=(const BigUint& a, const BigUint& b) noexcept { return Compare(a, b) <= 0; }

 private:
  void Trim() noexcept;
  std::vector<std::uint32_t> limbs_;  // least significant first, no zero limb at the top
};

struct BigUint::Division {
  BigUint quotient;
  BigUint remainder;
};

}  // namespace quillorn::reference
