#pragma once
// The time arguments both engine paths form from the birth data in the same
// way: local clock hours, the zone magnitude with the daylight-saving rule, the
// site longitude (west positive), the day number of the local date and the
// Universal Time of birth in hours.

#include "engine/BirthData.h"

namespace velmora {

struct BirthTime {
    double BirthHour = 0;
    double ZoneHours = 0;
    double SiteLongitude = 0;
    double BirthDayNumber = 0;
    double UniversalHour = 0;
};

// Julian Day Number of a civil date (the Julian Date of its noon), Gregorian
// after 1582 October 15.
double JulianDayNumber(int month, int day, int year);

// The zone's direction is taken from the longitude's hemisphere, not from the
// zone's own sign: an east longitude (below 0) subtracts the zone from the
// clock, anything else adds it, so 0° entered as east counts as west.
BirthTime FormBirthTime(const BirthData& birth);

}  // namespace velmora
