#pragma once
// The divisional charts as charts to draw, and their labels: any of the
// sixteen vargas as placed points for MakeChartDiagram (the bodies in their
// signs of that varga; the arudhas in D1, or in every varga when asked),
// "D10" and "D10 Dasamsa".

#include <string>
#include <string_view>

#include "chart/Chart.h"
#include "presentation/ChartDiagram.h"
#include "text/Language.h"

namespace velmora {

// `varga` is a position in AllVargas() (0 D1 … 15 D60).
PlacedPoints VargaPoints(const Chart& chart, int varga);
// The same with the arudha padas of that varga's houses (D1's are the
// chart's own), as the Vargas page draws every varga. The chart's vargas must
// have been computed.
PlacedPoints VargaPointsWithArudhas(const Chart& chart, int varga);

// "D10", and "D10 Dasamsa".
std::string VargaShortLabel(int varga);
// "D10 Dasamsa" with the varga's name in `language` (the glossary's).
std::string VargaLabel(int varga, Language language = Language::English);

// The position in AllVargas() of a name such as "D10" or "d10"; −1 for
// anything else.
int VargaFromName(std::string_view name);

// Every varga's short name, comma-separated: "D1, D2, … D60".
std::string VargaNames();

}  // namespace velmora
