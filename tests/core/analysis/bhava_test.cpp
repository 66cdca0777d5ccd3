// A point's bhava: the house whose cusp (its beginning) it has reached and
// whose next cusp it has not, counted along the zodiac, across 0° Aries too.

#include <gtest/gtest.h>

#include "analysis/Bhava.h"

namespace velmora {
namespace {

TEST(Bhava, APointBelongsToTheHouseWhoseCuspItHasPassed) {
    // Unequal cusps crossing 0° Aries between houses 3 and 4.
    const HouseCusps cusps = {300.5, 328.0, 355.25, 25.0, 55.0, 90.0, 120.5, 148.0, 175.25, 205.0, 235.0, 270.0};
    const struct {
        double degrees;
        int house;
    } cases[] = {
        {300.5, 1},     // on the first cusp: the house it begins
        {300.4999, 12}, // just before it
        {327.9999, 1},  {328.0, 2},   {355.2499, 2}, {355.25, 3},
        {359.9999, 3},  {0.0, 3},     {24.9999, 3},  {25.0, 4},   // across 0° Aries
        {89.9999, 5},   {90.0, 6},    {175.25, 9},   {269.9999, 11}, {270.0, 12},
    };
    for (const auto& c : cases) EXPECT_EQ(BhavaOf(c.degrees, cusps), c.house) << c.degrees;
}

TEST(Bhava, WholeSignHousesAreSignsCountedFromTheAscendant) {
    HouseCusps cusps{};
    for (int n = 0; n < kHouseCount; ++n) cusps[static_cast<std::size_t>(n)] = 30.0 * ((10 + n) % 12);  // Capricorn rising
    EXPECT_EQ(BhavaOf(300.0, cusps), 1);
    EXPECT_EQ(BhavaOf(329.99, cusps), 1);
    EXPECT_EQ(BhavaOf(330.0, cusps), 2);
    EXPECT_EQ(BhavaOf(0.0, cusps), 3);
    EXPECT_EQ(BhavaOf(299.99, cusps), 12);
}

}  // namespace
}  // namespace velmora
