// Text to number: typical odds against std::from_chars and strtod, and the time per byte on
// very long texts (one pass, no copy, whatever the length).
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>

#include "convert/to_number.h"

namespace {

// Typical odds as typed, one of them with the leading spaces and the tail of a careless paste.
const char* const kOdds[] = {"2.10", "3.4", "1.95", "2.6276141592332265", "  12abc"};

void BM_ToNumber_Odds(benchmark::State& state) {
  const char* text = kOdds[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(quillorn::ToNumber(text));
  }
  state.SetLabel(text);
}
BENCHMARK(BM_ToNumber_Odds)->DenseRange(0, 4);

// from_chars does not skip white space; it is given the same text with the spaces stepped over
// (and the length it needs), so it reads the same number.
void BM_FromChars_Odds(benchmark::State& state) {
  const char* text = kOdds[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    const char* first = text;
    while (*first == ' ') ++first;
    double value = 0.0;
    std::from_chars(first, first + std::strlen(first), value);
    benchmark::DoNotOptimize(value);
  }
  state.SetLabel(text);
}
BENCHMARK(BM_FromChars_Odds)->DenseRange(0, 4);

void BM_Strtod_Odds(benchmark::State& state) {
  const char* text = kOdds[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(std::strtod(text, nullptr));
  }
  state.SetLabel(text);
}
BENCHMARK(BM_Strtod_Odds)->DenseRange(0, 4);

// Long texts: "0." and zeros (all leading zeros after the point), digits (24 kept, the rest
// dropped but counted), and spaces before a "1".
enum LongText { kZerosAfterPoint, kDigits, kSpacesThenOne };

std::string MakeLongText(LongText kind, std::size_t length) {
  switch (kind) {
    case kZerosAfterPoint: return "0." + std::string(length - 2, '0');
    case kDigits: {
      std::string text(length, '0');
      for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('1' + i % 9);
      return text;
    }
    case kSpacesThenOne: return std::string(length - 1, ' ') + "1";
  }
  return {};
}

void BM_ToNumber_LongText(benchmark::State& state) {
  const auto kind = static_cast<LongText>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  const std::string text = MakeLongText(kind, length);
  for (auto _ : state) benchmark::DoNotOptimize(quillorn::ToNumber(text.c_str()));
  state.SetBytesProcessed(state.iterations() * state.range(1));
  state.SetLabel(kind == kZerosAfterPoint ? "0.000..." : kind == kDigits ? "123456789..." : "   ...1");
}
BENCHMARK(BM_ToNumber_LongText)
    ->ArgsProduct({{kZerosAfterPoint, kDigits, kSpacesThenOne}, {1 << 10, 1 << 20, 10 << 20}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
