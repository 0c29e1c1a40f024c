// The value steps of the calculation and one whole click on the typical row
// "2.10" "3.20" "3.50" | "1.95" "3.40" "3.60".
#include <benchmark/benchmark.h>

#include <array>

#include "hedge/hedge.h"

namespace {

void BM_DivideHundredBy(benchmark::State& state) {
  double x = 2.1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(quillorn::DivideHundredBy(x));
  }
}
BENCHMARK(BM_DivideHundredBy);

void BM_SumQuotients(benchmark::State& state) {
  double q1 = 47.61904761904762, q2 = 31.25, q3 = 28.571428571428573;
  for (auto _ : state) {
    benchmark::DoNotOptimize(q1);
    benchmark::DoNotOptimize(q2);
    benchmark::DoNotOptimize(q3);
    benchmark::DoNotOptimize(quillorn::SumQuotients(q1, q2, q3));
  }
}
BENCHMARK(BM_SumQuotients);

void BM_ReturnRate(benchmark::State& state) {
  double a = 2.1, b = 3.2, c = 3.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(quillorn::ReturnRate(a, b, c));
  }
}
BENCHMARK(BM_ReturnRate);

void BM_ComputeHedgeTexts(benchmark::State& state) {
  const std::array<const char*, 6> odds = {"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"};
  for (auto _ : state) {
    auto texts = quillorn::ComputeHedgeTexts(odds);
    benchmark::DoNotOptimize(texts[0].get());
  }
}
BENCHMARK(BM_ComputeHedgeTexts);

}  // namespace
