#pragma once
// The calculator: two groups of three decimal odds in, two return rates and three hedge results
// out, all as texts.
//
//   odds "2.10" "3.20" "3.50" | "1.95" "3.40" "3.60"
//     -> "93.1%" "92.2%" | "51.28" "31.25" "28.57"
//   all six boxes empty -> "0%" "0%" | "1.#INF" "1.#INF" "1.#INF"
//   "2.5" "3.4" "2.6276141592332265" -> rate "93%" (the sum is rounded to double once; adding
//     in doubles would show "93.1%")
#include <array>

#include "app/text_memory.h"

namespace quillorn {

// The edit boxes by number: 1-3 and 5-7 hold odds, 4 and 8 the return rates, 9-11 the results.
// The calculation reads and writes boxes only through this.
class HedgeBoxes {
 public:
  virtual ~HedgeBoxes() = default;
  // A new text with the box's whole text, or an absent text for an empty box.
  virtual Text GetControlText(int box) = 0;
  // Replaces the box's text with a copy of `text` (nullptr empties it).
  virtual void SetControlText(int box, const char* text) = 0;
};

// The value steps. Each works as on a floating-point unit with a 64-bit significand and a wide
// exponent, rounding to nearest with ties to even, but in integer arithmetic: the same bits on
// every compiler and processor.

// 100 / x rounded to a 64-bit significand, then that rounded to double (two roundings).
//   DivideHundredBy(3.0)   -> 0x1.0aaaaaaaaaaabp+5 (33.333333333333336)
//   DivideHundredBy(1.973) -> 0x1.9579515ab2476p+5 (the 64-bit quotient is a tie between two
//                             doubles; one rounding of 100.0 / 1.973 gives ...2475p+5)
//   +0.0 -> +inf   -0.0 -> -inf   +-inf -> +-0.0   1e-307 -> +inf   NaN -> the same NaN, quiet
double DivideHundredBy(double x) noexcept;

// (q1 + q2) + q3, each addition rounded to a 64-bit significand, the result once to double.
//   SumQuotients(40.0, 29.411764705882355, 38.05733792711079) -> 107.46910263299314
//     (in doubles: 107.46910263299313)
//   +inf, -inf, x -> the default NaN (bits 0xFFF8000000000000)
//   1.0, -1.0, 0.0 -> +0.0      -0.0, -0.0, -0.0 -> -0.0      NaN among them -> that NaN, quiet
double SumQuotients(double q1, double q2, double q3) noexcept;

// r * 100.0 rounded to double (the product is exact with a 64-bit significand, so this is one
// plain double multiplication).   1e307 -> +inf
double PercentOf(double r) noexcept;

// The return rate in percent before rounding: PercentOf(DivideHundredBy(s)) for the sum s of the
// quotients of the odds a, b and c.
//   ReturnRate(2.5, 3.4, 2.6276141592332265) -> 93.04999999999988 (RoundTo 1 decimal: 93)
//   ReturnRate(0.0, 2.0, 2.0) -> 0.0      ReturnRate(0.0, -0.0, 2.0) -> the default NaN
double ReturnRate(double a, double b, double c) noexcept;

// The click of the button. Reads boxes 1, 2, 3, 5, 6, 7, 5, 2, 3 in this order, each text
// converted by ToNumber (an absent text as "") and released before the next read, and writes
// 4, 8, 9, 10, 11 in this order:
//   box 4: ReturnRate of boxes 1, 2, 3, RoundTo 1 decimal, NumberToText, followed by "%"
//   box 8: the same for boxes 5, 6, 7
//   boxes 9, 10, 11: DivideHundredBy of box 5, 2 and 3, RoundTo 2 decimals, NumberToText
// Checks nothing and keeps nothing between calls; every text it receives it releases.
void CalculateHedge(HedgeBoxes& boxes);

// The same path on six texts (boxes 1, 2, 3, 5, 6, 7; nullptr or "" for an empty box), giving
// the five texts of boxes 4, 8, 9, 10, 11.
//   {"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"} -> {"93.1%", "92.2%", "51.28", "31.25", "28.57"}
std::array<Text, 5> ComputeHedgeTexts(const std::array<const char*, 6>& odds);

}  // namespace quillorn
