// A whole analysis run from the form's fields to the chart and the report
// pieces, and one --batch line (JSON in, run, JSON out), over a spread of
// charts so that the branch predictor cannot learn one path.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "chart/ComputeChart.h"
#include "cli/BatchRunner.h"
#include "birth/FormFields.h"

namespace {

using velmora::FormFields;

constexpr int kCharts = 64;

std::array<FormFields, kCharts> MakeForms() {
    std::array<FormFields, kCharts> forms;
    for (int n = 0; n < kCharts; ++n) {
        FormFields& f = forms[n];
        f.Name = "BENCH MARK";
        f.Year = (n * 37) % velmora::kYearItems;
        f.Month = (n * 5) % 12;
        f.Day = (n * 11) % 28;
        f.Hour = (n * 7) % 24;
        f.Minute = (n * 13) % 60;
        f.LonDeg = std::to_string((n * 29) % 180);
        f.LonMin = std::to_string((n * 17) % 60);
        f.East = n % 2 == 0;
        f.LatDeg = std::to_string((n * 23) % 90);
        f.LatMin = std::to_string((n * 31) % 60);
        f.South = n % 3 == 0;
        f.Zone = (n * 19) % velmora::kZoneItems;
        f.DaylightSaving = n % 4 == 0;
        f.City = "City";
        f.State = "State";
        f.Country = "Country";
    }
    return forms;
}

// The one entry as a front end calls it: validation, zone, engine, retrograde
// marks, chart, arudhas, report pieces, dasha, vargas and ashtakavarga; the
// classic engine, or (argument 1) the Swiss Ephemeris.
void BM_FullRun(benchmark::State& state) {
    auto forms = MakeForms();
    const bool precise = state.range(0) == 1;
    for (FormFields& f : forms) f.Mode = precise ? velmora::ComputationMode::Precise : velmora::ComputationMode::Classic;
    state.SetLabel(precise ? "precise" : "classic");
    int n = 0;
    for (auto _ : state) {
        const velmora::ChartOutcome outcome = velmora::ComputeChartOfForm(forms[n]);
        if (!outcome.Computed()) state.SkipWithError(outcome.refusal.message.c_str());
        else benchmark::DoNotOptimize(outcome.chart->report.data());
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullRun)->Arg(0)->Arg(1);

std::array<std::string, kCharts> MakeBatchLines() {
    std::array<std::string, kCharts> lines;
    for (int n = 0; n < kCharts; ++n) {
        const int year = 1901 + (n * 37) % 150, month = 1 + (n * 5) % 12, day = 1 + (n * 11) % 28;
        char line[256];
        std::snprintf(line, sizeof line,
                      R"({"name":"bench mark","date":"%04d-%02d-%02d","time":"%d:%02d","lon":"%d:%02d%c",)"
                      R"("lat":"%d:%02d%c","zone":%d,"dst":%s,"city":"City","state":"State","country":"Country"})",
                      year, month, day, (n * 7) % 24, (n * 13) % 60, (n * 29) % 180, (n * 17) % 60,
                      n % 2 == 0 ? 'E' : 'W', (n * 23) % 90, (n * 31) % 60, n % 3 == 0 ? 'S' : 'N',
                      (n * 19) % 71, n % 4 == 0 ? "true" : "false");
        lines[n] = line;
    }
    return lines;
}

// One --batch line: parse the request, run, write the compact JSON object.
void BM_BatchLine(benchmark::State& state) {
    const auto lines = MakeBatchLines();
    velmora::cli::BatchRunner runner;
    int n = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        bool refused = false;
        const std::string_view out = runner.RunLine(lines[n], refused);
        if (refused) state.SkipWithError(std::string(out).c_str());
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_BatchLine);

}  // namespace
