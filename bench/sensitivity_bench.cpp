// The birth-time sensitivity: every item within ± 30 minutes (and ± 5, ± 180)
// for precise charts between 60° S and 60° N (range 1: the window's
// minutes), and near the Arctic Circle, where the ascendant runs fast; and
// a batch line with the field against the same line without it.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "chart/ComputeChart.h"
#include "chart/Sensitivity.h"
#include "cli/BatchRunner.h"

namespace {

constexpr int kCharts = 32;

// Precise births on their zones' clocks: range 0 between 60° S and 60° N,
// range 1 at 66° to 70° N.
std::vector<std::shared_ptr<const velmora::Chart>> Charts(bool polar) {
    static const char* const kZones[] = {"Asia/Kolkata", "Europe/London", "America/New_York", "Australia/Sydney",
                                         "America/Sao_Paulo", "Africa/Nairobi", "Asia/Tokyo", "Europe/Oslo"};
    std::vector<std::shared_ptr<const velmora::Chart>> charts;
    for (int n = 0; n < kCharts; ++n) {
        velmora::Birth b;
        b.clock = {1900 + (n * 37) % 150, 1 + (n * 5) % 12, 1 + (n * 11) % 28, (n * 7) % 24, (n * 13) % 60, 0};
        b.latitude = polar ? 66 + (n % 5) : -60 + (n * 23) % 120;
        b.longitude = -180 + (n * 29) % 360;
        b.timeZoneId = polar ? "Europe/Oslo" : kZones[n % 8];
        b.repeated = velmora::RepeatedHour::Earlier;
        b.options.houses = static_cast<velmora::HouseSystem>(n % velmora::kHouseSystems);
        const velmora::ChartOutcome outcome = velmora::ComputeChart(b);
        if (outcome.Computed()) charts.push_back(outcome.chart);
    }
    return charts;
}

void Sensitivity(benchmark::State& state, bool polar) {
    const auto charts = Charts(polar);
    const int minutes = static_cast<int>(state.range(0));
    std::size_t n = 0;
    for (auto _ : state) {
        const velmora::SensitivityOutcome outcome = velmora::ComputeSensitivity(*charts[n], minutes);
        if (!outcome.sensitivity) state.SkipWithError(outcome.refusal.c_str());
        benchmark::DoNotOptimize(outcome.sensitivity->items.data());
        n = (n + 1) % charts.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Sensitivity(benchmark::State& state) { Sensitivity(state, false); }
BENCHMARK(BM_Sensitivity)->Arg(5)->Arg(30)->Arg(180)->Unit(benchmark::kMillisecond);

void BM_SensitivityNearThePole(benchmark::State& state) { Sensitivity(state, true); }
BENCHMARK(BM_SensitivityNearThePole)->Arg(30)->Unit(benchmark::kMillisecond);

// The chart the sensitivity is of, for scale.
void BM_PreciseChart(benchmark::State& state) {
    std::vector<velmora::Birth> births;
    for (const auto& chart : Charts(false)) births.push_back(chart->given);
    std::size_t n = 0;
    for (auto _ : state) {
        const velmora::ChartOutcome outcome = velmora::ComputeChart(births[n]);
        benchmark::DoNotOptimize(outcome.chart.get());
        n = (n + 1) % births.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PreciseChart)->Unit(benchmark::kMillisecond);

// One --batch line of a precise chart: the whole default object (range 0),
// or the same with the sensitivity of ± range minutes.
void BM_BatchLineSensitivity(benchmark::State& state) {
    std::array<std::string, kCharts> lines;
    for (int n = 0; n < kCharts; ++n) {
        char line[256];
        std::snprintf(line, sizeof line,
                      R"({"name":"bench","date":"%04d-%02d-%02d","time":"%02d:%02d","lon":"%d:00E","lat":"%d:00N",)"
                      R"("tz":"Asia/Kolkata"})",
                      1900 + (n * 37) % 150, 1 + (n * 5) % 12, 1 + (n * 11) % 28, (n * 7) % 24, (n * 13) % 60,
                      68 + (n * 29) % 30, (n * 23) % 40);
        lines[static_cast<std::size_t>(n)] = line;
    }
    velmora::cli::BatchOutput output;
    output.time.sensitivityMinutes = static_cast<int>(state.range(0));
    velmora::cli::BatchRunner runner(output);
    int n = 0;
    for (auto _ : state) {
        bool refused = false;
        const std::string_view out = runner.RunLine(lines[static_cast<std::size_t>(n)], refused);
        if (refused) state.SkipWithError(std::string(out).c_str());
        benchmark::DoNotOptimize(out.data());
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) == 0 ? "plain" : "with sensitivity");
}
BENCHMARK(BM_BatchLineSensitivity)->Arg(0)->Arg(5)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
