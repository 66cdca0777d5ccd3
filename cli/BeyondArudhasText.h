#pragma once
// The text sections after the report: each point's nakshatra and pada, the
// Navamsa chart and the Vimshottari dasha with the period running on the
// run's day marked.

#include <string>

#include "cli/ChartSource.h"
#include "presentation/ChartStyle.h"

namespace velmora::cli {

void AppendBeyondArudhas(std::string& out, const ChartSource& chart, bool ansi, ChartStyle style);

}  // namespace velmora::cli
