#include "engine/Calendar.h"

#include <gtest/gtest.h>

#include "engine/BirthTime.h"
#include "engine/VedicPlanetPosition.h"

namespace velmora {
namespace {

TEST(Calendar, JulianDayNumbers) {
    const struct {
        int year, month, day;
        double expected;
    } cases[] = {
        {1900, 1, 1, 2415021}, {2000, 1, 1, 2451545}, {2000, 2, 29, 2451604},
        {1582, 10, 16, 2299162},  // Julian-calendar count above the switch: corrected
        {1582, 10, 15, 2299171},  // exactly at the switch: left alone
        {1901, 1, 1, 2415386},    {2050, 12, 31, 2470172}, {2000, 3, 1, 2451605},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected);
        EXPECT_EQ(VedicPlanetPosition::JulianDayNumber(c.month, c.day, c.year), c.expected);
    }
}

TEST(Calendar, DaysSinceJ2000) {
    const struct {
        int year, month, day, hour, minute;
        double expected;
    } cases[] = {
        {2000, 1, 1, 12, 0, 0.0}, {2000, 1, 1, 0, 0, -0.5}, {2000, 3, 1, 0, 0, 59.5},
        {1999, 12, 31, 18, 0, -0.75}, {2001, 1, 1, 12, 0, 366.0}, {1900, 3, 1, 12, 0, -36465.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour);
        EXPECT_DOUBLE_EQ(VedicPlanetPosition::DaysSinceJ2000(c.year, c.month, c.day, c.hour, c.minute), c.expected);
    }
}

TEST(Calendar, ZoneShiftCarriesAcrossDaysMonthsAndYears) {
    const struct {
        CivilMoment from;
        int hours, minutes;
        CivilMoment expected;
    } cases[] = {
        {{2001, 1, 1, 2, 0}, -5, -30, {2000, 12, 31, 20, 30}},
        {{2000, 12, 31, 20, 0}, 5, 30, {2001, 1, 1, 1, 30}},
        {{2000, 2, 28, 23, 0}, 2, 0, {2000, 2, 29, 1, 0}},
        {{1900, 2, 28, 23, 0}, 2, 0, {1900, 3, 1, 1, 0}},      // 1900 is no leap year
        {{2000, 3, 1, 0, 15}, 0, -30, {2000, 2, 29, 23, 45}},
        {{1901, 1, 1, 0, 0}, -13, 0, {1900, 12, 31, 11, 0}},
        {{2050, 12, 31, 23, 59}, 13, 30, {2051, 1, 1, 13, 29}},
        {{2024, 6, 15, 10, 20}, 0, 0, {2024, 6, 15, 10, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.year << '-' << c.from.month << '-' << c.from.day << ' '
                                        << c.hours << ' ' << c.minutes);
        EXPECT_EQ(AddHoursThenMinutes(c.from, c.hours, c.minutes), c.expected);
    }
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    const struct {
        int year, month, days;
    } cases[] = {{1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {2100, 2, 28},
                 {2023, 1, 31}, {2023, 4, 30}, {2023, 12, 31}, {2023, 0, 0}, {2023, 13, 0}};
    for (const auto& c : cases) EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << '-' << c.month;
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 1, 1), 10957);
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
}

}  // namespace
}  // namespace velmora
