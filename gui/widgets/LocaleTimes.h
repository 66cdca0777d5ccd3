#pragma once
// Dates and times as the person's locale writes them: "3 Dec 2026 17:59"
// (the day, the locale's short month name, the year, and the locale's own
// clock, 24-hour or with AM/PM), with the seconds only where a moment is
// exact to the second. The locale is the windows' language's (Hindi's month
// names in Hindi), its digits the language's own when so chosen. The clock the moments are on is named once, beside
// the table they fill, not in every cell.

#include <QString>

#include "engine/Calendar.h"
#include "presentation/TimeLabels.h"

namespace velmora {

// The local clock time of `jdUT` on the clock `offsetSeconds` east of
// Greenwich, rounded to the minute or to the second.
QString LocaleMoment(double jdUT, int offsetSeconds, MomentPrecision precision);
// A civil moment to the minute (a dasha's boundaries), and a day alone.
QString LocaleMoment(const CivilMoment& moment);
QString LocaleDate(const CivilMoment& moment);

// LocaleMoment as the rows of presentation/TimeLabels take it.
MomentWriter LocaleMomentWriter();

}  // namespace velmora
