#include <cstdint>
#include <cstring>
#include <vector>

#include "convert/number_to_text.h"

namespace quillorn {

std::size_t TextLength(const char* text) noexcept { return text == nullptr ? 0 : std::strlen(text); }

Text JoinTexts(std::initializer_list<const char*> texts) {
  // Each text is measured once; the lengths are kept for the copy.
  constexpr std::size_t kFewTexts = 8;
  std::size_t few_lengths[kFewTexts];
  std::vector<std::size_t> many_lengths;
  std::size_t* lengths = few_lengths;
  if (texts.size() > kFewTexts) {
    many_lengths.resize(texts.size());
    lengths = many_lengths.data();
  }
  // A block the signed 32-bit count cannot name is asked for as -1, which the allocator refuses
  // through the fatal report like any failed allocation.
  constexpr std::size_t kLargestCount = 0x7FFFFFFF;
  std::size_t total = 0;
  bool too_long = false;
  std::size_t index = 0;
  for (const char* text : texts) {
    const std::size_t length = TextLength(text);
    lengths[index++] = length;
    if (length >= kLargestCount - total) too_long = true;  // total + length + 1 > kLargestCount
    if (!too_long) total += length;
  }
  char* block = AllocateMemory(too_long ? -1 : static_cast<std::int32_t>(total + 1));
  char* at = block;
  index = 0;
  for (const char* text : texts) {
    const std::size_t length = lengths[index++];
    if (length != 0) std::memcpy(at, text, length);
    at += length;
  }
  *at = '\0';
  return Text::Adopt(block);
}

}  // namespace quillorn
