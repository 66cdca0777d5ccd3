#pragma once
// A chart's ashtakavarga for a person to read: the table of the seven
// planets' bindus by sign with their totals, the sarvashtakavarga under it,
// and the sarvashtakavarga drawn as a chart in the chosen style; the heading
// names whose reading of the tables it is.

#include <string>

#include "chart/Chart.h"
#include "presentation/ChartStyle.h"

namespace velmora::cli {

// With `reduced`, the tables after trikona and ekadhipatya shodhana and the
// pindas follow.
std::string AshtakavargaText(const Chart& chart, AshtakavargaReading reading, ChartStyle style, bool ansi,
                             bool reduced = false);

}  // namespace velmora::cli
