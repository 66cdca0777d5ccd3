// The Mars dosha from the ascendant, the Moon and Venus, and its
// exceptions as "Kuja or Mangal Dosh" (horoscopevedic.com, 2 September
// 2009) states them.

#include <gtest/gtest.h>

#include "analysis/KujaDosha.h"

namespace velmora {
namespace {

// Signs by body number: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn,
// Rahu, Ketu, ascendant.
std::array<int, kBodyCount> Signs(int ascendant, int moon, int venus, int mars, int jupiter = 10) {
    return {0, moon, 0, venus, mars, jupiter, 0, 0, 6, ascendant};
}

TEST(KujaDosha, TheHousesCountedFromEachPoint) {
    // Ascendant and Moon in Aries, Venus in Taurus, Jupiter in Aquarius.
    for (int house = 1; house <= 12; ++house) {
        const int mars = house - 1;
        const KujaDosha k = FindKujaDosha(Signs(0, 0, 1, mars));
        auto isDosha = [](int h) { return h == 1 || h == 2 || h == 4 || h == 7 || h == 8 || h == 12; };
        const int fromVenus = (house + 10) % 12 + 1;
        EXPECT_EQ(k.from[0].house, house);
        EXPECT_EQ(k.from[1].house, house);
        EXPECT_EQ(k.from[2].house, fromVenus);
        EXPECT_EQ(k.from[0].dosha, isDosha(house)) << house;
        EXPECT_EQ(k.from[1].dosha, isDosha(house)) << house;
        EXPECT_EQ(k.from[2].dosha, isDosha(fromVenus)) << house;
    }
}

TEST(KujaDosha, TheExceptions) {
    struct Case {
        int ascendant, moon, venus, mars, jupiter;
        bool ascendantDosha, ascendantCancelled, present;
        const char* why;
    };
    // Moon and Venus are placed where Mars is no dosha from them unless the
    // case says otherwise.
    const Case cases[] = {
        {1, 4, 4, 2, 10, true, true, false, "2nd from Taurus in Gemini"},
        {4, 3, 3, 5, 10, true, true, false, "2nd from Leo in Virgo"},
        {0, 3, 3, 1, 10, true, false, true, "2nd from Aries in Taurus"},
        {7, 3, 3, 6, 10, true, true, false, "12th from Scorpio in Libra"},
        {2, 3, 3, 1, 10, true, true, false, "12th from Gemini in Taurus"},
        {9, 5, 5, 3, 10, true, true, false, "7th from Capricorn in Cancer"},
        {3, 1, 1, 9, 10, true, true, false, "7th from Cancer in Capricorn"},
        {3, 2, 2, 10, 10, true, true, false, "8th from Cancer in Aquarius, with Jupiter"},
        {3, 2, 2, 10, 6, true, false, true, "8th from Cancer in Aquarius, alone"},
        {3, 10, 2, 10, 6, true, true, false, "8th from Cancer in Aquarius, with the Moon"},
        {3, 2, 3, 10, 6, true, true, false, "Venus in the ascendant"},
        {3, 2, 2, 10, 3, true, true, false, "Jupiter in the ascendant"},
        {4, 3, 3, 0, 10, false, false, false, "9th from Leo: none"},
    };
    for (const Case& c : cases) {
        const KujaDosha k = FindKujaDosha(Signs(c.ascendant, c.moon, c.venus, c.mars, c.jupiter));
        EXPECT_EQ(k.from[0].dosha, c.ascendantDosha) << c.why;
        EXPECT_EQ(k.from[0].cancelled, c.ascendantCancelled) << c.why << ": " << k.from[0].reason;
        EXPECT_EQ(k.present, c.present) << c.why << ": " << k.summary;
    }
}

}  // namespace
}  // namespace velmora
