#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/VedicEphemeris.h"

namespace velmora {
namespace {

using testing_support::kDelhi;
using testing_support::kGreenwichEquator;
using testing_support::MakeBirth;

TEST(Moon, SiderealCorrectionAtTheEpoch) {
    EXPECT_NEAR(VedicEphemeris::MoonSiderealCorrection(0), -23.8537257, 5e-8);
}

TEST(Moon, Examples) {
    const struct {
        const char* name;
        BirthData birth;
        double universalHour;
        const char* text;
    } cases[] = {
        {"epoch at Greenwich", MakeBirth(2000, 1, 1, 12, 0, 0, 0, kGreenwichEquator), 12, "19\u00b0 27' 44\" Lib"},
        {"same instant from Delhi", MakeBirth(2000, 1, 1, 17, 30, 5, 30, kDelhi), 12, "19\u00b0 27' 44\" Lib"},
        {"New York, daylight saving", MakeBirth(1976, 7, 4, 9, 15, 5, 0, {74, 0, false, 40, 42, false}, true), 13.25,
         "16\u00b0 49' 2\" Vir"},
        {"Delhi midnight, previous UT day", MakeBirth(1947, 8, 15, 0, 0, 5, 30, kDelhi), -5.5, "3\u00b0 59' 16\" Can"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VedicEphemeris moon;
        moon.CalculateMoon(c.birth);
        EXPECT_DOUBLE_EQ(moon.UniversalHour, c.universalHour);
        EXPECT_EQ(moon.MoonText, c.text);
        EXPECT_GE(moon.MoonLongitude, 0);
        EXPECT_LE(moon.MoonLongitude, 360);
    }
}

TEST(Moon, IntermediateValuesAtTheEpoch) {
    VedicEphemeris moon;
    moon.CalculateMoon(MakeBirth(2000, 1, 1, 12, 0, 0, 0, kGreenwichEquator));
    EXPECT_EQ(moon.Centuries2000, 0);
    EXPECT_NEAR(moon.MoonLongitude, 223.3161029, 5e-8);
    EXPECT_NEAR(moon.MoonSiderealOffset, -23.8537257, 5e-8);
    EXPECT_NEAR(moon.MoonLongitude + moon.MoonSiderealOffset, 199.4623772, 5e-8);
}

}  // namespace
}  // namespace velmora
