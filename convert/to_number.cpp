// Text to number. The text is folded while it is scanned (the same FoldPair as FoldFullWidth),
// so a text of any length is read in one pass without a copy; the value is then the double
// nearest to the kept digits, decided exactly (convert/to_number_decimal.h).
#include "convert/to_number.h"

#include <algorithm>
#include <cstdint>

#include "convert/fold_pair.h"
#include "convert/to_number_decimal.h"

namespace quillorn {
namespace {

using to_number_detail::UInt128;

// The folded text, one byte at a time; 0 at its end.
class FoldedReader {
 public:
  explicit FoldedReader(const char* text) : next_(reinterpret_cast<const std::uint8_t*>(text)) {
    Advance();
  }
  std::uint8_t current() const { return current_; }

  void Advance() {
    const std::uint8_t lead = *next_;
    if (lead < 0x80) {
      current_ = lead;
      if (lead != 0) ++next_;
      return;
    }
    const std::uint8_t trail = next_[1];
    if (trail == 0) {  // a lead byte without its trail byte is dropped, and the text ends
      current_ = 0;
      return;
    }
    next_ += 2;
    const int folded = fold_detail::FoldPair(lead, trail);
    current_ = folded < 0 ? kOtherCharacter : static_cast<std::uint8_t>(folded);
  }

 private:
  // Stands for a two-byte character that folds to nothing: its lead byte ends any number.
  static constexpr std::uint8_t kOtherCharacter = 0x80;

  const std::uint8_t* next_;
  std::uint8_t current_ = 0;
};

bool IsDigit(std::uint8_t c) { return static_cast<std::uint8_t>(c - '0') < 10; }
bool IsSpace(std::uint8_t c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }
bool IsExponentLetter(std::uint8_t c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

constexpr int kKeptDigits = 24;
constexpr int kHeadDigits = 19;  // as many as always fit in 64 bits

// The significant digits of a mantissa: the first 24 kept, the 25th remembered for rounding.
struct Digits {
  std::uint64_t head = 0;  // the first up to 19 kept digits
  std::uint64_t tail = 0;  // the kept digits after those
  int kept = 0;
  int first_dropped = -1;  // the 25th significant digit; -1 while there is none
  // Power of ten by which the kept digits, read as an integer, are to be scaled. Moves by one per
  // byte of text at most, so 64 bits cannot overflow.
  std::int64_t scale = 0;

  void Add(std::uint32_t digit, bool after_point) {
    if (kept == 0 && digit == 0) {  // a leading zero: not significant, only its place counts
      if (after_point) --scale;
      return;
    }
    if (kept < kKeptDigits) {
      if (kept < kHeadDigits) {
        head = head * 10 + digit;
      } else {
        tail = tail * 10 + digit;
      }
      ++kept;
      if (after_point) --scale;
      return;
    }
    if (first_dropped < 0) first_dropped = static_cast<int>(digit);
    if (!after_point) ++scale;  // a dropped integer digit still multiplies the value by ten
  }
};

// Exponent digits stop counting once the running value passes this; it is then taken as 5201.
constexpr int kExponentCap = 5200;

}  // namespace

double ToNumber(const char* text) noexcept {
  FoldedReader in(text != nullptr ? text : "");
  while (IsSpace(in.current())) in.Advance();

  bool negative = false;
  if (in.current() == '+' || in.current() == '-') {
    negative = in.current() == '-';
    in.Advance();
  }

  Digits digits;
  bool any_digit = false;
  for (; IsDigit(in.current()); in.Advance()) {
    digits.Add(in.current() - std::uint32_t{'0'}, false);
    any_digit = true;
  }
  if (in.current() == '.') {
    in.Advance();
    for (; IsDigit(in.current()); in.Advance()) {
      digits.Add(in.current() - std::uint32_t{'0'}, true);
      any_digit = true;
    }
  }
  if (!any_digit) return 0.0;  // no number, whatever sign was read

  // The exponent counts only with a digit after the letter and its optional sign.
  int exponent = 0;
  if (IsExponentLetter(in.current())) {
    FoldedReader look = in;
    look.Advance();
    bool exponent_negative = false;
    if (look.current() == '+' || look.current() == '-') {
      exponent_negative = look.current() == '-';
      look.Advance();
    }
    for (; IsDigit(look.current()) && exponent <= kExponentCap; look.Advance()) {
      exponent = exponent * 10 + (look.current() - '0');
      if (exponent > kExponentCap) exponent = kExponentCap + 1;  // later digits change nothing
    }
    if (exponent_negative) exponent = -exponent;
  }

  if (digits.kept == 0) return negative ? -0.0 : 0.0;

  constexpr UInt128 kTenTo24 = UInt128{1000000000000} * 1000000000000;
  static constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000};
  UInt128 m = digits.head;
  if (digits.kept > kHeadDigits) m = m * kPowersOfTen[digits.kept - kHeadDigits] + digits.tail;
  std::int64_t scale = digits.scale;
  if (digits.first_dropped >= 5) {  // half up on the 25th digit
    ++m;
    if (m == kTenTo24) {  // the carry ran through all 24 digits: 10^23 * 10, still 24 digits
      m = kTenTo24 / 10;
      ++scale;
    }
  }
  // Far beyond +-400 every result is zero or infinity; the clamp keeps the sum in an int.
  constexpr std::int64_t kFarExponent = 100000;
  const auto e = static_cast<int>(std::clamp(exponent + scale, -kFarExponent, kFarExponent));
  const double magnitude = to_number_detail::DecimalToDouble(m, digits.kept, e);
  return negative ? -magnitude : magnitude;
}

}  // namespace quillorn
