// The chart's signs and position texts come from its numbers. Before the
// run stopped reading signs off the engine's short texts, this sweep showed
// over the classic engine's whole input domain (every day the form offers,
// with clock times, every zone-list entry, daylight saving and places at the
// edges of the form's ranges cycled through) that the number and the text
// agree for every point of every chart; it keeps showing it. The precise
// engine writes its texts from its own longitudes, sampled here too.

#include <gtest/gtest.h>

#include <string>

#include "analysis/SignOf.h"
#include "birth/ZoneTable.h"
#include "chart/AnalysisRun.h"
#include "engine/Calendar.h"
#include "presentation/PositionLabels.h"
#include "tests/support/BirthForm.h"
#include "tests/support/FormRun.h"

namespace velmora {
namespace {

using testing::FormRun;
using testing::RunCheck;

#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr int kDayStride = 7;
#else
constexpr int kDayStride = 1;
#endif

struct Place {
    const char* lonDeg;
    const char* lonMin;
    bool east;
    const char* latDeg;
    const char* latMin;
    bool south;
};

// The sign abbreviation at characters 4 to 6 of a short text.
int SignOfShortText(const std::string& text) {
    const std::string_view sign = std::string_view(text).substr(3, 3);
    for (int j = 0; j < kSignCount; ++j) {
        if (SignAbbreviations.substr(static_cast<std::size_t>(j) * 3, 3) == sign) return j;
    }
    return -1;
}

// Compares one computed chart's numbers with the engine's texts; returns
// what differs, or nothing.
std::string Disagreement(const FormRun& formRun) {
    const Chart& chart = formRun.chart;
    const AnalysisRun& run = formRun.Engine();
    const PositionList& shortTexts =
        chart.mode == ComputationMode::Precise ? run.Precise.Result().positionLabels : run.PlanetPosition.PositionLabels;
    const auto longTexts = run.LongTexts();
    for (int i = 0; i < kBodyCount; ++i) {
        const ChartPoint& point = chart.points[i];
        if (SignOfLongitude(point.longitude) != SignOfShortText(shortTexts[i]))
            return "body " + std::to_string(i) + ": sign of " + std::to_string(point.longitude) + " against " +
                   shortTexts[i];
        if (point.sign != SignOfLongitude(point.longitude)) return "body " + std::to_string(i) + ": chart sign";
        if (ShortPositionText(point) != shortTexts[i]) return "body " + std::to_string(i) + ": " + shortTexts[i];
        if (LongPositionText(point) != longTexts[i]) return "body " + std::to_string(i) + ": " + longTexts[i];
    }
    return {};
}

TEST(ChartFromNumbers, ClassicSignsAndTextsAgreeOverTheWholeForm) {
    const int clocks[][2] = {{0, 0}, {23, 59}, {12, 0}, {5, 59}, {17, 30}, {6, 1}, {18, 45}};
    const Place places[] = {{"0", "0", false, "0", "0", false},   {"0", "0", true, "0", "0", true},
                            {"179", "59", false, "89", "59", false}, {"179", "59", true, "89", "59", true},
                            {"179", "59", true, "0", "0", false},  {"0", "0", false, "89", "59", true},
                            {"77", "13", true, "28", "39", false}, {"74", "0", false, "40", "42", false},
                            {"151", "12", true, "33", "52", true}};
    FormRun run;
    run.wants.report = false;
    run.wants.dashas = {};
    long charts = 0, failures = 0, day = 0;
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int date = 1; date <= DaysInMonth(year, month); ++date) {
                if (day++ % kDayStride != 0) continue;
                for (int repeat = 0; repeat < 2; ++repeat, ++charts) {
                    const auto& clock = clocks[charts % 7];
                    FormFields form = testing::BirthForm(year, month, date, clock[0], clock[1]);
                    const Place& place = places[charts % 9];
                    form.LonDeg = place.lonDeg;
                    form.LonMin = place.lonMin;
                    form.East = place.east;
                    form.LatDeg = place.latDeg;
                    form.LatMin = place.latMin;
                    form.South = place.south;
                    form.Zone = static_cast<int>(charts % kZoneItems);
                    form.DaylightSaving = charts % 11 < 4;
                    const RunCheck check = run.RunAnalysis(form);
                    ASSERT_TRUE(check.Passed()) << year << '-' << month << '-' << date << ": " << check.message;
                    const std::string why = Disagreement(run);
                    if (!why.empty() && ++failures <= 10)
                        ADD_FAILURE() << year << '-' << month << '-' << date << " chart " << charts << ": " << why;
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
    // 1 January 1901 to 31 December 2050: 54 787 days (150 Gregorian years).
    EXPECT_EQ(day, 54787);
}

TEST(ChartFromNumbers, PreciseSignsAndTextsAgree) {
    FormRun run;
    run.wants.report = false;
    run.wants.dashas = {};
    int charts = 0;
    for (int year = 1901; year <= 2050; year += 3) {
        for (int month = 1; month <= 12; month += 5) {
            FormFields form = testing::BirthForm(year, month, 1 + (year * 7 + month) % 28, (year + month) % 24,
                                                 (year * month) % 60);
            form.Mode = ComputationMode::Precise;
            form.LonDeg = "77";
            form.LonMin = "35";
            form.LatDeg = "12";
            form.LatMin = "58";
            const RunCheck check = run.RunAnalysis(form);
            ASSERT_TRUE(check.Passed()) << check.message;
            EXPECT_EQ(Disagreement(run), "") << year << '-' << month;
            ++charts;
        }
    }
    EXPECT_EQ(charts, 150);
}

// The rule at the edges where a number and a text could part: a sign's
// first and last instants, a full circle (the classic Ketu can be exactly
// 360°), and the engine's habit of writing |λ|.
TEST(ChartFromNumbers, SignOfLongitudeAtTheEdges) {
    const struct {
        double degrees;
        int sign;
    } cases[] = {{0.0, 0},  {29.999999999, 0}, {30.0, 1},  {359.9999999, 11},
                 {360.0, 0}, {389.5, 0},        {-15.0, 0}, {-45.0, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(SignOfLongitude(c.degrees), c.sign) << c.degrees;
        ChartPoint point;
        point.longitude = c.degrees;
        EXPECT_EQ(SignOfShortText(ShortPositionText(point)), c.sign) << c.degrees;
    }
}

}  // namespace
}  // namespace velmora
