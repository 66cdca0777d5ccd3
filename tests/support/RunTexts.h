#pragma once
// The result window's texts of the chart a run made last, as every window is
// given them: labels made from the chart's numbers.

#include "chart/AnalysisRun.h"
#include "presentation/ResultTexts.h"

namespace velmora::testing {

inline ResultFormTexts TextsOf(const AnalysisRun& run, const MonthNames& months = EnglishMonthNames()) {
    return ResultTextsOf(run.MakeChart(), months);
}

}  // namespace velmora::testing
