#include "engine/WholeTurns.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace velmora {
namespace {

// The loops the reductions stand for, pass by pass.
double NaiveAddWhileBelowZero(double x) {
    while (x < 0) x += 360;
    return x;
}
double NaiveSubtractWhileAbove(double x) {
    while (x > 360) x -= 360;
    return x;
}
double NaiveSubtractWhileAtOrAbove(double x) {
    while (x >= 360) x -= 360;
    return x;
}

void ExpectSameBits(double x) {
    SCOPED_TRACE(testing::Message() << std::hexfloat << "x = " << x);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(AddTurnsWhileBelowZero(x)),
              std::bit_cast<std::uint64_t>(NaiveAddWhileBelowZero(x)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(SubtractTurnsWhileAbove(x, TurnBound::Above360)),
              std::bit_cast<std::uint64_t>(NaiveSubtractWhileAbove(x)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(SubtractTurnsWhileAbove(x, TurnBound::AtOrAbove360)),
              std::bit_cast<std::uint64_t>(NaiveSubtractWhileAtOrAbove(x)));
}

TEST(WholeTurns, EdgeValuesMatchThePlainLoops) {
    std::vector<double> values = {0.0, -0.0, 360.0, 720.0, -360.0, -720.0, 1e-300, -1e-300,
                                  std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::denorm_min(),
                                  -1e-17, 359.99999999999994, 1e8, -1e8, 3.0e7 + 0.1, -4.9e7 - 0.3};
    // Exact multiples of a turn and their immediate neighbours, both signs.
    for (int k = -3000; k <= 3000; k += 7) {
        const double multiple = k * 360.0;
        values.push_back(multiple);
        values.push_back(std::nextafter(multiple, -1e300));
        values.push_back(std::nextafter(multiple, 1e300));
        values.push_back(multiple - 1e-9);
        values.push_back(multiple + 1e-9);
    }
    for (double x : values) ExpectSameBits(x);
}

TEST(WholeTurns, RandomValuesMatchThePlainLoops) {
    std::mt19937_64 random(20260101);
    // Spans from a few turns to the Moon's unreduced longitude and well beyond.
    const double spans[] = {1000.0, 1e5, 1e6, 1e8};
    const int counts[] = {20000, 20000, 2000, 40};
    for (int s = 0; s < 4; ++s) {
        std::uniform_real_distribution<double> uniform(-spans[s], spans[s]);
        for (int n = 0; n < counts[s]; ++n) ExpectSameBits(uniform(random));
    }
    // Tiny magnitudes just below 0, where the last pass rounds.
    std::uniform_real_distribution<double> exponent(-320, 2);
    for (int n = 0; n < 2000; ++n) ExpectSameBits(-std::pow(10.0, exponent(random)));
}

TEST(WholeTurns, ValuesBeyondExactRangeEndInRange) {
    const struct {
        double x;
    } cases[] = {{1e17}, {-1e17}, {9.007199254740993e15}, {-1e300}, {1e300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        const double up = AddTurnsWhileBelowZero(c.x);
        EXPECT_GE(up, 0);
        if (c.x < 0) {
            EXPECT_LE(up, 360);
        }
        const double down = SubtractTurnsWhileAbove(c.x, TurnBound::AtOrAbove360);
        EXPECT_LT(down, 360);
        if (c.x > 0) {
            EXPECT_GE(down, 0);
        }
    }
    EXPECT_TRUE(std::isnan(AddTurnsWhileBelowZero(std::nan(""))));
    EXPECT_TRUE(std::isnan(AddTurnsWhileBelowZero(-std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(SubtractTurnsWhileAbove(std::numeric_limits<double>::infinity(), TurnBound::Above360)));
}

}  // namespace
}  // namespace velmora
