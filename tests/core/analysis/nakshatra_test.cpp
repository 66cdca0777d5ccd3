// Nakshatras and padas: every boundary of the 27 mansions and 108 quarters,
// the later division on a boundary, folding, and the lords.

#include <gtest/gtest.h>

#include <string>

#include "analysis/Nakshatra.h"

namespace velmora {
namespace {

constexpr double kArcsecond = 1.0 / 3600;

// A mansion is 800′, a pada 200′: the boundary in minutes of arc, then in degrees.
double Boundary(int nakshatra, int pada) { return (nakshatra * 800 + (pada - 1) * 200) / 60.0; }

TEST(Nakshatra, EveryBoundaryBelongsToTheLaterQuarter) {
    for (int n = 0; n < kNakshatraCount; ++n) {
        for (int pada = 1; pada <= 4; ++pada) {
            SCOPED_TRACE(std::to_string(n) + " pada " + std::to_string(pada));
            const double start = Boundary(n, pada);
            const NakshatraPlace on = NakshatraOf(start);
            EXPECT_EQ(on.index, n);
            EXPECT_EQ(on.pada, pada);
            // A hundredth of an arcsecond before is still the quarter before.
            const NakshatraPlace before = NakshatraOf(start - kArcsecond / 100);
            const int previous = (n * 4 + pada - 1 + kQuarterCount - 1) % kQuarterCount;
            EXPECT_EQ(before.index * 4 + before.pada - 1, previous);
            // The middle of the quarter.
            const NakshatraPlace middle = NakshatraOf(start + 100.0 / 60);
            EXPECT_EQ(middle.index, n);
            EXPECT_EQ(middle.pada, pada);
        }
    }
}

TEST(Nakshatra, LongitudesFoldIntoTheZodiac) {
    struct Case {
        double degrees;
        int index, pada;
    } cases[] = {
        {360.0, 0, 1},           // a whole turn is 0° Aries
        {-0.0, 0, 1},
        {720.0 + 13.5, 1, 1},    // Bharani
        {-1.0, 26, 4},           // 29° Pisces: Revati, last pada
        {359.999999, 26, 4},
        {120.0, 9, 1},           // 0° Leo: Magha begins
        {240.0, 18, 1},          // 0° Sagittarius: Mula begins
    };
    for (const Case& c : cases) {
        const NakshatraPlace p = NakshatraOf(c.degrees);
        EXPECT_EQ(p.index, c.index) << c.degrees;
        EXPECT_EQ(p.pada, c.pada) << c.degrees;
    }
}

TEST(Nakshatra, LordsFollowThePublishedTable) {
    // Future Point / AIFAS, "Know your Dasha", table 1: each lord's three
    // constellations (Ketu: Ashwini, Magha, Mula; Venus: Bharani, Purva
    // Phalguni, Purva Ashadha; …).
    struct Lord {
        int body;
        const char* names[3];
    } table[] = {
        {0, {"Krittika", "Uttara Phalguni", "Uttara Ashadha"}},
        {1, {"Rohini", "Hasta", "Shravana"}},
        {4, {"Mrigashira", "Chitra", "Dhanishta"}},
        {7, {"Ardra", "Swati", "Shatabhisha"}},
        {5, {"Punarvasu", "Vishakha", "Purva Bhadrapada"}},
        {6, {"Pushya", "Anuradha", "Uttara Bhadrapada"}},
        {2, {"Ashlesha", "Jyeshtha", "Revati"}},
        {8, {"Ashwini", "Magha", "Mula"}},
        {3, {"Bharani", "Purva Phalguni", "Purva Ashadha"}},
    };
    int found = 0;
    for (int n = 0; n < kNakshatraCount; ++n) {
        const NakshatraPlace p = NakshatraOf(Boundary(n, 1) + 1);
        for (const Lord& lord : table)
            for (const char* name : lord.names)
                if (p.Name() == name) {
                    EXPECT_EQ(p.lord, lord.body) << name;
                    ++found;
                }
    }
    EXPECT_EQ(found, kNakshatraCount);
}

TEST(Nakshatra, FractionPassed) {
    EXPECT_DOUBLE_EQ(NakshatraFractionPassed(0), 0);
    EXPECT_NEAR(NakshatraFractionPassed(Boundary(10, 1) + 400.0 / 60), 0.5, 1e-12);
    EXPECT_NEAR(NakshatraFractionPassed(Boundary(5, 1)), 0, 1e-9);  // on a boundary: the start of the later one
    EXPECT_LT(NakshatraFractionPassed(Boundary(6, 1) - kArcsecond), 1);
    EXPECT_GT(NakshatraFractionPassed(Boundary(6, 1) - kArcsecond), 0.9999);
}

}  // namespace
}  // namespace velmora
