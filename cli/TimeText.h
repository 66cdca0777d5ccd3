#pragma once
// The text output's sections of the panchanga, the transits and the
// strengths, when asked:
// their rows (presentation/TimeLabels) and the transiting bodies drawn over
// the birth chart in the chosen style.

#include <string>

#include "cli/ChartSource.h"
#include "presentation/ChartStyle.h"

namespace velmora::cli {

void AppendTimeSections(std::string& out, const ChartSource& chart, bool ansi, ChartStyle style);

}  // namespace velmora::cli
