// A run in precise mode: the same instant however the clock and zone state
// it, the texts and everything after them built exactly as in classic mode,
// and a failure of the ephemeris reported without touching the result.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "tests/support/ChartFixture.h"
#include "tests/support/RunTexts.h"
#include "chart/AnalysisRun.h"
#include "tests/support/FormRun.h"
#include "report/ReportWriter.h"
#include "birth/ZoneTable.h"

namespace velmora {
namespace {

using namespace velmora::testing;

int ZoneNamed(std::string_view abbreviation) {
    for (int p = 0; p < kZoneItems; ++p)
        if (ZoneAbbreviation(kZoneTable[p]) == abbreviation) return p;
    ADD_FAILURE() << abbreviation;
    return kInitialZone;
}

struct Clock {
    int hour, minute;
    const char* zone;
    bool dst;
};

FormFields Form(const Clock& clock, const char* lonDeg, bool east, const char* latDeg, bool south,
                ComputationMode mode) {
    FormFields form;
    form.Name = "ANNA";
    form.Year = 2000 - kFirstYear;
    form.Month = 0;
    form.Day = 0;
    form.Hour = clock.hour;
    form.Minute = clock.minute;
    form.LonDeg = lonDeg;
    form.LonMin = "0";
    form.East = east;
    form.LatDeg = latDeg;
    form.LatMin = "0";
    form.South = south;
    form.Zone = ZoneNamed(clock.zone);
    form.DaylightSaving = clock.dst;
    form.Mode = mode;
    return form;
}

std::unique_ptr<FormRun> RunChart(const FormFields& form) {
    auto run = std::make_unique<FormRun>();
    const RunCheck result = run->RunAnalysis(form);
    EXPECT_TRUE(result.Passed()) << result.message;
    return run;
}

TEST(PreciseRun, OneInstantHoweverTheClockStatesIt) {
    // 2000 January 1, 11:00 UT, told four ways.
    const struct {
        const char* what;
        FormFields form;
    } cases[] = {
        {"Greenwich, GMT", Form({11, 0, "GMT", false}, "0", true, "51", false, ComputationMode::Precise)},
        {"Madrid, CET (west of Greenwich)", Form({12, 0, "CET", false}, "3", false, "40", false, ComputationMode::Precise)},
        {"Brest, CET with summer time", Form({13, 0, "CET", true}, "4", false, "48", false, ComputationMode::Precise)},
        {"Delhi, IST", Form({16, 30, "IST", false}, "77", true, "28", false, ComputationMode::Precise)},
    };
    const auto reference = RunChart(cases[0].form);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto run = RunChart(c.form);
        EXPECT_EQ(run->chart.mode, ComputationMode::Precise);
        EXPECT_DOUBLE_EQ(run->Engine().Precise.Result().julianDateUT, 2451544.9583333335);
        // Geocentric bodies do not depend on the place.
        for (int body = 0; body < 9; ++body) EXPECT_DOUBLE_EQ(run->Degrees()[body], reference->Degrees()[body]) << body;
    }
}

TEST(PreciseRun, TextsAndEverythingAfterThemAsInClassicMode) {
    const auto run = RunChart(Form({6, 45, "IST", false}, "77", true, "28", false, ComputationMode::Precise));
    const ResultLabels r = testing::TextsOf(run->chart);
    EXPECT_EQ(run->chart.modeText.rfind("Precise: Swiss Ephemeris, Lahiri 23\u00B0 51\u2032 ", 0), 0u) << run->chart.modeText;
    EXPECT_NEAR(run->chart.ayanamsa, 23.85, 0.01);

    const auto longTexts = run->Engine().LongTexts();
    BodyPlacement signs{};
    for (int i = 0; i < kBodyCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ChartPositionText(longTexts[i]), r.planet[i]);
        EXPECT_EQ(run->Engine().State.BodySigns[i], static_cast<int>(run->Degrees()[i] / 30));
        signs[i] = run->Engine().State.BodySigns[i];
    }
    // Retrograde marks from the speeds.
    for (int body = 2; body <= 6; ++body) {
        const bool marked = run->Engine().Names.BodyNames[body].ends_with(" (R) ");
        EXPECT_EQ(marked, run->Engine().Precise.Result().speeds[body] < 0) << body;
    }
    // Arudhas and report from the placement, as for any chart.
    const Computed expected = ComputeChart(signs);
    EXPECT_EQ(run->Engine().State.ArudhaSigns, expected.chart.ArudhaSigns);
    EXPECT_EQ(r.arudhaBoxes, expected.captions);
    EXPECT_EQ(run->chart.report, ExpectedReport(expected));
}

