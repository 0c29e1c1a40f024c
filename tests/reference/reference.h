#pragma once
// The calculator's value rules restated the slow and obvious way, with exact integers and
// fractions, to check the program's figures against. Nothing here is shared with the program.
//
//   ReadNumber("9007199254740995")   -> 9007199254740994 (an exact tie: the smaller magnitude)
//   WriteNumber(126.94716248575)     -> "126.9471624858" (17 digits first, then 13)
//   Round(2.675, 2)                  -> 2.68
//   HedgeTexts({"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"})
//                                    -> "93.1%" "92.2%" "51.28" "31.25" "28.57"
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillorn::reference {

// Full-width ASCII forms (code page 936) folded to ASCII; every other pair copied whole; a lead
// byte at the very end dropped. Reads `text` up to its first zero byte.
std::string Fold(std::string_view text);

// The number at the start of `text` (up to its first zero byte), by the reading rules: at most
// 24 significant digits, the 25th rounding half up; the exponent capped at 5201; the nearest
// double, an exact tie going to the smaller magnitude, also among subnormals.
double ReadNumber(std::string_view text);

// The text of a double: the exact value rounded half up to 17 significant digits, then half up to
// 13, in the plain form from 1e-4 below 1e13, the exponent form "d.ddde+XXX" outside it.
std::string WriteNumber(double value);

// Rounding to `digits` decimals exactly as written in double arithmetic: scale, add 1e-12, take
// the integer part, add one when the fraction is at least 0.5, scale back, restore the sign.
double Round(double value, std::int32_t digits);

// 100 / x: exact, rounded to a 64-bit significand, then to a double.
double HundredOver(double x);
// (q1 + q2) + q3: each sum exact then rounded to a 64-bit significand; the end rounded to a double.
double SumOfThree(double q1, double q2, double q3);
// (100 / ((100/a + 100/b) + 100/c)) * 100, every step as above; the product rounded to a double.
double RatePercent(double a, double b, double c);

// The five texts (boxes 4, 8, 9, 10, 11) of a click on six odds (boxes 1, 2, 3, 5, 6, 7; nullptr
// for an empty box).
std::array<std::string, 5> HedgeTexts(const std::array<const char*, 6>& odds);

// Texts for a failed comparison.
std::string Describe(double value);        // "0x1.8p+0 (0x3FF8000000000000)"
std::string Printable(std::string_view text);  // non-printing bytes as \xNN

}  // namespace quillorn::reference
