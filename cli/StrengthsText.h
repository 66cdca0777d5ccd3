#pragma once
// The text output's section of the strengths (--strengths): the tables of
// presentation/StrengthLabels in aligned columns, and their notes.

#include <string>

#include "cli/ChartSource.h"

namespace velmora::cli {

void AppendStrengthsSection(std::string& out, const StrengthsOutcome& strengths, bool ansi,
                            Language language = Language::English);

}  // namespace velmora::cli
