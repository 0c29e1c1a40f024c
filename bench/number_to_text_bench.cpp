// Number to text on figures the calculator typically shows, against snprintf("%.13g") and
// std::to_chars(general, 13) (neither gives the calculator's texts; they are the yardstick).
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>

#include "convert/number_to_text.h"

namespace {

const double kFigures[] = {93.1, 0.13, 51.28, 2077.9, 1.0 / 3.0, 3.333333333333e+301};
constexpr std::size_t kCount = sizeof kFigures / sizeof kFigures[0];

void BM_FormatNumber(benchmark::State& state) {
  std::size_t i = 0;
  char out[quillorn::kNumberTextCapacity];
  for (auto _ : state) {
    benchmark::DoNotOptimize(quillorn::FormatNumber(kFigures[i], out));
    benchmark::ClobberMemory();
    i = i + 1 == kCount ? 0 : i + 1;
  }
}
BENCHMARK(BM_FormatNumber);

void BM_NumberToText(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    quillorn::Text text = quillorn::NumberToText(kFigures[i]);
    benchmark::DoNotOptimize(text.get());
    i = i + 1 == kCount ? 0 : i + 1;
  }
}
BENCHMARK(BM_NumberToText);

void BM_Snprintf13g(benchmark::State& state) {
  std::size_t i = 0;
  char out[32];
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::snprintf(out, sizeof out, "%.13g", kFigures[i]));
    benchmark::ClobberMemory();
    i = i + 1 == kCount ? 0 : i + 1;
  }
}
BENCHMARK(BM_Snprintf13g);

void BM_ToCharsGeneral13(benchmark::State& state) {
  std::size_t i = 0;
  char out[32];
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::to_chars(out, out + sizeof out, kFigures[i],
                                           std::chars_format::general, 13).ptr);
    benchmark::ClobberMemory();
    i = i + 1 == kCount ? 0 : i + 1;
  }
}
BENCHMARK(BM_ToCharsGeneral13);

// One figure at a time, to see where the cost differs.
void BM_FormatNumberEach(benchmark::State& state) {
  double x = kFigures[static_cast<std::size_t>(state.range(0))];
  char out[quillorn::kNumberTextCapacity];
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(quillorn::FormatNumber(x, out));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FormatNumberEach)->DenseRange(0, kCount - 1);

}  // namespace
