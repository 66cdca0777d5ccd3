#pragma once
// The panchanga of a chart's birth: the Vedic weekday (from sunrise to
// sunrise; see kDayReckoning where the Sun does not rise), the tithi with its
// fortnight, the Moon's nakshatra, the yoga and the karana, each with the
// moments it began and ends around the birth and the share of it still to
// run at the birth; and the sunrise and sunset of the birth's Vedic day. Computed with the Swiss Ephemeris from the chart's
// instant, place, ayanamsa and node: the ends are where the Sun's and the
// Moon's sidereal longitudes (their difference, their sum, the Moon's alone)
// reach the limb's boundary, found by Newton's iteration on the ephemeris'
// own speeds.

#include <optional>
#include <string>
#include <string_view>

#include "birth/LocalClock.h"
#include "chart/Chart.h"
#include "chart/VedicDay.h"
#include "ephemeris/PreciseEphemeris.h"
#include "ephemeris/SunriseSunset.h"

namespace velmora {

struct PanchangaLimb {
    int number = 1;  // counted from 1: weekday from Sunday, tithi 1–30, nakshatra 1–27, yoga 1–27, karana 1–60
    std::string name;
    double start = 0, end = 0;  // Julian Dates in Universal Time
    double left = 0;            // the share still to run at the birth, 0 < left ≤ 1
};

// How the days are reckoned, everywhere on Earth.
inline constexpr std::string_view kDayReckoning =
    "a day runs from its sunrise to the next day's beginning and takes the weekday of its date; on a date the "
    "Sun does not rise (the midnight sun or the polar night) the day begins at local midnight";

// Which of the birth's day's sunrise and sunset the Sun does not give.
enum class SunMissing { None, Rise, RiseAndSet, Set };

struct Panchanga {
    PanchangaLimb vara, tithi, nakshatra, yoga, karana;
    std::string paksha;  // "Shukla" or "Krishna"
    DayBoundary dayBegins = DayBoundary::Sunrise, dayEnds = DayBoundary::Sunrise;  // vara.start and vara.end
    // Of the birth's day, Julian Dates in Universal Time: none where the Sun
    // does not rise (set) in it, `note` then saying so.
    std::optional<double> sunrise, sunset;
    std::string note;
    // What `note` says, as facts a text in another language is made from:
    // what is missing, whether the Sun stays up (the midnight sun) or down
    // (the polar night), and the day it is said of (its date; the clock at
    // local noon).
    SunMissing sunMissing = SunMissing::None;
    bool midnightSun = false;
    LocalClock noteDay;
    SunriseConvention convention = SunriseConvention::UpperLimbRefracted;
};

struct PanchangaOutcome {
    std::optional<Panchanga> panchanga;
    std::string refusal;  // why there is none
};

// Why a classic chart has no panchanga and no transits, after "The
// panchanga needs" or "Transits need".
inline constexpr std::string_view kNeedsPreciseMessage =
    " precise positions: the classic engine computes neither the sunrise nor positions at other moments; "
    "choose precise positions";

PanchangaOutcome ComputePanchanga(const Chart& chart,
                                  SunriseConvention convention = SunriseConvention::UpperLimbRefracted,
                                  const std::string& dataDirectory = PreciseEphemeris::DefaultDataDirectory());

}  // namespace velmora
