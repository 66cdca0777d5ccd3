// A run given a time zone with its history (tzdata, zone Asia/Kolkata:
// +5:30, war time +6:30 from 1942-09-01 to 1945-10-15).

#include <gtest/gtest.h>

#include <memory>

#include "analysis/AnalysisRun.h"
#include "entry/ZoneTable.h"

namespace velmora {
namespace {

FormFields Kolkata1942(ComputationMode mode) {
    FormFields form;
    form.Name = "ASHA";
    form.Year = 1942 - kFirstYear;
    form.Month = 8;
    form.Day = 0;
    form.Hour = 12;
    form.LonDeg = "88";
    form.LonMin = "22";
    form.LatDeg = "22";
    form.LatMin = "34";
    form.TimeZoneId = "Asia/Kolkata";
    form.Place = "Kolkata, State of West Bengal, India";
    form.Mode = mode;
    return form;
}

TEST(ZoneRun, ClassicTakesTheStandardEntryAndTheDaylightSavingBox) {
    auto run = std::make_unique<AnalysisRun>();
    ASSERT_TRUE(run->RunAnalysis(Kolkata1942(ComputationMode::Classic), EnglishMonthNames()).Passed());
    EXPECT_EQ(run->Zone.ZoneOffsetHours, -5);
    EXPECT_EQ(run->Zone.ZoneOffsetMinutes, -30);
    EXPECT_TRUE(run->Birth.DaylightSaving);
    EXPECT_EQ(run->Result.utcOffset, "+06:30");
    EXPECT_TRUE(run->Result.dst);
    EXPECT_EQ(run->Result.timeZone, "Asia/Kolkata");
    EXPECT_EQ(run->Result.zoneText, "Asia/Kolkata: UTC+06:30, daylight saving on 1 September 1942 at 12:00");

    // The same chart as the entry and the box chosen by hand.
    FormFields byHand = Kolkata1942(ComputationMode::Classic);
    byHand.TimeZoneId.clear();
    byHand.Place.clear();
    for (int p = 0; p < kZoneItems; ++p)
        if (ZoneAbbreviation(kZoneTable[static_cast<std::size_t>(p)]) == "IST") byHand.Zone = p;
    byHand.DaylightSaving = true;
    auto hand = std::make_unique<AnalysisRun>();
    ASSERT_TRUE(hand->RunAnalysis(byHand, EnglishMonthNames()).Passed());
    EXPECT_EQ(hand->Result.planet, run->Result.planet);
    EXPECT_EQ(hand->Result.utcOffset, "+06:30");
    EXPECT_TRUE(hand->Result.timeZone.empty());
}

TEST(ZoneRun, PreciseTakesTheExactOffset) {
    auto run = std::make_unique<AnalysisRun>();
    ASSERT_TRUE(run->RunAnalysis(Kolkata1942(ComputationMode::Precise), EnglishMonthNames()).Passed());
    // 12:00 at +6:30 is 05:30 UT; 1942-09-01 0 h UT is JD 2430603.5.
    EXPECT_NEAR(run->Precise.JulianDateUT, 2430603.5 + 5.5 / 24, 1e-9);

    // Kathmandu's +5:45 has no list entry, but precise positions take it.
    FormFields nepal = Kolkata1942(ComputationMode::Precise);
    nepal.Year = 1990 - kFirstYear;
    nepal.TimeZoneId = "Asia/Kathmandu";
    ASSERT_TRUE(run->RunAnalysis(nepal, EnglishMonthNames()).Passed());
    EXPECT_NEAR(run->Precise.JulianDateUT, 2448135.5 + (12 - 5.75) / 24, 1e-9);  // 1990-09-01 06:15 UT
}

// What the result window says was used. The offsets are tzdata's (Python's
// zoneinfo on the same data: Asia/Kolkata 1942-09-01 12:00 is +06:30 with
// daylight saving, war time; America/New_York 2021-11-07 01:30 is EDT -04:00
// at fold 0 and EST -05:00 at fold 1); the list entries are the zone list's.
TEST(ZoneRun, TheZoneAsUsedInOneLine) {
    FormFields newYork = Kolkata1942(ComputationMode::Precise);
    newYork.Year = 2021 - kFirstYear;
    newYork.Month = 10;
    newYork.Day = 6;
    newYork.Hour = 1;
    newYork.Minute = 30;
    newYork.LonDeg = "74";
    newYork.East = false;
    newYork.LatDeg = "40";
    newYork.TimeZoneId = "America/New_York";
    newYork.Place = "New York City, New York, United States of America";
    FormFields earlier = newYork, later = newYork, notRepeated = newYork;
    earlier.Repeated = RepeatedHour::Earlier;
    later.Repeated = RepeatedHour::Later;
    notRepeated.Repeated = RepeatedHour::Later;
    notRepeated.Hour = 3;  // an hour shown once: no reading to name
    FormFields typed = Kolkata1942(ComputationMode::Classic);
    typed.TimeZoneId.clear();
    typed.Place.clear();
    typed.Zone = 34;  // "Indian Time, IST, +5.3"
    FormFields typedSummer = typed;
    typedSummer.DaylightSaving = true;
    FormFields eastern = typed;
    eastern.Zone = 27;  // "Eastern Standard Time,EST,-5.0"
    const struct {
        const char* what;
        FormFields form;
        std::string used;
    } cases[] = {
        {"a zone's history", Kolkata1942(ComputationMode::Classic),
         "Asia/Kolkata: UTC+06:30, daylight saving on 1 September 1942 at 12:00"},
        {"the earlier of a repeated hour", earlier,
         "America/New_York: UTC-04:00, daylight saving on 7 November 2021 at 01:30, the earlier of the two (the "
         "clocks showed this time twice)"},
        {"the later of a repeated hour", later,
         "America/New_York: UTC-05:00 on 7 November 2021 at 01:30, the later of the two (the clocks showed this "
         "time twice)"},
        {"an hour shown once", notRepeated, "America/New_York: UTC-05:00 on 7 November 2021 at 03:30"},
        {"a list entry", typed, "Indian Time, IST, +5.3: UTC+05:30"},
        {"a list entry with daylight saving", typedSummer, "Indian Time, IST, +5.3: UTC+06:30, daylight saving"},
        {"a list entry west of Greenwich", eastern, "Eastern Standard Time,EST,-5.0: UTC-05:00"},
    };
    auto run = std::make_unique<AnalysisRun>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(run->RunAnalysis(c.form, EnglishMonthNames()).Passed());
        EXPECT_EQ(run->Result.zoneUsed, c.used);
    }
}

TEST(ZoneRun, RefusalsChangeNothing) {
    AnalysisRun run;
    ASSERT_TRUE(run.RunAnalysis(Kolkata1942(ComputationMode::Classic), EnglishMonthNames()).Passed());
    const ResultFormTexts before = run.Result;
    FormFields nepal = Kolkata1942(ComputationMode::Classic);
    nepal.Year = 1990 - kFirstYear;
    nepal.TimeZoneId = "Asia/Kathmandu";
    const ValidationResult noEntry = run.RunAnalysis(nepal, EnglishMonthNames());
    EXPECT_EQ(noEntry.check, AnalysisRun::kZoneFailure);
    EXPECT_NE(noEntry.message.find("no entry for UTC+05:45"), std::string_view::npos) << noEntry.message;
    FormFields unknown = Kolkata1942(ComputationMode::Precise);
    unknown.TimeZoneId = "Mars/Olympus_Mons";
    EXPECT_EQ(run.RunAnalysis(unknown, EnglishMonthNames()).check, AnalysisRun::kZoneFailure);
    EXPECT_EQ(run.Result.planet, before.planet);
    EXPECT_EQ(run.Result.zoneText, before.zoneText);

    // Nothing of the place survives into a chart typed by hand.
    FormFields typed = Kolkata1942(ComputationMode::Classic);
    typed.TimeZoneId.clear();
    typed.Place.clear();
    ASSERT_TRUE(run.RunAnalysis(typed, EnglishMonthNames()).Passed());
    EXPECT_TRUE(run.Result.place.empty());
    EXPECT_TRUE(run.Result.timeZone.empty());
    EXPECT_TRUE(run.Result.zoneText.empty());
    EXPECT_EQ(run.Result.utcOffset, "+00:00");  // the GMT entry
}

}  // namespace
}  // namespace velmora
