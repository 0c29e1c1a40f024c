#include "app/text_memory.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "app/fatal_report.h"

namespace quillorn {
namespace {

// All constant texts live in one object, so "is this a constant" is one range check.
struct ProgramConstants {
  char empty[1];
  char percent[2];
};
constexpr ProgramConstants kConstants = {{'\0'}, {'%', '\0'}};

void* ProcessHeap(std::size_t count) { return std::malloc(count); }
HeapFunction g_heap = &ProcessHeap;

}  // namespace

const char* const kEmptyText = kConstants.empty;
const char* const kPercentText = kConstants.percent;

bool IsProgramConstant(const void* address) noexcept {
  const auto* p = static_cast<const unsigned char*>(address);
  const auto* first = reinterpret_cast<const unsigned char*>(&kConstants);
  return std::less_equal<>()(first, p) && std::less<>()(p, first + sizeof kConstants);
}

char* AllocateMemory(std::int32_t count) {
  void* block = count < 0 ? nullptr : g_heap(static_cast<std::size_t>(count == 0 ? 1 : count));
  if (block == nullptr) {
    std::string message = kMessageAllocationFailed;  // "分配 %d 字节内存失败!"
    message.replace(message.find("%d"), 2, std::to_string(count));
    ReportFatalError(message.c_str(), 0);
  }
  return static_cast<char*>(block);
}

void ReleaseMemory(const void* block) noexcept {
  if (block == nullptr || IsProgramConstant(block)) return;
  std::free(const_cast<void*>(block));
}

void SetHeapForTesting(HeapFunction heap) noexcept { g_heap = heap ? heap : &ProcessHeap; }

Text Text::Copy(std::string_view bytes) {
  // A block larger than the signed 32-bit count can name is refused like any failed allocation.
  constexpr std::size_t kLargest = 0x7FFFFFFF;
  const std::int32_t count =
      bytes.size() >= kLargest ? -1 : static_cast<std::int32_t>(bytes.size() + 1);
  char* block = AllocateMemory(count);
  if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
  block[bytes.size()] = '\0';
  return Text(block);
}

Text& Text::operator=(Text&& other) noexcept {
  if (this != &other) {
    ReleaseMemory(block_);
    block_ = other.block_;
    other.block_ = nullptr;
  }
  return *this;
}

}  // namespace quillorn
