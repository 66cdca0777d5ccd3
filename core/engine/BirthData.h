#pragma once
// The values one analysis run copies from the input form, and the zone offset
// chosen there. Plain data: a run owns one of each and passes them on.

#include <cstdint>
#include <string>

namespace velmora {

struct BirthData {
    std::string BirthName;
    std::int16_t BirthMonth = 1;        // 1 = January … 12 = December
    std::int16_t BirthDay = 1;
    std::int16_t BirthYear = 1901;      // 1901 … 2050
    std::int16_t BirthClockHour = 0;    // 0 … 23, local clock
    std::int16_t BirthClockMinute = 0;  // 0 … 59
    std::int16_t ZoneHoursAbs = 0;      // magnitudes of the zone offset
    std::int16_t ZoneMinutesAbs = 0;
    std::int16_t LongitudeDegrees = 0;  // 0 … 179
    std::int16_t LongitudeMinutes = 0;
    std::int16_t LatitudeDegrees = 0;   // 0 … 89
    std::int16_t LatitudeMinutes = 0;
    bool EastLongitude = true;
    bool SouthLatitude = false;
    bool DaylightSaving = false;
};

// What must be added to the local clock time to give Universal Time:
// positive west of Greenwich; the minutes (0 or ±30) carry the sign of the hours.
struct ZoneOffset {
    std::int16_t ZoneOffsetHours = 0;
    std::int16_t ZoneOffsetMinutes = 0;
};

}  // namespace velmora
