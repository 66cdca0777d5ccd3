#pragma once
// A chart's birth details as every front end shows them, made from the
// chart's numbers: "January/1/2000", "12:0", "51° 28'", "1 January 2000 at 12:00".

#include <string>
#include <string_view>

#include <array>

#include "chart/Chart.h"

namespace velmora {

// The twelve months' full names, January first: the window passes the
// system language's, the command line English.
using MonthNames = std::array<std::string, 12>;
MonthNames EnglishMonthNames();

// The month's name from `months`, empty for a month outside 1 to 12.
std::string_view MonthName(int month, const MonthNames& months);

// The month's name from `months`, then "/day/year"; no name for a month
// outside 1 to 12.
std::string BirthDateLabel(const CivilMoment& clock, const MonthNames& months);

// "hour:minute" without leading zeros, as the classic result form shows it.
std::string BirthTimeLabel(const CivilMoment& clock);

// The date written out, day first, with `monthName` (the one the date of
// birth was written with), and the clock with two digits each, as the
// printed pages' header gives the birth: "5 March 1980 at 09:05".
std::string BirthMomentLabel(const CivilMoment& clock, std::string_view monthName);

// Degrees, the degree sign and a blank, minutes, an apostrophe: "12° 34'".
std::string AngleLabel(int degrees, int minutes);

}  // namespace velmora
