#pragma once
// Moments as Julian Dates in Universal Time, and the local clock a chart's
// place shows at them (birth/LocalClock.h converts): what the panchanga's and
// the transits' moments are computed in and written as.

#include <string>

#include "birth/BirthInstant.h"
#include "birth/LocalClock.h"
#include "birth/ZoneHistory.h"

namespace velmora {

// The instant as the precise ephemeris takes it: the Universal Time's date
// and the seconds of its day, to the nearest second.
BirthInstant InstantAt(double jdUT);

// "1985-06-18T09:05:31".
std::string LocalDateTimeText(const LocalClock& clock);
// "2026-12-09T22:50:00+05:30".
std::string IsoMomentText(const LocalClock& clock, int offsetSeconds);
// The same of the Universal Time `jdUT` on a clock `offsetSeconds` east of
// Greenwich.
std::string LocalDateTimeText(double jdUT, int offsetSeconds);
std::string IsoMomentText(double jdUT, int offsetSeconds);

}  // namespace velmora
