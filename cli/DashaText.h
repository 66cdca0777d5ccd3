#pragma once
// The text output's dasha sections beyond the Vimshottari table, each only
// when asked: the Vimshottari path running on the day, to the levels asked
// beyond two (--dasha-levels), and the other dasha systems asked for
// (--dasha-systems): the path running on the day to the levels asked (at
// most three) and their periods with the sub-periods.

#include <string>

#include "cli/ChartSource.h"

namespace velmora::cli {

void AppendDashaSections(std::string& out, const ChartSource& source, bool ansi);

}  // namespace velmora::cli
