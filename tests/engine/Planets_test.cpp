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

TEST(Planets, OrbitalElementsAtTheEpochAndOutsideTheTable) {
    VPP engine;
    engine.OrbitalElements(VPP::Mars, 0);
    EXPECT_DOUBLE_EQ(engine.a, 1.52366231);
    EXPECT_DOUBLE_EQ(engine.e, 0.09341233);
    EXPECT_DOUBLE_EQ(engine.i, 1.85061 * VPP::DegToRad);
    EXPECT_DOUBLE_EQ(engine.Omega, 49.57854 * VPP::DegToRad);
    EXPECT_DOUBLE_EQ(engine.Perihelion, 336.04084 * VPP::DegToRad);
    EXPECT_DOUBLE_EQ(engine.L, 355.45332 * VPP::DegToRad);
    engine.OrbitalElements(VPP::Saturn, 36525);  // one century on: rates per century
    EXPECT_DOUBLE_EQ(engine.a, 9.53707032 - 0.00301530);
    EXPECT_DOUBLE_EQ(engine.i, (2.48446 + 6.11 / 3600) * VPP::DegToRad);
    const double saturnA = engine.a;
    for (int body : {-1, 6, 99}) {
        engine.OrbitalElements(body, 0);
        EXPECT_EQ(engine.a, saturnA) << body;
    }
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

// The Earth's position is worked out once per day number; whatever was
// computed before must not leak into a later day or a later tolerance.
TEST(Planets, ResultsDoNotDependOnEarlierCalls) {
    const double days[] = {-36000.25, 0, 1234.5, 18000.75};
    for (double d : days) {
        for (int body = VPP::Mercury; body <= VPP::Saturn; ++body) {
            VPP fresh;
            fresh.GeocentricLongitude(body, d);
            VPP reused;
            reused.GeocentricLongitude(VPP::Jupiter, d + 500);
            reused.GeocentricLongitude(VPP::Earth, d - 17);
            reused.GeocentricLongitude(body, d);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(reused.PlanetLongitude),
                      std::bit_cast<std::uint64_t>(fresh.PlanetLongitude))
                << "day " << d << " body " << body;
            EXPECT_EQ(reused.a, fresh.a);
        }
    }
    VPP loose;
    loose.GeocentricLongitude(VPP::Mars, 100);
    loose.KeplerTolerance = 1e-3;
    loose.GeocentricLongitude(VPP::Mars, 100);
    VPP freshLoose;
    freshLoose.KeplerTolerance = 1e-3;
    freshLoose.GeocentricLongitude(VPP::Mars, 100);
    EXPECT_EQ(loose.PlanetLongitude, freshLoose.PlanetLongitude);
}

TEST(Planets, RunsAreIndependent) {
    const BirthData first = MakeBirth(1950, 5, 17, 4, 45, 3, 0, {45, 30, false, 10, 0, true}, true);
    const BirthData second = MakeBirth(2030, 11, 2, 19, 5, 9, 0, {139, 41, true, 35, 41, false});
    VPP reused;
    reused.CalculateAscendant(first);
    reused.CalculatePlanets(first, {3, 0}, "5\u00b0 0' 0\" Leo");
    reused.CalculateAscendant(second);
    reused.CalculatePlanets(second, {-9, 0}, "5\u00b0 0' 0\" Leo");
    VPP fresh;
    fresh.CalculateAscendant(second);
    fresh.CalculatePlanets(second, {-9, 0}, "5\u00b0 0' 0\" Leo");
    EXPECT_EQ(reused.PositionLabels, fresh.PositionLabels);
    EXPECT_EQ(reused.PlanetTexts, fresh.PlanetTexts);
    EXPECT_EQ(reused.AscendantText, fresh.AscendantText);
}

}  // namespace
}  // namespace velmora
