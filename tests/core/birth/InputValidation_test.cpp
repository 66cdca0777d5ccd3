#include "birth/InputValidation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace velmora {
namespace {

// One-letter texts are written as std::string literals ("0"s): GCC 12 at -O3
// takes the assignment of a one-letter C string for an overlapping copy
// (a false -Wrestrict).
using namespace std::string_literals;

constexpr std::string_view kLonDeg = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr std::string_view kLonMin = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr std::string_view kLatDeg = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr std::string_view kLatMin = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr std::string_view kFeb = "Please Enter Correct Date Or Month!";
constexpr std::string_view kApr = "Please Enter Correct Date Or Month !";

// A form every check passes: 15 August 1947, 0° 0' E / N.
FormFields GoodForm() {
    FormFields f;
    f.Name = "RAMA";
    f.Month = 7;
    f.Day = 14;
    f.Year = 1947 - kFirstYear;
    f.LonDeg = "0"s;
    f.LonMin = "0"s;
    f.LatDeg = "0"s;
    f.LatMin = "0"s;
    return f;
}

int YearPosition(int year) { return year - kFirstYear; }

struct ValidationCase {
    const char* what;
    std::function<void(FormFields&)> change;
    int check;  // 0 = passes
};

const ValidationCase kCases[] = {
    // 1: the name
    {"empty name", [](FormFields& f) { f.Name = ""; }, 1},
    {"name of spaces", [](FormFields& f) { f.Name = "   "; }, 1},
    {"name with spaces around", [](FormFields& f) { f.Name = "  A  "; }, 0},
    // 2: longitude degrees, the number at the start of the text
    {"lon deg empty", [](FormFields& f) { f.LonDeg = ""; }, 2},
    {"lon deg spaces", [](FormFields& f) { f.LonDeg = "  "; }, 2},
    {"lon deg 179", [](FormFields& f) { f.LonDeg = "179"; }, 0},
    {"lon deg 180", [](FormFields& f) { f.LonDeg = "180"; }, 2},
    {"lon deg 999", [](FormFields& f) { f.LonDeg = "999"; }, 2},
    {"lon deg padded", [](FormFields& f) { f.LonDeg = " 12 "; }, 0},
    {"lon deg leading zeros", [](FormFields& f) { f.LonDeg = "007"; }, 0},
    {"lon deg no leading number counts 0", [](FormFields& f) { f.LonDeg = "x9"; }, 0},
    {"lon deg number then text", [](FormFields& f) { f.LonDeg = "17x"; }, 0},
    {"lon deg 200 then text", [](FormFields& f) { f.LonDeg = "200x"; }, 2},
    {"lon deg negative", [](FormFields& f) { f.LonDeg = "-1"; }, 2},
    {"lon deg just over", [](FormFields& f) { f.LonDeg = "179.5"; }, 2},
    {"lon deg huge", [](FormFields& f) { f.LonDeg = "99999999999999999999999"; }, 2},
    {"lon deg after a tab", [](FormFields& f) { f.LonDeg = "\t999"; }, 2},
    {"lon deg 12 after a tab", [](FormFields& f) { f.LonDeg = "\t12"; }, 0},
    // 3: longitude minutes, the whole text as a number
    {"lon min empty", [](FormFields& f) { f.LonMin = ""; }, 3},
    {"lon min spaces", [](FormFields& f) { f.LonMin = " "s; }, 3},
    {"lon min 59", [](FormFields& f) { f.LonMin = "59"; }, 0},
    {"lon min 60", [](FormFields& f) { f.LonMin = "60"; }, 3},
    {"lon min padded", [](FormFields& f) { f.LonMin = " 30 "; }, 0},
    {"lon min not a number", [](FormFields& f) { f.LonMin = "ab"; }, 3},
    {"lon min number then text", [](FormFields& f) { f.LonMin = "5x"; }, 3},
    {"lon min inner space", [](FormFields& f) { f.LonMin = "1 2"; }, 3},
    {"lon min negative", [](FormFields& f) { f.LonMin = "-1"; }, 3},
    {"lon min lone sign", [](FormFields& f) { f.LonMin = "-"s; }, 3},
    {"lon min after a tab", [](FormFields& f) { f.LonMin = "\t75"; }, 3},
    // 4: latitude degrees
    {"lat deg empty", [](FormFields& f) { f.LatDeg = ""; }, 4},
    {"lat deg 89", [](FormFields& f) { f.LatDeg = "89"; }, 0},
    {"lat deg 90", [](FormFields& f) { f.LatDeg = "90"; }, 4},
    {"lat deg 179 passes longitude's limit only", [](FormFields& f) { f.LatDeg = "179"; }, 4},
    // 5: latitude minutes
    {"lat min empty", [](FormFields& f) { f.LatMin = ""; }, 5},
    {"lat min 0", [](FormFields& f) { f.LatMin = "0"s; }, 0},
    {"lat min 60", [](FormFields& f) { f.LatMin = "60"; }, 5},
    {"lat min pasted text", [](FormFields& f) { f.LatMin = "o"s; }, 5},
    // 6: February
    {"29 Feb 1904", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(1904); }, 0},
    {"29 Feb 2000", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(2000); }, 0},
    {"29 Feb 1901", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(1901); }, 6},
    {"29 Feb 2050", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(2050); }, 6},
    {"28 Feb 1901", [](FormFields& f) { f.Month = 1; f.Day = 27; f.Year = YearPosition(1901); }, 0},
    {"30 Feb 2000", [](FormFields& f) { f.Month = 1; f.Day = 29; f.Year = YearPosition(2000); }, 6},
    {"31 Feb 2000", [](FormFields& f) { f.Month = 1; f.Day = 30; f.Year = YearPosition(2000); }, 6},
    {"31 Feb 1999", [](FormFields& f) { f.Month = 1; f.Day = 30; f.Year = YearPosition(1999); }, 6},
    // Precise positions reach 1800 to 2399: the Gregorian calendar's rule
    // (a century year is a leap year only when divisible by 400).
    {"29 Feb 1800", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(1800); }, 6},
    {"29 Feb 1900", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(1900); }, 6},
    {"29 Feb 1868", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(1868); }, 0},
    {"29 Feb 2100", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(2100); }, 6},
    {"29 Feb 2396", [](FormFields& f) { f.Month = 1; f.Day = 28; f.Year = YearPosition(2396); }, 0},
    {"28 Feb 1900", [](FormFields& f) { f.Month = 1; f.Day = 27; f.Year = YearPosition(1900); }, 0},
    // 7: thirty-day months
    {"31 Apr 1990", [](FormFields& f) { f.Month = 3; f.Day = 30; f.Year = YearPosition(1990); }, 7},
    {"31 Jun", [](FormFields& f) { f.Month = 5; f.Day = 30; }, 7},
    {"31 Sep", [](FormFields& f) { f.Month = 8; f.Day = 30; }, 7},
    {"31 Nov", [](FormFields& f) { f.Month = 10; f.Day = 30; }, 7},
    {"30 Apr", [](FormFields& f) { f.Month = 3; f.Day = 29; }, 0},
    {"31 Jan", [](FormFields& f) { f.Month = 0; f.Day = 30; }, 0},
    {"31 Mar", [](FormFields& f) { f.Month = 2; f.Day = 30; }, 0},
    {"31 Dec 2050", [](FormFields& f) { f.Month = 11; f.Day = 30; f.Year = YearPosition(2050); }, 0},
    // only the first failure counts
    {"everything wrong", [](FormFields& f) { f = FormFields{}; f.Month = 1; f.Day = 30; }, 1},
    {"lon deg before lon min", [](FormFields& f) { f.LonDeg = "180"; f.LonMin = ""; }, 2},
    {"lon min before lat deg", [](FormFields& f) { f.LonMin = "60"; f.LatDeg = "90"; }, 3},
    {"lat deg before lat min", [](FormFields& f) { f.LatDeg = ""; f.LatMin = ""; }, 4},
    {"lat min before the date", [](FormFields& f) { f.LatMin = "99"; f.Month = 3; f.Day = 30; }, 5},
    // what validation does not look at
    {"seconds, zone, flags and place", [](FormFields& f) {
         f.Second = 59; f.Zone = 70; f.East = false; f.South = true; f.DaylightSaving = true;
         f.City = ""; f.State = ""; f.Country = ""; }, 0},
};

