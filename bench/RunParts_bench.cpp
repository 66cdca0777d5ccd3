// Two parts of one analysis run outside the engine, each over a spread of
// charts so that the branch predictor cannot learn one path: the report and
// the arudhas.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "analysis/GrahaArudha.h"
#include "report/ReportTables.h"
#include "report/ReportWriter.h"

namespace {

constexpr int kCharts = 64;

// 64 charts with the bodies spread over the signs by a fixed pattern, their
// arudhas worked out from them and the report rows filled.
struct Charts {
    std::vector<velmora::ChartState> chart;
    std::vector<velmora::BodySignNumbers> signs;
    velmora::ReportTables tables;
};

const Charts& SampleCharts() {
    static const Charts charts = [] {
        Charts c;
        velmora::NameTables names;
        velmora::FillNameTables(names);
        velmora::FillReportTables(c.tables);
        velmora::GrahaArudha arudha;
        for (int n = 0; n < kCharts; ++n) {
            velmora::ChartState chart;
            velmora::BodySignNumbers signs{};
            for (int b = 0; b < velmora::kBodyCount; ++b) {
                const int sign = (n * 7 + b * 5 + (n / 3) * b) % velmora::kSignCount;
                signs[b] = static_cast<std::int8_t>(sign + 1);
                chart.BodySigns[b] = static_cast<std::int16_t>(sign);
            }
            velmora::ComputeArudhas(arudha, signs, names.SignLords, chart);
            velmora::FillArudhaReportRows(c.tables, chart);
            c.chart.push_back(chart);
            c.signs.push_back(signs);
        }
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
    int n = 0;
    for (auto _ : state) {
        velmora::ComputeArudhas(arudha, charts.signs[n], names.SignLords, chart);
        benchmark::DoNotOptimize(chart.ArudhaSigns.data());
        n = (n + 1) % kCharts;
    }
}
BENCHMARK(BM_ComputeArudhas);

}  // namespace
