#pragma once
// How a chart is drawn: South-Indian (the signs in fixed places, Pisces top
// left) or North-Indian (the diamond: the houses in fixed places, the
// ascendant's sign in the top house, the signs running on counter-clockwise).
// The choice is a plain value the program's run owns and hands to every
// window that draws a chart; the command line takes it as --chart-style.

#include <array>
#include <optional>
#include <string_view>

#include "engine/NameTables.h"

namespace velmora {

enum class ChartStyle { South, North };

struct ChartStyleChoice {
    ChartStyle style = ChartStyle::South;
    // Each point's degrees and minutes in its sign written beside it in the
    // birth chart's cells (the window's nakshatra page, print, PDF, images).
    bool cellDegrees = false;
};

inline constexpr std::string_view ChartStyleName(ChartStyle style) {
    return style == ChartStyle::North ? "north" : "south";
}

inline std::optional<ChartStyle> ParseChartStyle(std::string_view text) {
    if (text == "south") return ChartStyle::South;
    if (text == "north") return ChartStyle::North;
    return std::nullopt;
}

// The sign index standing in house 1 … 12 of a North-Indian chart.
inline constexpr int NorthHouseSign(int ascendantSign, int house) { return (ascendantSign + house - 1) % kSignCount; }

// Two-letter names of the ten points where a chart cell is narrow.
inline constexpr std::array<std::string_view, kBodyCount> kBodyAbbreviations = {
    "Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa", "Ra", "Ke", "As"};

}  // namespace velmora
