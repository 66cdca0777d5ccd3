#pragma once
// The Moon from its mean longitude and 25 periodic terms, with a sidereal
// correction of its own.

#include <string>

#include "engine/BirthData.h"

namespace velmora {

class VedicEphemeris {
public:
    static constexpr double DegToRad = 0.0174532925199433;

    double BirthHour = 0;
    double ZoneHours = 0;
    double SiteLongitude = 0;
    double BirthDayNumber = 0;
    double UniversalHour = 0;
    double Centuries2000 = 0;
    double MoonLongitude = 0;       // tropical, 0 … 360
    double MoonSiderealOffset = 0;  // negative degrees
    double MoonSiderealLongitude = 0;  // what MoonText is cut from
    std::string MoonText;           // long longitude text of the sidereal Moon

    void CalculateMoon(const BirthData& birth);

    static double MoonSiderealCorrection(double centuries);
};

}  // namespace velmora
