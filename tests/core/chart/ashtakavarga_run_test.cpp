// Every computed chart carries its ashtakavarga: over a sweep of births,
// both engines, each planet's total is the one the tradition fixes (B. V.
// Raman, "Ashtakavarga System of Prediction", chapter II: Sun 48, Moon 49,
// Mercury 54, Venus 52, Mars 39, Jupiter 56, Saturn 39) and the
// sarvashtakavarga sums to 337; and it is the table of the chart's own signs
// in the reading asked for, with its reductions.

#include <gtest/gtest.h>

#include <numeric>

#include "tests/support/BirthForm.h"
#include "birth/Birth.h"
#include "chart/ComputeChart.h"
#include "chart/MarriageMatch.h"

namespace velmora {
namespace {

TEST(AshtakavargaRun, EveryChartOfASweepHasTheFixedTotals) {
    constexpr int kTotals[kAshtakavargaPlanets] = {48, 49, 54, 52, 39, 56, 39};
    int charts = 0;
    for (const ComputationMode mode : {ComputationMode::Classic, ComputationMode::Precise}) {
        for (int year = 1901; year <= 2050; year += 7) {
            for (int month = 1; month <= 12; month += 5) {
                FormFields form = testing::BirthForm(year, month, 1 + (year + month) % 28, (year * 7) % 24, 17);
                form.Mode = mode;
                const AshtakavargaReading reading = kAshtakavargaReadings[charts % 2];
                const ChartOutcome outcome = ComputeChart(BirthFromForm(form), {.report = false, .dashas = {}, .today = {}});
                ASSERT_TRUE(outcome.Computed()) << year << "-" << month;
                const Chart& chart = *outcome.chart;
                const Ashtakavarga& a = chart.AshtakavargaIn(reading).bindus;
                for (int p = 0; p < kAshtakavargaPlanets; ++p) {
                    const auto& row = a.bav[static_cast<std::size_t>(p)];
                    EXPECT_EQ(std::accumulate(row.begin(), row.end(), 0), kTotals[p]);
                }
                EXPECT_EQ(std::accumulate(a.sav.begin(), a.sav.end(), 0), 337);
                EXPECT_EQ(a, ComputeAshtakavarga(PointSigns(chart), reading));
                EXPECT_EQ(chart.AshtakavargaIn(reading).reduced, ReduceAshtakavarga(a, PointSigns(chart)));
                ++charts;
            }
        }
    }
    EXPECT_GT(charts, 100);
}

}  // namespace
}  // namespace velmora