TEST(PreciseRun, SecondsCountInPreciseModeOnly) {
    FormFields form = Form({12, 0, "GMT", false}, "0", true, "0", false, ComputationMode::Classic);
    const auto classic = RunChart(form);
    form.Second = 59;
    EXPECT_EQ(RunChart(form)->Degrees(), classic->Degrees());
    form.Mode = ComputationMode::Precise;
    const auto late = RunChart(form);
    form.Second = 0;
    const auto early = RunChart(form);
    // The Moon moves about half an arcsecond a second.
    EXPECT_NEAR((late->Degrees()[1] - early->Degrees()[1]) * 3600, 59 * 0.55, 59 * 0.1);
}

TEST(PreciseRun, ClassicAfterPreciseIsTheClassicChart) {
    const FormFields classic = Form({9, 15, "EST", true}, "75", false, "39", false, ComputationMode::Classic);
    FormFields precise = classic;
    precise.Mode = ComputationMode::Precise;
    const auto fresh = RunChart(classic);
    FormRun run;
    ASSERT_TRUE(run.RunAnalysis(precise).Passed());
    ASSERT_TRUE(run.RunAnalysis(classic).Passed());
    EXPECT_EQ(run.chart.mode, ComputationMode::Classic);
    EXPECT_TRUE(run.chart.modeText.empty());
    EXPECT_EQ(TextsOf(run.chart).planet, TextsOf(fresh->chart).planet);
    EXPECT_EQ(TextsOf(run.chart).signBoxes, TextsOf(fresh->chart).signBoxes);
    EXPECT_EQ(run.chart.report, fresh->chart.report);
    EXPECT_EQ(run.Engine().LongTexts(), fresh->Engine().LongTexts());
    EXPECT_EQ(run.Degrees(), fresh->Degrees());
    EXPECT_DOUBLE_EQ(run.chart.ayanamsa, -fresh->Engine().PlanetPosition.SiderealOffset);
}

TEST(PreciseRun, EphemerisFailureIsAMessageAndTheResultStays) {
    FormRun run;
    const FormFields classic = Form({12, 0, "GMT", false}, "0", true, "0", false, ComputationMode::Classic);
    ASSERT_TRUE(run.RunAnalysis(classic).Passed());
    const ResultLabels before = TextsOf(run.chart);
    const Chart chartBefore = run.chart;

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "velmora-run-damaged-ephemeris";
    std::filesystem::create_directories(dir);
    for (const char* name : {"sepl_18.se1", "semo_18.se1"})
        std::ofstream(dir / name, std::ios::binary) << std::string(4096, '\x33');
    run.Engine().Precise = PreciseEphemeris(dir.string());
    FormFields precise = classic;
    precise.Mode = ComputationMode::Precise;
    const RunCheck result = run.RunAnalysis(precise);
    std::filesystem::remove_all(dir);

    EXPECT_EQ(result.refusal, ChartRefusalKind::Ephemeris);
    EXPECT_FALSE(result.Passed());
    EXPECT_NE(result.message.find("Swiss Ephemeris could not compute"), std::string_view::npos) << result.message;
    EXPECT_EQ(run.chart.mode, ComputationMode::Classic);
    EXPECT_EQ(TextsOf(run.chart).planet, before.planet);
    EXPECT_EQ(run.chart.report, chartBefore.report);
    EXPECT_EQ(run.chart.modeText, chartBefore.modeText);
}

// Each engine computes the years it has data for: the classic one 1901-2050,
// the Swiss Ephemeris files 1800-2399. A birth given without the form's or
// the command line's checks is refused all the same.
TEST(PreciseRun, EachEngineComputesItsYearsOnly) {
    const struct {
        int year;
        ComputationMode mode;
        bool computed;
    } cases[] = {
        {1800, ComputationMode::Precise, true},  {2399, ComputationMode::Precise, true},
        {1799, ComputationMode::Precise, false}, {2400, ComputationMode::Precise, false},
        {1901, ComputationMode::Classic, true},  {2050, ComputationMode::Classic, true},
        {1900, ComputationMode::Classic, false}, {2051, ComputationMode::Classic, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        FormFields form = Form({12, 0, "GMT", false}, "0", true, "0", false, c.mode);
        form.Year = YearField(c.year);
        FormRun run;
        const RunCheck result = run.RunAnalysis(form);
        EXPECT_EQ(result.Passed(), c.computed) << result.message;
        if (!c.computed) {
            EXPECT_EQ(result.refusal, ChartRefusalKind::OutsideYears);
            EXPECT_EQ(result.message, YearsRefusal(c.mode));
        }
    }
}

}  // namespace
}  // namespace velmora
