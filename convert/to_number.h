#pragma once
// Text to number: the number at the start of a text, after optional white space; the rest is
// ignored and a text without a leading number reads +0.0. Never fails, never consults a locale.
//
//   "1.85" -> 0x1.d99999999999ap+0     "  12abc" -> 12       "\t-3.5" -> -3.5
//   "+.5e-3" -> 0.0005                 "5." -> 5             ".", "+", "-", "- 5" -> +0.0
//   "-0" -> -0.0                       "12d" -> 12           "1e0005", "1d5" -> 100000
//   "1e", "1e+", "1ex" -> 1            "1.5+3", "1.5.3" -> 1.5      "1,234" -> 1
//   "1e400" -> +inf   "-1e400" -> -inf   "-1e-400" -> -0.0   "0x1A" -> 0   "inf", "nan" -> +0.0
//   "１２．５" (full-width) -> 12.5     "　３" -> 3            "－２" -> -2
//   "9007199254740995" -> 9007199254740994 (an exact tie goes to the smaller magnitude)
//   "9.9e21" -> 9899999999999998951424
//
// Rules: white space is 09-0D and 20; digits 0-9; the point is '.'; exponent letters e E d D.
// At most 24 significant digits count, rounded half up on the 25th; dropped integer digits still
// scale the value. Exponent digits stop counting above 5200 (taken as 5201). The result is the
// double nearest to the value of the kept digits, an exact tie going to the smaller magnitude;
// the sign applies to zero and infinity.
#include "app/text_memory.h"

namespace quillorn {

// The number at the start of `text` (zero-terminated code page 936; nullptr reads like "").
// Folds full-width forms while it scans, in one pass without allocating: time linear in the
// length of the text, whatever that length.
double ToNumber(const char* text) noexcept;

// A number comes back bit for bit, a not-a-number with its sign and payload.
constexpr double ToNumber(double value) noexcept { return value; }

// The copy of `text` with full-width ASCII forms folded to ASCII:
//   A3 A1..A3 FE -> 21..7E, A1 A1 -> ' ', A1 AB -> '~', A1 EE / A1 EF -> '*';
//   any other two-byte character is copied whole (81 35 stays 81 35: its "5" is no digit);
//   a lead byte directly before the terminating zero is dropped.
//   "１２．５" -> "12.5"    "\x81\x35" -> "\x81\x35"    "12\xB0" -> "12"    nullptr -> ""
// A new block from AllocateMemory, owned by the caller.
Text FoldFullWidth(const char* text);

}  // namespace quillorn
