// The chart diagram every front end draws: where each sign and house stands,
// what stands in each cell and in which order, and the labels made from the
// points' numbers and flags.
//
// The layouts are the conventional ones:
// - South-Indian: the signs in fixed squares round the chart's border, Pisces
//   (Meena) in the top left corner, Aries (Mesha) next to it and the signs
//   running clockwise, as the zodiac diagram in B. V. Raman, "A Manual of
//   Hindu Astrology" (chapter "Casting the Horoscope"), and every chart in his
//   "How to Judge a Horoscope" are printed.
// - North-Indian: the houses in fixed places, the first house the top
//   diamond, the houses running counter-clockwise (the second the top left
//   triangle, the fourth the left diamond, the seventh the bottom diamond,
//   the tenth the right diamond), and the ascendant's sign in the first house
//   (whole signs): H. de Fouw and R. Svoboda, "Light on Life" (1996), the
//   chapter on the chart's formats.
// The arudha padas are counted in the rasi (birth) chart only, so a Navamsa
// diagram carries none.

#include "presentation/ChartDiagram.h"

#include <gtest/gtest.h>

#include "tests/support/BirthForm.h"
#include "tests/support/FormRun.h"
#include "presentation/ChartLabels.h"
#include "tests/support/EngineCaptions.h"

