// Dignity, combustion and planetary war beside published values:
// - the compound (fivefold) relations of Sri Rama's chart, P. V. R.
//   Narasimha Rao, Vedic Astrology: An Integrated Approach, ch. 3, Example 5
//   (Figure 1: the Sun in Aries, Mercury in Taurus, Ketu in Gemini, the
//   ascendant, Moon and Jupiter in Cancer, Saturn in Libra, Rahu in
//   Sagittarius, Mars in Capricorn, Venus in Pisces), as PyJHora's tests
//   transcribe the book's table (chapter_3_tests);
// - the exaltation and moolatrikona arcs and the own signs of Brihat
//   Parashara Hora Shastra ch. 3 at their edges;
// - the combustion orbs of the Surya Siddhanta (ch. 9) as the Parashari
//   tables give them, with Mercury's and Venus's retrograde orbs.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Combustion.h"
#include "analysis/Dignity.h"
#include "analysis/PlanetaryWar.h"

namespace velmora {
namespace {

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };
enum Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Asc };

TEST(Dignity, CompoundRelationsOfRamasChart) {
    const std::array<int, kBodyCount> signs = {Ari, Can, Tau, Pis, Cap, Can, Lib, Sag, Gem, Can};
    // The book's table, 0 great enemy … 4 great friend, [of][towards] in the
    // order Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn.
    const int book[7][7] = {
        {-1, 4, 4, 3, 4, 2, 0}, {4, -1, 1, 4, 1, 1, 3}, {4, 2, -1, 0, 2, 3, 3}, {4, 2, 1, -1, 3, 4, 1},
        {4, 2, 2, 2, -1, 0, 3}, {2, 0, 3, 4, 1, -1, 2}, {0, 2, 2, 2, 3, 2, -1},
    };
    const int ours[7] = {Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn};
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 7; ++j) {
            if (i == j) continue;
            EXPECT_EQ(static_cast<int>(CompoundRelation(ours[i], ours[j], signs)) + 2, book[i][j])
                << kPlainBodyNames[static_cast<std::size_t>(ours[i])] << " towards "
                << kPlainBodyNames[static_cast<std::size_t>(ours[j])];
        }
}

TEST(Dignity, ArcsAndSigns) {
    const std::array<int, kBodyCount> signs = {Ari, Can, Tau, Pis, Cap, Can, Lib, Sag, Gem, Can};
    struct Case {
        int body;
        int sign;
        double degrees;
        Dignity dignity;
    };
    const Case cases[] = {
        {Sun, Ari, 10, Dignity::Exalted},          {Sun, Lib, 10, Dignity::Debilitated},
        {Sun, Leo, 19.99, Dignity::Moolatrikona},  {Sun, Leo, 20, Dignity::Own},
        {Moon, Tau, 2.99, Dignity::Exalted},       {Moon, Tau, 3, Dignity::Moolatrikona},
        {Moon, Sco, 3, Dignity::Debilitated},      {Moon, Can, 15, Dignity::Own},
        {Mercury, Vir, 14.99, Dignity::Exalted},   {Mercury, Vir, 15, Dignity::Moolatrikona},
        {Mercury, Vir, 20, Dignity::Own},          {Mercury, Pis, 15, Dignity::Debilitated},
        {Venus, Lib, 14.99, Dignity::Moolatrikona}, {Venus, Lib, 15, Dignity::Own},
        {Venus, Pis, 27, Dignity::Exalted},        {Venus, Vir, 27, Dignity::Debilitated},
        {Mars, Ari, 11.99, Dignity::Moolatrikona}, {Mars, Ari, 12, Dignity::Own},
        {Mars, Cap, 28, Dignity::Exalted},         {Mars, Can, 28, Dignity::Debilitated},
        {Jupiter, Sag, 9.99, Dignity::Moolatrikona}, {Jupiter, Sag, 10, Dignity::Own},
        {Jupiter, Can, 5, Dignity::Exalted},       {Jupiter, Cap, 5, Dignity::Debilitated},
        {Saturn, Aqu, 19.99, Dignity::Moolatrikona}, {Saturn, Cap, 1, Dignity::Own},
        {Saturn, Lib, 20, Dignity::Exalted},       {Saturn, Ari, 20, Dignity::Debilitated},
        {Rahu, Tau, 1, Dignity::Exalted},          {Ketu, Sco, 1, Dignity::Exalted},
        {Rahu, Sco, 1, Dignity::Debilitated},      {Rahu, Leo, 1, Dignity::None},
        {Asc, Ari, 10, Dignity::None},
        // Elsewhere the compound relation to the sign's lord: Mercury in
        // Cancer beside the Moon, its natural enemy and (in the same sign)
        // no temporary friend: great enemy.
        {Mercury, Can, 1, Dignity::GreatEnemy},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DignityOf(c.body, c.sign * 30 + c.degrees, signs), c.dignity)
            << kPlainBodyNames[static_cast<std::size_t>(c.body)] << " at " << c.degrees << " in sign " << c.sign;
}

TEST(Combustion, SuryaSiddhantaOrbs) {
    struct Case {
        int body;
        double distance;
        bool retrograde, combust;
    };
    const Case cases[] = {
        {Moon, 11.9, false, true},   {Moon, 12.1, false, false}, {Mars, 16.9, false, true},
        {Mars, 17.1, false, false},  {Mercury, 13, false, true}, {Mercury, 13, true, false},
        {Mercury, 11.9, true, true}, {Jupiter, 10.9, false, true}, {Jupiter, 11.1, false, false},
        {Venus, 9, false, true},     {Venus, 9, true, false},    {Venus, 7.9, true, true},
        {Saturn, 14.9, false, true}, {Saturn, 15.1, false, false}, {Rahu, 0.1, true, false},
    };
    for (const Case& c : cases)
        for (const double sun : {0.0, 355.0, 180.0}) {
            // The distance on either side of the Sun, across 0° Aries too.
            EXPECT_EQ(Combust(c.body, std::fmod(sun + c.distance, 360.0), c.retrograde, sun), c.combust)
                << c.body << " " << c.distance;
            EXPECT_EQ(Combust(c.body, std::fmod(sun - c.distance + 360.0, 360.0), c.retrograde, sun), c.combust);
        }
}

TEST(PlanetaryWar, TheNorthernPlanetWins) {
    std::array<double, kBodyCount> longitudes = {100, 200, 10.2, 10.9, 359.8, 150, 170, 40, 220, 0};
    std::array<double, kBodyCount> latitudes{};
    latitudes[Mercury] = -1.5;
    latitudes[Venus] = 2.0;
    latitudes[Mars] = 0.5;
    // Mercury and Venus 0.7° apart, the others far; the Sun, the Moon and the
    // nodes never fight.
    std::vector<PlanetaryWar> wars = PlanetaryWars(longitudes, latitudes);
    ASSERT_EQ(wars.size(), 1u);
    EXPECT_EQ(wars[0].first, Mercury);
    EXPECT_EQ(wars[0].second, Venus);
    EXPECT_EQ(wars[0].winner, Venus);
    EXPECT_NEAR(wars[0].separation, 0.7, 1e-9);
    // Across 0° Aries: Mars at 359.8° and Jupiter at 0.3°.
    longitudes[Jupiter] = 0.3;
    latitudes[Jupiter] = 0.1;
    wars = PlanetaryWars(longitudes, latitudes);
    ASSERT_EQ(wars.size(), 2u);
    EXPECT_EQ(wars[1].first, Mars);
    EXPECT_EQ(wars[1].second, Jupiter);
    EXPECT_EQ(wars[1].winner, Mars);
}

}  // namespace
}  // namespace velmora
