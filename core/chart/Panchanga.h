#pragma once
// The panchanga of a chart's birth: the Vedic weekday (from sunrise to
// sunrise), the tithi with its fortnight, the Moon's nakshatra, the yoga and
// the karana, each with the moments it began and ends around the birth and
// the share of it still to run at the birth; and the sunrise and sunset of
// the birth's Vedic day. Computed with the Swiss Ephemeris from the chart's
// instant, place, ayanamsa and node: the ends are where the Sun's and the
// Moon's sidereal longitudes (their difference, their sum, the Moon's alone)
// reach the limb's boundary, found by Newton's iteration on the ephemeris'
// own speeds.

#include <optional>
#include <string>

#include "chart/Chart.h"
#include "ephemeris/PreciseEphemeris.h"
#include "ephemeris/SunriseSunset.h"

namespace velmora {

struct PanchangaLimb {
    int number = 1;  // counted from 1: weekday from Sunday, tithi 1–30, nakshatra 1–27, yoga 1–27, karana 1–60
    std::string name;
    double start = 0, end = 0;  // Julian Dates in Universal Time
    double left = 0;            // the share still to run at the birth, 0 < left ≤ 1
};

struct Panchanga {
    PanchangaLimb vara, tithi, nakshatra, yoga, karana;
    std::string paksha;  // "Shukla" or "Krishna"
    double sunrise = 0, sunset = 0;  // of the birth's Vedic day, Julian Dates in Universal Time
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
