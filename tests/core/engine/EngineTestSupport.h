#pragma once
// Birth data for the engine tests, written the way the form is filled in.

#include <cstdint>

#include "engine/BirthData.h"

namespace velmora::testing_support {

struct Place {
    int longitudeDegrees = 0, longitudeMinutes = 0;
    bool east = false;
    int latitudeDegrees = 0, latitudeMinutes = 0;
    bool south = false;
};

inline BirthData MakeBirth(int year, int month, int day, int hour, int minute, int zoneHours, int zoneMinutes,
                           const Place& place, bool daylightSaving = false) {
    BirthData b;
    b.BirthYear = static_cast<std::int16_t>(year);
    b.BirthMonth = static_cast<std::int16_t>(month);
    b.BirthDay = static_cast<std::int16_t>(day);
    b.BirthClockHour = static_cast<std::int16_t>(hour);
    b.BirthClockMinute = static_cast<std::int16_t>(minute);
    b.ZoneHoursAbs = static_cast<std::int16_t>(zoneHours);
    b.ZoneMinutesAbs = static_cast<std::int16_t>(zoneMinutes);
    b.LongitudeDegrees = static_cast<std::int16_t>(place.longitudeDegrees);
    b.LongitudeMinutes = static_cast<std::int16_t>(place.longitudeMinutes);
    b.EastLongitude = place.east;
    b.LatitudeDegrees = static_cast<std::int16_t>(place.latitudeDegrees);
    b.LatitudeMinutes = static_cast<std::int16_t>(place.latitudeMinutes);
    b.SouthLatitude = place.south;
    b.DaylightSaving = daylightSaving;
    return b;
}

inline constexpr Place kGreenwichEquator{};
inline constexpr Place kDelhi{77, 13, true, 28, 39, false};

}  // namespace velmora::testing_support
