#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"
#include "engine/VedicEphemeris.h"
#include "engine/VedicPlanetPosition.h"

namespace velmora {
namespace {

using testing_support::kDelhi;
using testing_support::kGreenwichEquator;
using testing_support::MakeBirth;
using testing_support::Place;
using VPP = VedicPlanetPosition;

constexpr double kPi = VPP::Pi;

TEST(Ascendant, SiderealCorrection) {
    const struct {
        double centuries, expected;
    } cases[] = {{0.9999863107, -23.8539674}, {0.5, -23.1586638}, {1.0, -23.8539909}};
    for (const auto& c : cases) EXPECT_NEAR(VPP::SiderealCorrection(c.centuries), c.expected, 5e-8) << c.centuries;
}

TEST(Ascendant, ArcTan2) {
    const struct {
        double y, x, expected;
    } cases[] = {{1, 0, kPi / 2}, {-1, 0, -kPi / 2}, {0, 0, 0},      {1, -1, 3 * kPi / 4},
                 {-1, -1, -3 * kPi / 4}, {0, -1, 0}, {1, 1, kPi / 4}, {-2, 1, std::atan(-2.0)}};
    for (const auto& c : cases) EXPECT_NEAR(VPP::ArcTan2(c.y, c.x), c.expected, 1e-14) << c.y << ", " << c.x;
}

TEST(Ascendant, WrapDegreesStepsOnceAndWritesBack) {
    const struct {
        double x, expected;
    } cases[] = {{-10, 350}, {370, 10}, {360, 360}, {-400, -40}, {0, 0}, {730, 370}, {-366.5, -6.5}};
    for (const auto& c : cases) {
        double x = c.x;
        EXPECT_DOUBLE_EQ(VPP::WrapDegrees(x), c.expected) << c.x;
        EXPECT_DOUBLE_EQ(x, c.expected) << c.x;
    }
}

TEST(Ascendant, WorkedExamples) {
    const struct {
        const char* name;
        BirthData birth;
        double universalHour, centuries, siderealAngle, reducedAngle, tropical, sidereal;
        const char* text;
    } cases[] = {
        {"Greenwich, 0h UT", MakeBirth(2000, 1, 1, 0, 0, 0, 0, kGreenwichEquator), 0, 0.9999863107, 36099.968, 99.968,
         190.844, 166.990, "16\u00b0 59' 24\" Vir"},
        {"Delhi, noon", MakeBirth(2000, 1, 1, 12, 0, 5, 30, kDelhi), 6.5, 0.9999937258, 274.952 + 100 * 360, 274.952,
         7.062, 343.208, "13\u00b0 12' 29\" Pis"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VPP engine;
        engine.CalculateAscendant(c.birth);
        EXPECT_DOUBLE_EQ(engine.UniversalHour, c.universalHour);
        EXPECT_NEAR(engine.Centuries1900, c.centuries, 5e-11);
        EXPECT_NEAR(VPP::LocalSiderealAngle(engine.Centuries1900, engine.UniversalHour, engine.SiteLongitude),
                    c.siderealAngle, 5e-4);
        EXPECT_NEAR(engine.LocalSiderealDegrees, c.reducedAngle, 5e-4);
        EXPECT_NEAR(std::fmod(engine.Ascendant - engine.SiderealOffset, 360.0), c.tropical, 5e-4);
        EXPECT_NEAR(engine.Ascendant, c.sidereal, 5e-4);
        EXPECT_EQ(engine.AscendantText, c.text);
    }
}

// Zone direction from the longitude's hemisphere and the daylight-saving rule,
// on both the ascendant path and the Moon's path.
TEST(BirthTime, ZoneDirectionAndDaylightSaving) {
    const Place eastOf{77, 13, true, 28, 39, false};
    const Place westOf{74, 0, false, 40, 42, false};
    const Place zeroEntered{0, 0, true, 51, 28, false};
    const Place southWest{70, 40, false, 33, 27, true};
    const struct {
        const char* name;
        BirthData birth;
        double zoneHours, universalHour, siteLongitude, siteLatitude;
    } cases[] = {
        {"east, DST", MakeBirth(2000, 6, 1, 12, 0, 5, 30, eastOf, true), 6.5, 5.5, -(77 + 13 / 60.0),
         28 + 39 / 60.0},
        {"west zone 5, DST", MakeBirth(1976, 7, 4, 9, 15, 5, 0, westOf, true), 4, 13.25, 74, 40.7},
        {"west zone 0, DST", MakeBirth(2000, 6, 1, 12, 30, 0, 0, westOf, true), -1, 11.5, 74, 40.7},
        {"east, 1:00", MakeBirth(2000, 6, 1, 1, 0, 5, 30, eastOf), 5.5, -4.5, -(77 + 13 / 60.0), 28 + 39 / 60.0},
        {"0 entered east counts west", MakeBirth(2000, 6, 1, 1, 0, 5, 30, zeroEntered), 5.5, 6.5, 0,
         51 + 28 / 60.0},
        {"0 entered east, DST", MakeBirth(2000, 6, 1, 1, 0, 5, 30, zeroEntered, true), 4.5, 5.5, 0,
         51 + 28 / 60.0},
        {"south", MakeBirth(2000, 6, 1, 23, 59, 4, 0, southWest), 4, 23 + 59 / 60.0 + 4, 70 + 40 / 60.0,
         -(33 + 27 / 60.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VPP planets;
        planets.CalculateAscendant(c.birth);
        EXPECT_DOUBLE_EQ(planets.ZoneHours, c.zoneHours);
        EXPECT_DOUBLE_EQ(planets.UniversalHour, c.universalHour);
        EXPECT_DOUBLE_EQ(planets.SiteLongitude, c.siteLongitude);
        EXPECT_DOUBLE_EQ(planets.SiteLatitude, c.siteLatitude);
        VedicEphemeris moon;
        moon.CalculateMoon(c.birth);
        EXPECT_DOUBLE_EQ(moon.ZoneHours, c.zoneHours);
        EXPECT_DOUBLE_EQ(moon.UniversalHour, c.universalHour);
        EXPECT_EQ(moon.BirthDayNumber, planets.BirthDayNumber);
    }
}

// The ascendant path counts the zone from the hemisphere and applies daylight
// saving; the planetary path adds the signed offset and ignores it.
TEST(BirthTime, AscendantAndPlanetaryPathsAgreeOnlyWhenTheZoneDoes) {
    const struct {
        const char* name;
        BirthData birth;
        ZoneOffset zone;
        double planetaryMinusAscendantDays;
    } cases[] = {
        {"consistent east", MakeBirth(2000, 1, 1, 12, 0, 5, 30, kDelhi), {-5, -30}, 0},
        {"east place, west zone", MakeBirth(2000, 1, 1, 12, 0, 5, 30, kDelhi), {5, 30}, 11.0 / 24},
        {"consistent west", MakeBirth(1976, 7, 4, 9, 15, 5, 0, {74, 0, false, 40, 42, false}), {5, 0}, 0},
        {"daylight saving", MakeBirth(2000, 1, 1, 12, 0, 5, 30, kDelhi, true), {-5, -30}, 1.0 / 24},
        {"midnight carry", MakeBirth(2001, 1, 1, 2, 0, 5, 30, kDelhi), {-5, -30}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VPP engine;
        engine.CalculateAscendant(c.birth);
        engine.CalculatePlanets(c.birth, c.zone, "1\u00b0 2' 3\" Gem");
        const double ascendantDays = engine.BirthDayNumber - 2451545 + engine.UniversalHour / 24 - 0.5;
        EXPECT_NEAR(engine.DayNumber2000 - ascendantDays, c.planetaryMinusAscendantDays, 1e-9);
    }
}

}  // namespace
}  // namespace velmora
