#include "engine/VedicPlanetPosition.h"

#include <cmath>
#include <cstdint>

#include "engine/BirthTime.h"
#include "engine/Calendar.h"
#include "engine/WholeTurns.h"

namespace velmora {

namespace {

// Mean elements at 2000 January 1.5 and their change per Julian century.
// a in astronomical units, e plain, angles in degrees with rates in
// arcseconds per century.
struct ElementRow {
    double a, aRate;
    double e, eRate;
    double i, iRate;
    double node, nodeRate;
    double perihelion, perihelionRate;
    double meanLongitude, meanLongitudeRate;
};

constexpr ElementRow kElements[6] = {
    // Mercury
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645, +573.57,
     252.25084, +538101628.29},
    // Venus
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.80,
     181.97973, +210664136.06},
    // Earth
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25, 102.94719, +1198.28,
     100.46435, +129597740.63},
    // Mars
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19, 336.04084, +1560.78,
     355.45332, +68905103.78},
    // Jupiter
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, +1217.17, 14.75385, +839.93,
     34.40438, +10925078.35},
    // Saturn
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504, -1591.05, 92.43194, -1948.89,
     49.94432, +4401052.95},
};

// Where each short text goes in PositionLabels (body numbers 0 Sun … 9 ascendant).
constexpr int kLabelOfBody[6] = {2, 3, 0, 4, 5, 6};  // Mercury, Venus, Sun (Earth row), Mars, Jupiter, Saturn
constexpr int kMoonLabel = 1, kRahuLabel = 7, kKetuLabel = 8, kAscendantLabel = 9;

constexpr double kRadiansToDegrees = 180 / 3.14159265358979;
constexpr double kNodeRadiansToDegrees = 180 / 3.1416;

}  // namespace

double VedicPlanetPosition::JulianDayNumber(int month, int day, int year) {
    return velmora::JulianDayNumber(month, day, year);
}

double VedicPlanetPosition::SiderealCorrection(double centuries) {
    const double t = centuries;
    // Mean longitude of the Moon's node; only its sine is used, so a negative
    // value is left as it is.
    double node = (933060 - 6962911 * t + 7.5 * (t * t)) / 3600;
    node = SubtractTurnsWhileAbove(node, TurnBound::AtOrAbove360);
    const double twiceSun = (2013816 + 259205536 * t) / 3600;
    const double nutation = 1.27 * std::sin(twiceSun * DegToRad) + 17.23 * std::sin(node * DegToRad);
    return (nutation - (5025.64 + 1.11 * t) * t - 80861.27) / 3600;
}

double VedicPlanetPosition::DaysSinceJ2000(int year, int month, int day, int hour, int minute) {
    // The whole-day part is an exact integer sum; the floors of positive
    // quotients are integer divisions.
    const std::int64_t y = year;
    const std::int64_t m = month;
    const std::int64_t days = 367 * y - FloorDiv(7 * (y + FloorDiv(m + 9, 12)), 4) + FloorDiv(275 * m, 9) + day;
    return static_cast<double>(days) - 730531.5 + (hour + minute / 60.0) / 24;
}

double VedicPlanetPosition::LocalSiderealAngle(double centuries, double universalHour, double siteLongitude) {
    const double t = centuries;
    return (6.6460656 + 2400.0513 * t + 0.0000258 * (t * t) + universalHour) * 15 - siteLongitude;
}

double VedicPlanetPosition::ArcTan2(double y, double x) {
    const double sign = y > 0 ? 1.0 : (y < 0 ? -1.0 : 0.0);
    if (x > 0) return std::atan(y / x);
    if (x == 0) return sign * Pi / 2;
    return sign * (Pi - std::atan(std::fabs(y / x)));
}

double VedicPlanetPosition::WrapDegrees(double& x) {
    if (x < 0) x += 360;
    if (x > 360) x -= 360;
    return x;
}

double VedicPlanetPosition::WrapRadians(double x) {
    const double turns = x / TwoPi;
    // Below 2^62 turns the integer conversion drops the fraction exactly as
    // trunc does, without a library call.
    const double whole = std::fabs(turns) < 4.6e18 ? static_cast<double>(static_cast<std::int64_t>(turns))
                                                   : std::trunc(turns);
    double r = (turns - whole) * TwoPi;
    if (r < 0) r += TwoPi;
    return r;
}

