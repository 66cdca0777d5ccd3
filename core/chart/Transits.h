#pragma once
// The transits (gochara) over a birth chart: the ten positions at another
// moment in the chart's own mode, ayanamsa and node, each counted in houses
// from the natal Moon's sign and from the natal ascendant's sign; whether
// Saturn's sade sati runs (Saturn in the 12th, 1st or 2nd sign from the
// natal Moon) with the dates of its three phases; and each graha's next sign
// change and next stations within a year of the moment.

#include <array>
#include <optional>
#include <string>

#include "birth/ZoneHistory.h"
#include "chart/Chart.h"
#include "ephemeris/PreciseEphemeris.h"

namespace velmora {

// Saturn's passage through the three signs around the natal Moon's.
struct SadeSati {
    bool running = false;  // the moment lies inside the passage below
    int phase = 0;         // 1 rising (12th), 2 peak (1st), 3 setting (2nd); 0 when not running
    // The passage around the moment, or the next one: its start (Saturn first
    // enters the 12th sign), its end (Saturn last leaves the 2nd) and each
    // phase's start (Saturn first enters that sign); a phase ends where the
    // next one starts, the last at the end. A retrograde return of less than
    // a year to the sign before does not end a passage.
    double start = 0, end = 0;
    std::array<double, 3> phaseStarts{};
};

struct SignChange {
    double moment = 0;  // Julian Date in Universal Time
    int sign = 0;       // the sign entered, 0 Aries … 11 Pisces
};

struct Transits {
    double moment = 0;      // Julian Date in Universal Time
    int utcOffsetSeconds = 0;  // the birth place's clock at the moment
    std::array<ChartPoint, kBodyCount> points{};  // the ascendant at the birth place
    std::array<int, kBodyCount> housesFromMoon{};        // 1 … 12
    std::array<int, kBodyCount> housesFromAscendant{};   // 1 … 12
    SadeSati sadeSati;
    // By body number 0 Sun … 8 Ketu; none within a year of the moment.
    std::array<std::optional<SignChange>, kBodyCount - 1> nextIngress;
    std::array<std::optional<double>, kBodyCount - 1> nextRetrogradeStation, nextDirectStation;
};

struct TransitOutcome {
    std::optional<Transits> transits;
    std::string refusal;
};

// `utcOffsetSeconds` is the birth place's clock at the moment, kept to write
// the moments in.
TransitOutcome ComputeTransits(const Chart& natal, double momentUT, int utcOffsetSeconds,
                               const std::string& dataDirectory = PreciseEphemeris::DefaultDataDirectory());

// A moment on the birth place's clock: the Universal Time and the clock's
// offset then. A chart with a time zone takes the zone's offset at that
// moment (the earlier reading of a time shown twice); one with a list entry
// keeps the birth's offset. No clock: the Universal Time `nowUT`. None when
// the clocks skipped the time given; `refusal` says so.
struct PlaceMoment {
    double julianDayUT = 0;
    int utcOffsetSeconds = 0;
    std::string refusal;
};
PlaceMoment MomentOnPlaceClock(const Chart& chart, const std::optional<LocalClock>& clock, double nowUT);

// The house of `sign` counted from `from` (both 0 … 11): 1 … 12.
inline int HouseFrom(int sign, int from) { return (sign - from + 12) % 12 + 1; }

}  // namespace velmora
