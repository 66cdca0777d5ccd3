#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "EngineTestSupport.h"
#include "engine/VedicPlanetPosition.h"

namespace velmora {
namespace {

using testing_support::kGreenwichEquator;
using testing_support::MakeBirth;
using VPP = VedicPlanetPosition;

TEST(Planets, TrueAnomaly) {
    const struct {
        double M, e, expected;
    } cases[] = {{0, 0.5, 0}, {1, 0.2, 1.3793208}, {3, 0.9, 3.1244810}, {0, 0, 0}};
    VPP engine;
    for (const auto& c : cases) EXPECT_NEAR(engine.TrueAnomaly(c.M, c.e), c.expected, 5e-8) << c.M << ", " << c.e;
    // Past half an orbit the anomaly stays within 0 … 2π.
    const double late = engine.TrueAnomaly(5.5, 0.2);
    EXPECT_GT(late, VPP::Pi);
    EXPECT_LT(late, VPP::TwoPi);
}

TEST(Planets, WrapRadians) {
    const struct {
        double x, expected, tolerance;
    } cases[] = {{-1, 5.28318530717958, 1e-14}, {7, 0.7168147, 5e-8}, {-4 * VPP::Pi, 0, 0},
                 {VPP::TwoPi, 0, 0},            {0, 0, 0},            {100, 100 - 15 * VPP::TwoPi, 1e-12}};
    for (const auto& c : cases) EXPECT_NEAR(VPP::WrapRadians(c.x), c.expected, c.tolerance) << c.x;
}

TEST(Planets, TropicalLongitudesAtTheEpoch) {
    const struct {
        int body;
        double longitude;
    } cases[] = {{VPP::Earth, 280.3796}, {VPP::Mercury, 271.9060}, {VPP::Venus, 241.5781},
                 {VPP::Mars, 327.9828},  {VPP::Jupiter, 25.3611},  {VPP::Saturn, 40.2147}};
    VPP engine;
    for (const auto& c : cases) {
        engine.GeocentricLongitude(c.body, 0);
        EXPECT_NEAR(engine.PlanetLongitude, c.longitude, 5e-5) << c.body;
    }
}

TEST(Planets, TextsAndPositionListAtTheEpoch) {
    const BirthData birth = MakeBirth(2000, 1, 1, 12, 0, 0, 0, kGreenwichEquator);
    VPP engine;
    engine.CalculateAscendant(birth);
    EXPECT_NEAR(engine.SiderealOffset, -23.8539909, 5e-8);
    engine.CalculatePlanets(birth, ZoneOffset{}, "1\u00b0 2' 3\" Gem");
    EXPECT_EQ(engine.DayNumber2000, 0);

    const struct {
        int body;
        const char* text;
    } texts[] = {{VPP::Earth, "16\u00b0 31' 32\" Sag"}, {VPP::Mercury, "8\u00b0 3' 7\" Sag"},
                 {VPP::Venus, "7\u00b0 43' 26\" Sco"},  {VPP::Mars, "4\u00b0 7' 43\" Aqu"},
                 {VPP::Jupiter, "1\u00b0 30' 25\" Ari"}, {VPP::Saturn, "16\u00b0 21' 38\" Ari"}};
    for (const auto& t : texts) EXPECT_EQ(engine.PlanetTexts[t.body], t.text) << t.body;
    EXPECT_EQ(engine.RahuText, "10\u00b0 16' 6\" Can");
    EXPECT_EQ(engine.KetuText, "10\u00b0 16' 6\" Cap");

    const PositionList expected = {"16 Sag 31", "01 Gem 02", "08 Sag 03", "07 Sco 43", "04 Aqu 07",
                                   "01 Ari 30", "16 Ari 21", "10 Can 16", "10 Cap 16",
                                   ChartPositionText(engine.AscendantText)};
    EXPECT_EQ(engine.PositionLabels, expected);
}

// The Earth's orbit is kept for the day it was worked out with, and for the
// Kepler tolerance it was solved to.
TEST(Planets, KeptEarthOrbitFollowsTheTolerance) {
    VPP loose;
    loose.GeocentricLongitude(VPP::Mars, 100);
    loose.KeplerTolerance = 1e-3;
    loose.GeocentricLongitude(VPP::Mars, 100);
    VPP freshLoose;
    freshLoose.KeplerTolerance = 1e-3;
    freshLoose.GeocentricLongitude(VPP::Mars, 100);
    EXPECT_EQ(loose.PlanetLongitude, freshLoose.PlanetLongitude);
}

}  // namespace
}  // namespace velmora
