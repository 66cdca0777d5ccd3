// The panchanga of a chart: the four limbs by Newton's iteration and the
// birth's day from the sunrises, at middle latitudes (range 0: 64 births
// between 60° S and 60° N) and near the poles (range 1: 64 births at 66° to
// 72° N in the weeks around the polar night and the midnight sun, where the
// sunrise is searched from several starting moments).

#include <benchmark/benchmark.h>

#include <vector>

#include "chart/ComputeChart.h"
#include "chart/Panchanga.h"

namespace {

using namespace velmora;

constexpr int kBirths = 64;

Birth PanchangaBirth(int n, bool polar) {
    Birth birth;
    birth.name = "BENCH";
    const int month = polar ? (n % 2 == 0 ? 1 : 5) + (n / 2) % 2 * 6 : 1 + (n * 5) % 12;
    birth.clock = {1950 + (n * 37) % 70, month, 1 + (n * 11) % 28, (n * 7) % 24, (n * 13) % 60, 0};
    birth.longitude = ((n * 29) % 180 + ((n * 17) % 60) / 60.0) * (n % 2 == 0 ? 1 : -1);
    birth.latitude = polar ? 66 + (n * 7) % 7 : ((n * 23) % 60 + ((n * 31) % 60) / 60.0) * (n % 3 == 0 ? -1 : 1);
    return birth;
}

void BM_Panchanga(benchmark::State& state) {
    const bool polar = state.range(0) == 1;
    std::vector<Chart> charts;
    ChartWants wants;
    wants.report = false;
    wants.dashas = {};
    for (int n = 0; n < kBirths; ++n) {
        const ChartOutcome outcome = ComputeChart(PanchangaBirth(n, polar), wants);
        if (!outcome.Computed()) {
            state.SkipWithError("refused");
            return;
        }
        charts.push_back(*outcome.chart);
    }
    int n = 0;
    for (auto _ : state) {
        const PanchangaOutcome outcome = ComputePanchanga(charts[static_cast<std::size_t>(n)]);
        benchmark::DoNotOptimize(outcome.refusal.data());
        n = (n + 1) % kBirths;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Panchanga)->Arg(0)->Arg(1);

}  // namespace
