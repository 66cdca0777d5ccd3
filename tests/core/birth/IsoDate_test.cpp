// The one YYYY-MM-DD reader that --today, --transit's date and the custom
// ayanamsa's epoch share. Month lengths and leap years as the Gregorian
// calendar has them (1900 and 2100 are not leap years, 2000 is).
#include <gtest/gtest.h>

#include "birth/IsoDate.h"

namespace velmora {
namespace {

struct DateCase {
    const char* text;
    bool read;
    int year, month, day;
};

TEST(IsoDate, ReadsRealDaysOnly) {
    const DateCase cases[] = {
        {"2000-02-29", true, 2000, 2, 29},   // divisible by 400: a leap year
        {"1900-02-29", false, 0, 0, 0},      // by 100 only: not
        {"2024-02-29", true, 2024, 2, 29},
        {"2023-02-29", false, 0, 0, 0},
        {"2026-04-31", false, 0, 0, 0},      // April has 30 days
        {"2026-12-31", true, 2026, 12, 31},
        {"0001-01-01", true, 1, 1, 1},
        {"0000-01-01", false, 0, 0, 0},
        {"2026-13-01", false, 0, 0, 0},
        {"2026-00-10", false, 0, 0, 0},
        {"2026-1-01", false, 0, 0, 0},       // two digits each
        {"2026-01-1", false, 0, 0, 0},
        {"2026/01/01", false, 0, 0, 0},
        {"2026-01-01T", false, 0, 0, 0},
        {"+026-01-01", false, 0, 0, 0},
        {"", false, 0, 0, 0},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<IsoDate> date = ParseIsoDate(c.text);
        ASSERT_EQ(date.has_value(), c.read);
        if (!c.read) continue;
        EXPECT_EQ(date->year, c.year);
        EXPECT_EQ(date->month, c.month);
        EXPECT_EQ(date->day, c.day);
    }
}

TEST(IsoDate, KeepsToTheYearsAsked) {
    EXPECT_TRUE(ParseIsoDate("1800-01-01", 1800, 2399));
    EXPECT_TRUE(ParseIsoDate("2399-12-31", 1800, 2399));
    EXPECT_FALSE(ParseIsoDate("1799-12-31", 1800, 2399));
    EXPECT_FALSE(ParseIsoDate("2400-01-01", 1800, 2399));
}

}  // namespace
}  // namespace velmora
