// The harness as a plain program: runs every file named on the command line, and every file in
// every folder named there, through the harness, and fails when any of them breaks a rule.
//
//   fuzz_to_number_replay fuzz/corpus/to_number     -> "replayed 41 inputs, 0 failed", exit 0
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz_check.h"

namespace quillorn::fuzz {

namespace {
struct Mismatch : std::runtime_error {
  using std::runtime_error::runtime_error;
};
}  // namespace

void ReportMismatch(const std::string& what) { throw Mismatch(what); }

}  // namespace quillorn::fuzz

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path path(argv[i]);
    if (fs::is_directory(path)) {
      for (const auto& entry : fs::directory_iterator(path)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else if (fs::is_regular_file(path)) {
      inputs.push_back(path);
    } else {
      std::fprintf(stderr, "no such input: %s\n", argv[i]);
      return 2;
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 2;
  }

  int failed = 0;
  for (const fs::path& path : inputs) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    try {
      LLVMFuzzerTestOneInput(data.data(), data.size());
    } catch (const std::exception& mismatch) {
      ++failed;
      std::fprintf(stderr, "FAILED %s\n  %s\n", path.filename().c_str(), mismatch.what());
    }
  }
  std::printf("replayed %zu inputs, %d failed\n", inputs.size(), failed);
  return failed == 0 ? 0 : 1;
}
