// The analyses registered as data: every dasha system, ayanamsa and house
// system has its row, its word reads back to it, and each row does what its
// source says. A new row is covered here without a line of this file.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "birth/ChartOptions.h"
#include "birth/DashaChoice.h"
#include "chart/ComputeChart.h"
#include "chart/DashaSystems.h"
#include "tests/support/BirthForm.h"

namespace velmora {
namespace {

// Each system's major periods tile its cycles: they follow one another without
// a gap, and all of them together last the table's years times its turns, in
// whole years of the dasha year chosen (the engine counts whole microseconds).
TEST(Registries, EveryDashaSystemsPeriodsSumToItsCycles) {
    std::set<std::string_view> names, keys;
    for (const DashaSystemRow& row : AllDashaSystems()) {
        const DashaTable& table = row.table();
        SCOPED_TRACE(std::string(table.name));
        EXPECT_TRUE(names.insert(table.name).second) << "a name of its own";
        EXPECT_TRUE(keys.insert(DashaSystemKey(row.system)).second) << "a key of its own";
        EXPECT_EQ(ParseDashaSystem(DashaSystemKey(row.system)), row.system);
        EXPECT_EQ(DashaSystemName(row.system), table.name);
        if (!table.SignDasha()) {
            int years = 0;
            for (const DashaLordYears& lord : table.sequence) years += lord.years;
            EXPECT_EQ(years, table.cycleYears);
        }
        // The Moon at 100° (Pushya), the ascendant in Leo, the others spread
        // over the signs; any birth: the periods run from the birth's balance on.
        const std::array<double, kBodyCount> longitudes = {10.0, 100.0, 200.0, 250.0, 300.0,
                                                           40.0, 70.0,  160.0, 340.0, 130.0};
        for (const DashaYearInfo& year : kDashaYearChoices) {
            const DashaTimeline t = ComputeDasha(row.system, longitudes, {1990, 3, 14, 10, 0}, year.year, {2000, 1, 1});
            ASSERT_TRUE(t.Computed());
            for (int m = 1; m < t.majorCount; ++m)
                EXPECT_EQ(t.majors[static_cast<std::size_t>(m)].start, t.majors[static_cast<std::size_t>(m - 1)].end);
            EXPECT_GT(t.runningLevels, 0) << "2000 lies within every system's periods";
            if (table.SignDasha()) continue;
            ASSERT_EQ(t.majorCount, static_cast<int>(table.sequence.size()) * table.cycles);
            EXPECT_EQ(t.majors[static_cast<std::size_t>(t.majorCount - 1)].end - t.majors[0].start,
                      static_cast<std::int64_t>(table.cycleYears) * table.cycles * year.microseconds);
        }
    }
}

// A chart holds exactly the systems asked for, each the timeline the registry
// computes for its Moon and birth.
TEST(Registries, AChartHoldsTheSystemsAskedFor) {
    const Birth birth = BirthFromForm(testing::BirthForm(1985, 6, 18, 9, 5));
    for (const DashaSystemRow& asked : AllDashaSystems()) {
        ChartWants wants;
        wants.dashas = {asked.system};
        const ChartOutcome outcome = ComputeChart(birth, wants);
        ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
        for (const DashaSystemRow& row : AllDashaSystems()) {
            const DashaTimeline& held = outcome.chart->Dasha(row.system);
            EXPECT_EQ(held.Computed(), row.system == asked.system) << DashaSystemKey(row.system);
        }
        std::array<double, kBodyCount> longitudes{};
        for (std::size_t i = 0; i < longitudes.size(); ++i) longitudes[i] = outcome.chart->points[i].longitude;
        const DashaTimeline expected =
            ComputeDasha(asked.system, longitudes, outcome.chart->birth.clock, birth.dashaYear, {});
        EXPECT_EQ(outcome.chart->Dasha(asked.system).Majors().size(), expected.Majors().size());
        EXPECT_EQ(outcome.chart->Dasha(asked.system).majors, expected.majors);
    }
}

// Every ayanamsa's and house system's word reads back to its row, and every
// row computes a chart (the values at their epochs are checked against their
// definitions in the ephemeris's tests).
TEST(Registries, EveryAyanamsaAndHouseSystemComputesAChart) {
    Birth birth = BirthFromForm(testing::BirthForm(1985, 6, 18, 9, 5));
    birth.mode = ComputationMode::Precise;
    for (const AyanamsaRow& row : kAyanamsas) {
        SCOPED_TRACE(std::string(row.key));
        ChartOptions options;
        if (row.kind == AyanamsaKind::Custom) {
            ASSERT_TRUE(ParseAyanamsa("custom:1900-01-01:22.46", options));
        } else {
            ASSERT_TRUE(ParseAyanamsa(row.key, options));
        }
        EXPECT_EQ(options.ayanamsa, row.kind);
        EXPECT_EQ(AyanamsaDisplayName(row.kind), row.display);
        birth.options = options;
        const ChartOutcome outcome = ComputeChart(birth, {.report = false, .dashas = {}, .today = {}});
        ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
        EXPECT_EQ(outcome.chart->ayanamsaName, row.display);
        // Today's ayanamsas lie between 22° and 25°; the custom one was 22.46° in 1900.
        EXPECT_GT(outcome.chart->ayanamsa, 22.0);
        EXPECT_LT(outcome.chart->ayanamsa, 25.5);
    }
    birth.options = {};
    for (const HouseSystemRow& row : kHouseSystemRows) {
        SCOPED_TRACE(std::string(row.key));
        HouseSystem parsed = HouseSystem::WholeSign;
        ASSERT_TRUE(ParseHouseSystem(row.key, parsed));
        EXPECT_EQ(parsed, row.system);
        birth.options.houses = row.system;
        const ChartOutcome outcome = ComputeChart(birth, {.report = false, .dashas = {}, .today = {}});
        ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
        EXPECT_EQ(outcome.chart->houses, row.system);
        // Every system's cusps run once round the zodiac, each house beginning after the one before.
        double turned = 0;
        for (int h = 0; h < 12; ++h) {
            const double next = outcome.chart->cusps[static_cast<std::size_t>((h + 1) % 12)];
            double span = next - outcome.chart->cusps[static_cast<std::size_t>(h)];
            if (span <= 0) span += 360;
            turned += span;
        }
        EXPECT_NEAR(turned, 360.0, 1e-9);
    }
}

}  // namespace
}  // namespace velmora