namespace velmora {
namespace {

constexpr int Ari = 0, Tau = 1, Gem = 2, Can = 3, Leo = 4, Vir = 5, Lib = 6, Sco = 7, Sag = 8, Cap = 9, Aqu = 10,
              Pis = 11;

PlacedPoints NothingPlaced(int ascendant) {
    PlacedPoints points;
    points.signs.fill(-1);
    points.signs[9] = ascendant;
    return points;
}

TEST(ChartDiagram, SouthIndianCellOfEachSign) {
    // Read off the printed grid: top row left to right, the right column down,
    // the bottom row right to left, the left column up.
    const struct {
        int sign, row, column;
    } cases[] = {
        {Pis, 0, 0}, {Ari, 0, 1}, {Tau, 0, 2}, {Gem, 0, 3}, {Can, 1, 3}, {Leo, 2, 3},
        {Vir, 3, 3}, {Lib, 3, 2}, {Sco, 3, 1}, {Sag, 3, 0}, {Cap, 2, 0}, {Aqu, 1, 0},
    };
    for (int ascendant : {Ari, Sco}) {  // the South-Indian cells never move with the ascendant
        const ChartDiagram diagram = MakeChartDiagram(NothingPlaced(ascendant));
        for (const auto& c : cases) {
            const DiagramCell& cell = diagram.OfSign(c.sign);
            EXPECT_EQ(cell.sign, c.sign);
            EXPECT_EQ(cell.southPlace.row, c.row) << c.sign;
            EXPECT_EQ(cell.southPlace.column, c.column) << c.sign;
            const UnitRect box = SouthCell(c.sign);
            EXPECT_EQ(box.left, c.column * 0.25);
            EXPECT_EQ(box.top, c.row * 0.25);
        }
    }
}

TEST(ChartDiagram, NorthIndianHousesCountFromTheAscendantsSign) {
    const struct {
        int ascendant, house, sign;
    } cases[] = {
        {Ari, 1, Ari}, {Ari, 4, Can}, {Ari, 7, Lib}, {Ari, 12, Pis},
        {Leo, 1, Leo}, {Leo, 2, Vir}, {Leo, 9, Ari}, {Leo, 12, Can},
        {Pis, 1, Pis}, {Pis, 2, Ari}, {Pis, 10, Sag}, {Pis, 11, Cap},
    };
    for (const auto& c : cases) {
        const ChartDiagram diagram = MakeChartDiagram(NothingPlaced(c.ascendant));
        EXPECT_EQ(diagram.ascendantSign, c.ascendant);
        EXPECT_EQ(diagram.OfHouse(c.house).sign, c.sign) << c.ascendant << " " << c.house;
        EXPECT_EQ(diagram.OfSign(c.sign).house, c.house) << c.ascendant << " " << c.sign;
    }
}

TEST(ChartDiagram, NorthIndianHousesStandInTheirPlaces) {
    // A point well inside each house of the printed diamond (x right, y down).
    const struct {
        int house;
        double x, y;
    } cases[] = {
        {1, 0.5, 0.25}, {2, 0.25, 0.06}, {3, 0.06, 0.25}, {4, 0.25, 0.5},  {5, 0.06, 0.75},  {6, 0.25, 0.94},
        {7, 0.5, 0.75}, {8, 0.75, 0.94}, {9, 0.94, 0.75}, {10, 0.75, 0.5}, {11, 0.94, 0.25}, {12, 0.75, 0.06},
    };
    for (const auto& c : cases) {
        const UnitRect box = NorthTextBox(c.house);
        EXPECT_NEAR(box.left + box.width / 2, c.x, 0.1) << c.house;
        EXPECT_NEAR(box.top + box.height / 2, c.y, 0.1) << c.house;
        EXPECT_EQ(NorthHouseAt({c.x, c.y}), c.house);
        // The four diamonds have four corners, the eight triangles three.
        EXPECT_EQ(NorthHouseOutline(c.house).size(), c.house % 3 == 1 ? 4u : 3u) << c.house;
    }
}

TEST(ChartDiagram, EntriesStandInTheirSignsBodiesFirstThenArudhas) {
    PlacedPoints points = NothingPlaced(Leo);
    points.signs = {Leo, Can, Leo, Gem, Ari, Leo, Cap, Sag, Gem, Leo};
    points.retrograde[2] = true;  // Mercury
    points.arudhaSigns = {Sco, Leo, Tau, Leo, Vir, Lib, Aqu, Cap, Can, Pis, Ari, Gem};
    const ChartDiagram diagram = MakeChartDiagram(points);
    const std::vector<DiagramEntry> leo = {
        {0, false, false}, {2, false, true}, {5, false, false}, {9, false, false}, {1, true, false}, {3, true, false}};
    EXPECT_EQ(diagram.OfSign(Leo).entries, leo);
    EXPECT_EQ(diagram.OfHouse(1).entries, leo);
    std::size_t all = 0;
    for (const DiagramCell& cell : diagram.cells) all += cell.entries.size();
    EXPECT_EQ(all, 22u);
    EXPECT_TRUE(diagram.OfSign(Pis).entries == (std::vector<DiagramEntry>{{9, true, false}}));
}

TEST(ChartDiagram, LabelsFromNumbersAndFlags) {
    // The result form's own texts: "Mercury (R) " in a sign box, "Me(R)" in a
    // narrow cell, "AL" … "A12", "Surya/Sun" … "Asc/Lagna".
    const struct {
        DiagramEntry entry;
        const char *label, *shortLabel, *spoken;
    } cases[] = {
        {{0, false, false}, "Sun", "Su", "Sun"},
        {{2, false, true}, "Mercury (R) ", "Me(R)", "Mercury retrograde"},
        {{6, false, true}, "Saturn (R) ", "Sa(R)", "Saturn retrograde"},
        {{6, false, false}, "Saturn", "Sa", "Saturn"},
        {{9, false, false}, "Asc", "As", "Ascendant"},
        {{0, true, false}, "AL", "AL", "AL"},
        {{11, true, false}, "A12", "A12", "A12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryLabel(c.entry), c.label);
        EXPECT_EQ(EntryShortLabel(c.entry), c.shortLabel);
        EXPECT_EQ(EntrySpokenLabel(c.entry), c.spoken);
    }
    EXPECT_EQ(PositionCaption(0), "Surya/Sun");
    EXPECT_EQ(PositionCaption(8), "Ketu/South node");
    EXPECT_EQ(PositionCaption(9), "Asc/Lagna");
}

// A diagram of a chart must give the result form's captions as the run has
// always written them (rebuilt from the engine's texts), byte for byte.
TEST(ChartDiagram, BirthChartAndNavamsaMatchTheRunsCaptions) {
    const struct {
        int year, month, day, hour, minute;
        ComputationMode mode;
    } births[] = {
        {1980, 3, 5, 9, 5, ComputationMode::Classic},   {1948, 8, 15, 0, 30, ComputationMode::Classic},
        {1976, 7, 4, 12, 0, ComputationMode::Precise},  {2001, 11, 20, 18, 45, ComputationMode::Precise},
    };
    const auto caption = [](const DiagramCell& cell, bool arudhas) {
        std::string text;
        for (const DiagramEntry& entry : cell.entries)
            if (entry.arudha == arudhas) text += "\r\n" + EntryLabel(entry);
        return text;
    };
    for (const auto& b : births) {
        FormFields form = testing::BirthForm(b.year, b.month, b.day, b.hour, b.minute);
        form.Mode = b.mode;
        testing::FormRun run;
        ASSERT_TRUE(run.RunAnalysis(form).Passed());
        const Chart& chart = run.chart;
        const ChartDiagram birth = MakeChartDiagram(BirthChartPoints(chart));
        const ChartDiagram navamsa = MakeChartDiagram(NavamsaPoints(chart));
        const testing::EngineCaptions engine = testing::EngineCaptionsOf(run);
        for (int sign = 0; sign < kSignCount; ++sign) {
            EXPECT_EQ(caption(birth.OfSign(sign), false), engine.signBoxes[sign]) << b.year << " " << sign;
            EXPECT_EQ(caption(birth.OfSign(sign), true), engine.arudhaBoxes[sign]) << b.year << " " << sign;
            EXPECT_EQ(caption(navamsa.OfSign(sign), false), engine.navamsaBoxes[sign]) << b.year << " " << sign;
            EXPECT_EQ(caption(navamsa.OfSign(sign), true), "") << "no arudhas in the Navamsa";
        }
    }
}

}  // namespace
}  // namespace velmora
