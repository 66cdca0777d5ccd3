#include "engine/VedicEphemeris.h"

#include <cmath>

#include "engine/BirthTime.h"
#include "engine/LongitudeText.h"
#include "engine/WholeTurns.h"

namespace velmora {

namespace {

// One periodic term of the Moon's longitude: coefficient (degrees) times the
// sine of d·D + m·M + mm·M′ + f·F, times E when the Sun's anomaly enters.
struct LunarTerm {
    int d, m, mm, f;
    double coefficient;
    bool timesE;
};

constexpr LunarTerm kLunarTerms[25] = {
    {2, 0, -1, 0, +1.274027, false},  //  2D − M′
    {0, 0, 1, 0, +6.288774, false},   //  M′
    {2, 0, 0, 0, +0.658314, false},   //  2D
    {0, 0, 2, 0, +0.213618, false},   //  2M′
    {0, 1, 0, 0, -0.185116, true},    //  M
    {0, 0, 0, 2, -0.114332, false},   //  2F
    {2, 0, -2, 0, +0.058793, false},  //  2D − 2M′
    {2, -1, -1, 0, +0.057066, true},  //  2D − M − M′
    {2, 0, 1, 0, +0.053322, false},   //  2D + M′
    {2, -1, 0, 0, +0.045758, true},   //  2D − M
    {0, 1, -1, 0, -0.040923, true},   //  M − M′
    {1, 0, 0, 0, -0.034720, false},   //  D
    {0, 1, 1, 0, -0.030383, true},    //  M + M′
    {2, 0, 0, -2, +0.015327, false},  //  2D − 2F
    {0, 0, 1, 2, -0.012528, false},   //  M′ + 2F
    {0, 0, 1, -2, +0.010980, false},  //  M′ − 2F
    {4, 0, -1, 0, +0.010675, false},  //  4D − M′
    {0, 0, 3, 0, +0.010034, false},   //  3M′
    {4, 0, -2, 0, +0.008548, false},  //  4D − 2M′
    {2, 1, -1, 0, -0.007888, true},   //  2D + M − M′
    {2, 1, 0, 0, -0.006766, true},    //  2D + M
    {1, 0, -1, 0, -0.005163, false},  //  D − M′
    {1, 1, 0, 0, +0.004987, true},    //  D + M
    {2, -1, 1, 0, +0.004036, true},   //  2D − M + M′
    {2, 0, 2, 0, +0.003994, false},   //  2D + 2M′
};

// Multiples k·x of one fundamental argument for k = -2 … 4, with 0·x a plain
// +0 so that a missing argument adds nothing: the sum of a term's parts is
// then exactly the sum written left to right without them (2D − M − M′ is
// (2D − M) − M′; x + 0 is x).
struct Multiples {
    double value[7];
    explicit Multiples(double x) {
        for (int k = -2; k <= 4; ++k) value[k + 2] = k == 0 ? 0.0 : (k == 1 ? x : (k == -1 ? -x : k * x));
    }
    double operator[](int k) const { return value[k + 2]; }
};

}  // namespace

double VedicEphemeris::MoonSiderealCorrection(double centuries) {
    const double t = centuries;
    const double node = (125.044555 - 1934.1361849 * t) + 0.0020762 * t * t;
    const double sun = (280.466449 + 36000.7698231 * t) + 0.0003106 * t * t;
    const double nutation = 1.27 * std::sin(sun * DegToRad) + 17.23 * std::sin(node * DegToRad);
    return ((nutation - (5025.64 + 1.11 * t) * t) - 85886.27) / 3600;
}

void VedicEphemeris::CalculateMoon(const BirthData& birth) {
    const BirthTime time = FormBirthTime(birth);
    BirthHour = time.BirthHour;
    ZoneHours = time.ZoneHours;
    SiteLongitude = time.SiteLongitude;
    BirthDayNumber = time.BirthDayNumber;
    UniversalHour = time.UniversalHour;
    Centuries2000 = ((BirthDayNumber - 2451545) + UniversalHour / 24 - 0.5) / 36525;

    const double t = Centuries2000;
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const double D = (297.8502042 + 445267.1115168 * t) * DegToRad;
    const double M = (357.5291092 + 35999.0502909 * t) * DegToRad;
    const double Mm = (134.9634114 + 477198.8676313 * t) * DegToRad;
    const double F = (93.2720993 + 483202.0175273 * t) * DegToRad;
    const double E = (1 - 0.002516 * t) - 0.0000074 * t * t;

    const Multiples multiplesD(D), multiplesM(M), multiplesMm(Mm), multiplesF(F);
    double sum = 0;
    for (const LunarTerm& term : kLunarTerms) {
        const double argument =
            multiplesD[term.d] + multiplesM[term.m] + multiplesMm[term.mm] + multiplesF[term.f];
        double value = term.coefficient * std::sin(argument);
        if (term.timesE) value *= E;
        sum += value;
    }

    MoonLongitude = AddTurnsWhileBelowZero(meanLongitude + sum);
    MoonLongitude = SubtractTurnsWhileAbove(MoonLongitude, TurnBound::Above360);
    MoonSiderealOffset = MoonSiderealCorrection(t);

    double sidereal = MoonLongitude + MoonSiderealOffset;
    if (sidereal < 0) sidereal += 360;
    LongitudeTextInto(sidereal, MoonText);
    MoonSiderealLongitude = sidereal;
}

}  // namespace velmora
