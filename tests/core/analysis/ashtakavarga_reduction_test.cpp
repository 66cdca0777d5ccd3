// The reductions of the ashtakavarga and the pindas against P. V. R.
// Narasimha Rao's worked examples ("Vedic Astrology: An Integrated
// Approach", chapter 12: Examples 40, 41 and 42 on Chart 11, and Exercise
// 22 on Chart 7, as PyJHora's tests transcribe the book: naturalstupid/
// PyJHora, src/jhora/tests/pvr_tests.py, "_ashtaka_varga_tests"), and the
// rules case by case as Brihat Parashara Hora Shastra states them
// (chapters 67 and 68, R. Santhanam's translation; B. V. Raman,
// "Ashtakavarga System of Prediction", chapter II).

#include <gtest/gtest.h>

#include "analysis/AshtakavargaReduction.h"

namespace velmora {
namespace {

using Row = BinduRow;

// Trikona shodhana, one case of each rule, in the trine of Aries, Leo and
// Sagittarius (indices 0, 4, 8) with the other trines left empty.
TEST(TrikonaShodhana, EachRuleOfTheText) {
    struct Case {
        const char* rule;
        int aries, leo, sagittarius;
        int aries_, leo_, sagittarius_;  // after the reduction
    };
    const Case cases[] = {
        {"unequal: the least is taken from each", 5, 3, 4, 2, 0, 1},
        {"all equal: all go", 3, 3, 3, 0, 0, 0},
        {"one empty: nothing changes", 0, 3, 4, 0, 3, 4},
        {"two empty: the third goes too", 0, 0, 5, 0, 0, 0},
        {"all empty", 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Row in{}, out{};
        in[0] = c.aries, in[4] = c.leo, in[8] = c.sagittarius;
        out[0] = c.aries_, out[4] = c.leo_, out[8] = c.sagittarius_;
        EXPECT_EQ(TrikonaShodhana(in), out) << c.rule;
    }
}

// Ekadhipatya shodhana, one case of each rule, in Mars's signs Aries and
// Scorpio (indices 0 and 7).
TEST(EkadhipatyaShodhana, EachRuleOfTheText) {
    struct Case {
        const char* rule;
        int aries, scorpio;
        bool ariesHeld, scorpioHeld;
        int aries_, scorpio_;  // after the reduction
    };
    const Case cases[] = {
        {"both occupied: nothing changes", 3, 5, true, true, 3, 5},
        {"one sign empty of bindus: nothing changes", 0, 4, false, false, 0, 4},
        {"neither occupied, unequal: both take the smaller", 2, 5, false, false, 2, 2},
        {"neither occupied, equal: both go", 3, 3, false, false, 0, 0},
        {"occupied greater: the other goes", 4, 2, true, false, 4, 0},
        {"equal, one occupied: the unoccupied goes", 3, 3, false, true, 0, 3},
        {"occupied smaller: the other keeps as many", 2, 5, true, false, 2, 2},
    };
    for (const Case& c : cases) {
        Row in{}, out{};
        std::array<bool, kSignCount> occupied{};
        in[0] = c.aries, in[7] = c.scorpio;
        out[0] = c.aries_, out[7] = c.scorpio_;
        occupied[0] = c.ariesHeld, occupied[7] = c.scorpioHeld;
        EXPECT_EQ(EkadhipatyaShodhana(in, occupied), out) << c.rule;
    }
    // Cancer and Leo have one lord each: never reduced.
    const Row lights = {0, 0, 0, 3, 5, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(EkadhipatyaShodhana(lights, {}), lights);
}

// Rao's Example 40: the bindus 7 4 7 4 4 3 4 4 4 3 6 4 (Aries to Pisces)
// after trikona shodhana are 3 1 3 0 0 0 0 0 0 0 2 0; Examples 41 and 42
// make of them, in Chart 11 (Venus, Ketu and the ascendant in Aries; Sun,
// Mars and Mercury in Gemini; Jupiter and Saturn in Leo; Rahu in Libra; the
// Moon in Pisces), the rasi pinda 77, the graha pinda 75 and the shodhya
// pinda 152. Ekadhipatya shodhana finds nothing to change there, in either
// reading.
TEST(ReduceAshtakavarga, RaosExamples40To42) {
    const Row bindus = {7, 4, 7, 4, 4, 3, 4, 4, 4, 3, 6, 4};
    const Row reduced = {3, 1, 3, 0, 0, 0, 0, 0, 0, 0, 2, 0};
    EXPECT_EQ(TrikonaShodhana(bindus), reduced);
    const std::array<int, kBodyCount> chart11 = {2, 11, 2, 0, 2, 4, 4, 6, 0, 0};
    for (AshtakavargaReading reading : kAshtakavargaReadings) {
        Ashtakavarga a;
        a.reading = reading;
        a.bav.fill(bindus);
        const ReducedAshtakavarga r = ReduceAshtakavarga(a, chart11);
        for (int p = 0; p < kAshtakavargaPlanets; ++p) {
            const auto i = static_cast<std::size_t>(p);
            EXPECT_EQ(r.bav[i], reduced) << AshtakavargaReadingKey(reading);
            EXPECT_EQ(r.rasiPinda[i], 77) << AshtakavargaReadingKey(reading);
            EXPECT_EQ(r.grahaPinda[i], 75) << AshtakavargaReadingKey(reading);
            EXPECT_EQ(r.shodhyaPinda[i], 152) << AshtakavargaReadingKey(reading);
        }
    }
}

// Rao's Exercise 22 (Chart 7: Moon, Saturn, Rahu Aries; Jupiter, Ketu Libra;
// ascendant Scorpio; Mars, Mercury Sagittarius; Sun Capricorn; Venus
// Aquarius): the book's rasi, graha and shodhya pindas of the seven planets
// from its own tables (Rao's reading). The Sun's, the Moon's and Saturn's
// rasi pindas keep Scorpio's bindus, the ascendant's sign with no planet:
// the book counts it as occupied.
TEST(ReduceAshtakavarga, RaosExercise22) {
    const std::array<int, kBodyCount> chart7 = {9, 0, 8, 10, 8, 6, 0, 0, 6, 7};
    const ReducedAshtakavarga r = ReduceAshtakavarga(ComputeAshtakavarga(chart7, AshtakavargaReading::Rao), chart7);
    struct Pindas {
        const char* planet;
        int body, rasi, graha, shodhya;
    };
    const Pindas book[] = {
        {"Sun", 0, 152, 81, 233},     {"Moon", 1, 85, 55, 140},     {"Mars", 4, 52, 43, 95},
        {"Mercury", 2, 95, 33, 128},  {"Jupiter", 5, 68, 56, 124}, {"Venus", 3, 154, 54, 208},
        {"Saturn", 6, 162, 63, 225},
    };
    for (const Pindas& p : book) {
        const auto i = static_cast<std::size_t>(p.body);
        EXPECT_EQ(r.rasiPinda[i], p.rasi) << p.planet;
        EXPECT_EQ(r.grahaPinda[i], p.graha) << p.planet;
        EXPECT_EQ(r.shodhyaPinda[i], p.shodhya) << p.planet;
    }
}

// Raman's reading counts only the planets: the ascendant's sign with no
// planet is reduced like any other empty sign.
TEST(ReduceAshtakavarga, TheAscendantOccupiesOnlyInRaosReading) {
    // Ascendant alone in Scorpio; a planet in Aries; the others in Cancer.
    const std::array<int, kBodyCount> signs = {0, 3, 3, 3, 3, 3, 3, 3, 9, 7};
    Ashtakavarga a;
    a.bav.fill({3, 0, 0, 1, 1, 0, 0, 2, 1, 0, 0, 1});  // after trikona: Aries 2, Scorpio 1, no other
    a.reading = AshtakavargaReading::Raman;
    EXPECT_EQ(ReduceAshtakavarga(a, signs).bav[0][7], 0);
    a.reading = AshtakavargaReading::Rao;
    EXPECT_EQ(ReduceAshtakavarga(a, signs).bav[0][7], 1);
}

}  // namespace
}  // namespace velmora
