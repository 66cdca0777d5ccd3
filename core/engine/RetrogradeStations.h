#pragma once
// The built-in retrograde periods of Mercury, Venus, Mars, Jupiter and Saturn,
// 1900–2051. Each station keeps its text row "month,day,year,hour,minute,"
// beside the date and time it stands for. The tables themselves live in
// RetrogradeStations.cpp, which tools/stations writes.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/Calendar.h"

namespace velmora {

struct StationRow {
    std::string_view text;  // "month,day,year,hour,minute," without leading zeros
    CivilMoment moment;     // the same, parsed; Universal Time
};

struct RetrogradePeriod {
    StationRow start;  // station retrograde
    StationRow end;    // the following station direct
};

inline constexpr std::size_t kMercuryPeriodCount = 476;
inline constexpr std::size_t kVenusPeriodCount = 95;
inline constexpr std::size_t kMarsPeriodCount = 71;
inline constexpr std::size_t kJupiterPeriodCount = 139;
inline constexpr std::size_t kSaturnPeriodCount = 146;

// In chronological order; each period ends before the next one starts.
extern const std::array<RetrogradePeriod, kMercuryPeriodCount> kMercuryPeriods;
extern const std::array<RetrogradePeriod, kVenusPeriodCount> kVenusPeriods;
extern const std::array<RetrogradePeriod, kMarsPeriodCount> kMarsPeriods;
extern const std::array<RetrogradePeriod, kJupiterPeriodCount> kJupiterPeriods;
extern const std::array<RetrogradePeriod, kSaturnPeriodCount> kSaturnPeriods;

// Reads a row "month,day,year,hour,minute,": five whole numbers without
// leading zeros, each followed by a comma. Anything else, or a field out of
// its range (month 1–12, day 1–31, year 1900–2051, hour 0–23, minute 0–59),
// gives no value.
constexpr std::optional<CivilMoment> ParseStationRow(std::string_view row) {
    struct Field {
        int low;
        int high;
    };
    constexpr std::array<Field, 5> kFields = {{{1, 12}, {1, 31}, {1900, 2051}, {0, 23}, {0, 59}}};
    std::array<int, 5> values{};
    std::size_t pos = 0;
    for (std::size_t f = 0; f < kFields.size(); ++f) {
        const std::size_t comma = row.find(',', pos);
        if (comma == std::string_view::npos || comma == pos || comma - pos > 4) return std::nullopt;
        if (row[pos] == '0' && comma - pos > 1) return std::nullopt;
        int value = 0;
        for (std::size_t i = pos; i < comma; ++i) {
            if (row[i] < '0' || row[i] > '9') return std::nullopt;
            value = value * 10 + (row[i] - '0');
        }
        if (value < kFields[f].low || value > kFields[f].high) return std::nullopt;
        values[f] = value;
        pos = comma + 1;
    }
    if (pos != row.size()) return std::nullopt;
    return CivilMoment{values[2], values[0], values[1], values[3], values[4]};
}

// True when every row's text reads as exactly the date and time stored beside it.
template <std::size_t N>
constexpr bool RowsMatchTheirDates(const std::array<RetrogradePeriod, N>& periods) {
    for (const RetrogradePeriod& period : periods) {
        for (const StationRow* row : {&period.start, &period.end}) {
            const std::optional<CivilMoment> parsed = ParseStationRow(row->text);
            if (!parsed || !(*parsed == row->moment)) return false;
        }
    }
    return true;
}

}  // namespace velmora
