// The result window's texts made from the chart's numbers must be byte for
// byte the texts the run has always written (the position texts, the sign
// boxes with their retrograde marks, the arudhas, the details; rebuilt from
// the engine's own texts by tests/support/EngineCaptions.h) and carry what
// the run worked out (the zone, the report, nakshatras, dasha), for both
// engines, a zone-list entry and zone histories, across the whole range of
// years the form offers.

#include <gtest/gtest.h>

#include <string>

#include "chart/AnalysisRun.h"
#include "presentation/ResultTexts.h"
#include "tests/support/BirthForm.h"
#include "tests/support/EngineCaptions.h"
#include "presentation/DashaLabels.h"

namespace velmora {
namespace {

// The labels of the run's chart against the engine's own texts; the chart's
// numbers against the engine's values and what the form gave.
void ExpectSameTexts(const ResultLabels& made, const testing::FormRun& from, const FormFields& form,
                     const std::string& where) {
    SCOPED_TRACE(where);
    const testing::EngineCaptions engine = testing::EngineCaptionsOf(from);
    const Chart& chart = from.chart;
    const AnalysisRun& run = from.Engine();
    EXPECT_EQ(made.planet, engine.planet);
    EXPECT_EQ(made.signBoxes, engine.signBoxes);
    EXPECT_EQ(made.arudhaBoxes, engine.arudhaBoxes);
    for (int i = 0; i < kBodyCount; ++i) {
        EXPECT_EQ(chart.points[i].sign, run.State.BodySigns[i]) << i;
        EXPECT_EQ(chart.points[i].retrograde, run.Names.BodyNames[i].ends_with(" (R) ")) << i;
    }
    for (int a = 0; a < kArudhaCount; ++a) EXPECT_EQ(chart.arudhaSigns[a], run.State.ArudhaSigns[a]) << a;
    EXPECT_EQ(made.name, run.BirthValues.BirthName);
    EXPECT_EQ(made.dateOfBirth, engine.dateOfBirth);
    EXPECT_EQ(made.timeOfBirth, engine.timeOfBirth);
    const BirthData& b = run.BirthValues;
    EXPECT_EQ(chart.birth.clock,
              (CivilMoment{b.BirthYear, b.BirthMonth, b.BirthDay, b.BirthClockHour, b.BirthClockMinute}));
    EXPECT_EQ(made.monthName, EnglishMonthNames()[static_cast<std::size_t>(b.BirthMonth - 1)]);
    EXPECT_EQ(made.latitude, engine.latitude);
    EXPECT_EQ(made.longitude, engine.longitude);
    EXPECT_EQ(chart.birth.city, form.City);
    EXPECT_EQ(chart.birth.state, form.State);
    EXPECT_EQ(chart.birth.country, form.Country);
    EXPECT_EQ(chart.modeText.empty(), form.Mode == ComputationMode::Classic);
    EXPECT_EQ(chart.birth.place, form.Place);
    EXPECT_EQ(chart.birth.timeZone, form.TimeZoneId);
    EXPECT_EQ(chart.birth.zoneText.empty(), form.TimeZoneId.empty());
    if (form.TimeZoneId.empty()) {
        EXPECT_EQ(chart.birth.dst, form.DaylightSaving);
    }
    EXPECT_FALSE(chart.birth.zoneUsed.empty());
    EXPECT_FALSE(chart.report.empty());
    EXPECT_EQ(made.navamsaBoxes, engine.navamsaBoxes);
    const VimshottariDasha dasha = VimshottariPeriods(chart);
    EXPECT_EQ(dasha.majors[0].period.lord, chart.nakshatras[1].lord);
    EXPECT_EQ(dasha.birth, chart.birth.clock);
}

TEST(ResultTexts, MadeFromTheChartAsTheRunWroteThem) {
    const MonthNames months = EnglishMonthNames();
    testing::FormRun run;
    run.wants.today = {2026, 12, 9};
    int charts = 0;
    for (int year = 1901; year <= 2050; year += 7) {
        for (int variant = 0; variant < 4; ++variant) {
            FormFields form = testing::BirthForm(year, 1 + (year + variant) % 12, 1 + (year * 3 + variant) % 28,
                                                 (year + 5 * variant) % 24, (year * 7 + variant) % 60);
            form.City = "Bengaluru";
            form.State = "Karnataka";
            form.Country = "India";
            form.LonDeg = "77";
            form.LonMin = "35";
            form.LatDeg = "12";
            form.LatMin = "58";
            form.Zone = (year + variant) % kZoneItems;
            form.DaylightSaving = variant == 1;
            form.Mode = variant >= 2 ? ComputationMode::Precise : ComputationMode::Classic;
            form.Node = variant == 3 ? NodeKind::True : NodeKind::Mean;
            if (variant == 3) {
                form.TimeZoneId = "Asia/Kolkata";
                form.Place = "Bengaluru, Karnataka, India";
            }
            const testing::RunCheck check = run.RunAnalysis(form);
            ASSERT_TRUE(check.Passed()) << check.message;
            ExpectSameTexts(ResultLabelsOf(run.chart, months), run, form,
                            std::to_string(year) + " variant " + std::to_string(variant));
            ++charts;
        }
    }
    EXPECT_EQ(charts, 22 * 4);
}

// A local time the clocks showed twice, with the later reading taken: the
// zone line names it (New York, 7 November 2021 01:30, EDT then EST).
TEST(ResultTexts, TheRepeatedHoursReading) {
    const MonthNames months = EnglishMonthNames();
    testing::FormRun run;
    FormFields form = testing::BirthForm(2021, 11, 7, 1, 30);
    form.LonDeg = "74";
    form.East = false;
    form.LatDeg = "40";
    form.LatMin = "43";
    form.Mode = ComputationMode::Precise;
    form.TimeZoneId = "America/New_York";
    form.Repeated = RepeatedHour::Later;
    ASSERT_TRUE(run.RunAnalysis(form).Passed());
    ExpectSameTexts(ResultLabelsOf(run.chart, months), run, form, "New York");
    EXPECT_NE(run.chart.birth.zoneUsed.find("the later of the two"), std::string::npos);
}

}  // namespace
}  // namespace velmora
