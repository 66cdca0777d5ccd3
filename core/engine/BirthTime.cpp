#include "engine/BirthTime.h"

#include <cstdint>

#include "engine/Calendar.h"

namespace velmora {

double JulianDayNumber(int month, int day, int year) {
    // Every quantity is a whole number, so integer arithmetic gives exactly
    // the floors of the real quotients.
    const std::int64_t a = 12 * (std::int64_t{year} + 4800) + month - 3;
    std::int64_t j = day + FloorDiv(365 * a + 2 * (a - 12 * FloorDiv(a, 12)) + 7, 12) + FloorDiv(a, 48) - 32083;
    // The count so far is in the Julian calendar; from the reform on, turn it
    // into the Gregorian one.
    if (j > 2299171) j = j + FloorDiv(a, 4800) - FloorDiv(a, 1200) + 38;
    return static_cast<double>(j);
}

BirthTime FormBirthTime(const BirthData& birth) {
    BirthTime t;
    t.BirthHour = birth.BirthClockHour + birth.BirthClockMinute / 60.0;
    t.ZoneHours = birth.ZoneHoursAbs + birth.ZoneMinutesAbs / 60.0;
    t.SiteLongitude = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
    if (birth.EastLongitude) t.SiteLongitude = -t.SiteLongitude;
    const bool east = t.SiteLongitude < 0;
    if (birth.DaylightSaving) t.ZoneHours = east ? t.ZoneHours + 1 : t.ZoneHours - 1;
    t.BirthDayNumber = JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear);
    t.UniversalHour = east ? t.BirthHour - t.ZoneHours : t.BirthHour + t.ZoneHours;
    return t;
}

}  // namespace velmora
