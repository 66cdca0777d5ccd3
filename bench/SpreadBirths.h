#pragma once
// The births the sky-reading benchmarks (panchanga, strengths) take: 64 of
// them at middle latitudes (60° S to 60° N), or near the poles (66° to 72° N
// in the weeks around the polar night and the midnight sun), and their
// precise charts.

#include <vector>

#include "chart/ComputeChart.h"

namespace velmora::bench {

inline constexpr int kSpreadBirths = 64;

inline Birth SpreadBirth(int n, bool polar) {
    Birth birth;
    birth.name = "BENCH";
    const int month = polar ? (n % 2 == 0 ? 1 : 5) + (n / 2) % 2 * 6 : 1 + (n * 5) % 12;
    birth.clock = {1950 + (n * 37) % 70, month, 1 + (n * 11) % 28, (n * 7) % 24, (n * 13) % 60, 0};
    birth.longitude = ((n * 29) % 180 + ((n * 17) % 60) / 60.0) * (n % 2 == 0 ? 1 : -1);
    birth.latitude = polar ? 66 + (n * 7) % 7 : ((n * 23) % 60 + ((n * 31) % 60) / 60.0) * (n % 3 == 0 ? -1 : 1);
    return birth;
}

// The charts, without report or dashas; empty when one is refused.
inline std::vector<Chart> SpreadCharts(bool polar) {
    std::vector<Chart> charts;
    for (int n = 0; n < kSpreadBirths; ++n) {
        const ChartOutcome outcome = ComputeChart(SpreadBirth(n, polar), {.report = false, .dashas = {}, .today = {}});
        if (!outcome.Computed()) return {};
        charts.push_back(*outcome.chart);
    }
    return charts;
}

}  // namespace velmora::bench
