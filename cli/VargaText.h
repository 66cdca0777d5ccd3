#pragma once
// One divisional chart as text (--varga): its name as a heading ("D10
// Dasamsa") and the chart in the chosen style, the bodies in their signs of
// that varga (the arudhas only in D1).

#include <string>

#include "chart/Chart.h"
#include "presentation/ChartStyle.h"
#include "text/Language.h"

namespace velmora::cli {

// `varga` is a position in AllVargas().
std::string VargaChartText(const Chart& chart, int varga, ChartStyle style, bool ansi,
                           Language language = Language::English);

}  // namespace velmora::cli
