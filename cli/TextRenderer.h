#pragma once
// One computed chart for a person to read: the details, the
// position table, the South-Indian chart and the written report. With `ansi`
// the report's bold and dark red, and the chart's colours, become terminal
// escape sequences; without it the text is plain.

#include <string>

#include "cli/ChartSource.h"
#include "presentation/ChartStyle.h"

namespace velmora::cli {

// The charts (the birth chart and the Navamsa) in `style`; after the report
// the nakshatras, the Navamsa and the Vimshottari dasha.
std::string RenderText(const ChartSource& chart, bool ansi, ChartStyle style = ChartStyle::South);

}  // namespace velmora::cli
