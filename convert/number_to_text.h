#pragma once
// Number to text, as the calculator shows figures: the exact value rounded half up to 17
// significant digits, that figure rounded half up to 13, trailing zeros removed, the exponent
// form below 1e-4 and from 1e13 up with at least three exponent digits. '.' whatever the locale.
//
//   96.6 -> "96.6"          1/3 -> "0.3333333333333"       +-0.0 -> "0"
//   12345678901234 -> "1.234567890123e+013"                9999999999999.5 -> "1e+013"
//   0.00001 -> "1e-005"     1.5e-10 -> "1.5e-010"          -0.0001234 -> "-0.0001234"
//   126.94716248575 -> "126.9471624858" (two roundings; one would give ...857)
//   largest double -> "1.797693134862e+308"   smallest subnormal -> "4.940656458412e-324"
//   +inf -> "1.#INF"   -inf -> "-1.#INF"   default NaN (sign, quiet, payload 0) -> "-1.#IND"
//   other NaNs -> "-1.#QNAN" / "1.#QNAN" (quiet), "-1.#SNAN" / "1.#SNAN" (signalling)
//
// Joining: JoinTexts({"96.6", "%"}) -> "96.6%"; an absent text counts as ""; JoinTexts({"", ""})
// -> a block holding only the terminating zero.
#include <cstddef>
#include <initializer_list>

#include "app/text_memory.h"

namespace quillorn {

// Longest text: "-1.797693134862e+308", 20 bytes.
inline constexpr std::size_t kNumberTextCapacity = 20;

// Writes the text of `value` into `out` (no terminating zero) and returns its length.
std::size_t FormatNumber(double value, char (&out)[kNumberTextCapacity]) noexcept;

// The text of `value` in a new block.
Text NumberToText(double value);

// Bytes before the terminating zero; 0 for nullptr.
std::size_t TextLength(const char* text) noexcept;

// The texts one after another in one new block: each measured once, one allocation, each byte
// copied once. nullptr counts as "".
Text JoinTexts(std::initializer_list<const char*> texts);

}  // namespace quillorn
