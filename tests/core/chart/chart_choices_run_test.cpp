// The choices through the one function that makes a chart: the Chart names
// them, gives every point its bhava, and a classic chart refuses them.

#include <gtest/gtest.h>

#include "analysis/SignOf.h"
#include "chart/AnalysisRun.h"
#include "presentation/BhavaPoints.h"
#include "tests/support/Chennai1996.h"

namespace velmora {
namespace {

double ArcForward(double from, double to) { return std::fmod(to - from + 720, 360.0); }

TEST(ChartChoicesRun, TheChartNamesTheChoicesAndEachPointsHouse) {
    for (HouseSystem houses : {HouseSystem::WholeSign, HouseSystem::Sripati, HouseSystem::Placidus, HouseSystem::Equal}) {
        SCOPED_TRACE(std::string(HouseSystemName(houses)));
        Birth birth = testing::ChennaiBirth();  // 7 December 1996, 10:34, Chennai
        birth.options.ayanamsa = AyanamsaKind::TrueChitra;
        birth.options.houses = houses;
        const ChartOutcome outcome = ComputeChart(birth, {false, {}, {}});
        ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
        const Chart& chart = *outcome.chart;
        EXPECT_EQ(chart.ayanamsaName, "True Chitra");
        EXPECT_EQ(chart.ayanamsaLabel.rfind("True Chitra 23\u00B0 47\u2032 ", 0), 0u) << chart.ayanamsaLabel;
        EXPECT_NE(chart.modeText.find(chart.ayanamsaLabel), std::string::npos);
        EXPECT_EQ(chart.houses, houses);
        // Each point stands between its house's cusp and the next one.
        for (int i = 0; i < kBodyCount; ++i) {
            const int house = chart.bhavas[static_cast<std::size_t>(i)];
            ASSERT_GE(house, 1);
            ASSERT_LE(house, 12);
            const double begins = chart.cusps[static_cast<std::size_t>(house - 1)];
            const double next = chart.cusps[static_cast<std::size_t>(house % 12)];
            EXPECT_LT(ArcForward(begins, chart.points[static_cast<std::size_t>(i)].longitude), ArcForward(begins, next))
                << i;
        }
        // The ascendant is in the first house; in Sripati's inside it, past its beginning.
        EXPECT_EQ(chart.bhavas[9], 1);
        if (houses == HouseSystem::Sripati) {
            EXPECT_GT(ArcForward(chart.cusps[0], chart.points[9].longitude), 1.0);
        }
        // Whole signs: the bhava is the house of the sign.
        if (houses == HouseSystem::WholeSign) {
            for (int i = 0; i < kBodyCount; ++i)
                EXPECT_EQ(chart.bhavas[static_cast<std::size_t>(i)],
                          (chart.points[static_cast<std::size_t>(i)].sign - chart.points[9].sign + 12) % 12 + 1);
        }
    }
}

TEST(ChartChoicesRun, TheBhavaChartPlacesEachPointByItsHouse) {
    Birth birth = testing::ChennaiBirth();  // 7 December 1996, 10:34, Chennai
    birth.options.houses = HouseSystem::Sripati;
    const ChartOutcome outcome = ComputeChart(birth, {false, {}, {}});
    ASSERT_TRUE(outcome.Computed());
    Chart chart = *outcome.chart;
    chart.bhavas = {2, 12, 1, 11, 7, 1, 3, 8, 2, 1};
    const PlacedPoints points = BhavaPoints(chart);
    const int rising = chart.points[9].sign;
    for (int i = 0; i < kBodyCount; ++i)
        EXPECT_EQ(points.signs[static_cast<std::size_t>(i)], (rising + chart.bhavas[static_cast<std::size_t>(i)] - 1) % 12);
    EXPECT_TRUE(points.arudhaSigns.empty());
    EXPECT_EQ(BhavaRows(chart)[0].points, "Mercury, Jupiter, Ascendant");
    EXPECT_EQ(BhavaRows(chart)[4].points, "");
}

TEST(ChartChoicesRun, AClassicChartRefusesEveryChoiceButTheDefaults) {
    Birth birth = testing::ChennaiBirth();  // 7 December 1996, 10:34, Chennai
    birth.mode = ComputationMode::Classic;
    ASSERT_TRUE(ComputeChart(birth, {false, {}, {}}).Computed());
    for (int change = 0; change < 3; ++change) {
        Birth chosen = birth;
        if (change == 0) chosen.options.ayanamsa = AyanamsaKind::Raman;
        if (change == 1) chosen.options.positions = PositionKind::True;
        if (change == 2) chosen.options.houses = HouseSystem::Equal;
        const ChartOutcome outcome = ComputeChart(chosen, {false, {}, {}});
        EXPECT_FALSE(outcome.Computed()) << change;
        EXPECT_EQ(outcome.refusal.message, kClassicChoicesRefusal);
    }
}

}  // namespace
}  // namespace velmora
