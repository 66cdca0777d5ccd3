#pragma once
// The position texts of a chart's points, made from their longitudes: the
// long form "16° 31' 32\" Sag" and the short form "16 Sag 31" (the sign at
// characters 4 to 6), by the same rules as the engine writes them, so a label
// is byte for byte the text the engine gave.

#include <array>
#include <string>

#include "chart/Chart.h"

namespace velmora {

std::string LongPositionText(const ChartPoint& point);
std::string ShortPositionText(const ChartPoint& point);

// The ten texts by body number.
std::array<std::string, kBodyCount> LongPositionTexts(const Chart& chart);
std::array<std::string, kBodyCount> ShortPositionTexts(const Chart& chart);

}  // namespace velmora
