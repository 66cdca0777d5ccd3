// A run given a time zone with its history (tzdata, zone Asia/Kolkata:
// +5:30, war time +6:30 from 1942-09-01 to 1945-10-15).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "chart/AnalysisRun.h"
#include "tests/support/FormRun.h"
#include "engine/BirthTime.h"
#include "birth/ZoneTable.h"
#include "tests/support/RunTexts.h"

namespace velmora {
namespace {

using testing::FormRun;
using testing::RunCheck;

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
    auto run = std::make_unique<FormRun>();
    ASSERT_TRUE(run->RunAnalysis(Kolkata1942(ComputationMode::Classic)).Passed());
    EXPECT_EQ(run->Engine().Zone.ZoneOffsetHours, -5);
    EXPECT_EQ(run->Engine().Zone.ZoneOffsetMinutes, -30);
    EXPECT_TRUE(run->Engine().BirthValues.DaylightSaving);
    EXPECT_EQ(run->chart.birth.utcOffset, "+06:30");
    EXPECT_TRUE(run->chart.birth.dst);
    EXPECT_EQ(run->chart.birth.timeZone, "Asia/Kolkata");
    EXPECT_EQ(run->chart.birth.zoneText, "Asia/Kolkata: UTC+06:30, daylight saving on 1 September 1942 at 12:00");

    // The same chart as the entry and the box chosen by hand.
    FormFields byHand = Kolkata1942(ComputationMode::Classic);
    byHand.TimeZoneId.clear();
    byHand.Place.clear();
    for (int p = 0; p < kZoneItems; ++p)
        if (ZoneAbbreviation(kZoneTable[static_cast<std::size_t>(p)]) == "IST") byHand.Zone = p;
    byHand.DaylightSaving = true;
    auto hand = std::make_unique<FormRun>();
    ASSERT_TRUE(hand->RunAnalysis(byHand).Passed());
    EXPECT_EQ(testing::TextsOf(hand->chart).planet, testing::TextsOf(run->chart).planet);
    EXPECT_EQ(hand->chart.birth.utcOffset, "+06:30");
    EXPECT_TRUE(hand->chart.birth.timeZone.empty());
}

TEST(ZoneRun, PreciseTakesTheExactOffset) {
    auto run = std::make_unique<FormRun>();
    ASSERT_TRUE(run->RunAnalysis(Kolkata1942(ComputationMode::Precise)).Passed());
    // 12:00 at +6:30 is 05:30 UT; 1942-09-01 0 h UT is JD 2430603.5.
    EXPECT_NEAR(run->Engine().Precise.Result().julianDateUT, 2430603.5 + 5.5 / 24, 1e-9);

    // Kathmandu's +5:45 has no list entry, but precise positions take it.
    FormFields nepal = Kolkata1942(ComputationMode::Precise);
    nepal.Year = 1990 - kFirstYear;
    nepal.TimeZoneId = "Asia/Kathmandu";
    ASSERT_TRUE(run->RunAnalysis(nepal).Passed());
    EXPECT_NEAR(run->Engine().Precise.Result().julianDateUT, 2448135.5 + (12 - 5.75) / 24, 1e-9);  // 1990-09-01 06:15 UT

    // Madras time, +5:21:10 (tzdata, Asia/Kolkata before 1906), to the
    // second as the details show it: 1901-01-01 12:00 is 06:38:50 UT, and
    // 1901-01-01 0 h UT is JD 2415385.5 (Astronomical Almanac).
    FormFields madras = Kolkata1942(ComputationMode::Precise);
    madras.Year = 0;
    madras.Month = 0;
    madras.Day = 0;
    ASSERT_TRUE(run->RunAnalysis(madras).Passed());
    EXPECT_EQ(run->chart.birth.utcOffset, "+05:21:10");
    EXPECT_NEAR(run->Engine().Precise.Result().julianDateUT, 2415385.5 + (6 + 38.0 / 60 + 50.0 / 3600) / 24, 1e-9);
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
    auto run = std::make_unique<FormRun>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(run->RunAnalysis(c.form).Passed());
        EXPECT_EQ(run->chart.birth.zoneUsed, c.used);
    }
}

