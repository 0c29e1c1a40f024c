#pragma once
// Rounding to a number of decimals, half away from zero, after adding 1e-12 to the scaled
// magnitude, in plain double arithmetic (each step one rounded double operation).
//
//   RoundTo(2.675, 2) -> 2.68     RoundTo(1.005, 2) -> 1.01    RoundTo(96.55, 1) -> 96.6
//   RoundTo(-2.5, 0)  -> -3       RoundTo(-0.04, 1) -> -0.0    RoundTo(1250, -2) -> 1300
//   RoundTo(0.4999999999995, 0) -> 1 (within 1e-12 of the half)
//   RoundTo(1e307, 2) -> +inf     RoundTo(x, n) for x = +-0.0 or NaN -> x, bit for bit
//
// Steps, each one double operation: p = |x| * 10^digits (|x| / 10^-digits for a negative count),
// a = p + 1e-12, I = trunc(a), one more when a - I >= 0.5, result I / 10^digits (I * 10^-digits)
// with the sign of x. 10^n is exact up to n = 22; beyond, it is 10^22 multiplied by 10 one step
// at a time (the same double everywhere, unlike a library pow).
#include <cstdint>

namespace quillorn {

double RoundTo(double value, std::int32_t digits = 0) noexcept;

}  // namespace quillorn
