#pragma once
#include <string>

// A civil date and clock time to the second, as a clock at some offset from
// Greenwich shows it, and its conversions to and from a Julian Date in
// Universal Time: the one place a local clock becomes a Julian Date (the
// birth instant, the transit moment) and back (the panchanga's and the
// transits' moments). Gregorian calendar.

namespace velmora {

struct LocalClock {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};

// The Universal Time (Julian Date) of `clock` on a clock `offsetSeconds`
// east of Greenwich. The seconds are counted as whole numbers, so the only
// rounding is the final division.
double JulianDayOf(const LocalClock& clock, int offsetSeconds);

// The clock `offsetSeconds` east of Greenwich at the Universal Time `jdUT`,
// to the nearest second.
LocalClock LocalClockAt(double jdUT, int offsetSeconds);

// A clock's field with a leading zero below ten, as clocks write it: "05".
std::string TwoDigits(int value);

}  // namespace velmora
