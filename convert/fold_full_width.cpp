// The folded copy of a text: full-width ASCII forms become ASCII, every other character is
// copied whole. ToNumber folds the same way while it scans, through the same FoldPair.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "app/text_memory.h"
#include "convert/fold_pair.h"
#include "convert/to_number.h"

namespace quillorn {

Text FoldFullWidth(const char* text) {
  const std::size_t length = text == nullptr ? 0 : std::strlen(text);
  // The copy is never longer than the text. A text too long for one block ends the process
  // through AllocateMemory, like every other allocation that the heap cannot serve.
  constexpr std::size_t kLargestBlock = 0x7FFFFFFF;
  const std::int32_t count =
      length >= kLargestBlock ? -1 : static_cast<std::int32_t>(length + 1);
  char* out = AllocateMemory(count);
  std::size_t n = 0;
  const auto* p = reinterpret_cast<const std::uint8_t*>(text);
  for (std::size_t i = 0; i < length;) {
    const std::uint8_t lead = p[i];
    if (lead < 0x80) {
      out[n++] = static_cast<char>(lead);
      ++i;
      continue;
    }
    if (i + 1 == length) break;  // a lead byte without its trail byte is dropped
    const std::uint8_t trail = p[i + 1];
    const int folded = fold_detail::FoldPair(lead, trail);
    if (folded >= 0) {
      out[n++] = static_cast<char>(folded);
    } else {
      out[n++] = static_cast<char>(lead);
      out[n++] = static_cast<char>(trail);
    }
    i += 2;
  }
  out[n] = '\0';
  return Text::Adopt(out);
}

}  // namespace quillorn
