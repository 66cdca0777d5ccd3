// Vimshottari dasha: a published worked example checked to the day, the
// sub-period lengths of the standard bhukti table, the 120 years exactly,
// the running period, and no overflow across the births the form takes.

#include <gtest/gtest.h>

#include <string>

#include "analysis/Nakshatra.h"
#include "analysis/Vimshottari.h"

namespace velmora {
namespace {

std::int64_t Span(const DashaPeriod& p) { return MomentMinutes(p.end) - MomentMinutes(p.start); }

TEST(Vimshottari, PublishedExampleToTheDay) {
    // saravali.de, "Dasa Balance" (Vimsottari, time method): male birth
    // 6 July 1935, Universal Time 5:38:16, Moon in Purvaphalguni (Venus),
    // the part of the nakshatra passed 0.54631589; elapsed of Venus
    // "10 years, 11 months and 3.5 days"; the second major period (Sun)
    // "will begin on Aug 1 1944". The same part of the nakshatra as a
    // longitude: Purva Phalguni begins at 133° 20′.
    const double moon = 400.0 / 3 + 0.54631589 * 40.0 / 3;
    const VimshottariDasha d = ComputeVimshottari(moon, {1935, 7, 6, 5, 38});
    EXPECT_EQ(NakshatraOf(moon).Name(), "Purva Phalguni");
    EXPECT_EQ(d.majors[0].period.lord, 3);  // Venus
    EXPECT_EQ(SplitYears(20 - d.balanceYears), (YearsMonthsDays{10, 11, 3}));
    EXPECT_EQ(d.majors[1].period.lord, 0);  // Sun
    const CivilMoment sun = d.majors[1].period.start;
    EXPECT_EQ(sun.year, 1944);
    EXPECT_EQ(sun.month, 8);
    EXPECT_EQ(sun.day, 1);
    // The Moon follows the Sun after its 6 years.
    EXPECT_EQ(d.majors[2].period.lord, 1);
    EXPECT_EQ(d.majors[2].period.start.year, 1950);
    EXPECT_EQ(d.majors[2].period.start.month, 8);
}

TEST(Vimshottari, SubPeriodsOfTheStandardTable) {
    // The bhukti table in years, months (of 30 days) and days, as printed in
    // B. V. Raman, "A Manual of Hindu Astrology" (table of Vimshottari
    // sub-periods): the first sub-period of each major period is its own lord's.
    struct Row {
        int lord;
        YearsMonthsDays own;
    } table[] = {
        {8, {0, 4, 27}},  {3, {3, 4, 0}},  {0, {0, 3, 18}}, {1, {0, 10, 0}}, {4, {0, 4, 27}},
        {7, {2, 8, 12}},  {5, {2, 1, 18}}, {6, {3, 0, 3}},  {2, {2, 4, 27}},
    };
    const VimshottariDasha d = ComputeVimshottari(0.0, {2000, 1, 1, 0, 0});  // Ashwini, all of Ketu
    for (int m = 0; m < 9; ++m) {
        SCOPED_TRACE(m);
        const MajorDasha& major = d.majors[m];
        EXPECT_EQ(major.period.lord, table[m].lord);
        EXPECT_EQ(major.sub[0].lord, table[m].lord);
        EXPECT_EQ(SplitYears(static_cast<double>(Span(major.sub[0])) / kDashaYearMinutes), table[m].own);
    }
    // Rahu's major period, Jupiter's sub-period: 2 years 4 months 24 days.
    EXPECT_EQ(d.majors[5].sub[1].lord, 5);
    EXPECT_EQ(SplitYears(static_cast<double>(Span(d.majors[5].sub[1])) / kDashaYearMinutes),
              (YearsMonthsDays{2, 4, 24}));
}

TEST(Vimshottari, NinePeriodsMakeOneHundredTwentyYears) {
    for (double moon : {0.0, 7.25, 133.3, 200.0, 359.99}) {
        SCOPED_TRACE(moon);
        const VimshottariDasha d = ComputeVimshottari(moon, {1969, 7, 20, 20, 17});
        EXPECT_EQ(MomentMinutes(d.majors[8].period.end) - MomentMinutes(d.majors[0].period.start),
                  120 * kDashaYearMinutes);
        std::int64_t years = 0;
        for (int m = 0; m < 9; ++m) {
            const MajorDasha& major = d.majors[m];
            years += kDashaYears[major.period.lord];
            if (m > 0) {
                EXPECT_EQ(major.period.start, d.majors[m - 1].period.end);
            }
            EXPECT_EQ(major.sub[0].start, major.period.start);
            EXPECT_EQ(major.sub[8].end, major.period.end);
            for (int s = 1; s < 9; ++s) EXPECT_EQ(major.sub[s].start, major.sub[s - 1].end);
        }
        EXPECT_EQ(years, 120);
        // The birth lies inside the first major period, its balance after it.
        const std::int64_t birth = MomentMinutes(d.birth);
        EXPECT_LE(MomentMinutes(d.majors[0].period.start), birth);
        EXPECT_NEAR(static_cast<double>(MomentMinutes(d.majors[0].period.end) - birth) / kDashaYearMinutes,
                    d.balanceYears, 1.0 / kDashaYearMinutes);
    }
}

TEST(Vimshottari, OnABoundaryTheLaterLordRunsWhole) {
    // 13° 20′: Bharani begins, all of Venus's 20 years ahead.
    const VimshottariDasha d = ComputeVimshottari(40.0 / 3, {2000, 3, 1, 6, 0});
    EXPECT_EQ(d.majors[0].period.lord, 3);
    EXPECT_NEAR(d.balanceYears, 20, 1e-6);
    EXPECT_EQ(d.majors[0].period.start, (CivilMoment{2000, 3, 1, 6, 0}));
    EXPECT_EQ(d.majors[0].period.end, (CivilMoment{2020, 3, 1, 6, 0}));  // 20 × 365.25 days: five leap days
}

TEST(Vimshottari, TheRunningPeriodOfADay) {
    VimshottariDasha d = ComputeVimshottari(40.0 / 3, {2000, 3, 1, 6, 0});
    MarkRunning(d, {2009, 6, 15});
    EXPECT_EQ(d.runningMajor, 0);  // Venus, 2000 – 2020
    // Venus–Venus 3 y 4 m, –Sun 1 y, –Moon 1 y 8 m, –Mars 1 y 2 m: Mars until
    // May 2007, then Rahu for 3 years, then Jupiter.
    EXPECT_EQ(d.majors[0].sub[d.runningSub].lord, 7);
    MarkRunning(d, {2010, 6, 15});
    EXPECT_EQ(d.majors[0].sub[d.runningSub].lord, 5);
    MarkRunning(d, {1999, 12, 31});
    EXPECT_EQ(d.runningMajor, -1);
    EXPECT_EQ(d.runningSub, -1);
    MarkRunning(d, {2020, 3, 1});  // the Sun's period begins at 6:00, before noon
    EXPECT_EQ(d.runningMajor, 1);
    EXPECT_EQ(d.runningSub, 0);
    MarkRunning(d, {});
    EXPECT_EQ(d.runningMajor, -1);
}

TEST(Vimshottari, DatesStayValidFromTheFirstToTheLastBirth) {
    for (const CivilMoment birth : {CivilMoment{1901, 1, 1, 0, 0}, CivilMoment{2050, 12, 31, 23, 59}}) {
        for (double moon : {0.0, 13.333, 359.9999}) {
            const VimshottariDasha d = ComputeVimshottari(moon, birth);
            for (const MajorDasha& major : d.majors)
                for (const DashaPeriod& p : major.sub) {
                    EXPECT_GE(p.end.year, 1880);
                    EXPECT_LE(p.end.year, 2172);
                    EXPECT_GE(p.end.month, 1);
                    EXPECT_LE(p.end.month, 12);
                    EXPECT_LE(p.end.day, DaysInMonth(p.end.year, p.end.month));
                    EXPECT_GT(Span(p), 0);
                }
            EXPECT_EQ(MomentMinutes(d.majors[8].period.end) - MomentMinutes(d.majors[0].period.start),
                      120 * kDashaYearMinutes);
        }
    }
}

// The period dates as the JSON and the text print them, ISO 8601 with the
// zeros kept, at both ends of the years a dasha reaches and beyond.
TEST(Vimshottari, DateTextsKeepTheirZeros) {
    const struct {
        CivilMoment moment;
        const char* date;
        const char* dateTime;
    } cases[] = {
        {{1944, 8, 1, 9, 5}, "1944-08-01", "1944-08-01T09:05"},
        {{1881, 1, 9, 0, 0}, "1881-01-09", "1881-01-09T00:00"},
        {{2170, 12, 31, 23, 59}, "2170-12-31", "2170-12-31T23:59"},
        {{987, 10, 10, 10, 10}, "0987-10-10", "0987-10-10T10:10"},
        {{12345, 1, 2, 3, 4}, "12345-01-02", "12345-01-02T03:04"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateText(c.moment), c.date);
        EXPECT_EQ(DateTimeText(c.moment), c.dateTime);
    }
}

}  // namespace
}  // namespace velmora
