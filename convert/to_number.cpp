// Text to number. The text is folded while it is scanned (the same FoldPair as FoldFullWidth),
// so a text of any length is read in one pass without a copy; the value is then the double
// nearest to the kept digits, decided exactly (convert/to_number_decimal.h).
#include "convert/to_number.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "convert/fold_pair.h"
#include "convert/to_number_bytes.h"
#include "convert/to_number_decimal.h"

namespace quillorn {
namespace {

using to_number_detail::UInt128;

// One character of the folded text: its byte after folding and how many bytes of the text it
// takes (1, or 2 for a two-byte character). At the end of the text: 0, taking no bytes.
struct Folded {
  std::uint8_t c;
  int length;
};

// Stands for a two-byte character that folds to nothing: its lead byte ends any number.
constexpr std::uint8_t kOtherCharacter = 0x80;

// The character at p when it is a two-byte character (or a lead byte before the end).
[[gnu::noinline]] Folded FoldedPairAt(const std::uint8_t* p) {
  const std::uint8_t trail = p[1];
  if (trail == 0) return {0, 0};  // a lead byte without its trail byte is dropped: the end
  const int folded = fold_detail::FoldPair(p[0], trail);
  return {folded < 0 ? kOtherCharacter : static_cast<std::uint8_t>(folded), 2};
}

inline Folded FoldedAt(const std::uint8_t* p) {
  const std::uint8_t lead = *p;
  if (lead < 0x80) return {lead, lead != 0 ? 1 : 0};
  return FoldedPairAt(p);
}

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

  // Takes the run of digits (folded) at p; returns where it ends. `end` is the terminating zero.
  // Plain ASCII digits, the usual case, go eight or one at a time; any other digit through Add.
  const std::uint8_t* Read(const std::uint8_t* p, const std::uint8_t* end, bool after_point) {
    using to_number_detail::AllDigits;
    using to_number_detail::LoadEight;
    for (;;) {
      const std::uint8_t* start = p;
      if (kept == 0) {  // leading zeros
        while (end - p >= 8 && LoadEight(p) == to_number_detail::EightTimes('0')) p += 8;
        while (*p == '0') ++p;
        if (after_point) scale -= p - start;
      } else if (kept < kHeadDigits) {  // into the 64-bit head
        std::uint64_t h = head;
        int room = kHeadDigits - kept;
        for (std::uint64_t v = 0; room >= 8 && end - p >= 8 && AllDigits(v = LoadEight(p)); room -= 8) {
          h = h * 100000000 + to_number_detail::EightDigitsValue(v);
          p += 8;
        }
        for (; room > 0 && IsDigit(*p); --room) h = h * 10 + static_cast<std::uint32_t>(*p++ - '0');
        head = h;
        kept = kHeadDigits - room;
        if (after_point) scale -= p - start;
      } else if (first_dropped >= 0) {  // digits past the 25th: only their count matters
        while (end - p >= 8 && AllDigits(LoadEight(p))) p += 8;
        while (IsDigit(*p)) ++p;
        if (!after_point) scale += p - start;
      }
      const Folded f = FoldedAt(p);
      if (!IsDigit(f.c)) return p;
      Add(f.c - std::uint32_t{'0'}, after_point);
      p += f.length;
    }
  }
};

// Exponent digits stop counting once the running value passes this; it is then taken as 5201.
constexpr int kExponentCap = 5200;

// Appends at most `room` ASCII digits at p to m, four at a time where it can (each byte is
// looked at only once the one before it proved to be a digit, so nothing past the end is read).
inline const std::uint8_t* AppendDigits(const std::uint8_t* p, std::uint64_t& m, int room) {
  std::uint64_t v = m;
  for (; room >= 4 && IsDigit(p[0]) && IsDigit(p[1]) && IsDigit(p[2]) && IsDigit(p[3]); room -= 4) {
    v = v * 10000 + (static_cast<std::uint32_t>(p[0] - '0') * 1000 +
                     static_cast<std::uint32_t>(p[1] - '0') * 100 +
                     static_cast<std::uint32_t>(p[2] - '0') * 10 + static_cast<std::uint32_t>(p[3] - '0'));
    p += 4;
  }
  for (; room > 0 && IsDigit(*p); --room) v = v * 10 + static_cast<std::uint32_t>(*p++ - '0');
  m = v;
  return p;
}

// The usual text, in one quick pass: a few plain spaces, an optional sign, at most 19 ASCII
// digits with at most one point, and then a byte that ends the number (not an exponent letter,
// not part of a two-byte character). False for anything else, which the full reading handles.
inline bool ReadPlainNumber(const std::uint8_t* p, double& value) {
  constexpr int kMostDigits = 19;  // so that they fit in 64 bits, leading zeros included
  constexpr int kMostSpaces = 64;  // longer runs go eight at a time in the full reading
  for (int spaces = 0; *p == ' '; ++p) {
    if (++spaces > kMostSpaces) return false;
  }
  const bool negative = *p == '-';
  if (negative || *p == '+') ++p;
  std::uint64_t m = 0;
  const std::uint8_t* start = p;
  p = AppendDigits(p, m, kMostDigits + 1);
  int fraction_digits = 0;
  if (*p == '.') {
    const std::uint8_t* point = p++;
    p = AppendDigits(p, m, kMostDigits + 1 - static_cast<int>(point - start));
    fraction_digits = static_cast<int>(p - point - 1);
    ++start;
  }
  const auto digits = static_cast<int>(p - start);
  if (digits == 0 || digits > kMostDigits || *p >= 0x80 || IsExponentLetter(*p)) return false;
  const double magnitude = m == 0 ? 0.0 : to_number_detail::NearestDouble(m, -fraction_digits);
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

double ToNumber(const char* text) noexcept {
  const auto* p = reinterpret_cast<const std::uint8_t*>(text != nullptr ? text : "");
  if (double value = 0.0; ReadPlainNumber(p, value)) return value;

  const std::uint8_t* const end = p + std::strlen(reinterpret_cast<const char*>(p));
  while (end - p >= 8 && to_number_detail::LoadEight(p) == to_number_detail::EightTimes(' ')) p += 8;
  while (IsSpace(*p)) ++p;  // plain white space without folding; folded spaces below
  Folded f = FoldedAt(p);
  while (IsSpace(f.c)) {
    p += f.length;
    f = FoldedAt(p);
  }

  bool negative = false;
  if (f.c == '+' || f.c == '-') {
    negative = f.c == '-';
    p += f.length;
  }

  Digits digits;
  const std::uint8_t* before = p;
  p = digits.Read(p, end, false);
  bool any_digit = p != before;
  f = FoldedAt(p);
  if (f.c == '.') {
    p += f.length;
    before = p;
    p = digits.Read(p, end, true);
    any_digit = any_digit || p != before;
  }
  if (!any_digit) return 0.0;  // no number, whatever sign was read

  // The exponent counts only with a digit after the letter and its optional sign.
  int exponent = 0;
  f = FoldedAt(p);
  if (IsExponentLetter(f.c)) {
    p += f.length;
    f = FoldedAt(p);
    bool exponent_negative = false;
    if (f.c == '+' || f.c == '-') {
      exponent_negative = f.c == '-';
      p += f.length;
      f = FoldedAt(p);
    }
    for (; IsDigit(f.c) && exponent <= kExponentCap; f = FoldedAt(p)) {
      exponent = exponent * 10 + (f.c - '0');
      if (exponent > kExponentCap) exponent = kExponentCap + 1;  // later digits change nothing
      p += f.length;
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
