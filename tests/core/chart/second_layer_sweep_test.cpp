// The full position table, the Jaimini analyses and the sign dashas over a
// sweep of births in both engines, at the poles' edges (latitudes to 89° 59′
// either way, beyond the polar circles where houses cannot be drawn) and at
// the 0° and 180° meridians, across the years each engine computes: nothing
// fails, and what must hold whatever the chart holds: the karakas rank every
// planet once, each varga's arudhas come from the same rule as the birth
// chart's (D1's are exactly the chart's own), the two turns of a sign dasha
// visit the twelve signs in periods of at most 12 years and make 144 years,
// sub-periods tile their period,
// a combust planet is nearer the Sun than its orb; every yoga of the
// catalogue is read in every varga and names the planets forming it, and
// the doshas say why.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "analysis/Combustion.h"
#include "analysis/GrahaArudha.h"
#include "chart/ComputeChart.h"
#include "chart/DashaSystems.h"
#include "chart/JaiminiReading.h"
#include "chart/PointDetails.h"
#include "chart/YogaReading.h"

namespace velmora {
namespace {

Birth SweepBirth(ComputationMode mode, int year, int n, double latitude, double longitude) {
    Birth birth;
    birth.name = "SWEEP";
    birth.mode = mode;
    birth.clock = {year, 1 + n % 12, 1 + (n * 7) % 28, (n * 5) % 24, (n * 13) % 60, 0};
    birth.latitude = latitude;
    birth.longitude = longitude;
    birth.zoneEntry = 29;  // GMT
    return birth;
}

void CheckChart(const Chart& chart) {
    const PointDetails details = PointDetailsOf(chart);
    for (const PointDetail& d : details) {
        EXPECT_EQ(d.sign, chart.points[static_cast<std::size_t>(d.body)].sign);
        EXPECT_GE(d.degreesInSign, 0.0);
        EXPECT_LT(d.degreesInSign, 30.0);
        EXPECT_GE(d.fromSun, 0.0);
        EXPECT_LE(d.fromSun, 180.0);
        if (d.combust) {
            EXPECT_LT(d.fromSun, CombustionOrb(d.body, d.retrograde));
        }
        for (const PointDetail::War& war : d.wars) EXPECT_LT(war.separation, 1.0);
    }
    for (const KarakaScheme scheme : {KarakaScheme::Seven, KarakaScheme::Eight}) {
        const JaiminiReading r = JaiminiOf(chart, scheme);
        const CharaKarakas& k = r.Karakas();
        std::set<int> ranked(k.bodies.begin(), k.bodies.begin() + k.count);
        EXPECT_EQ(static_cast<int>(ranked.size()), k.count);
        EXPECT_EQ(*ranked.rbegin(), k.count - 1);  // Sun … Saturn, and Rahu (7) in the eighth
        EXPECT_EQ(r.karakamsa, chart.navamsaSigns[static_cast<std::size_t>(k.Atmakaraka())]);
        for (int a = 0; a < kArudhaCount; ++a) EXPECT_EQ(r.arudhas[0][static_cast<std::size_t>(a)], chart.arudhaSigns[static_cast<std::size_t>(a)]);
        EXPECT_EQ(ArudhaSignsOf(chart.vargas[0]), r.arudhas[0]);
    }
    const YogaReading yogas = YogasOf(chart, (1u << kVargaCount) - 1);
    ASSERT_EQ(yogas.vargas.size(), static_cast<std::size_t>(kVargaCount));
    for (const YogasInVarga& v : yogas.vargas)
        for (const YogaFound& f : v.yogas) EXPECT_NE(f.planets, 0) << f.Rule().id << " in varga " << v.varga;
    EXPECT_FALSE(yogas.kalaSarpa.summary.empty());
    EXPECT_FALSE(yogas.kemadruma.summary.empty());
    EXPECT_EQ(yogas.kemadruma.cancelled, !yogas.kemadruma.cancellations.empty());
    for (const DashaSystem system : {DashaSystem::Chara, DashaSystem::Narayana}) {
        const DashaTimeline& t = chart.Dasha(system);
        ASSERT_TRUE(t.Computed());
        std::set<int> all;
        for (int m = 0; m < t.majorCount; ++m) {
            const DashaNode& major = t.majors[static_cast<std::size_t>(m)];
            all.insert(t.Lord(major));
            EXPECT_GT(major.end, major.start);
            EXPECT_LE(major.end - major.start, 12 * t.yearMicroseconds);
            const DashaChildren subs = SubPeriods(t, major);
            ASSERT_EQ(subs.count, kSignCount);
            EXPECT_EQ(subs.nodes[0].start, major.start);
            EXPECT_EQ(subs.nodes[kSignCount - 1].end, major.end);
            std::set<int> subSigns;
            for (const DashaNode& sub : subs) subSigns.insert(t.Lord(sub));
            EXPECT_EQ(subSigns.size(), 12u);
        }
        EXPECT_EQ(all.size(), 12u);
        EXPECT_EQ(t.majors[static_cast<std::size_t>(t.majorCount - 1)].end - t.birth, 144 * t.yearMicroseconds);
    }
}

TEST(SecondLayerSweep, PolesMeridiansAndYears) {
    const double latitudes[] = {89 + 59.0 / 60, -(89 + 59.0 / 60), 70.0, -67.5, 0.0, 13.08};
    const double longitudes[] = {0.0, -0.0, 179 + 59.0 / 60, -(179 + 59.0 / 60), 80.28};
    ChartWants wants;
    wants.report = false;
    wants.dashas = DashaSet::All();
    wants.today = {2026, 12, 9};
    int charts = 0;
    for (const ComputationMode mode : {ComputationMode::Precise, ComputationMode::Classic}) {
        const int firstYear = mode == ComputationMode::Precise ? 1800 : 1901;
        const int lastYear = mode == ComputationMode::Precise ? 2399 : 2050;
        int n = 0;
        for (const double latitude : latitudes)
            for (const double longitude : longitudes) {
                const int year = firstYear + (n * 97) % (lastYear - firstYear + 1);
                const ChartOutcome outcome = ComputeChart(SweepBirth(mode, year, n++, latitude, longitude), wants);
                ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
                SCOPED_TRACE(std::to_string(year) + " at " + std::to_string(latitude) + ", " + std::to_string(longitude));
                CheckChart(*outcome.chart);
                ++charts;
            }
    }
    EXPECT_EQ(charts, 60);
}

}  // namespace
}  // namespace velmora
