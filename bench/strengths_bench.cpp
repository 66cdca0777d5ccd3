// The strengths of a chart beyond the chart itself: shadbala, bhava bala and
// vimsopaka bala with what they ask of the ephemeris (the birth's day from
// its sunrises, the midheaven, the declinations), at middle latitudes
// (range 0) and near the poles (range 1, where the sunrise is searched from
// several starting moments); and a precise batch of 20 000 lines, the whole
// object, without (range 0) and with --strengths (range 1).

#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "chart/ComputeChart.h"
#include "chart/Strengths.h"
#include "SpreadBirths.h"
#include "cli/BatchPipeline.h"
#include "cli/BatchRunner.h"

namespace {

using namespace velmora;

void BM_Strengths(benchmark::State& state) {
    const bool polar = state.range(0) == 1;
    const std::vector<Chart> charts = bench::SpreadCharts(polar);
    if (charts.empty()) {
        state.SkipWithError("refused");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        const StrengthsOutcome outcome = ComputeStrengths(charts[static_cast<std::size_t>(n)]);
        if (!outcome.balas) state.SkipWithError(outcome.refusal.c_str());
        benchmark::DoNotOptimize(outcome.vimsopaka.data());
        n = (n + 1) % bench::kSpreadBirths;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(polar ? "near the poles" : "middle latitudes");
}
BENCHMARK(BM_Strengths)->Arg(0)->Arg(1);

// Takes everything and keeps nothing.
class NullBuffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return c; }
};

std::string PreciseLine(int n) {
    char line[256];
    std::snprintf(line, sizeof line,
                  R"({"name":"bench mark","date":"%04d-%02d-%02d","time":"%d:%02d","lon":"%d:%02d%c",)"
                  R"("lat":"%d:%02d%c","zone":%d,"dst":%s,"city":"City","state":"State","country":"Country"})",
                  1901 + (n * 37) % 150, 1 + (n * 5) % 12, 1 + (n * 11) % 28, (n * 7) % 24, (n * 13) % 60,
                  (n * 29) % 180, (n * 17) % 60, n % 2 == 0 ? 'E' : 'W', (n * 23) % 66, (n * 31) % 60,
                  n % 3 == 0 ? 'S' : 'N', (n * 19) % 71, n % 4 == 0 ? "true" : "false");
    return line;
}

void BM_BatchStrengths(benchmark::State& state) {
    constexpr int kLines = 20'000;
    std::string input;
    for (int n = 0; n < kLines; ++n) input += PreciseLine(n % 997) + "\n";
    cli::BatchOutput output;
    output.time.strengths = state.range(0) == 1;
    NullBuffer null;
    std::ostream out(&null);
    for (auto _ : state) {
        std::istringstream in(input);
        cli::StreamLines lines(in);
        const cli::BatchOutcome outcome = cli::RunBatch(lines, out, output, 1);
        if (outcome.refusedLines != 0) state.SkipWithError("refused lines");
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.SetLabel(output.time.strengths ? "whole object and strengths" : "whole object");
}
BENCHMARK(BM_BatchStrengths)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
