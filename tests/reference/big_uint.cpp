#include "big_uint.h"

#include <algorithm>
#include <stdexcept>

namespace quillorn::reference {

namespace {
constexpr std::uint64_t kLimbBase = std::uint64_t{1} << 32;
std::uint32_t Low32(std::uint64_t v) { return static_cast<std::uint32_t>(v & 0xFFFFFFFFu); }
}  // namespace

BigUint::BigUint(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(Low32(value));
    value >>= 32;
  }
}

BigUint BigUint::Power(std::uint32_t base, std::uint64_t exponent) {
  // Square and multiply: base^exponent = product of base^(2^i) over the set bits i.
  BigUint result(1);
  BigUint square(base);
  for (std::uint64_t rest = exponent; rest != 0; rest >>= 1) {
    if ((rest & 1) != 0) result = result * square;
    if (rest > 1) square = square * square;
  }
  return result;
}

void BigUint::Trim() noexcept {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

std::uint64_t BigUint::BitLength() const noexcept {
  if (limbs_.empty()) return 0;
  std::uint64_t bits = 32 * (limbs_.size() - 1);
  for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1) ++bits;
  return bits;
}

std::uint64_t BigUint::ToUint64() const {
  if (limbs_.size() > 2) throw std::logic_error("BigUint::ToUint64: value too large");
  std::uint64_t value = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) value = (value << 32) | limbs_[i];
  return value;
}

std::string BigUint::ToDecimal() const {
  if (IsZero()) return "0";
  // Nine digits at a time, least significant group first; every group but the top one keeps
  // its leading zeros.
  BigUint rest = *this;
  std::string digits;
  while (!rest.IsZero()) {
    std::uint32_t group = rest.DivideSmall(1000000000);
    for (int i = 0; i < 9 && (group != 0 || !rest.IsZero()); ++i) {
      digits.push_back(static_cast<char>('0' + group % 10));
      group /= 10;
    }
  }
  std::reverse(digits.begin(), digits.end());
  return digits;
}

BigUint& BigUint::MultiplySmall(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = Low32(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(Low32(carry));
  Trim();
  return *this;
}

BigUint& BigUint::AddSmall(std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::size_t i = 0; carry != 0; ++i) {
    if (i == limbs_.size()) limbs_.push_back(0);
    const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
    limbs_[i] = Low32(sum);
    carry = sum >> 32;
  }
  return *this;
}

std::uint32_t BigUint::DivideSmall(std::uint32_t divisor) {
  if (divisor == 0) throw std::logic_error("BigUint::DivideSmall: division by zero");
  std::uint64_t remainder = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) {
    const std::uint64_t current = (remainder << 32) | limbs_[i];
    limbs_[i] = Low32(current / divisor);
    remainder = current % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

int BigUint::Compare(const BigUint& a, const BigUint& b) noexcept {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

BigUint operator+(const BigUint& a, const BigUint& b) {
  BigUint sum;
  const std::size_t n = std::max(a.limbs_.size(), b.limbs_.size());
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t x = i < a.limbs_.size() ? a.limbs_[i] : 0;
    const std::uint64_t y = i < b.limbs_.size() ? b.limbs_[i] : 0;
    const std::uint64_t s = x + y + carry;
    sum.limbs_.push_back(Low32(s));
    carry = s >> 32;
  }
  if (carry != 0) sum.limbs_.push_back(Low32(carry));
  sum.Trim();
  return sum;
}

BigUint& BigUint::operator-=(const BigUint& b) {
  if (*this < b) throw std::logic_error("BigUint: negative difference");
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint64_t x = limbs_[i];
    const std::uint64_t y = (i < b.limbs_.size() ? b.limbs_[i] : 0) + borrow;
    borrow = x >= y ? 0 : 1;
    limbs_[i] = Low32(x + borrow * kLimbBase - y);
  }
  Trim();
  return *this;
}

BigUint operator-(const BigUint& a, const BigUint& b) {
  BigUint difference = a;
  difference -= b;
  return difference;
}

BigUint& BigUint::Halve() noexcept {
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint32_t next = i + 1 < limbs_.size() ? limbs_[i + 1] : 0;
    limbs_[i] = (limbs_[i] >> 1) | (next << 31);
  }
  Trim();
  return *this;
}

BigUint operator*(const BigUint& a, const BigUint& b) {
  BigUint product;
  product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
  for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
      const std::uint64_t t =
          std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j] + carry;
      product.limbs_[i + j] = Low32(t);
      carry = t >> 32;
    }
    for (std::size_t k = i + b.limbs_.size(); carry != 0; ++k) {
      const std::uint64_t t = std::uint64_t{product.limbs_[k]} + carry;
      product.limbs_[k] = Low32(t);
      carry = t >> 32;
    }
  }
  product.Trim();
  return product;
}

BigUint operator<<(const BigUint& a, std::uint64_t bits) {
  if (a.IsZero()) return a;
  BigUint shifted;
  shifted.limbs_.assign(static_cast<std::size_t>(bits / 32), 0);
  const unsigned within = static_cast<unsigned>(bits % 32);
  std::uint32_t carry = 0;
  for (std::uint32_t limb : a.limbs_) {
    shifted.limbs_.push_back(within == 0 ? limb : ((limb << within) | carry));
    carry = within == 0 ? 0 : (limb >> (32 - within));
  }
  if (carry != 0) shifted.limbs_.push_back(carry);
  shifted.Trim();
  return shifted;
}

BigUint::Division BigUint::Divide(const BigUint& numerator, const BigUint& denominator) {
  if (denominator.IsZero()) throw std::logic_error("BigUint::Divide: division by zero");
  Division result{BigUint(), numerator};
  if (numerator < denominator) return result;
  // Schoolbook binary division: part = denominator × 2^bit, from the highest bit down.
  const std::uint64_t top = numerator.BitLength() - denominator.BitLength();
  BigUint part = denominator << top;
  for (std::uint64_t bit = top + 1; bit-- > 0;) {
    result.quotient.MultiplySmall(2);
    if (part <= result.remainder) {
      result.remainder -= part;
      result.quotient.AddSmall(1);
    }
    part.Halve();
  }
  return result;
}

}  // namespace quillorn::reference
