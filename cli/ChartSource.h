#pragma once
// One computed chart as the command line writes it: the Chart value, which
// every number, flag, sign, the birth's details, the report and the dasha are
// read from, and the run that computed it, read only for the texts not yet
// made from the chart's numbers (the position texts, the body names with
// their marks, the sign and arudha boxes and the charts drawn from them).

#include "chart/AnalysisRun.h"
#include "chart/Chart.h"

namespace velmora::cli {

struct ChartSource {
    const Chart& chart;
    const AnalysisRun& run;
};

}  // namespace velmora::cli
