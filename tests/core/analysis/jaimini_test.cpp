// The Jaimini rules beside published worked examples:
// - chara karakas: P. V. R. Narasimha Rao, Vedic Astrology: An Integrated
//   Approach, ch. 8, Example 28 and Exercise 11 (the eight karakas of the
//   longitudes the book gives; PyJHora's tests transcribe them,
//   src/jhora/tests/pvr_tests.py, chapter_8_tests);
// - rashi drishti: the same book, ch. 10, Exercise 15 (Chart 5): the signs
//   each occupied sign aspects, as its answer lists them;
// - the lords of Scorpio and Aquarius in K. N. Rao's Chara dasha: his rules
//   (a)–(d) as "Special Rules for Calculation of Dasha Periods of Scorpio and
//   Aquarius" (astrojyoti.com, from Predicting through Jaimini's Chara Dasha)
//   states them, each with a placement of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/CharaDasha.h"
#include "analysis/Jaimini.h"
#include "analysis/NarayanaDasha.h"
#include "analysis/SignFacts.h"

namespace velmora {
namespace {

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };
enum Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Asc };

double At(int sign, double degrees, double minutes = 0) { return sign * 30 + degrees + minutes / 60; }

// Longitudes by body number; Ketu opposite Rahu.
std::array<double, kBodyCount> Sky(double sun, double moon, double mercury, double venus, double mars, double jupiter,
                                   double saturn, double rahu, double ascendant = 0) {
    return {sun, moon, mercury, venus, mars, jupiter, saturn, rahu, std::fmod(rahu + 180, 360), ascendant};
}

TEST(Jaimini, CharaKarakasOfPublishedExamples) {
    struct Case {
        const char* what;
        std::array<double, kBodyCount> sky;
        std::array<int, 8> eight;
    };
    const Case cases[] = {
        {"Example 28",
         Sky(At(Gem, 12, 47), At(Ari, 20, 28), At(Gem, 25, 18), At(Gem, 17, 21), At(Gem, 13, 51), At(Tau, 5, 40),
             At(Tau, 2, 28), At(Can, 1, 43)),
         {Rahu, Mercury, Moon, Venus, Mars, Sun, Jupiter, Saturn}},
        // Rahu at 14° 30′ Gemini counts 15° 30′, a minute ahead of the Moon.
        {"Exercise 11",
         Sky(At(Sag, 9, 36), At(Leo, 15, 29), At(Sco, 21, 0), At(Sag, 17, 42), At(Gem, 13, 40), At(Aqu, 2, 6),
             At(Sco, 9, 41), At(Gem, 14, 30)),
         {Mercury, Venus, Rahu, Moon, Mars, Saturn, Sun, Jupiter}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CharaKarakas eight = CharaKarakasOf(c.sky, KarakaScheme::Eight);
        EXPECT_EQ(eight.bodies, c.eight);
        EXPECT_EQ(eight.Label(4), "PiK");
        // The seven-karaka scheme ranks the same planets without Rahu.
        std::vector<int> withoutRahu;
        for (int b : c.eight)
            if (b != Rahu) withoutRahu.push_back(b);
        const CharaKarakas seven = CharaKarakasOf(c.sky, KarakaScheme::Seven);
        EXPECT_EQ(std::vector<int>(seven.bodies.begin(), seven.bodies.begin() + seven.count), withoutRahu);
        EXPECT_EQ(seven.Label(4), "PK");
        EXPECT_EQ(seven.Name(4), "Putrakaraka");
    }
}

TEST(Jaimini, RashiDrishtiOfExercise15) {
    const std::pair<int, std::array<int, 3>> published[] = {
        {Tau, {Can, Lib, Cap}}, {Ari, {Leo, Sco, Aqu}}, {Sco, {Ari, Can, Cap}}, {Sag, {Gem, Vir, Pis}},
        {Vir, {Gem, Sag, Pis}}, {Cap, {Tau, Leo, Sco}}, {Leo, {Ari, Lib, Cap}}, {Aqu, {Ari, Can, Lib}},
    };
    for (const auto& [sign, aspected] : published) {
        std::array<int, 3> got = RashiDrishti(sign);
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, aspected) << sign;
        for (int to : aspected) EXPECT_TRUE(AspectsSign(sign, to));
    }
    // Every sign aspects three and is aspected by three, never itself.
    for (int sign = 0; sign < 12; ++sign) {
        int by = 0;
        for (int from = 0; from < 12; ++from) by += AspectsSign(from, sign) ? 1 : 0;
        EXPECT_EQ(by, 3);
        EXPECT_FALSE(AspectsSign(sign, sign));
    }
}

