#pragma once
// The bhava chart (bhava chalit): each point in the house its bhava gives,
// the houses counted from the ascendant's sign as in the birth chart, so a
// point that has crossed a cusp stands one house on from its sign. Also the
// rows of the cusp table every front end shows.

#include <string>
#include <vector>

#include "chart/Chart.h"
#include "presentation/ChartDiagram.h"
#include "text/Language.h"

namespace velmora {

// The bodies and the ascendant in their bhavas; no arudhas.
PlacedPoints BhavaPoints(const Chart& chart);

// One house of the cusp table: its number, where it begins ("17° 31' 26\" Pis")
// and the points in it by name ("Sun, Mercury").
struct BhavaRow {
    int house = 1;
    std::string cusp;
    std::string points;
};
// In another language the sign and the points are the glossary's.
std::vector<BhavaRow> BhavaRows(const Chart& chart, Language language = Language::English);

// "Bhavas: Placidus houses (each cusp where its house begins)"; in another
// language the phrase table's words around the system's name.
std::string BhavaHeading(const Chart& chart, Language language = Language::English);

}  // namespace velmora