TEST(ZoneRun, RefusalsChangeNothing) {
    FormRun run;
    ASSERT_TRUE(run.RunAnalysis(Kolkata1942(ComputationMode::Classic)).Passed());
    const ResultLabels before = testing::TextsOf(run.chart);
    const std::string zoneBefore = run.chart.birth.zoneText;
    FormFields nepal = Kolkata1942(ComputationMode::Classic);
    nepal.Year = 1990 - kFirstYear;
    nepal.TimeZoneId = "Asia/Kathmandu";
    const RunCheck noEntry = run.RunAnalysis(nepal);
    EXPECT_EQ(noEntry.refusal, ChartRefusalKind::NoZoneOffset);
    EXPECT_NE(noEntry.message.find("no entry for UTC+05:45"), std::string_view::npos) << noEntry.message;
    FormFields unknown = Kolkata1942(ComputationMode::Precise);
    unknown.TimeZoneId = "Mars/Olympus_Mons";
    EXPECT_EQ(run.RunAnalysis(unknown).refusal, ChartRefusalKind::NoZoneOffset);
    EXPECT_EQ(testing::TextsOf(run.chart).planet, before.planet);
    EXPECT_EQ(run.chart.birth.zoneText, zoneBefore);

    // Nothing of the place survives into a chart typed by hand.
    FormFields typed = Kolkata1942(ComputationMode::Classic);
    typed.TimeZoneId.clear();
    typed.Place.clear();
    ASSERT_TRUE(run.RunAnalysis(typed).Passed());
    EXPECT_TRUE(run.chart.birth.place.empty());
    EXPECT_TRUE(run.chart.birth.timeZone.empty());
    EXPECT_TRUE(run.chart.birth.zoneText.empty());
    EXPECT_EQ(run.chart.birth.utcOffset, "+00:00");  // the GMT entry
}

// Daylight saving of other amounts than the hour the classic engine adds for
// its box, from tzdata 2025b (the same offsets from Python's zoneinfo on that
// tzdata): Africa/Windhoek winter time 1995 UTC+01:00 against standard +02:00;
// Europe/Prague winter 1946/47 UTC+00:00 against +01:00; Australia/Lord_Howe
// summer 2019/20 UTC+11:00 against +10:30; Antarctica/Troll summer 2020
// UTC+02:00 against +00:00. Coordinates of the places from the GeoNames
// gazetteer (Troll station from the Norwegian Polar Institute). Windhoek's
// and Prague's winters are a negative daylight saving in the database
// (zoneinfo's dst() is -1 h): the clocks were behind, not ahead, so the
// chart says standard time there.
struct SavingCase {
    const char* zone;
    int year, month, day;
    const char* lonDeg; const char* lonMin; bool east;
    const char* latDeg; const char* latMin; bool south;
    int offsetMinutes;  // east of Greenwich, daylight saving included
    bool ahead;         // the clocks ahead of standard time: daylight saving
};

constexpr SavingCase kSavingCases[] = {
    {"Africa/Windhoek", 1995, 7, 15, "17", "5", true, "22", "34", true, 60, false},
    {"Europe/Prague", 1947, 1, 15, "14", "25", true, "50", "5", false, 0, false},
    {"Australia/Lord_Howe", 2020, 1, 15, "159", "5", true, "31", "33", true, 660, true},
    {"Antarctica/Troll", 2020, 4, 15, "2", "32", true, "72", "1", true, 120, true},
};

FormFields SavingForm(const SavingCase& c, ComputationMode mode) {
    FormFields form;
    form.Name = "ASHA";
    form.Year = c.year - kFirstYear;
    form.Month = c.month - 1;
    form.Day = c.day - 1;
    form.Hour = 12;
    form.LonDeg = c.lonDeg;
    form.LonMin = c.lonMin;
    form.East = c.east;
    form.LatDeg = c.latDeg;
    form.LatMin = c.latMin;
    form.South = c.south;
    form.TimeZoneId = c.zone;
    form.Mode = mode;
    return form;
}

// The smaller angle between two longitudes in degrees.
double Apart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}

