#pragma once
// The Vedic day a moment falls in at a chart's place: from a sunrise to the
// next day's beginning, taking the weekday of the sunrise's date; on a date
// the Sun does not rise (the midnight sun or the polar night) the day begins
// at local midnight on the chart's clock. The panchanga's weekday and the
// strengths' day and night, hours, months and years are reckoned by it.

#include <optional>
#include <string>
#include <string_view>

#include "chart/Chart.h"
#include "ephemeris/SunriseSunset.h"

namespace velmora {

// What a day begins (and ends) with: its sunrise, or local midnight (on the
// birth's clock) on a date the Sun does not rise.
enum class DayBoundary { Sunrise, Midnight };
inline constexpr std::string_view DayBoundaryName(DayBoundary b) {
    return b == DayBoundary::Sunrise ? "sunrise" : "midnight";
}

struct VedicDay {
    long long date = 0;  // the Julian Day Number of the date whose weekday the day takes
    double start = 0, end = 0;  // Julian Dates in Universal Time
    DayBoundary begins = DayBoundary::Sunrise, ends = DayBoundary::Sunrise;
    // Within the day; none where the Sun does not rise (set) in it.
    std::optional<double> sunrise, sunset;
    int Weekday() const { return static_cast<int>((date + 1) % 7); }  // 0 Sunday … 6 Saturday
};

// How the sunrises and sunsets are found: by the library's own search
// (swe_rise_trans; slow beyond some 60° of latitude), or by the program's
// (SunEventsWithin: one search over the three days around the moment, the
// same moments to a second below 60°, to some seconds where the
// Sun grazes the horizon).
enum class SunSearch { Library, Program };

// The Vedic day at the chart's place holding the Universal Time `jdUT`;
// none where the library fails, `error` then saying why.
std::optional<VedicDay> VedicDayAt(const Chart& chart, double jdUT, SunriseConvention convention,
                                   const std::string& dataDirectory, std::string& error,
                                   SunSearch search = SunSearch::Library);

// Local midnight on the chart's clock at the start of the day numbered `day`
// (a Julian Day Number), as a Julian Date in Universal Time.
double LocalMidnight(const Chart& chart, long long day);

}  // namespace velmora
