#pragma once
// The result window's texts, all made from a Chart's numbers and flags: the
// short position texts, the sign boxes' captions with the retrograde marks,
// the arudhas' captions, the birth's details and the zone as used, and the
// Navamsa's boxes. The windows (the result form, print, PDF, images) are
// given these, never the run that computed the chart.

#include "chart/AnalysisRun.h"
#include "chart/Chart.h"

namespace velmora {

// `months` names the months for the date of birth ("March/5/1980"): the
// window passes the system language's, the command line English.
ResultFormTexts ResultTextsOf(const Chart& chart, const MonthNames& months);

}  // namespace velmora
