// libFuzzer builds: a mismatch is a crash, which the fuzzer records with its input.
#include <cstdio>
#include <cstdlib>

#include "fuzz_check.h"

namespace quillorn::fuzz {

void ReportMismatch(const std::string& what) {
  std::fprintf(stderr, "MISMATCH: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace quillorn::fuzz
