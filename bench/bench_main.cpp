#include <benchmark/benchmark.h>

#include "core/rng.h"

static void BM_RngDraw(benchmark::State& state) {
    vrk::Rng rng(1);
    for (auto _ : state) benchmark::DoNotOptimize(rng.draw());
}
BENCHMARK(BM_RngDraw);

BENCHMARK_MAIN();
