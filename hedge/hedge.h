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

// 100 / x with a 64-bit significand, then rounded to double.
double DivideHundredBy(double x) noexcept;
// (q1 + q2) + q3, each addition rounded to a 64-bit significand, the result once to double.
double SumQuotients(double q1, double q2, double q3) noexcept;
// The return rate in percent before rounding: (100 / s) * 100 for the sum s of the quotients.
double ReturnRate(double a, double b, double c) noexcept;

// Reads boxes 1, 2, 3, 5, 6, 7, 5, 2, 3 in this order and writes 4, 8, 9, 10, 11 in this order.
void CalculateHedge(HedgeBoxes& boxes);

// The same path on six texts (boxes 1, 2, 3, 5, 6, 7; nullptr for an empty box), giving the five
// texts of boxes 4, 8, 9, 10, 11.
std::array<Text, 5> ComputeHedgeTexts(const std::array<const char*, 6>& odds);

}  // namespace quillorn
