#pragma once
// A text heap that counts: put CountingHeap in with SetHeapForTesting, then read how many blocks
// were asked for and the size of the last one.
#include <cstddef>
#include <cstdlib>

namespace quillorn::testing {

inline std::size_t g_allocations = 0;
inline std::size_t g_last_count = 0;

inline void* CountingHeap(std::size_t count) {
  ++g_allocations;
  g_last_count = count;
  return std::malloc(count);
}

}  // namespace quillorn::testing
