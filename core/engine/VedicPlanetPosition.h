#pragma once
// The ascendant, the planets from mean orbital elements and the lunar nodes.
// One object holds the working values of one run; every run recomputes them
// all before use, so an object can be reused run after run.

#include <array>
#include <string>

#include "engine/BirthData.h"
#include "engine/LongitudeText.h"

namespace velmora {

class VedicPlanetPosition {
public:
    static constexpr double DegToRad = 0.0174532925199433;
    static constexpr double RadToDeg = 57.2957795130823;
    static constexpr double Pi = 3.14159265358979;
    static constexpr double TwoPi = 6.28318530717958;

    // Body numbers of the orbital-element table, in table order; the Earth row
    // stands for the Sun.
    enum Body { Mercury = 0, Venus = 1, Earth = 2, Mars = 3, Jupiter = 4, Saturn = 5 };

    // Ascendant path (birth time, sidereal correction, ascendant).
    double BirthHour = 0;
    double ZoneHours = 0;
    double SiteLongitude = 0;
    double SiteLatitude = 0;
    double BirthDayNumber = 0;
    double UniversalHour = 0;
    double Centuries1900 = 0;
    double SiderealOffset = 0;
    double LocalSiderealDegrees = 0;
    double RamcRadians = 0;
    double ObliquityRadians = 0;
    double Ascendant = 0;
    std::string AscendantText;

    // Planetary path.
    double DayNumber2000 = 0;
    double KeplerTolerance = 1e-12;
    double PlanetLongitude = 0;
    std::array<double, 6> PlanetLongitudes{};  // tropical, table order, from the last CalculatePlanets
    std::array<std::string, 6> PlanetTexts;  // table order: Mercury, Venus, Sun, Mars, Jupiter, Saturn
    // The sidereal longitudes the texts are cut from (table order), and the nodes'.
    std::array<double, 6> SiderealLongitudes{};
    double RahuLongitude = 0;
    double KetuLongitude = 0;
    std::string RahuText;
    std::string KetuText;

    // Orbital elements of the body last passed to OrbitalElements.
    double a = 0, e = 0, i = 0, Omega = 0, Perihelion = 0, L = 0;

    // Short texts of the ten bodies, filled at the end of CalculatePlanets.
    PositionList PositionLabels;

    // Birth time, sidereal correction, then the ascendant into AscendantText.
    void CalculateAscendant(const BirthData& birth);

    // Planets and nodes at the birth moment shifted by the signed zone offset
    // (daylight saving is not applied on this path), then PositionLabels from
    // PlanetTexts, moonText, RahuText, KetuText and AscendantText.
    // Needs SiderealOffset from CalculateAscendant.
    void CalculatePlanets(const BirthData& birth, const ZoneOffset& zone, const std::string& moonText);

    void OrbitalElements(int body, double d);
    void GeocentricLongitude(int body, double d);
    double TrueAnomaly(double M, double e) const;

    static double JulianDayNumber(int month, int day, int year);
    // Local sidereal time as an angle in degrees, before whole turns are removed.
    static double LocalSiderealAngle(double centuries, double universalHour, double siteLongitude);
    static double SiderealCorrection(double centuries);
    static double DaysSinceJ2000(int year, int month, int day, int hour, int minute);
    static double ArcTan2(double y, double x);
    static double WrapDegrees(double& x);
    static double WrapRadians(double x);

private:
    // The Earth's heliocentric position depends only on the day number (and
    // the Kepler tolerance), so each run computes it once for all six bodies.
    struct EarthPosition {
        bool valid = false;
        double day = 0;
        double tolerance = 0;
        double x = 0;
        double y = 0;
    };
    EarthPosition earth_;
};

}  // namespace velmora
