#include "engine/LongitudeText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace velmora {
namespace {

TEST(LongitudeText, LongAndShortForms) {
    const struct {
        double x;
        const char* longText;
        const char* shortText;
        double leftInVariable;
    } cases[] = {
        {256.5256, "16\u00b0 31' 32\" Sag", "16 Sag 31", 256.5256},
        {5.5, "5\u00b0 30' 0\" Ari", "05 Ari 30", 5.5},
        {359.99999, "29\u00b0 59' 59\" Pis", "29 Pis 59", 359.99999},   // truncated, never carried
        {29.99999, "29\u00b0 59' 59\" Ari", "29 Ari 59", 29.99999},
        {0.0, "0\u00b0 0' 0\" Ari", "00 Ari 00", 0.0},
        {-15.25, "15\u00b0 15' 0\" Ari", "15 Ari 15", 15.25},            // the caller's variable becomes |x|
        {248.0513888889, "8\u00b0 3' 5\" Sag", "08 Sag 03", 248.0513888889},
        {30.0, "0\u00b0 0' 0\" Tau", "00 Tau 00", 30.0},
        {340.0 + 10.0 / 60 + 10.0 / 3600, "10\u00b0 10' 10\" Pis", "10 Pis 10", 340.0 + 10.0 / 60 + 10.0 / 3600},
        {360.0, "0\u00b0 0' 0\" Ari", "00 Ari 00", 360.0},                // a full circle starts again at Aries
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        double x = c.x;
        const std::string text = LongitudeText(x);
        EXPECT_EQ(text, c.longText);
        EXPECT_EQ(x, c.leftInVariable);
        EXPECT_EQ(ChartPositionText(text), c.shortText);
    }
}

TEST(LongitudeText, ShortFormOfHandWrittenTexts) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"  8\u00b0 3' 7\" Sag", "08 Sag 03"},     // leading spaces
        {"8\u00b0 3' 7\" Sag", "08 Sag 03"},
        {"12\u00b0 45' 0\" Leo", "12 Leo 45"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChartPositionText(c.text), c.expected) << c.text;
}

TEST(LongitudeText, RejectsWhatHasNoTextForm) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 1e15}) {
        double x = bad;
        EXPECT_THROW(LongitudeText(x), std::domain_error) << bad;
    }
    for (const char* text : {"", "16 Sag 31", "16\u00b0 31 32 Sag", "16' 31\u00b0 Sag"})
        EXPECT_THROW(ChartPositionText(text), std::invalid_argument) << text;
}

}  // namespace
}  // namespace velmora
