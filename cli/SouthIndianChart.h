#pragma once
// The South-Indian chart drawn with box characters: twelve fixed sign cells
// round an empty centre, Pisces top left and the signs running clockwise from
// the second cell of the top row, as in the result window.

#include <array>
#include <string>

#include "analysis/GrahaArudha.h"
#include "engine/NameTables.h"

namespace velmora::cli {

// `signBoxes` and `arudhas` are the result form's captions by sign index
// ("\r\nSun\r\nMercury (R) ", "\r\nAL\r\nA7"). Each cell shows the sign and
// its number, its bodies one per line, then its arudha labels.
std::string DrawSouthIndianChart(const std::array<std::string, kSignCount>& signBoxes,
                                 const ArudhaCaptions& arudhas, bool ansi);

}  // namespace velmora::cli
