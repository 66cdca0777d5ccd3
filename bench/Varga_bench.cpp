// The sixteen vargas of the ten points, as every run works them out from the
// longitudes: set beside BM_FullRun to see their share of a run.

#include <benchmark/benchmark.h>

#include <array>

#include "analysis/Varga.h"

namespace {

constexpr int kCharts = 64;

void BM_VargaSigns(benchmark::State& state) {
    std::array<std::array<double, velmora::kBodyCount>, kCharts> charts{};
    for (int n = 0; n < kCharts; ++n)
        for (int i = 0; i < velmora::kBodyCount; ++i) charts[n][i] = (n * 97.31 + i * 41.17) - 360.0 * ((n * 97 + i * 41) / 360);
    int n = 0;
    for (auto _ : state) {
        const velmora::VargaSigns signs = velmora::VargaSignsOf(charts[n]);
        benchmark::DoNotOptimize(signs.data());
        benchmark::DoNotOptimize(velmora::Vargottama(signs));
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VargaSigns);

}  // namespace
