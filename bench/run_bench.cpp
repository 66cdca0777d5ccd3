// A whole analysis run from the form's fields to the chart and the report
// pieces, and one --batch line (JSON in, run, JSON out), over a spread of
// charts so that the branch predictor cannot learn one path.

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "chart/ComputeChart.h"
#include "chart/DashaSystems.h"
#include "chart/JaiminiReading.h"
#include "chart/PointDetails.h"
#include "chart/YogaReading.h"
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

// The precise run with everything the professional's second layer asks: every
// dasha system (the Chara and Narayana plans among them), the full position
// table and the Jaimini analyses in both schemes; with the yogas too, read in
// D1 (Arg 0) or in all sixteen vargas (Arg 1), with the doshas; without them
// (Arg −1).
void BM_FullRunSecondLayer(benchmark::State& state) {
    auto forms = MakeForms();
    for (FormFields& f : forms) f.Mode = velmora::ComputationMode::Precise;
    velmora::ChartWants wants;
    wants.dashas = velmora::DashaSet::All();
    wants.today = {2026, 12, 9};
    const bool withYogas = state.range(0) >= 0;
    const velmora::YogaVargas vargas = state.range(0) == 0 ? velmora::kYogaVargasD1 : (1u << velmora::kVargaCount) - 1;
    int n = 0;
    for (auto _ : state) {
        const velmora::ChartOutcome outcome = velmora::ComputeChartOfForm(forms[n], wants);
        if (!outcome.Computed()) {
            state.SkipWithError(outcome.refusal.message.c_str());
            break;
        }
        const velmora::PointDetails details = velmora::PointDetailsOf(*outcome.chart);
        const velmora::JaiminiReading seven = velmora::JaiminiOf(*outcome.chart, velmora::KarakaScheme::Seven);
        const velmora::JaiminiReading eight = velmora::JaiminiOf(*outcome.chart, velmora::KarakaScheme::Eight);
        benchmark::DoNotOptimize(details.data());
        benchmark::DoNotOptimize(seven.karakamsa + eight.karakamsa);
        if (withYogas) {
            const velmora::YogaReading yogas = velmora::YogasOf(*outcome.chart, vargas);
            benchmark::DoNotOptimize(yogas.vargas.data());
        }
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullRunSecondLayer)->Arg(-1)->Arg(0)->Arg(1);

// The second layer alone, on charts already computed: the position table,
// the Jaimini analyses in both schemes and the two sign dashas' timelines.
void BM_SecondLayerAlone(benchmark::State& state) {
    auto forms = MakeForms();
    std::vector<std::shared_ptr<const velmora::Chart>> charts;
    for (FormFields& f : forms) {
        f.Mode = velmora::ComputationMode::Precise;
        velmora::ChartWants wants;
        wants.report = false;
        charts.push_back(velmora::ComputeChartOfForm(f, wants).chart);
    }
    int n = 0;
    for (auto _ : state) {
        const velmora::Chart& chart = *charts[static_cast<std::size_t>(n)];
        const velmora::PointDetails details = velmora::PointDetailsOf(chart);
        const velmora::JaiminiReading seven = velmora::JaiminiOf(chart, velmora::KarakaScheme::Seven);
        const velmora::JaiminiReading eight = velmora::JaiminiOf(chart, velmora::KarakaScheme::Eight);
        const velmora::DashaTimeline chara = velmora::DashaOfChart(chart, velmora::DashaSystem::Chara, chart.dashaYear);
        const velmora::DashaTimeline narayana =
            velmora::DashaOfChart(chart, velmora::DashaSystem::Narayana, chart.dashaYear);
        benchmark::DoNotOptimize(details.data());
        benchmark::DoNotOptimize(seven.karakamsa + eight.karakamsa + chara.majorCount + narayana.majorCount);
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SecondLayerAlone);

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

// Lines through `runner` one after another, counting lines and bytes.
void RunLines(benchmark::State& state, velmora::cli::BatchRunner& runner) {
    const auto lines = MakeBatchLines();
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

// One --batch line: parse the request, run, write the compact JSON object.
void BM_BatchLine(benchmark::State& state) {
    velmora::cli::BatchRunner runner;
    RunLines(state, runner);
}
BENCHMARK(BM_BatchLine);

// The same line with --point-details and --jaimini: the whole object and
// the two fields after it (the vargas computed for the arudhas).
void BM_BatchLineSecondLayer(benchmark::State& state) {
    velmora::cli::BatchOutput output;
    output.pointDetails = true;
    output.jaimini = true;
    velmora::cli::BatchRunner runner(output);
    RunLines(state, runner);
}
BENCHMARK(BM_BatchLineSecondLayer);

// The same line with --point-details, --jaimini and --yogas.
void BM_BatchLineWithYogas(benchmark::State& state) {
    velmora::cli::BatchOutput output;
    output.pointDetails = true;
    output.jaimini = true;
    output.yogas = true;
    velmora::cli::BatchRunner runner(output);
    RunLines(state, runner);
}
BENCHMARK(BM_BatchLineWithYogas);

}  // namespace
