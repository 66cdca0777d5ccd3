#pragma once
// The North-Indian chart drawn with box characters: the diamond in a square,
// the houses in fixed places (house 1 the top diamond, the others running
// counter-clockwise), the sign number of each house, and the bodies and
// arudhas standing in it under two-letter names.

#include <array>
#include <string>
#include <vector>

#include "engine/NameTables.h"

namespace velmora::cli {

struct ChartToken {
    std::string text;     // "Su", "Me(R)", "AL"
    bool arudha = false;  // drawn in the arudhas' colour
};

using SignTokens = std::array<std::vector<ChartToken>, kSignCount>;

// The diamond, a legend of the names, and a line for any house whose
// entries did not all fit inside it.
std::string DrawNorthIndianChart(const SignTokens& tokens, int ascendantSign, bool ansi);

// The tokens of ten points by sign: two-letter names, "(R)" where the body
// name carries the retrograde mark; then the arudha labels by sign, if any.
SignTokens ChartTokens(const std::array<int, kBodyCount>& bodySigns,
                       const std::array<std::string, kBodyCount + 1>& bodyNames,
                       const std::vector<int>& arudhaSigns);

}  // namespace velmora::cli
