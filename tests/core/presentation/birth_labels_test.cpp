// The birth as the printed pages' header writes it, made from the chart's
// clock: the date day first with the month's name, the time with two digits
// each. The English rows are what Python 3.11 writes for the same moment with
// datetime(...).strftime("%-d %B %Y at %H:%M") in the C locale.

#include <gtest/gtest.h>

#include <string>

#include "presentation/BirthLabels.h"

namespace velmora {
namespace {

MonthNames FrenchMonthNames() {
    return {"janvier", "février", "mars", "avril", "mai", "juin",
            "juillet", "août", "septembre", "octobre", "novembre", "décembre"};
}

TEST(BirthLabels, MomentWritesTheDateOutAndTheClockWithTwoDigits) {
    struct Case {
        const char* what;
        CivilMoment clock;
        MonthNames months;
        std::string label;
    };
    const Case cases[] = {
        {"one-digit day, hour and minute", {1980, 3, 5, 9, 5}, EnglishMonthNames(), "5 March 1980 at 09:05"},
        {"midnight", {1980, 3, 12, 0, 0}, EnglishMonthNames(), "12 March 1980 at 00:00"},
        {"two digits everywhere", {1980, 3, 31, 23, 30}, EnglishMonthNames(), "31 March 1980 at 23:30"},
        {"the form's first day", {1901, 1, 1, 0, 0}, EnglishMonthNames(), "1 January 1901 at 00:00"},
        {"the form's last minute", {2050, 12, 31, 23, 59}, EnglishMonthNames(), "31 December 2050 at 23:59"},
        // The names the details were written with, whatever their language.
        {"the system language's names", {1980, 8, 15, 6, 7}, FrenchMonthNames(), "15 août 1980 at 06:07"},
        // As the date detail: no name for a month outside 1 to 12.
        {"no month", {1980, 0, 5, 9, 5}, EnglishMonthNames(), "5  1980 at 09:05"},
        {"past December", {1980, 13, 5, 9, 5}, EnglishMonthNames(), "5  1980 at 09:05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BirthMomentLabel(c.clock, c.months), c.label);
    }
}

}  // namespace
}  // namespace velmora
