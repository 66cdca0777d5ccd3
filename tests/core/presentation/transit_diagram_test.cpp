// The transiting bodies drawn over a birth chart: the birth chart's bodies
// and houses as they are, no arudhas, and each transiting graha after them in
// the cell of its own sign, marked as a transit in every label.

#include <gtest/gtest.h>

#include "presentation/ChartDiagram.h"

namespace velmora {
namespace {

TEST(TransitDiagram, TransitsStandBesideTheNatalBodies) {
    Chart natal;
    for (int body = 0; body < kBodyCount; ++body) natal.points[static_cast<std::size_t>(body)].sign = body;
    natal.arudhaSigns.fill(3);
    std::array<ChartPoint, kBodyCount> transiting{};
    for (int body = 0; body < kBodyCount; ++body) transiting[static_cast<std::size_t>(body)].sign = 11;
    transiting[6].sign = 9;  // Saturn in Capricorn, retrograde
    transiting[6].retrograde = true;
    transiting[9].sign = 0;  // the moment's ascendant: not drawn

    const ChartDiagram d = MakeChartDiagram(TransitChartPoints(natal, transiting));
    EXPECT_EQ(d.ascendantSign, 9);  // the birth chart's houses
    const std::vector<DiagramEntry>& capricorn = d.OfSign(9).entries;
    ASSERT_EQ(capricorn.size(), 2u);
    EXPECT_EQ(capricorn[0], (DiagramEntry{9, false, false, false}));  // the natal ascendant first
    EXPECT_EQ(capricorn[1], (DiagramEntry{6, false, true, true}));
    EXPECT_EQ(EntryLabel(capricorn[1]), "T-" + EntryLabel({6, false, true, false}));
    EXPECT_EQ(EntryShortLabel(capricorn[1]), "T-" + EntryShortLabel({6, false, true, false}));
    EXPECT_EQ(EntrySpokenLabel(capricorn[1]), "transiting " + EntrySpokenLabel({6, false, true, false}));
    // Eight transiting grahas in Pisces after Pisces' own (none), no arudha anywhere.
    EXPECT_EQ(d.OfSign(11).entries.size(), 8u);
    for (const DiagramCell& cell : d.cells)
        for (const DiagramEntry& e : cell.entries) EXPECT_FALSE(e.arudha);
    EXPECT_EQ(d.OfSign(0).entries.size(), 1u);  // the natal Sun alone
}

}  // namespace
}  // namespace velmora
