// The panchanga of a chart: the four limbs by Newton's iteration and the
// birth's day from the sunrises, at middle latitudes (range 0: 64 births
// between 60° S and 60° N) and near the poles (range 1: 64 births at 66° to
// 72° N in the weeks around the polar night and the midnight sun, where the
// sunrise is searched from several starting moments).

#include <benchmark/benchmark.h>

#include <vector>

#include "chart/ComputeChart.h"
#include "chart/Panchanga.h"
#include "SpreadBirths.h"

namespace {

using namespace velmora;

void BM_Panchanga(benchmark::State& state) {
    const bool polar = state.range(0) == 1;
    const std::vector<Chart> charts = bench::SpreadCharts(polar);
    if (charts.empty()) {
        state.SkipWithError("refused");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        const PanchangaOutcome outcome = ComputePanchanga(charts[static_cast<std::size_t>(n)]);
        benchmark::DoNotOptimize(outcome.refusal.data());
        n = (n + 1) % bench::kSpreadBirths;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Panchanga)->Arg(0)->Arg(1);

}  // namespace
