#pragma once
// The one table of full-width forms that text reading folds to ASCII. Shared by FoldFullWidth
// (which builds the folded copy) and ToNumber (which folds while it scans).
#include <cstdint>

namespace quillorn::fold_detail {

// The ASCII byte that the two-byte character (lead, trail) folds to, or -1 when the pair stays
// as it is. `lead` is 0x80 or more; `trail` is any byte but the terminating zero.
//   A3 B1 -> '1'   A3 AE -> '.'   A3 AD -> '-'   A1 A1 -> ' '   A1 AB -> '~'   A1 EE -> '*'
//   81 35 -> -1    A3 A0 -> -1    A3 FF -> -1
constexpr int FoldPair(std::uint8_t lead, std::uint8_t trail) noexcept {
  if (lead == 0xA3) return (trail >= 0xA1 && trail <= 0xFE) ? trail - 0x80 : -1;
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1: return ' ';   // ideographic space
      case 0xAB: return '~';   // full-width tilde
      case 0xEE:               // white star
      case 0xEF: return '*';   // black star
      default: return -1;
    }
  }
  return -1;
}

}  // namespace quillorn::fold_detail