TEST(ZoneRun, ClassicTakesTheRealDaylightSavingAmount) {
    for (const SavingCase& c : kSavingCases) {
        SCOPED_TRACE(c.zone);
        auto classic = std::make_unique<FormRun>();
        ASSERT_TRUE(classic->RunAnalysis(SavingForm(c, ComputationMode::Classic)).Passed());
        EXPECT_EQ(classic->chart.birth.dst, c.ahead);
        const int hours = std::abs(c.offsetMinutes) / 60, minutes = std::abs(c.offsetMinutes) % 60;
        char shown[16];
        std::snprintf(shown, sizeof shown, "%c%02d:%02d", c.offsetMinutes < 0 ? '-' : '+', hours, minutes);
        EXPECT_EQ(classic->chart.birth.utcOffset, shown);

        // Both paths of the classic engine take the clock at that offset:
        // the ascendant's and the Moon's from the magnitudes, the box and the
        // hemisphere, the planets' from the signed list entry.
        const BirthTime time = FormBirthTime(classic->Engine().BirthValues);
        EXPECT_NEAR((time.BirthHour - time.UniversalHour) * 60, c.offsetMinutes, 1e-9);
        EXPECT_EQ(-(classic->Engine().Zone.ZoneOffsetHours * 60 + classic->Engine().Zone.ZoneOffsetMinutes), c.offsetMinutes);

        // The ascendant moves a degree in about four minutes: the precise
        // engine at the zone's exact offset puts it within a tenth of a degree
        // of the classic one (Windhoek: 08 deg Libra, as the classic chart of
        // the clock's true offset gives it).
        auto precise = std::make_unique<FormRun>();
        ASSERT_TRUE(precise->RunAnalysis(SavingForm(c, ComputationMode::Precise)).Passed());
        EXPECT_LT(Apart(classic->Degrees()[kBodyCount - 1], precise->Degrees()[kBodyCount - 1]), 0.1)
            << classic->Degrees()[kBodyCount - 1] << " against " << precise->Degrees()[kBodyCount - 1];
    }
}

TEST(ZoneRun, ClassicRefusesAnOffsetItCannotTake) {
    // tzdata 2025b: Africa/Accra kept a daylight saving of twenty minutes,
    // UTC+00:20, from September to December 1936-1942; the list has no such
    // entry. Europe/Madrid 1995-07-15 is UTC+02:00 while Madrid lies at
    // 3 deg 42 min west (GeoNames): the classic engine would take the zone as
    // west of Greenwich.
    struct Refusal {
        SavingCase birth;
        const char* message;
    };
    const Refusal refusals[] = {
        {{"Africa/Accra", 1937, 10, 15, "0", "13", false, "5", "33", false, 20, true},
         "The zone list has no entry for UTC+00:20, the time of Africa/Accra on 15 October 1937 with its daylight "
         "saving of +00:20; choose precise positions to compute with its exact offset"},
        {{"Europe/Madrid", 1995, 7, 15, "3", "42", false, "40", "25", false, 120, true},
         "UTC+02:00, the time of Europe/Madrid on 15 July 1995, is east of Greenwich and the longitude west of it; "
         "the classic positions take the zone's direction from the longitude, so choose precise positions to "
         "compute with its exact offset"},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.birth.zone);
        FormRun run;
        ASSERT_TRUE(run.RunAnalysis(Kolkata1942(ComputationMode::Classic)).Passed());
        const ResultLabels before = testing::TextsOf(run.chart);
        const RunCheck refused = run.RunAnalysis(SavingForm(r.birth, ComputationMode::Classic));
        EXPECT_EQ(refused.refusal, ChartRefusalKind::NoZoneOffset);
        EXPECT_EQ(refused.message, r.message);
        EXPECT_EQ(testing::TextsOf(run.chart).planet, before.planet);
        EXPECT_EQ(run.Engine().BirthValues.BirthYear, 1942);
        // Precise positions take the offset itself.
        const RunCheck precise = run.RunAnalysis(SavingForm(r.birth, ComputationMode::Precise));
        EXPECT_TRUE(precise.Passed()) << precise.message;
    }
}

}  // namespace
}  // namespace velmora