void VedicPlanetPosition::CalculateAscendant(const BirthData& birth) {
    const BirthTime time = FormBirthTime(birth);
    BirthHour = time.BirthHour;
    ZoneHours = time.ZoneHours;
    SiteLongitude = time.SiteLongitude;
    SiteLatitude = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
    if (birth.SouthLatitude) SiteLatitude = -SiteLatitude;
    BirthDayNumber = time.BirthDayNumber;
    UniversalHour = time.UniversalHour;
    Centuries1900 = (BirthDayNumber - 2415020 + UniversalHour / 24 - 0.5) / 36525;
    SiderealOffset = SiderealCorrection(Centuries1900);

    const double t = Centuries1900;
    LocalSiderealDegrees = SubtractTurnsWhileAbove(LocalSiderealAngle(t, UniversalHour, SiteLongitude),
                                                   TurnBound::AtOrAbove360);
    RamcRadians = LocalSiderealDegrees * DegToRad;
    ObliquityRadians = (23.452294 - 0.0130125 * t) * DegToRad;

    const double cosRamc = std::cos(RamcRadians);
    double rising = ArcTan2(cosRamc, -std::sin(RamcRadians) * std::cos(ObliquityRadians) -
                                         std::sin(ObliquityRadians) * std::tan(SiteLatitude * DegToRad));
    if (rising < 0) rising += Pi;
    if (cosRamc < 0) rising += Pi;
    const double tropical = SubtractTurnsWhileAbove(rising * RadToDeg, TurnBound::AtOrAbove360);

    Ascendant = tropical + SiderealOffset;
    WrapDegrees(Ascendant);
    double text = Ascendant;
    LongitudeTextInto(text, AscendantText);
}

namespace {

using VPP = VedicPlanetPosition;

struct Elements {
    double a, e, i, Omega, Perihelion, L;
};

Elements ElementsAt(int body, double d) {
    const ElementRow& row = kElements[body];
    const double t = d / 36525;
    return {row.a + row.aRate * t,
            row.e + row.eRate * t,
            (row.i + row.iRate * t / 3600) * VPP::DegToRad,
            (row.node + row.nodeRate * t / 3600) * VPP::DegToRad,
            (row.perihelion + row.perihelionRate * t / 3600) * VPP::DegToRad,
            VPP::WrapRadians((row.meanLongitude + row.meanLongitudeRate * t / 3600) * VPP::DegToRad)};
}

// Kepler's equation E − e·sin E = M by Newton's method, in its three steps.
double KeplerStart(double M, double e) {
    return M + e * std::sin(M) * (1 + e * std::cos(M));
}

double NewtonStep(double E0, double M, double e) {
    return E0 - (E0 - e * std::sin(E0) - M) / (1 - e * std::cos(E0));
}

double AnomalyFromEccentric(double E, double e) {
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
    if (nu < 0) nu += VPP::TwoPi;
    return nu;
}

double MeanAnomaly(const Elements& el) {
    return VPP::WrapRadians(el.L - el.Perihelion);
}

// Heliocentric ecliptic position at true anomaly nu. The Earth's orbit is
// taken in the ecliptic plane; other bodies are turned by node and inclination.
void Heliocentric(const Elements& el, double nu, bool inclined, double& x, double& y) {
    const double r = el.a * (1 - el.e * el.e) / (1 + el.e * std::cos(nu));
    if (!inclined) {
        x = r * std::cos(nu + el.Perihelion);
        y = r * std::sin(nu + el.Perihelion);
        return;
    }
    const double u = nu + el.Perihelion - el.Omega;
    const double cosNode = std::cos(el.Omega), sinNode = std::sin(el.Omega);
    const double cosU = std::cos(u), sinU = std::sin(u);
    const double cosI = std::cos(el.i);
    x = r * (cosNode * cosU - sinU * sinNode * cosI);
    y = r * (sinNode * cosU + sinU * cosNode * cosI);
}

// Geocentric longitude in degrees, 0 … 360, of a body at (x, y) seen from the
// Earth at (xE, yE).
double SeenFromEarth(double x, double y, double xE, double yE) {
    const double lambda = VPP::ArcTan2(y - yE, x - xE) * kRadiansToDegrees;
    return AddTurnsWhileBelowZero(SubtractTurnsWhileAbove(lambda, TurnBound::Above360));
}

}  // namespace

void VedicPlanetPosition::OrbitalElements(int body, double d) {
    if (body < Mercury || body > Saturn) return;
    const Elements el = ElementsAt(body, d);
    a = el.a;
    e = el.e;
    i = el.i;
    Omega = el.Omega;
    Perihelion = el.Perihelion;
    L = el.L;
}

double VedicPlanetPosition::TrueAnomaly(double M, double e) const {
    double E = KeplerStart(M, e);
    double E0;
    do {
        E0 = E;
        E = NewtonStep(E0, M, e);
    } while (std::fabs(E - E0) > KeplerTolerance);
    return AnomalyFromEccentric(E, e);
}

