#include "birth/BirthInstant.h"


namespace velmora {

double BirthInstant::UniversalJulianDate() const {
    return JulianDayOf({Year, Month, Day, Hour, Minute, Second}, OffsetMinutesEast * 60);
}

BirthInstant InstantOfClock(const LocalClock& c, int offsetMinutesEast) {
    return {c.Year, c.Month, c.Day, c.Hour, c.Minute, c.Second, offsetMinutesEast};
}

BirthInstant FormBirthInstant(const BirthData& birth, const ZoneOffset& zone, int second) {
    // The zone offset is what turns the clock into Universal Time (west
    // positive); the clock's offset east of Greenwich is its opposite.
    int offsetMinutesEast = -(zone.ZoneOffsetHours * 60 + zone.ZoneOffsetMinutes);
    if (birth.DaylightSaving) offsetMinutesEast += 60;
    return InstantOfClock({birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthClockHour,
                           birth.BirthClockMinute, second},
                          offsetMinutesEast);
}

}  // namespace velmora