TEST(Jaimini, LordsOfScorpioAndAquariusInRaosChara) {
    struct Case {
        const char* rule;
        std::array<double, kBodyCount> sky;
        int scorpio, aquarius;  // the lord counted to; −1: twelve years
    };
    const Case cases[] = {
        {"(a) Mars in Scorpio: Ketu; Saturn and Rahu beside one each: Rahu's 10° over Saturn's 1°",
         Sky(At(Ari, 1), At(Tau, 1), At(Gem, 1), At(Leo, 1), At(Sco, 5), At(Vir, 1), At(Lib, 1), At(Ari, 10)), Ketu,
         Rahu},
        {"(b) Ketu in Scorpio: Mars; Rahu beside the Moon, Saturn alone: Rahu",
         Sky(At(Ari, 1), At(Tau, 1), At(Gem, 1), At(Leo, 1), At(Can, 5), At(Vir, 1), At(Lib, 1), At(Tau, 10)), Mars,
         Rahu},
        {"(c) both in Scorpio: twelve", Sky(At(Ari, 1), At(Tau, 1), At(Gem, 1), At(Leo, 1), At(Sco, 5), At(Vir, 1),
                                             At(Lib, 1), At(Tau, 10)),
         -1, Rahu},
        {"(d i) Mars with the Moon, Ketu alone: Mars",
         Sky(At(Ari, 1), At(Can, 1), At(Gem, 1), At(Leo, 1), At(Can, 5), At(Vir, 1), At(Sag, 1), At(Ari, 20)), Mars,
         Rahu},
        {"(d i) Ketu with two, Mars alone: Ketu; Saturn with two: Saturn",
         Sky(At(Ari, 1), At(Lib, 1), At(Gem, 1), At(Leo, 1), At(Can, 5), At(Vir, 1), At(Lib, 2), At(Ari, 20)), Ketu,
         Saturn},
        {"(d ii) one planet beside each: the higher degrees",
         Sky(At(Ari, 1), At(Can, 1), At(Lib, 2), At(Leo, 1), At(Can, 5), At(Vir, 1), At(Gem, 1), At(Ari, 20)), Ketu,
         Rahu},
        {"(d iii) both alone: the higher degrees",
         Sky(At(Ari, 1), At(Tau, 1), At(Gem, 1), At(Leo, 1), At(Can, 25), At(Vir, 1), At(Pis, 1), At(Ari, 20)),
         Mars, Rahu},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharaLord(Sco, c.sky), c.scorpio) << c.rule;
        EXPECT_EQ(CharaLord(Aqu, c.sky), c.aquarius) << c.rule;
    }
}

TEST(Jaimini, Argala) {
    // Ascendant Aries; the Sun and Mercury in the 2nd, the Moon in the 12th;
    // Mars in the 4th, Jupiter and Saturn in the 10th; Venus in the 11th,
    // nothing in the 3rd; Rahu in the 5th, Ketu in the 11th.
    std::array<int, kBodyCount> signs = {Tau, Pis, Tau, Aqu, Can, Cap, Cap, Leo, Aqu, Ari};
    const std::vector<ArgalaEntry> on = ArgalaOn(Ari, signs);
    ASSERT_EQ(on.size(), 4u);
    EXPECT_EQ(on[0].offset, 2);
    EXPECT_EQ(on[0].planets, (std::vector<int>{Sun, Mercury}));
    EXPECT_EQ(on[0].obstructing, (std::vector<int>{Moon}));
    EXPECT_TRUE(on[0].prevails);
    EXPECT_EQ(on[1].offset, 4);
    EXPECT_FALSE(on[1].prevails);  // one against two
    EXPECT_EQ(on[2].offset, 11);
    EXPECT_EQ(on[2].planets, (std::vector<int>{Venus, Ketu}));
    EXPECT_TRUE(on[2].prevails);
    EXPECT_EQ(on[3].offset, 5);
    EXPECT_EQ(on[3].obstructionOffset, 9);
    EXPECT_TRUE(on[3].prevails);
}

TEST(Jaimini, NarayanaSignStrength) {
    // Rule by rule: more planets; then Jupiter, Mercury or the lord joining
    // or aspecting; then a dual sign over a fixed one over a movable one.
    const auto planets = Sky(At(Lib, 1), At(Lib, 2), At(Ari, 3), At(Gem, 1), At(Can, 5), At(Vir, 1), At(Cap, 1),
                             At(Leo, 10), At(Ari, 10));
    EXPECT_EQ(StrongerSign(Ari, Lib, planets), Lib);
    // Nothing in Gemini or Sagittarius; Jupiter in Pisces and Mercury in
    // Virgo aspect both (each sign's lord among them); both dual; both lords
    // in even signs; three years each: the lord more advanced in its sign
    // decides, Mercury at 3° over Jupiter at 1°.
    const auto empty = Sky(At(Ari, 1), At(Ari, 2), At(Vir, 3), At(Tau, 1), At(Can, 5), At(Pis, 1), At(Cap, 1),
                           At(Leo, 10), At(Ari, 10));
    EXPECT_EQ(StrongerSign(Sag, Gem, empty), Gem);
    // A fixed sign over a movable one when nothing else decides (two signs
    // where sub-periods may start; a sign and its 7th are of one kind).
    const auto plain = Sky(At(Gem, 1), At(Gem, 2), At(Gem, 3), At(Gem, 4), At(Gem, 5), At(Gem, 6), At(Gem, 7),
                           At(Vir, 10), At(Pis, 10));
    EXPECT_EQ(StrongerSign(Can, Tau, plain), Tau);
}

}  // namespace
}  // namespace velmora