void VedicPlanetPosition::GeocentricLongitude(int body, double d) {
    if (!earth_.valid || earth_.day != d || earth_.tolerance != KeplerTolerance) {
        const Elements earth = ElementsAt(Earth, d);
        double x = 0, y = 0;
        Heliocentric(earth, TrueAnomaly(MeanAnomaly(earth), earth.e), false, x, y);
        earth_ = {true, d, KeplerTolerance, x, y};
    }
    // A body number outside the table keeps the Earth's elements, which were
    // the last ones loaded when the Earth is worked out afresh for each body.
    OrbitalElements(body < Mercury || body > Saturn ? Earth : body, d);
    const Elements el{a, e, i, Omega, Perihelion, L};

    double x = 0, y = 0;  // the Sun sits at the origin
    if (body != Earth) Heliocentric(el, TrueAnomaly(MeanAnomaly(el), el.e), true, x, y);
    PlanetLongitude = SeenFromEarth(x, y, earth_.x, earth_.y);
}

void VedicPlanetPosition::CalculatePlanets(const BirthData& birth, const ZoneOffset& zone,
                                           const std::string& moonText) {
    KeplerTolerance = 1e-12;
    const CivilMoment universal =
        AddHoursThenMinutes({birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthClockHour,
                             birth.BirthClockMinute},
                            zone.ZoneOffsetHours, zone.ZoneOffsetMinutes);
    DayNumber2000 =
        DaysSinceJ2000(universal.year, universal.month, universal.day, universal.hour, universal.minute);
    const double d = DayNumber2000;
    const double correction = std::fabs(SiderealOffset);

    // The six orbits are solved side by side, each step for every body in
    // turn: the operations on each body are exactly those of
    // GeocentricLongitude, but the independent chains of sines can overlap.
    constexpr int kRows = Saturn + 1;
    std::array<Elements, kRows> rows;
    std::array<double, kRows> M, E, x, y;
    for (int b = 0; b < kRows; ++b) rows[b] = ElementsAt(b, d);
    for (int b = 0; b < kRows; ++b) M[b] = MeanAnomaly(rows[b]);
    for (int b = 0; b < kRows; ++b) E[b] = KeplerStart(M[b], rows[b].e);
    for (unsigned pending = (1u << kRows) - 1; pending != 0;) {
        for (int b = 0; b < kRows; ++b) {
            if (!(pending & (1u << b))) continue;
            const double E0 = E[b];
            E[b] = NewtonStep(E0, M[b], rows[b].e);
            if (!(std::fabs(E[b] - E0) > KeplerTolerance)) pending &= ~(1u << b);
        }
    }
    for (int b = 0; b < kRows; ++b) {
        x[b] = y[b] = 0;  // the Sun at the origin for the Earth's row
        Heliocentric(rows[b], AnomalyFromEccentric(E[b], rows[b].e), b != Earth, x[b], y[b]);
    }
    earth_ = {true, d, KeplerTolerance, x[Earth], y[Earth]};
    x[Earth] = y[Earth] = 0;
    for (int b = 0; b < kRows; ++b) PlanetLongitudes[b] = SeenFromEarth(x[b], y[b], earth_.x, earth_.y);

    for (int body = Mercury; body <= Saturn; ++body) {
        double sidereal = AddTurnsWhileBelowZero(PlanetLongitudes[body] - correction);
        LongitudeTextsInto(sidereal, PlanetTexts[body], PositionLabels[kLabelOfBody[body]]);
        SiderealLongitudes[body] = sidereal;
    }
    // The module values as the last body, Saturn, leaves them.
    PlanetLongitude = PlanetLongitudes[Saturn];
    OrbitalElements(Saturn, d);

    const double node = WrapRadians((125.1228 - 0.0529538083 * d) * DegToRad);
    double rahu = AddTurnsWhileBelowZero(node * kNodeRadiansToDegrees - 1 - correction);
    double ketu = SubtractTurnsWhileAbove(rahu + 180, TurnBound::Above360);
    LongitudeTextsInto(rahu, RahuText, PositionLabels[kRahuLabel]);
    LongitudeTextsInto(ketu, KetuText, PositionLabels[kKetuLabel]);
    RahuLongitude = rahu;
    KetuLongitude = ketu;

    // The Moon's and the ascendant's texts come from outside this call, so
    // their short texts are read from them.
    PositionLabels[kMoonLabel] = ChartPositionText(moonText);
    PositionLabels[kAscendantLabel] = ChartPositionText(AscendantText);
}

}  // namespace velmora
