#pragma once
// A chart's ashtakavarga for a person to read: the table of the seven
// planets' bindus by sign with their totals, the sarvashtakavarga under it,
// and the sarvashtakavarga drawn as a chart in the chosen style; the heading
// names whose reading of the tables it is.

#include <string>

#include "chart/Chart.h"
#include "presentation/ChartStyle.h"
#include "text/Language.h"

namespace velmora::cli {

// With `reduced`, the tables after trikona and ekadhipatya shodhana and the
// pindas follow.
// The planets, signs and headings are in `language` (the glossary's and the
// phrase table's).
std::string AshtakavargaText(const Chart& chart, AshtakavargaReading reading, ChartStyle style, bool ansi,
                             bool reduced = false, Language language = Language::English);

}  // namespace velmora::cli
