#pragma once
// The layout of one chart, the same for every front end: which cell each sign
// and house is, and the points and arudhas standing in each cell, in order.
// It is made from a set of placed points (the birth chart with its arudhas,
// the Navamsa, any divisional chart: each is one way to give every point its
// sign) and is drawn by a painter or as text; nothing here knows a font.
//
// South-Indian: the signs stand in fixed cells of a 4 × 4 ring, Pisces top
// left, running clockwise. North-Indian: the houses stand in fixed places of
// the diamond, house 1 at the top, running counter-clockwise, and the
// ascendant's sign stands in house 1.

#include <array>
#include <string>
#include <vector>

#include "analysis/ChartState.h"
#include "chart/Chart.h"
#include "engine/NameTables.h"
#include "presentation/ChartLabels.h"
#include "presentation/Glossary.h"
#include "presentation/SouthIndianGrid.h"

namespace velmora {

// One chart's points as numbers: each body's sign (0 Aries … 11 Pisces, −1
// where it stands nowhere), its retrograde flag, and the arudhas' signs by
// arudha number (none for a chart without arudhas).
struct PlacedPoints {
    std::array<int, kBodyCount> signs{};
    std::array<bool, kBodyCount> retrograde{};
    std::vector<int> arudhaSigns;
    // A short text each sign's cell carries besides its points (the
    // ashtakavarga's bindus); empty for none.
    std::array<std::string, kSignCount> notes{};
    // A second set of bodies beside the first (the transits over a birth
    // chart): signs and retrograde flags by body number; empty for none.
    std::vector<int> transitSigns;
    std::vector<bool> transitRetrograde;
    // The bodies' sidereal longitudes, when their degrees are to be written
    // in the cells beside their names (WithCellDegrees); none: no degrees.
    std::vector<double> longitudes;
};

// The birth chart (D1) with its arudhas.
PlacedPoints BirthChartPoints(const Chart& chart);
// The same points with each body's degrees and minutes in its sign written
// in its cell (the birth chart's longitudes: D1 charts only).
PlacedPoints WithCellDegrees(PlacedPoints points, const Chart& chart);
// The birth chart's bodies (no arudhas) with the transiting ones beside them.
PlacedPoints TransitChartPoints(const Chart& natal, const std::array<ChartPoint, kBodyCount>& transiting);
// The Navamsa (D9): the bodies in their Navamsa signs, no arudhas.
PlacedPoints NavamsaPoints(const Chart& chart);
// The sarvashtakavarga: each sign's bindus as its cell's note, and the
// ascendant alone among the points, to show where the houses start; in
// `reading` of the tables.
PlacedPoints SarvashtakavargaPoints(const Chart& chart, AshtakavargaReading reading);

// A body (number 0 Sun … 9 ascendant) or an arudha (number 0 AL … 11 A12).
struct DiagramEntry {
    int number = 0;
    bool arudha = false;
    bool retrograde = false;
    bool transit = false;  // a body of the second set, after the first's and the arudhas
    bool degreesShown = false;  // its degrees in its sign are written beside it
    double longitude = 0;       // the body's sidereal longitude, when degreesShown
    friend bool operator==(const DiagramEntry&, const DiagramEntry&) = default;
};

struct DiagramCell {
    int sign = 0;                 // 0 Aries … 11 Pisces
    int house = 1;                // 1 … 12, counted from the ascendant's sign
    GridPlace southPlace{0, 0};   // its cell in the South-Indian grid
    std::vector<DiagramEntry> entries;  // the bodies by number, then the arudhas by number
    std::string note;                   // the placed points' note for this sign; empty for none
};

struct ChartDiagram {
    int ascendantSign = 0;
    std::array<DiagramCell, kSignCount> cells;  // by sign index

    const DiagramCell& OfSign(int sign) const { return cells[static_cast<std::size_t>(sign)]; }
    const DiagramCell& OfHouse(int house) const;
};

ChartDiagram MakeChartDiagram(const PlacedPoints& points);

// The sign in house 1 … 12 and the house of a sign, from the ascendant's sign.
int SignOfHouse(int ascendantSign, int house);
int HouseOfSign(int ascendantSign, int sign);

// The texts of an entry: "Mercury (R) " or "AL"; "Me(R)" or "AL"; "Mercury
// retrograde" or "AL". A transiting body's: "T-Mercury (R) ", "T-Me(R)",
// "transiting Mercury retrograde". The bodies' names in the glossary's
// language (English by default).
std::string EntryLabel(const DiagramEntry& entry, const Glossary& glossary = GlossaryOf(Language::English));
std::string EntryShortLabel(const DiagramEntry& entry, const Glossary& glossary = GlossaryOf(Language::English));
std::string EntrySpokenLabel(const DiagramEntry& entry, SpokenNames names = SpokenNames::Full,
                             Language language = Language::English);
// The label as a cell shows it, with the degrees when they are shown: the
// short label and "12°34′" ("12:34" with `ascii`), or the label alone.
std::string EntryCellLabel(const DiagramEntry& entry, bool shortLabel, bool ascii = false,
                           const Glossary& glossary = GlossaryOf(Language::English));

// The drawing's shapes in a unit square (x to the right, y down): a
// South-Indian sign's cell, a North-Indian house's outline (the diamond's
// houses have four corners, the others three) and the box its text goes in.
struct UnitPoint {
    double x, y;
};
struct UnitRect {
    double left, top, width, height;
};
UnitRect SouthCell(int sign);
const std::vector<UnitPoint>& NorthHouseOutline(int house);
UnitRect NorthTextBox(int house);
// The house 1 … 12 whose outline holds a point inside the square (a point on
// a line between houses: either of them).
int NorthHouseAt(UnitPoint point);

}  // namespace velmora
