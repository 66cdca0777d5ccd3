#pragma once
// The moment of birth as one Universal Time: the local civil date and clock
// time, and the clock's signed offset east of Greenwich in minutes (daylight
// saving already in it). The precise engine reads nothing else of the time, so
// an exact historical offset (+6:30, +5:45, +5:21) needs no other change.

#include <cstdint>

#include "birth/LocalClock.h"
#include "engine/BirthData.h"

namespace velmora {

struct BirthInstant {
    int Year = 2000;
    int Month = 1;  // 1 = January
    int Day = 1;
    int Hour = 0;  // local clock
    int Minute = 0;
    int Second = 0;
    int OffsetMinutesEast = 0;  // local clock minus Universal Time

    // Julian Date of the instant in Universal Time.
    double UniversalJulianDate() const;
};

// The instant of `clock` on a clock `offsetMinutesEast` of Greenwich.
BirthInstant InstantOfClock(const LocalClock& clock, int offsetMinutesEast);

// The instant the form describes: the zone entry's own offset (east of
// Greenwich, as its list text shows it, +5:30 for IST and -5:00 for EST), one
// hour more when daylight saving is ticked. The zone's direction is the
// zone's, whatever the longitude's hemisphere.
BirthInstant FormBirthInstant(const BirthData& birth, const ZoneOffset& zone, int second);

}  // namespace velmora
