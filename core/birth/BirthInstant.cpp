#include "birth/BirthInstant.h"

#include "engine/BirthTime.h"

namespace velmora {

double BirthInstant::UniversalJulianDate() const {
    // The day number is the Julian Date of the civil date's noon; minutes are
    // counted as whole numbers so that the only rounding is the final division.
    const long long minutes = (static_cast<long long>(Hour) - 12) * 60 + Minute - OffsetMinutesEast;
    return JulianDayNumber(Month, Day, Year) + (static_cast<double>(minutes) * 60 + Second) / 86400.0;
}

BirthInstant FormBirthInstant(const BirthData& birth, const ZoneOffset& zone, int second) {
    BirthInstant instant;
    instant.Year = birth.BirthYear;
    instant.Month = birth.BirthMonth;
    instant.Day = birth.BirthDay;
    instant.Hour = birth.BirthClockHour;
    instant.Minute = birth.BirthClockMinute;
    instant.Second = second;
    // The zone offset is what turns the clock into Universal Time (west
    // positive); the clock's offset east of Greenwich is its opposite.
    instant.OffsetMinutesEast = -(zone.ZoneOffsetHours * 60 + zone.ZoneOffsetMinutes);
    if (birth.DaylightSaving) instant.OffsetMinutesEast += 60;
    return instant;
}

}  // namespace velmora
