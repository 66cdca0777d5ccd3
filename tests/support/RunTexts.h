#pragma once
// Charts as the front ends get them, for the tests of the windows, the
// printed pages and the command line: the form's fields through the form's
// checks and the one entry, and the result window's texts made from a chart.

#include <memory>

#include "chart/ComputeChart.h"
#include "presentation/ResultTexts.h"

namespace velmora::testing {

// What the window asks of a chart: the report and every dasha system, the
// running periods marked for `today`.
inline ChartWants WindowWants(CalendarDate today = {}) {
    ChartWants wants;
    wants.dashas = DashaSet::All();
    wants.today = today;
    return wants;
}

// The chart of `form`, or null when the form's checks or the birth refuse it.
inline std::shared_ptr<const Chart> ChartOfForm(const FormFields& form, const ChartWants& wants = WindowWants()) {
    return ComputeChartOfForm(form, wants).chart;
}

// The result window's texts of `chart`, the months named as given.
inline ResultLabels TextsOf(const Chart& chart, const MonthNames& months = EnglishMonthNames()) {
    return ResultLabelsOf(chart, months);
}

}  // namespace velmora::testing
