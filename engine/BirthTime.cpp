#include "engine/BirthTime.h"

#include <cmath>

namespace velmora {

double JulianDayNumber(int month, int day, int year) {
    const double a = 12.0 * (year + 4800.0) + month - 3;
    double j = day + std::floor((365 * a + 2 * (a - 12 * std::floor(a / 12)) + 7) / 12) + std::floor(a / 48) - 32083;
    // The count so far is in the Julian calendar; from the reform on, turn it
    // into the Gregorian one.
    if (j > 2299171) j = j + std::floor(a / 4800) - std::floor(a / 1200) + 38;
    return j;
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
