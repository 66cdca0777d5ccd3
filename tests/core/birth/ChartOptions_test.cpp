// The choices' names as the command line, batch lines and birth files write
// them, read back to the same choice; anything else refused.

#include <gtest/gtest.h>

#include "birth/ChartOptions.h"

namespace velmora {
namespace {

TEST(ChartOptions, EveryNameReadsBackToItsChoice) {
    for (int k = 0; k + 1 < kAyanamsaKinds; ++k) {
        ChartOptions options;
        options.ayanamsa = static_cast<AyanamsaKind>(k);
        ChartOptions read;
        read.ayanamsa = AyanamsaKind::Custom;
        ASSERT_TRUE(ParseAyanamsa(AyanamsaText(options), read)) << AyanamsaText(options);
        EXPECT_EQ(read.ayanamsa, options.ayanamsa);
    }
    for (const char* text : {"custom:1900-01-01:22.46", "custom:2000-02-29:-0.5", "custom:0001-12-31:90",
                             "custom:1956-03-21:23.24556095512346"}) {
        ChartOptions read;
        ASSERT_TRUE(ParseAyanamsa(text, read)) << text;
        EXPECT_EQ(read.ayanamsa, AyanamsaKind::Custom);
        EXPECT_EQ(AyanamsaText(read), text);
    }
    for (HouseSystem h : {HouseSystem::WholeSign, HouseSystem::Sripati, HouseSystem::Placidus, HouseSystem::Equal}) {
        HouseSystem read = HouseSystem::WholeSign;
        ASSERT_TRUE(ParseHouseSystem(HouseSystemName(h), read));
        EXPECT_EQ(read, h);
    }
    PositionKind kind = PositionKind::Apparent;
    ASSERT_TRUE(ParsePositionKind("true", kind));
    EXPECT_EQ(kind, PositionKind::True);
    EXPECT_EQ(AyanamsaDisplayName(AyanamsaKind::TrueChitra), "True Chitra");
    EXPECT_EQ(AyanamsaDisplayName(AyanamsaKind::LahiriIcrc), "Lahiri (ICRC)");
}

// A custom value is written as decimals that read back as the same number,
// however small: "1e-05" is not a value the reader (or a person) takes.
TEST(ChartOptions, ACustomValueIsWrittenInDecimalsThatReadBack) {
    const struct {
        double degrees;
        const char* text;  // as written; nullptr: too long to spell out here
    } cases[] = {
        {0.00001, "custom:2000-01-01:0.00001"},
        {-0.00001, "custom:2000-01-01:-0.00001"},
        {1.5e-9, "custom:2000-01-01:0.0000000015"},
        {0.0001, "custom:2000-01-01:0.0001"},
        {-90, "custom:2000-01-01:-90"},
        {0, "custom:2000-01-01:0"},
        {5e-324, nullptr},  // the smallest double above zero
        {-2.2250738585072014e-308, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.degrees);
        ChartOptions options;
        options.ayanamsa = AyanamsaKind::Custom;
        options.custom = {2000, 1, 1, c.degrees};
        const std::string text = AyanamsaText(options);
        if (c.text) {
            EXPECT_EQ(text, c.text);
        }
        EXPECT_EQ(text.find_first_of("eE", 7), std::string::npos) << text;
        ChartOptions read;
        ASSERT_TRUE(ParseAyanamsa(text, read)) << text;
        EXPECT_EQ(read.custom, options.custom);
    }
}

TEST(ChartOptions, OtherWordsAreRefusedAndLeaveTheChoice) {
    for (const char* text : {"", "Lahiri", "custom", "custom:", "custom:1900-1-1:22", "custom:1999-02-29:23",
                             "custom:2000-13-01:23", "custom:2000-01-01:", "custom:2000-01-01:90.5",
                             "custom:2000-01-01:1e1", "custom:2000-01-01:+1", "custom:2000-01-01:1.2.3",
                             "custom:2000-01-01:nan", "custom:0000-01-01:1", "koch"}) {
        ChartOptions options;
        options.ayanamsa = AyanamsaKind::Raman;
        EXPECT_FALSE(ParseAyanamsa(text, options)) << text;
        EXPECT_EQ(options.ayanamsa, AyanamsaKind::Raman) << text;
    }
    HouseSystem houses = HouseSystem::Equal;
    EXPECT_FALSE(ParseHouseSystem("koch", houses));
    EXPECT_FALSE(ParseHouseSystem("Placidus", houses));
    EXPECT_EQ(houses, HouseSystem::Equal);
    PositionKind kind = PositionKind::True;
    EXPECT_FALSE(ParsePositionKind("geometric", kind));
    EXPECT_EQ(kind, PositionKind::True);
}

}  // namespace
}  // namespace velmora
