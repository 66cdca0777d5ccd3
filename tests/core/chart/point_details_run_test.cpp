// The position table of computed charts beside published events:
// - the great conjunction of Jupiter and Saturn, 21 December 2020, when
//   Jupiter passed 0° 06′ south of Saturn (in-the-sky.org, "Conjunction of
//   Jupiter and Saturn"): a planetary war that Saturn, the northern planet,
//   wins, in both engines (the classic chart's latitudes from the Swiss
//   Ephemeris);
// - Mercury's superior conjunction with the Sun, 19 April 2021, and Venus
//   three weeks after its own (26 March 2021; in-the-sky.org): both combust,
//   Mercury within a degree of the Sun;
// - each point's nakshatra, sign and speed as the chart has them.

#include <gtest/gtest.h>

#include "chart/ComputeChart.h"
#include "chart/PointDetails.h"

namespace velmora {
namespace {

Birth Greenwich(int year, int month, int day, int hour, ComputationMode mode) {
    Birth birth;
    birth.name = "SKY";
    birth.mode = mode;
    birth.clock = {year, month, day, hour, 0, 0};
    birth.latitude = 51 + 28.0 / 60;
    birth.longitude = 0;
    birth.zoneEntry = 29;  // GMT
    return birth;
}

PointDetails DetailsAt(const Birth& birth) {
    const ChartOutcome outcome = ComputeChart(birth, {.report = false, .dashas = {}, .today = {}});
    EXPECT_TRUE(outcome.Computed()) << outcome.refusal.message;
    return outcome.Computed() ? PointDetailsOf(*outcome.chart) : PointDetails{};
}

TEST(PointDetailsRun, TheGreatConjunctionIsAWarSaturnWins) {
    for (const ComputationMode mode : {ComputationMode::Precise, ComputationMode::Classic}) {
        SCOPED_TRACE(mode == ComputationMode::Precise ? "precise" : "classic");
        const PointDetails d = DetailsAt(Greenwich(2020, 12, 21, 18, mode));
        const PointDetail& jupiter = d[5];
        const PointDetail& saturn = d[6];
        ASSERT_EQ(jupiter.wars.size(), 1u);
        ASSERT_EQ(saturn.wars.size(), 1u);
        EXPECT_EQ(jupiter.wars[0].other, 6);
        EXPECT_FALSE(jupiter.wars[0].won);
        EXPECT_TRUE(saturn.wars[0].won);
        EXPECT_LT(saturn.wars[0].separation, 0.1);
        for (int body : {2, 3, 4}) EXPECT_TRUE(d[static_cast<std::size_t>(body)].wars.empty()) << body;
    }
}

TEST(PointDetailsRun, SuperiorConjunctionsAreCombust) {
    const PointDetails d = DetailsAt(Greenwich(2021, 4, 19, 12, ComputationMode::Precise));
    EXPECT_TRUE(d[2].combust);
    EXPECT_LT(d[2].fromSun, 1.0);
    EXPECT_TRUE(d[3].combust);
    for (int body : {1, 4, 5, 6}) EXPECT_FALSE(d[static_cast<std::size_t>(body)].combust) << body;
    for (int body : {0, 7, 8, 9}) EXPECT_FALSE(d[static_cast<std::size_t>(body)].combust) << body;
    for (const PointDetail& p : d) EXPECT_NEAR(p.longitude, p.sign * 30 + p.degreesInSign, 1e-9);
    EXPECT_GT(d[0].speed, 0.9);  // the Sun about a degree a day
    EXPECT_LT(d[7].speed, 0.0);  // the mean node backward
}

}  // namespace
}  // namespace velmora
