#pragma once
// How a chart changes within minutes of the given birth time. For a window
// of ± N minutes of true time (Universal Time) around the birth, every moment
// at which one of the chart's items changes: the lagna's sign and nakshatra
// quarter, the lagna of every varga, every graha's sign in every varga, the
// Moon's nakshatra quarter and the Vimshottari lords running at birth, each
// graha's bhava and each cusp's sign. Each moment is found on the continuous
// quantity behind the item (the ascendant, a cusp, a graha's longitude), not
// by stepping whole charts, and is the first whole second at which the new
// value holds: the chart computed for that second shows it, the chart of
// the second before still shows the old one.
//
// Only precise charts have it: the classic engine takes the birth to the
// minute and does not follow the time continuously.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/Chart.h"
#include "chart/ComputeChart.h"
#include "ephemeris/PreciseEphemeris.h"

namespace velmora {

inline constexpr int kSensitivityDefaultMinutes = 30;
inline constexpr int kSensitivityMaxMinutes = 180;

enum class SensitivityKind : unsigned char {
    VargaSign,        // a point's sign in a varga: the lagna's (D1: the lagna itself) or a graha's
    LagnaNakshatra,   // the ascendant's nakshatra quarter (0 … 107)
    MoonNakshatra,    // the Moon's nakshatra quarter
    Vimshottari,      // the major and sub-period lords running at birth
    Bhava,            // a graha's house under the chart's system
    CuspSign,         // the sign a house's cusp stands in
};

struct SensitivityCrossing {
    int second = 0;            // from the given time, true time
    double julianDayUT = 0;    // the moment
    int utcOffsetSeconds = 0;  // the zone's clock then (it follows daylight saving)
    int from = 0, to = 0;      // the item's values before and from the moment
};

struct SensitivityItem {
    SensitivityKind kind = SensitivityKind::VargaSign;
    int body = 9;       // the point (0 Sun … 8 Ketu, 9 the ascendant)
    int index = 0;      // the varga's position in AllVargas(), or the house 0 … 11 of a cusp
    std::string name;   // "D9 lagna", "Moon in D9", "Moon nakshatra", "Sun bhava", "Cusp 4"
    std::string key;    // "lagnaD9", "moonD9", "moonNakshatra", "sunBhava", "cusp4": for columns
    int value = 0;      // at the given time
    std::vector<SensitivityCrossing> crossings;  // in time order
};

struct Sensitivity {
    int windowMinutes = kSensitivityDefaultMinutes;  // as asked
    // The window searched, in seconds from the given time: ± the minutes
    // asked, cut where it leaves the years the positions are computed for
    // (`note` then says so).
    int firstSecond = 0, lastSecond = 0;
    double firstJulianDay = 0, lastJulianDay = 0;  // their moments
    int firstOffsetSeconds = 0, lastOffsetSeconds = 0;  // and the zone's clock then
    double julianDayUT = 0;    // the given time
    int utcOffsetSeconds = 0;  // its clock
    std::string note;
    std::vector<SensitivityItem> items;
    // Days every Vimshottari major and sub-period start moves per minute the
    // birth is later: the birth itself moves, and the Moon goes on through
    // its nakshatra, so more of the first period has passed (negative:
    // earlier).
    double dashaShiftDaysPerMinute = 0;

};

struct SensitivityOutcome {
    std::optional<Sensitivity> sensitivity;
    std::string refusal;  // why there is none
};

// Every item in its order, without values: the lagna, its nakshatra quarter
// and the fifteen other vargas' lagnas; the Moon's nakshatra quarter and the
// Vimshottari lords at birth; each graha's sign in the sixteen vargas, the
// Moon first; each graha's bhava; the twelve cusps' signs.
std::span<const SensitivityItem> SensitivityItems();

// Nothing for a window of 1 to kSensitivityMaxMinutes minutes, else why not.
std::string SensitivityWindowRefusal(int minutes);

// The sensitivity of `chart` (made by ComputeChart) within ± `minutes`.
SensitivityOutcome ComputeSensitivity(const Chart& chart, int minutes = kSensitivityDefaultMinutes,
                                      const std::string& dataDirectory = PreciseEphemeris::DefaultDataDirectory());

// The item's value as text: "Leo", "Rohini 3" (the nakshatra and its
// quarter), "Venus–Mercury" (the major and sub-period lords), "house 7".
std::string SensitivityValueText(const SensitivityItem& item, int value);

// The item's value in a chart made by ComputeChart.
int SensitivityValueOf(const SensitivityItem& item, const Chart& chart);

// The zone's clock `second` seconds of true time from the given birth, and
// its offset east of Greenwich.
struct ShiftedClock {
    LocalClock clock;
    int utcOffsetSeconds = 0;
    std::string refusal;  // the zone's history could not be read
};
ShiftedClock ShiftedClockOf(const Chart& chart, int second);

// The chart `second` seconds of true time from the given birth, computed
// through the one entry from the birth as given, its clock read on the
// zone's clock at that moment (a time shown twice is the reading that
// moment had).
ChartOutcome ComputeShiftedChart(const Chart& chart, int second, const ChartWants& wants = {});

}  // namespace velmora
