// The birth as the printed pages' header writes it, made from the chart's
// clock: the date day first with the month's name, the time with two digits
// each. The English rows are what Python 3.11 writes for the same moment with
// datetime(...).strftime("%-d %B %Y at %H:%M") in the C locale.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "presentation/BirthLabels.h"

namespace velmora {
namespace {

TEST(BirthLabels, MomentWritesTheDateOutAndTheClockWithTwoDigits) {
    struct Case {
        const char* what;
        CivilMoment clock;
        const char* monthName;
        std::string label;
    };
    const Case cases[] = {
        {"one-digit day, hour and minute", {1980, 3, 5, 9, 5}, "March", "5 March 1980 at 09:05"},
        {"midnight", {1980, 3, 12, 0, 0}, "March", "12 March 1980 at 00:00"},
        {"two digits everywhere", {1980, 3, 31, 23, 30}, "March", "31 March 1980 at 23:30"},
        {"the form's first day", {1901, 1, 1, 0, 0}, "January", "1 January 1901 at 00:00"},
        {"the form's last minute", {2050, 12, 31, 23, 59}, "December", "31 December 2050 at 23:59"},
        // The name the date of birth was written with, whatever its language.
        {"the system language's name", {1980, 8, 15, 6, 7}, "ao\u00fbt", "15 ao\u00fbt 1980 at 06:07"},
        // As the date detail: no name for a month outside 1 to 12.
        {"no month's name", {1980, 0, 5, 9, 5}, "", "5  1980 at 09:05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BirthMomentLabel(c.clock, c.monthName), c.label);
    }
}

// The month's name the date of birth is written with: the list's own, none
// for a month outside it.
TEST(BirthLabels, MonthNameFromTheList) {
    const MonthNames french = {"janvier", "f\u00e9vrier", "mars",  "avril",    "mai",      "juin",
                               "juillet", "ao\u00fbt",    "septembre", "octobre", "novembre", "d\u00e9cembre"};
    const std::pair<int, std::string_view> cases[] = {
        {1, "janvier"}, {8, "ao\u00fbt"}, {12, "d\u00e9cembre"}, {0, ""}, {13, ""}, {-1, ""},
    };
    for (const auto& [month, name] : cases) {
        SCOPED_TRACE(month);
        EXPECT_EQ(MonthName(month, french), name);
    }
    EXPECT_EQ(BirthDateLabel({1980, 8, 15, 6, 7}, french), "ao\u00fbt/15/1980");
}

}  // namespace
}  // namespace velmora
