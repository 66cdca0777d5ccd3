// The sixteen vargas' rules at the start, the middle and the end of every
// sign, and the Trimsamsa's unequal parts at each of their boundaries.
//
// The expected signs were worked out by hand from the rules of Brihat
// Parashara Hora Shastra, chapter 6 ("The sixteen divisions of a sign"), in
// R. Santhanam's translation (Ranjan Publications, 1984), each rule in the
// words of a row's comment. The middle, 15° 00′, stands on a boundary between parts in D2, D4,
// D10, D12, D16, D20, D24, D40 and D60: there a point is in the later part
// (15° of an odd sign is the Moon's hora, Cancer).

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "analysis/Varga.h"
#include "engine/NameTables.h"

namespace velmora {
namespace {

// "Ari Cap Lib …" into sign indices.
std::vector<int> Signs(const std::string& text) {
    std::istringstream words(text);
    std::vector<int> signs;
    for (std::string word; words >> word;) {
        int index = -1;
        for (int s = 0; s < kSignCount; ++s)
            if (kSignNames[static_cast<std::size_t>(s)] == word) index = s;
        EXPECT_GE(index, 0) << word;
        signs.push_back(index);
    }
    EXPECT_EQ(signs.size(), 12u) << text;
    return signs;
}

struct Row {
    int factor;
    const char* name;
    // The sign of 0° 00′ 00″, 15° 00′ 00″ and 29° 59′ 59″ of Aries, Taurus … Pisces.
    const char* start;
    const char* middle;
    const char* end;
};

const Row kRows[] = {
    // The sign itself.
    {1, "Rasi", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
     "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    // Odd signs: Sun's hora (Leo) then Moon's (Cancer); even signs the reverse.
    {2, "Hora", "Leo Can Leo Can Leo Can Leo Can Leo Can Leo Can", "Can Leo Can Leo Can Leo Can Leo Can Leo Can Leo",
     "Can Leo Can Leo Can Leo Can Leo Can Leo Can Leo"},
    // The sign, the 5th, the 9th.
    {3, "Drekkana", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis", "Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can",
     "Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir Lib Sco"},
    // The sign, the 4th, 7th, 10th: 15° begins the third part, the 7th.
    {4, "Chaturthamsa", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
     "Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir", "Cap Aqu Pis Ari Tau Gem Can Leo Vir Lib Sco Sag"},
    // Odd from the sign, even from the 7th; 15° is in the 4th part (12° 51′ … 17° 09′).
    {7, "Saptamsa", "Ari Sco Gem Cap Leo Pis Lib Tau Sag Can Aqu Vir", "Can Aqu Vir Ari Sco Gem Cap Leo Pis Lib Tau Sag",
     "Lib Tau Sag Can Aqu Vir Ari Sco Gem Cap Leo Pis"},
    // Movable from the sign, fixed from the 9th, dual from the 5th; 15° in the 5th part.
    {9, "Navamsa", "Ari Cap Lib Can Ari Cap Lib Can Ari Cap Lib Can", "Leo Tau Aqu Sco Leo Tau Aqu Sco Leo Tau Aqu Sco",
     "Sag Vir Gem Pis Sag Vir Gem Pis Sag Vir Gem Pis"},
    // Odd from the sign, even from the 9th; 15° begins the 6th part.
    {10, "Dasamsa", "Ari Cap Gem Pis Leo Tau Lib Can Sag Vir Aqu Sco", "Vir Gem Sco Leo Cap Lib Pis Sag Tau Aqu Can Ari",
     "Cap Lib Pis Sag Tau Aqu Can Ari Vir Gem Sco Leo"},
    // From the sign; 15° begins the 7th part.
    {12, "Dwadasamsa", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
     "Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir", "Pis Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu"},
    // Movable from Aries, fixed from Leo, dual from Sagittarius; 15° begins the 9th part.
    {16, "Shodasamsa", "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag",
     "Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo", "Can Sco Pis Can Sco Pis Can Sco Pis Can Sco Pis"},
    // Movable from Aries, fixed from Sagittarius, dual from Leo; 15° begins the 11th part.
    {20, "Vimsamsa", "Ari Sag Leo Ari Sag Leo Ari Sag Leo Ari Sag Leo", "Aqu Lib Gem Aqu Lib Gem Aqu Lib Gem Aqu Lib Gem",
     "Sco Can Pis Sco Can Pis Sco Can Pis Sco Can Pis"},
    // Odd from Leo, even from Cancer; 15° begins the 13th part, back at the first sign.
    {24, "Chaturvimsamsa", "Leo Can Leo Can Leo Can Leo Can Leo Can Leo Can",
     "Leo Can Leo Can Leo Can Leo Can Leo Can Leo Can", "Can Gem Can Gem Can Gem Can Gem Can Gem Can Gem"},
    // Fiery from Aries, earthy from Cancer, airy from Libra, watery from
    // Capricorn; 15° is in the 14th part (14° 26′ 40″ … 15° 33′ 20″).
    {27, "Saptavimsamsa", "Ari Can Lib Cap Ari Can Lib Cap Ari Can Lib Cap",
     "Tau Leo Sco Aqu Tau Leo Sco Aqu Tau Leo Sco Aqu", "Gem Vir Sag Pis Gem Vir Sag Pis Gem Vir Sag Pis"},
    // Odd: Mars, Saturn, Jupiter, Mercury, Venus; even: Venus, Mercury, Jupiter, Saturn, Mars.
    {30, "Trimsamsa", "Ari Tau Ari Tau Ari Tau Ari Tau Ari Tau Ari Tau",
     "Sag Pis Sag Pis Sag Pis Sag Pis Sag Pis Sag Pis", "Lib Sco Lib Sco Lib Sco Lib Sco Lib Sco Lib Sco"},
    // Odd from Aries, even from Libra; 15° begins the 21st part.
    {40, "Khavedamsa", "Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib",
     "Sag Gem Sag Gem Sag Gem Sag Gem Sag Gem Sag Gem", "Can Cap Can Cap Can Cap Can Cap Can Cap Can Cap"},
    // Movable from Aries, fixed from Leo, dual from Sagittarius; 15° is in the 23rd part.
    {45, "Akshavedamsa", "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag",
     "Aqu Gem Lib Aqu Gem Lib Aqu Gem Lib Aqu Gem Lib", "Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo"},
    // From the sign: 15° × 2 = 30, remainder 6 by 12, the 7th from the sign.
    {60, "Shashtiamsa", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
     "Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir", "Pis Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu"},
};

TEST(Varga, TheSixteenInTheirOrderWithTheirNames) {
    const auto vargas = AllVargas();
    ASSERT_EQ(std::size(kRows), vargas.size());
    for (std::size_t v = 0; v < vargas.size(); ++v) {
        EXPECT_EQ(vargas[v].factor, kRows[v].factor);
        EXPECT_EQ(vargas[v].name, kRows[v].name);
        EXPECT_EQ(VargaIndexOfFactor(kRows[v].factor), static_cast<int>(v));
    }
    for (int none : {0, 5, 6, 8, 11, 13, 81, 108, 150})
        EXPECT_EQ(VargaIndexOfFactor(none), -1) << none;
}

TEST(Varga, StartMiddleAndEndOfEverySign) {
    constexpr double kEnd = 29 + 59.0 / 60 + 59.0 / 3600;
    for (std::size_t v = 0; v < std::size(kRows); ++v) {
        const Row& row = kRows[v];
        const std::pair<double, std::vector<int>> points[] = {
            {0.0, Signs(row.start)}, {15.0, Signs(row.middle)}, {kEnd, Signs(row.end)}};
        for (const auto& [within, expected] : points) {
            for (int sign = 0; sign < kSignCount; ++sign) {
                SCOPED_TRACE(std::string("D").append(std::to_string(row.factor)) + " " + std::string(kSignNames[sign]) + " + " +
                             std::to_string(within));
                EXPECT_EQ(VargaSign(static_cast<int>(v), sign * 30 + within), expected[sign]);
            }
        }
    }
}

TEST(Varga, TrimsamsaPartsOfUnequalLength) {
    const int d30 = VargaIndexOfFactor(30);
    constexpr double kHair = 1.0 / 3600;  // one second of arc
    struct Boundary {
        double degree;
        int oddBefore, oddFrom;    // in Aries: the lords' odd signs
        int evenBefore, evenFrom;  // in Taurus: the lords' even signs
    } boundaries[] = {
        // Aries: Mars (Aries) 0–5, Saturn (Aquarius) 5–10, Jupiter (Sagittarius)
        // 10–18, Mercury (Gemini) 18–25, Venus (Libra) 25–30. Taurus: Venus
        // (Taurus) 0–5, Mercury (Virgo) 5–12, Jupiter (Pisces) 12–20, Saturn
        // (Capricorn) 20–25, Mars (Scorpio) 25–30.
        {5, 0, 10, 1, 5},
        {10, 10, 8, 5, 5},
        {12, 8, 8, 5, 11},
        {18, 8, 2, 11, 11},
        {20, 2, 2, 11, 9},
        {25, 2, 6, 9, 7},
    };
    for (const Boundary& b : boundaries) {
        SCOPED_TRACE(b.degree);
        EXPECT_EQ(VargaSign(d30, b.degree - kHair), b.oddBefore);
        EXPECT_EQ(VargaSign(d30, b.degree), b.oddFrom);
        EXPECT_EQ(VargaSign(d30, 30 + b.degree - kHair), b.evenBefore);
        EXPECT_EQ(VargaSign(d30, 30 + b.degree), b.evenFrom);
        // Sagittarius is odd and Pisces even: the same parts.
        EXPECT_EQ(VargaSign(d30, 240 + b.degree), b.oddFrom);
        EXPECT_EQ(VargaSign(d30, 330 + b.degree), b.evenFrom);
    }
}

TEST(Varga, LongitudesFoldIntoTheCircle) {
    const int d60 = VargaIndexOfFactor(60);
    EXPECT_EQ(VargaSign(d60, 360.0), 0);    // 0° Aries
    EXPECT_EQ(VargaSign(d60, 720.25), 0);   // 0° 15′ Aries
    EXPECT_EQ(VargaSign(d60, -0.25), 10);   // 29° 45′ Pisces: the 60th part, the 12th from Pisces
    EXPECT_EQ(VargaSign(d60, 30.5), 2);     // 0° 30′ Taurus: the second part, Gemini
}

TEST(Varga, VargottamaIsTheSameSignInD1AndD9) {
    // 0° Aries: Aries in D9 too. 3° 20′ Aries: Taurus in D9. 15° Taurus
    // (fixed, from Capricorn, 5th part): Taurus. 28° Gemini (dual, from
    // Libra, 9th part): Gemini. 28° Cancer (movable, 9th part): Pisces.
    std::array<double, kBodyCount> longitudes = {0.0, 10.0 / 3, 45.0, 88.0, 118.0, 0, 0, 0, 0, 0};
    const std::array<bool, kBodyCount> expected = {true, false, true, true, false, true, true, true, true, true};
    EXPECT_EQ(Vargottama(VargaSignsOf(longitudes)), expected);
}

}  // namespace
}  // namespace velmora
