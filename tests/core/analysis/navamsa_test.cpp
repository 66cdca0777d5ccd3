// The Navamsa sign of points at the start, middle and end of every sign,
// against the rule as the texts state it: a movable sign's first part is the
// sign itself, a fixed sign's the ninth from it, a dual sign's the fifth.

#include <gtest/gtest.h>

#include "analysis/Navamsa.h"

namespace velmora {
namespace {

enum class Quality { Movable, Fixed, Dual };

Quality QualityOf(int sign) {
    constexpr int movable[] = {0, 3, 6, 9};  // Aries, Cancer, Libra, Capricorn
    constexpr int fixed[] = {1, 4, 7, 10};   // Taurus, Leo, Scorpio, Aquarius
    for (int s : movable)
        if (s == sign) return Quality::Movable;
    for (int s : fixed)
        if (s == sign) return Quality::Fixed;
    return Quality::Dual;
}

int FirstPart(int sign) {
    switch (QualityOf(sign)) {
        case Quality::Movable: return sign;
        case Quality::Fixed: return (sign + 8) % 12;  // the ninth sign, counting the sign as the first
        case Quality::Dual: return (sign + 4) % 12;   // the fifth
    }
    return -1;
}

TEST(Navamsa, StartMiddleAndEndOfEverySign) {
    struct Point {
        double within;  // degrees into the sign
        int part;       // 0 … 8
    } points[] = {
        {0.0, 0},                     // on the sign's start
        {15.0, 4},                    // the middle: 15° is in the fifth part (13° 20′ … 16° 40′)
        {29.0 + 59.0 / 60 + 59.0 / 3600, 8},  // 29° 59′ 59″
        {10.0 / 3, 1},                // on the first inner boundary: the later part
        {80.0 / 3, 8},                // 26° 40′: the ninth part begins
    };
    for (int sign = 0; sign < 12; ++sign) {
        for (const Point& p : points) {
            SCOPED_TRACE(std::to_string(sign) + " + " + std::to_string(p.within));
            EXPECT_EQ(NavamsaSign(sign * 30 + p.within), (FirstPart(sign) + p.part) % 12);
        }
    }
}

TEST(Navamsa, KnownPlaces) {
    EXPECT_EQ(NavamsaSign(30.0), 9);    // 0° Taurus: Capricorn
    EXPECT_EQ(NavamsaSign(60.0), 6);    // 0° Gemini: Libra
    EXPECT_EQ(NavamsaSign(120.0), 0);   // 0° Leo: Aries
    EXPECT_EQ(NavamsaSign(360.0), 0);   // folded to 0° Aries
    EXPECT_EQ(NavamsaSign(-0.5), 11);   // 29° 30′ Pisces: the last part, Pisces (5th from Pisces is Cancer, + 8)
}

}  // namespace
}  // namespace velmora
