#pragma once
// The memory behind every text the program hands out, and the owning handle for it.
//
// Texts are zero-terminated byte strings in code page 936. An operation that hands out a text
// (reading a box, writing a number, joining) gives the receiver a `Text`: the block returns to
// the heap when the handle goes, so no caller can forget it.
//
//   Text t = Text::Copy("96.6");   // a block of 5 bytes: '9' '6' '.' '6' 0
//   t.get()                        // "96.6"
//   Text{}.get()                   // nullptr: an absent text, read like ""
//   ReleaseMemory(kEmptyText)      // nothing: a program constant
//   ReleaseMemory(nullptr)         // nothing
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillorn {

// A block of `count` bytes, contents unspecified; never null. When the heap refuses (or the count
// is negative), the process ends through ReportFatalError with "分配 %d 字节内存失败!".
char* AllocateMemory(std::int32_t count);

// Gives a block from AllocateMemory back. Nothing for null or for a program constant.
void ReleaseMemory(const void* block) noexcept;

// The program's constant texts; they may stand wherever a text is read and are never released.
extern const char* const kEmptyText;    // ""
extern const char* const kPercentText;  // "%"
// True for an address inside the program's constant data.
bool IsProgramConstant(const void* address) noexcept;

// Owning handle of one block from AllocateMemory, or of nothing (an absent text).
class Text {
 public:
  Text() noexcept = default;
  // A new block holding `bytes` and a terminating zero. Bytes after an embedded zero are kept in
  // the block but unreachable through get().
  static Text Copy(std::string_view bytes);
  // Takes ownership of a zero-terminated block from AllocateMemory.
  static Text Adopt(char* block) noexcept { return Text(block); }

  Text(Text&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  Text& operator=(Text&& other) noexcept;
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text() { ReleaseMemory(block_); }

  // The zero-terminated bytes, or nullptr for an absent text.
  const char* get() const noexcept { return block_; }
  bool absent() const noexcept { return block_ == nullptr; }
  // The bytes before the terminating zero; empty for an absent text.
  std::string_view view() const noexcept { return block_ ? std::string_view(block_) : std::string_view(); }
  // Hands the block to the caller, who must give it back with ReleaseMemory.
  char* release() noexcept {
    char* b = block_;
    block_ = nullptr;
    return b;
  }

 private:
  explicit Text(char* block) noexcept : block_(block) {}
  char* block_ = nullptr;
};

// Tests replace the heap to make an allocation fail; nullptr restores the process heap.
using HeapFunction = void* (*)(std::size_t count);
void SetHeapForTesting(HeapFunction heap) noexcept;

}  // namespace quillorn
