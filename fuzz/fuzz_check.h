#pragma once
// What a harness does when the program and the reference disagree, or a rule is broken.
// Under libFuzzer the process aborts, so the fuzzer keeps the input as a finding; in the replay
// runs of the test suite the input is reported and the next one is tried.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quillorn::fuzz {

// Reports `what` (which names the input's values) and does not return.
[[noreturn]] void ReportMismatch(const std::string& what);

inline void Require(bool holds, const std::string& what) {
  if (!holds) ReportMismatch(what);
}

// A zero-terminated copy in a block of exactly its size, so that a read past the terminating
// zero is seen by AddressSanitizer.
inline std::unique_ptr<char[]> ExactCopy(std::string_view bytes) {
  auto copy = std::make_unique<char[]>(bytes.size() + 1);
  for (std::size_t i = 0; i < bytes.size(); ++i) copy[i] = bytes[i];
  copy[bytes.size()] = '\0';
  return copy;
}

}  // namespace quillorn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
