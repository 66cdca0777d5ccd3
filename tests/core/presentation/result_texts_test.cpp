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

namespace velmora {
namespace {

void ExpectSameTexts(const ResultFormTexts& made, const AnalysisRun& from, const std::string& where) {
    SCOPED_TRACE(where);
    const testing::EngineCaptions engine = testing::EngineCaptionsOf(from);
    const RunResult& run = from.Result;
    EXPECT_EQ(made.planet, engine.planet);
    EXPECT_EQ(made.signBoxes, engine.signBoxes);
    EXPECT_EQ(made.arudhaBoxes, engine.arudhaBoxes);
    EXPECT_EQ(made.bodySigns, run.bodySigns);
    EXPECT_EQ(made.retrograde, run.retrograde);
    EXPECT_EQ(made.arudhaSigns, run.arudhaSigns);
    EXPECT_EQ(made.name, from.Birth.BirthName);
    EXPECT_EQ(made.dateOfBirth, engine.dateOfBirth);
    EXPECT_EQ(made.timeOfBirth, engine.timeOfBirth);
    const BirthData& b = from.Birth;
    EXPECT_EQ(made.clock, (CivilMoment{b.BirthYear, b.BirthMonth, b.BirthDay, b.BirthClockHour, b.BirthClockMinute}));
    EXPECT_EQ(made.monthName, EnglishMonthNames()[static_cast<std::size_t>(b.BirthMonth - 1)]);
    EXPECT_EQ(made.latitude, engine.latitude);
    EXPECT_EQ(made.longitude, engine.longitude);
    EXPECT_EQ(made.city, run.city);
    EXPECT_EQ(made.state, run.state);
    EXPECT_EQ(made.country, run.country);
    EXPECT_EQ(made.modeText, run.modeText);
    EXPECT_EQ(made.place, run.place);
    EXPECT_EQ(made.timeZone, run.timeZone);
    EXPECT_EQ(made.utcOffset, run.utcOffset);
    EXPECT_EQ(made.zoneText, run.zoneText);
    EXPECT_EQ(made.dst, run.dst);
    EXPECT_EQ(made.zoneUsed, run.zoneUsed);
    EXPECT_EQ(made.report, run.report);
    EXPECT_EQ(made.nakshatras, run.nakshatras);
    EXPECT_EQ(made.navamsaSigns, run.navamsaSigns);
    EXPECT_EQ(made.navamsaBoxes, engine.navamsaBoxes);
    EXPECT_EQ(made.vargas, run.vargas);
    EXPECT_EQ(made.vargottama, run.vargottama);
    EXPECT_EQ(made.dasha.runningMajor, run.dasha.runningMajor);
    EXPECT_EQ(made.dasha.runningSub, run.dasha.runningSub);
    for (int m = 0; m < 9; ++m) {
        EXPECT_EQ(made.dasha.majors[m].period.start, run.dasha.majors[m].period.start);
        EXPECT_EQ(made.dasha.majors[m].sub[8].end, run.dasha.majors[m].sub[8].end);
    }
}

TEST(ResultTexts, MadeFromTheChartAsTheRunWroteThem) {
    const MonthNames months = EnglishMonthNames();
    AnalysisRun run;
    run.Today = {2026, 12, 9};
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
            const ValidationResult check = run.RunAnalysis(form);
            ASSERT_TRUE(check.Passed()) << check.message;
            ExpectSameTexts(ResultTextsOf(run.MakeChart(), months), run,
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
    AnalysisRun run;
    FormFields form = testing::BirthForm(2021, 11, 7, 1, 30);
    form.LonDeg = "74";
    form.East = false;
    form.LatDeg = "40";
    form.LatMin = "43";
    form.Mode = ComputationMode::Precise;
    form.TimeZoneId = "America/New_York";
    form.Repeated = RepeatedHour::Later;
    ASSERT_TRUE(run.RunAnalysis(form).Passed());
    ExpectSameTexts(ResultTextsOf(run.MakeChart(), months), run, "New York");
    EXPECT_NE(run.Result.zoneUsed.find("the later of the two"), std::string::npos);
}

}  // namespace
}  // namespace velmora
