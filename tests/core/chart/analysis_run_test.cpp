#include "chart/AnalysisRun.h"
#include "tests/support/FormRun.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/BirthForm.h"
#include "tests/support/ChartFixture.h"
#include "tests/support/RunTexts.h"
#include "report/ReportWriter.h"
#include "birth/ZoneTable.h"

namespace velmora {
namespace {

using namespace velmora::testing;
// One-letter texts are written as std::string literals ("0"s): GCC 12 at -O3
// takes the assignment of a one-letter C string for an overlapping copy
// (a false -Wrestrict).
using namespace std::string_literals;

TEST(TextToInteger, ReadsTheLeadingNumberRoundingHalvesToEven) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"12", 12},   {"007", 7},    {"179", 179}, {" 7", 7},      {"", 0},       {"abc", 0},
        {"12abc", 12}, {"2.5", 2},   {"3.5", 4},   {"0.5", 0},     {"1.5", 2},    {"2.51", 3},
        {"2.500", 2}, {"4.49", 4},   {"4.6", 5},   {"-2.5", -2},   {"-3.5", -4},  {"+3", 3},
        {"5.", 5},    {".5", 0},     {".6", 1},    {"1 2", 1},     {"99999999999999", 1'000'000'000},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToInteger(c.text), c.expected) << '"' << c.text << '"';
}

FormFields Form(int year, int month, int day, int hour, int minute) {
    return testing::BirthForm(year, month, day, hour, minute);
}

// The run is large; tests keep it on the heap.
std::unique_ptr<FormRun> RunForm(const FormFields& form) {
    auto run = std::make_unique<FormRun>();
    const RunCheck result = run->RunAnalysis(form);
    EXPECT_TRUE(result.Passed()) << result.message;
    return run;
}

TEST(AnalysisRun, NoonOfJanuaryFirst2000AtGreenwich) {
    const auto run = RunForm(Form(2000, 1, 1, 12, 0));
    const ResultLabels r = TextsOf(run->chart);
    EXPECT_EQ(r.name, "ANNA");
    EXPECT_EQ(r.dateOfBirth, "January/1/2000");
    EXPECT_EQ(r.timeOfBirth, "12:0");
    EXPECT_EQ(r.latitude, "0\u00B0 0'");
    EXPECT_EQ(r.longitude, "0\u00B0 0'");
    EXPECT_EQ(run->Engine().BirthValues.BirthYear, 2000);
    EXPECT_EQ(run->Engine().BirthValues.BirthMonth, 1);
    EXPECT_EQ(run->Engine().BirthValues.BirthDay, 1);
    EXPECT_EQ(run->Engine().BirthValues.BirthClockHour, 12);
    EXPECT_EQ(run->Engine().BirthValues.ZoneHoursAbs, 0);

    // The engine on its own, from the same birth data, gives the same positions.
    VedicPlanetPosition planets;
    VedicEphemeris moon;
    planets.CalculateAscendant(run->Engine().BirthValues);
    moon.CalculateMoon(run->Engine().BirthValues);
    planets.CalculatePlanets(run->Engine().BirthValues, run->Engine().Zone, moon.MoonText);
    for (int i = 0; i < kBodyCount; ++i) {
        EXPECT_EQ(r.planet[i], planets.PositionLabels[i]) << i;
        EXPECT_EQ(run->Engine().State.BodySigns[i], PositionSignIndex(planets.PositionLabels[i])) << i;
    }
    // The sidereal Sun of that noon stands in the middle of Sagittarius.
    EXPECT_EQ(run->Engine().State.BodySigns[0], Sag);
    EXPECT_NE(r.signBoxes[Sag].find("\r\nSun"), std::string::npos);

    // Every body is listed once, in the box of its sign, the ascendant as "Asc".
    const int ascendant = run->Engine().State.BodySigns[9];
    EXPECT_EQ(r.signBoxes[ascendant].substr(r.signBoxes[ascendant].size() - 5), "\r\nAsc");
    std::size_t entries = 0;
    for (const std::string& box : r.signBoxes) {
        for (std::size_t at = box.find("\r\n"); at != std::string::npos; at = box.find("\r\n", at + 2)) ++entries;
    }
    EXPECT_EQ(entries, static_cast<std::size_t>(kBodyCount));

    // The arudhas and the report are those of the chart the run placed.
    BodyPlacement signs{};
    for (int i = 0; i < kBodyCount; ++i) signs[i] = run->Engine().State.BodySigns[i];
    const Computed expected = ComputeChart(signs);
    EXPECT_EQ(run->Engine().State.ArudhaSigns, expected.chart.ArudhaSigns);
    EXPECT_EQ(r.arudhaBoxes, expected.captions);
    EXPECT_EQ(run->chart.report, ExpectedReport(expected));

    // The long texts in body order shorten to the position texts.
    const auto longTexts = run->Engine().LongTexts();
    for (int i = 0; i < kBodyCount; ++i) EXPECT_EQ(ChartPositionText(longTexts[i]), r.planet[i]) << i;
}

TEST(AnalysisRun, DetailTextsCarryNoLeadingZerosAndNoHemisphere) {
    const struct {
        int year, month, day, hour, minute;
        const char *lonDeg, *lonMin, *latDeg, *latMin;
        bool east, south;
        const char *dob, *tob, *lon, *lat;
    } cases[] = {
        {1980, 3, 5, 9, 5, "12", "34", "12", "34", true, false, "March/5/1980", "9:5", "12\u00B0 34'", "12\u00B0 34'"},
        {1980, 3, 5, 9, 5, "12", "34", "12", "34", false, true, "March/5/1980", "9:5", "12\u00B0 34'", "12\u00B0 34'"},
        {1901, 1, 1, 0, 0, "179", "59", "89", "59", false, false, "January/1/1901", "0:0", "179\u00B0 59'", "89\u00B0 59'"},
        {2050, 12, 31, 23, 59, "07", "05", "0", "00", true, true, "December/31/2050", "23:59", "7\u00B0 5'", "0\u00B0 0'"},
    };
    for (const auto& c : cases) {
        FormFields form = Form(c.year, c.month, c.day, c.hour, c.minute);
        form.LonDeg = c.lonDeg;
        form.LonMin = c.lonMin;
        form.LatDeg = c.latDeg;
        form.LatMin = c.latMin;
        form.East = c.east;
        form.South = c.south;
        form.City = "Pune";
        form.Country = "India";
        const auto run = RunForm(form);
        const ResultLabels texts = TextsOf(run->chart);
        EXPECT_EQ(texts.dateOfBirth, c.dob);
        EXPECT_EQ(texts.timeOfBirth, c.tob);
        EXPECT_EQ(texts.longitude, c.lon);
        EXPECT_EQ(texts.latitude, c.lat);
        EXPECT_EQ(run->chart.birth.city, "Pune");
        EXPECT_EQ(run->chart.birth.state, "");
        EXPECT_EQ(run->chart.birth.country, "India");
        EXPECT_EQ(run->Engine().BirthValues.EastLongitude, c.east);
        EXPECT_EQ(run->Engine().BirthValues.SouthLatitude, c.south);
    }
}

TEST(AnalysisRun, MonthNameComesFromTheCaller) {
    MonthNames french = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                         "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    const auto run = RunForm(Form(1980, 8, 15, 6, 30));
    EXPECT_EQ(TextsOf(run->chart, french).dateOfBirth, "août/15/1980");
}

TEST(AnalysisRun, ZoneMagnitudesComeFromTheChosenEntry) {
    for (int position = 0; position < kZoneItems; ++position) {
        FormFields form = Form(1990, 6, 1, 10, 0);
        form.Zone = position;
        const auto run = RunForm(form);
        EXPECT_EQ(run->Engine().Zone.ZoneOffsetHours, kZoneTable[position].ZoneOffsetHours) << position;
        EXPECT_EQ(run->Engine().Zone.ZoneOffsetMinutes, kZoneTable[position].ZoneOffsetMinutes) << position;
        EXPECT_EQ(run->Engine().BirthValues.ZoneHoursAbs, std::abs(kZoneTable[position].ZoneOffsetHours)) << position;
        EXPECT_EQ(run->Engine().BirthValues.ZoneMinutesAbs, std::abs(kZoneTable[position].ZoneOffsetMinutes)) << position;
    }
}

// Everything a run shows, for comparing runs.
void ExpectSameResult(const FormRun& a, const FormRun& b) {
    const ResultLabels at = TextsOf(a.chart), bt = TextsOf(b.chart);
    EXPECT_EQ(at.planet, bt.planet);
    EXPECT_EQ(at.signBoxes, bt.signBoxes);
    EXPECT_EQ(at.arudhaBoxes, bt.arudhaBoxes);
    EXPECT_EQ(at.name, bt.name);
    EXPECT_EQ(at.dateOfBirth, bt.dateOfBirth);
    EXPECT_EQ(at.timeOfBirth, bt.timeOfBirth);
    EXPECT_EQ(at.latitude, bt.latitude);
    EXPECT_EQ(at.longitude, bt.longitude);
    EXPECT_EQ(a.chart.birth.city, b.chart.birth.city);
    EXPECT_EQ(a.chart.birth.state, b.chart.birth.state);
    EXPECT_EQ(a.chart.birth.country, b.chart.birth.country);
    EXPECT_EQ(a.chart.report, b.chart.report);
    EXPECT_EQ(a.Engine().State.BodySigns, b.Engine().State.BodySigns);
    EXPECT_EQ(a.Engine().State.ArudhaSigns, b.Engine().State.ArudhaSigns);
    EXPECT_EQ(a.Engine().Names.BodyNames, b.Engine().Names.BodyNames);
    EXPECT_EQ(a.Engine().LongTexts(), b.Engine().LongTexts());
}

TEST(AnalysisRun, FailedValidationChangesNothing) {
    FormRun run;
    FormFields good = Form(1975, 7, 20, 14, 45);
    good.City = "Oslo";
    ASSERT_TRUE(run.RunAnalysis(good).Passed());
    const auto before = std::make_unique<FormRun>(run);

    const struct {
        const char* what;
        FormFields form;
        int check;
    } cases[] = {
        {"blank name", [] { auto f = Form(2001, 1, 1, 0, 0); f.Name = "  "; return f; }(), 1},
        {"longitude 180", [] { auto f = Form(2001, 1, 1, 0, 0); f.LonDeg = "180"; return f; }(), 2},
        {"empty latitude minutes", [] { auto f = Form(2001, 1, 1, 0, 0); f.LatMin = ""; return f; }(), 5},
        {"29 February 1901", Form(1901, 2, 29, 0, 0), 6},
        {"31 April", Form(1990, 4, 31, 0, 0), 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RunCheck failure = run.RunAnalysis(c.form);
        EXPECT_EQ(failure.check, c.check);
        EXPECT_FALSE(failure.message.empty());
        ExpectSameResult(run, *before);
        EXPECT_EQ(run.Engine().BirthValues.BirthName, before->Engine().BirthValues.BirthName);
        EXPECT_EQ(run.Engine().BirthValues.BirthYear, before->Engine().BirthValues.BirthYear);
    }
}

TEST(AnalysisRun, SecondRunLeavesNothingOfTheFirst) {
    FormFields first = Form(1962, 11, 3, 22, 10);
    first.Name = "FIRST";
    first.City = "Lima";
    first.State = "Lima";
    first.Country = "Peru";
    first.LonDeg = "77";
    first.LonMin = "2";
    first.East = false;
    first.LatDeg = "12";
    first.LatMin = "3";
    first.South = true;
    first.Zone = 27;
    first.DaylightSaving = true;
    FormFields second = Form(2011, 5, 17, 4, 0);
    second.Name = "SECOND";

    FormRun reused;
    ASSERT_TRUE(reused.RunAnalysis(first).Passed());
    ASSERT_TRUE(reused.RunAnalysis(second).Passed());
    const auto fresh = RunForm(second);
    ExpectSameResult(reused, *fresh);
    EXPECT_EQ(reused.chart.birth.city, "");

    // And back again: the first chart comes out as it did on a fresh run.
    ASSERT_TRUE(reused.RunAnalysis(first).Passed());
    ExpectSameResult(reused, *RunForm(first));
}

TEST(AnalysisRun, RetrogradeMarksShowInTheBoxesAndLeaveTheArudhasAlone) {
    bool sawMark = false;
    FormRun run;
    for (int year = 1990; year < 1996; ++year) {
        for (int month = 1; month <= 12; ++month) {
            ASSERT_TRUE(run.RunAnalysis(Form(year, month, 10, 12, 0)).Passed());
            for (int planet = 2; planet <= 6; ++planet) {
                const std::string& name = run.Engine().Names.BodyNames[planet];
                if (name.find(" (R) ") == std::string::npos) continue;
                sawMark = true;
                const std::string box = TextsOf(run.chart).signBoxes[run.Engine().State.BodySigns[planet]];
                EXPECT_NE(box.find("\r\n" + name), std::string::npos) << box;
            }
            BodyPlacement signs{};
            for (int i = 0; i < kBodyCount; ++i) signs[i] = run.Engine().State.BodySigns[i];
            EXPECT_EQ(run.Engine().State.ArudhaSigns, ComputeChart(signs).chart.ArudhaSigns) << year << "-" << month;
        }
    }
    EXPECT_TRUE(sawMark);
}

}  // namespace
}  // namespace velmora