struct Expected {
    std::string_view message;
    MessageIcon icon;
    FormField focus;
};

Expected ExpectedFor(int check) {
    switch (check) {
        case 1: return {"Please Enter Name", MessageIcon::Error, FormField::Name};
        case 2: return {kLonDeg, MessageIcon::Error, FormField::LonDeg};
        case 3: return {kLonMin, MessageIcon::Error, FormField::LonMin};
        case 4: return {kLatDeg, MessageIcon::Error, FormField::LatDeg};
        case 5: return {kLatMin, MessageIcon::Error, FormField::LatMin};
        case 6: return {kFeb, MessageIcon::Information, FormField::None};
        case 7: return {kApr, MessageIcon::Information, FormField::None};
        default: return {"", MessageIcon::Error, FormField::None};
    }
}

TEST(InputValidation, ChecksInOrder) {
    for (const ValidationCase& c : kCases) {
        SCOPED_TRACE(c.what);
        FormFields form = GoodForm();
        c.change(form);
        const ValidationResult r = Input_Validation(form);
        ASSERT_EQ(r.check, c.check);
        EXPECT_EQ(r.Passed(), c.check == 0);
        const Expected e = ExpectedFor(c.check);
        EXPECT_EQ(r.message, e.message);
        EXPECT_EQ(r.icon, e.icon);
        EXPECT_EQ(r.focus, e.focus);
    }
}

// Over every day of every month of every offered year, check 6 and 7 fail
// exactly on the dates the calendar does not have.
TEST(InputValidation, DateChecksMatchTheCalendar) {
    auto daysIn = [](int month, int year) {
        static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return month == 1 && leap ? 29 : kDays[month];
    };
    for (int year = 0; year < kYearItems; ++year) {
        for (int month = 0; month < kMonthItems; ++month) {
            for (int day = 0; day < kDayItems; ++day) {
                FormFields form = GoodForm();
                form.Year = year;
                form.Month = month;
                form.Day = day;
                const int check = Input_Validation(form).check;
                const bool real = day < daysIn(month, kFirstYear + year);
                ASSERT_EQ(check == 0, real) << kFirstYear + year << "-" << month + 1 << "-" << day + 1;
                if (!real) {
                    ASSERT_EQ(check, month == 1 ? 6 : 7);
                }
            }
        }
    }
}

}  // namespace
}  // namespace velmora
