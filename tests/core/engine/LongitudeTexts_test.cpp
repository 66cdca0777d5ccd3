// Both texts of a longitude written from one set of numbers must be exactly
// the long text and the short text read back from it.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "engine/LongitudeText.h"

namespace velmora {
namespace {

TEST(LongitudeTextsInto, ShortTextIsTheOneReadFromTheLongText) {
    const double cases[] = {0.0,        5.5,    9.999999, 10.0,   29.99999, 30.0,         59.0 + 9.5 / 60,
                            256.5256,   330.25, 359.9999, 360.0,  725.5,    -15.25,       -0.0,
                            1e-12,      1e7 + 0.75,       123456789.123,    std::nextafter(30.0, 0.0)};
    for (const double value : cases) {
        SCOPED_TRACE(value);
        double alone = value;
        const std::string longText = LongitudeText(alone);
        double both = value;
        std::string longOut = "something longer than the short string buffer";
        std::string shortOut = "stale";
        LongitudeTextsInto(both, longOut, shortOut);
        EXPECT_EQ(longOut, longText);
        EXPECT_EQ(shortOut, ChartPositionText(longText));
        EXPECT_EQ(both, alone);  // |x| left in the variable, as the long text alone leaves it
    }
}

TEST(LongitudeTextsInto, AgreesOverTwoTurnsInOddSteps) {
    std::string longOut, shortOut;
    for (double value = -720; value < 720; value += 0.0173) {
        double x = value;
        LongitudeTextsInto(x, longOut, shortOut);
        ASSERT_EQ(shortOut, ChartPositionText(longOut)) << value;
    }
}

TEST(LongitudeTextsInto, RefusesWhatHasNoText) {
    std::string longOut = "kept", shortOut = "kept";
    for (const double value : {1e15, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        double x = value;
        EXPECT_THROW(LongitudeTextsInto(x, longOut, shortOut), std::domain_error) << value;
    }
    EXPECT_EQ(longOut, "kept");
    EXPECT_EQ(shortOut, "kept");
}

}  // namespace
}  // namespace velmora
