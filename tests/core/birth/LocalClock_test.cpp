// A local clock as a Julian Date in Universal Time and back. The Julian Dates
// are Meeus's, Astronomical Algorithms (2nd ed., 1998), ch. 7: example 7.a
// (1957 October 4.81 = 2436116.31, Sputnik 1's launch) and the table of
// Gregorian dates below it (2000 January 1.5 = 2451545.0 … 1600 January
// 1.0 = 2305447.5). A clock east of Greenwich shows the same instant later by
// its offset, one west earlier: India's +5:30 shows 2000 January 1.5 UT as
// 17:30 (offsets as the time-zone database gives them: Asia/Kolkata,
// America/New_York, Pacific/Chatham, Pacific/Honolulu).

#include <gtest/gtest.h>

#include "birth/LocalClock.h"

namespace velmora {
namespace {

struct ClockCase {
    LocalClock clock;
    int offsetSeconds;
    double julianDate;
};

constexpr ClockCase kClockCases[] = {
    {{1957, 10, 4, 19, 26, 24}, 0, 2436116.31},  // 4.81 days: 19 h 26 min 24 s
    {{2000, 1, 1, 12, 0, 0}, 0, 2451545.0},
    {{1999, 1, 1, 0, 0, 0}, 0, 2451179.5},
    {{1987, 1, 27, 0, 0, 0}, 0, 2446822.5},
    {{1987, 6, 19, 12, 0, 0}, 0, 2446966.0},
    {{1988, 1, 27, 0, 0, 0}, 0, 2447187.5},
    {{1988, 6, 19, 12, 0, 0}, 0, 2447332.0},
    {{1900, 1, 1, 0, 0, 0}, 0, 2415020.5},
    {{1600, 1, 1, 0, 0, 0}, 0, 2305447.5},
    {{1600, 12, 31, 0, 0, 0}, 0, 2305812.5},
    {{2000, 1, 1, 17, 30, 0}, 5 * 3600 + 30 * 60, 2451545.0},    // India, +5:30
    {{2000, 1, 1, 7, 0, 0}, -5 * 3600, 2451545.0},               // New York, -5:00
    {{2000, 1, 2, 1, 45, 0}, 13 * 3600 + 45 * 60, 2451545.0},    // the Chatham Islands' summer, +13:45
    {{1999, 12, 31, 14, 0, 0}, -10 * 3600, 2451544.5},           // Honolulu, -10:00: the day before
};

TEST(LocalClock, JulianDateOfAClockAtItsOffset) {
    for (const ClockCase& c : kClockCases) {
        SCOPED_TRACE(testing::Message() << c.clock.Year << '-' << c.clock.Month << '-' << c.clock.Day << ' '
                                        << c.clock.Hour << ':' << c.clock.Minute << " at " << c.offsetSeconds);
        EXPECT_NEAR(JulianDayOf(c.clock, c.offsetSeconds), c.julianDate, 1e-9);
    }
}

TEST(LocalClock, ClockAtAJulianDate) {
    for (const ClockCase& c : kClockCases) {
        SCOPED_TRACE(testing::Message() << c.julianDate << " at " << c.offsetSeconds);
        const LocalClock shown = LocalClockAt(c.julianDate, c.offsetSeconds);
        EXPECT_EQ(shown.Year, c.clock.Year);
        EXPECT_EQ(shown.Month, c.clock.Month);
        EXPECT_EQ(shown.Day, c.clock.Day);
        EXPECT_EQ(shown.Hour, c.clock.Hour);
        EXPECT_EQ(shown.Minute, c.clock.Minute);
        EXPECT_EQ(shown.Second, c.clock.Second);
    }
}

}  // namespace
}  // namespace velmora
