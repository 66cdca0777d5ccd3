#pragma once
// What the command line asks of a chart's time beyond the birth: the
// panchanga (--panchanga, --sunrise limb|centre) and the transits
// (--transit [YYYY-MM-DDTHH:MM], a moment on the birth place's clock, now
// without one), the birth-time sensitivity (--sensitivity MINUTES) and the
// strengths (--strengths), whose day is reckoned from the same sunrise. The
// single chart and every batch line take the same.

#include <optional>
#include <string>

#include "chart/Panchanga.h"
#include "chart/Strengths.h"
#include "chart/Transits.h"
#include "cli/ChartSource.h"
#include "cli/CliOptions.h"

namespace velmora::cli {

struct TimeRequest {
    bool panchanga = false;
    SunriseConvention sunrise = SunriseConvention::UpperLimbRefracted;
    bool transits = false;
    std::optional<LocalClock> transitClock;  // none: now
    double nowUT = 0;                        // the clock's Universal Time (Julian Date); 0: no clock
    int sensitivityMinutes = 0;              // the window either side of the birth; 0: not asked
    bool strengths = false;
};

// The request the options make; the refusal, empty when they are good.
std::string TimeRequestFrom(const CliOptions& options, double nowUT, TimeRequest& request);

// The parts asked for, computed for `chart` into `panchanga` and `transits`.
struct TimeParts {
    std::optional<PanchangaOutcome> panchanga;
    std::optional<TransitOutcome> transits;
    std::optional<SensitivityOutcome> sensitivity;
    std::optional<StrengthsOutcome> strengths;
};
TimeParts ComputeTimeParts(const Chart& chart, const TimeRequest& request);

// `source` with the parts computed (none where not asked: their fields are then not written).
void AttachTimeParts(const TimeParts& parts, ChartSource& source);

// The first refusal among the parts asked for, empty when there is none.
std::string TimeRefusal(const TimeParts& parts);


}  // namespace velmora::cli
