// The engine removes whole turns arithmetically, sums the lunar series from a
// table and works the Earth's orbit out once per day. Here the same quantities
// are computed the plain way, loop by loop and term by term, and must agree to
// the last bit over the whole date range.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "EngineTestSupport.h"
#include "engine/VedicEphemeris.h"
#include "engine/VedicPlanetPosition.h"

namespace velmora {
namespace {

using testing_support::MakeBirth;
using VPP = VedicPlanetPosition;

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

double PlainMoonLongitude(double t) {
    const double k = VedicEphemeris::DegToRad;
    const double L = 218.3164591 + 481267.88134236 * t;
    const double D = (297.8502042 + 445267.1115168 * t) * k;
    const double M = (357.5291092 + 35999.0502909 * t) * k;
    const double Mm = (134.9634114 + 477198.8676313 * t) * k;
    const double F = (93.2720993 + 483202.0175273 * t) * k;
    const double E = (1 - 0.002516 * t) - 0.0000074 * t * t;
    double s = 0;
    s += 1.274027 * std::sin(2 * D - Mm);
    s += 6.288774 * std::sin(Mm);
    s += 0.658314 * std::sin(2 * D);
    s += 0.213618 * std::sin(2 * Mm);
    s += -0.185116 * std::sin(M) * E;
    s += -0.114332 * std::sin(2 * F);
    s += 0.058793 * std::sin(2 * D - 2 * Mm);
    s += 0.057066 * std::sin(2 * D - M - Mm) * E;
    s += 0.053322 * std::sin(2 * D + Mm);
    s += 0.045758 * std::sin(2 * D - M) * E;
    s += -0.040923 * std::sin(M - Mm) * E;
    s += -0.034720 * std::sin(D);
    s += -0.030383 * std::sin(M + Mm) * E;
    s += 0.015327 * std::sin(2 * D - 2 * F);
    s += -0.012528 * std::sin(Mm + 2 * F);
    s += 0.010980 * std::sin(Mm - 2 * F);
    s += 0.010675 * std::sin(4 * D - Mm);
    s += 0.010034 * std::sin(3 * Mm);
    s += 0.008548 * std::sin(4 * D - 2 * Mm);
    s += -0.007888 * std::sin(2 * D + M - Mm) * E;
    s += -0.006766 * std::sin(2 * D + M) * E;
    s += -0.005163 * std::sin(D - Mm);
    s += 0.004987 * std::sin(D + M) * E;
    s += 0.004036 * std::sin(2 * D - M + Mm) * E;
    s += 0.003994 * std::sin(2 * D + 2 * Mm);
    double longitude = L + s;
    while (longitude < 0) longitude += 360;
    while (longitude > 360) longitude -= 360;
    return longitude;
}

double PlainGeocentricLongitude(VPP& engine, int body, double d) {
    engine.OrbitalElements(VPP::Earth, d);
    double nu = engine.TrueAnomaly(VPP::WrapRadians(engine.L - engine.Perihelion), engine.e);
    double r = engine.a * (1 - engine.e * engine.e) / (1 + engine.e * std::cos(nu));
    const double xE = r * std::cos(nu + engine.Perihelion);
    const double yE = r * std::sin(nu + engine.Perihelion);
    double x = 0, y = 0;
    if (body != VPP::Earth) {
        engine.OrbitalElements(body, d);
        nu = engine.TrueAnomaly(VPP::WrapRadians(engine.L - engine.Perihelion), engine.e);
        r = engine.a * (1 - engine.e * engine.e) / (1 + engine.e * std::cos(nu));
        const double u = nu + engine.Perihelion - engine.Omega;
        x = r * (std::cos(engine.Omega) * std::cos(u) - std::sin(u) * std::sin(engine.Omega) * std::cos(engine.i));
        y = r * (std::sin(engine.Omega) * std::cos(u) + std::sin(u) * std::cos(engine.Omega) * std::cos(engine.i));
    }
    double lambda = VPP::ArcTan2(y - yE, x - xE) * (180 / 3.14159265358979);
    while (lambda > 360) lambda -= 360;
    while (lambda < 0) lambda += 360;
    return lambda;
}

TEST(EngineReference, MoonMatchesTheTermByTermSum) {
    VedicEphemeris moon;
    for (int year = 1901; year <= 2050; year += 1) {
        for (int month = 1; month <= 12; month += 5) {
            for (int hour : {0, 7, 13, 23}) {
                moon.CalculateMoon(MakeBirth(year, month, 1 + (year + hour) % 28, hour, (year * 7) % 60, 5, 30,
                                             {77, 13, year % 2 == 0, 28, 39, false}, month == 6));
                ASSERT_EQ(Bits(moon.MoonLongitude), Bits(PlainMoonLongitude(moon.Centuries2000)))
                    << year << '-' << month << ' ' << hour;
            }
        }
    }
}

// A whole planetary run solves the six orbits side by side, and a single body
// reuses the Earth's orbit of the same day: each body must still come out
// exactly as the plain body-by-body computation gives it.
TEST(EngineReference, PlanetaryRunMatchesBodyByBody) {
    VPP engine;
    VPP single;
    VPP plain;
    for (int year = 1901; year <= 2050; year += 2) {
        for (int hour : {1, 11, 22}) {
            const BirthData birth = MakeBirth(year, 1 + (year + hour) % 12, 1 + year % 28, hour, (year * 11) % 60, 8,
                                              0, {116, 23, true, 39, 54, false});
            engine.CalculateAscendant(birth);
            engine.CalculatePlanets(birth, {-8, 0}, "5\u00b0 0' 0\" Leo");
            const double d = engine.DayNumber2000;
            for (int body = VPP::Mercury; body <= VPP::Saturn; ++body) {
                const double expected = PlainGeocentricLongitude(plain, body, d);
                ASSERT_EQ(Bits(engine.PlanetLongitudes[body]), Bits(expected)) << year << ' ' << hour << ' ' << body;
                single.GeocentricLongitude(body, d);
                ASSERT_EQ(Bits(single.PlanetLongitude), Bits(expected)) << year << ' ' << hour << ' ' << body;
            }
            EXPECT_EQ(Bits(engine.PlanetLongitude), Bits(engine.PlanetLongitudes[VPP::Saturn]));
            EXPECT_EQ(engine.a, plain.a);  // the elements as Saturn leaves them
            EXPECT_EQ(engine.L, plain.L);
        }
    }
}

}  // namespace
}  // namespace velmora
