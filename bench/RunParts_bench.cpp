// The parts of one analysis run outside the engine, each over a spread of
// charts so that the branch predictor cannot learn one path: the report, the
// arudhas and the retrograde marks.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/ReportWriter.h"

namespace {

using velmora::AnalysisRun;

constexpr int kCharts = 64;

// The charts of 64 runs spread over the years, the day and the globe.
struct Charts {
    std::vector<velmora::ChartState> chart;
    std::vector<velmora::PositionList> positions;
    std::vector<velmora::BirthData> birth;
    velmora::ReportTables tables;
};

const Charts& SampleCharts() {
    static const Charts charts = [] {
        Charts c;
        AnalysisRun run;
        const velmora::MonthNames months = velmora::EnglishMonthNames();
        for (int n = 0; n < kCharts; ++n) {
            velmora::FormFields f;
            f.Name = "PARTS";
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
            run.RunAnalysis(f, months);
            c.chart.push_back(run.Chart);
            c.positions.push_back(run.PlanetPosition.PositionLabels);
            c.birth.push_back(run.Birth);
        }
        c.tables = run.Tables;
        return c;
    }();
    return charts;
}

void BM_WriteReport(benchmark::State& state) {
    const Charts& charts = SampleCharts();
    velmora::Report report;
    int n = 0;
    for (auto _ : state) {
        report.clear();
        velmora::WriteReport(charts.chart[n], charts.tables, report);
        benchmark::DoNotOptimize(report.data());
        n = (n + 1) % kCharts;
    }
}
BENCHMARK(BM_WriteReport);

void BM_ComputeArudhas(benchmark::State& state) {
    const Charts& charts = SampleCharts();
    velmora::NameTables names;
    velmora::FillNameTables(names);
    velmora::GrahaArudha arudha;
    velmora::ChartState chart;
    velmora::ArudhaCaptions captions;
    int n = 0;
    for (auto _ : state) {
        for (std::string& caption : captions) caption.clear();
        velmora::ComputeArudhas(arudha, charts.positions[n], names.SignLords, chart, captions);
        benchmark::DoNotOptimize(chart.ArudhaSigns.data());
        n = (n + 1) % kCharts;
    }
}
BENCHMARK(BM_ComputeArudhas);

}  // namespace
