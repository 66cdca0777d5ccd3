// The panchanga's limbs from the Sun's and the Moon's longitudes, and their
// names. The karanas: the seven moving ones repeat eight times from the
// second half of the first tithi; Shakuni, Chatushpada and Naga take the
// last three half-tithis of the dark fortnight and Kimstughna the first of
// the bright one (Surya Siddhanta II.67–69, Burgess's translation, 1860).

#include <gtest/gtest.h>

#include "analysis/PanchangaNames.h"

namespace velmora {
namespace {

TEST(PanchangaNames, KaranasOfTheMonth) {
    const std::pair<int, std::string_view> karanas[] = {
        {1, "Kimstughna"}, {2, "Bava"},    {3, "Balava"},     {8, "Vishti"},   {9, "Bava"},
        {14, "Vanija"},    {57, "Vishti"}, {58, "Shakuni"},   {59, "Chatushpada"}, {60, "Naga"},
    };
    for (const auto& [number, name] : karanas) EXPECT_EQ(KaranaName(number), name) << number;
}

TEST(PanchangaNames, TithisOfBothFortnights) {
    const std::tuple<int, std::string_view, std::string_view> tithis[] = {
        {1, "Pratipada", "Shukla"}, {15, "Purnima", "Shukla"}, {16, "Pratipada", "Krishna"},
        {29, "Chaturdashi", "Krishna"}, {30, "Amavasya", "Krishna"},
    };
    for (const auto& [number, name, paksha] : tithis) {
        EXPECT_EQ(TithiName(number), name) << number;
        EXPECT_EQ(PakshaName(number), paksha) << number;
    }
}

TEST(PanchangaNames, LimbsFromLongitudes) {
    struct Case {
        double sun, moon;
        int tithi, karana, yoga;
    };
    // The elongation runs across Aries: the Moon at 1°, the Sun at 350°, is
    // 11° past the new Moon (tithi 1, karana 2); just short of the new Moon
    // it is the 30th tithi and the 60th karana; the sum 0° starts yoga 1.
    const Case cases[] = {
        {350, 1, 1, 2, 27},
        {10, 9.99, 30, 60, 2},
        {100, 280, 16, 31, 2},
        {0, 6, 1, 2, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TithiNumber(c.sun, c.moon), c.tithi) << c.sun << " " << c.moon;
        EXPECT_EQ(KaranaNumber(c.sun, c.moon), c.karana) << c.sun << " " << c.moon;
        EXPECT_EQ(YogaNumber(c.sun, c.moon), c.yoga) << c.sun << " " << c.moon;
    }
}

}  // namespace
}  // namespace velmora
