#pragma once
// A chart drawn with box characters, in either style, from its diagram:
//
// South-Indian: twelve fixed sign cells round an empty centre, Pisces top
// left and the signs running clockwise from the second cell of the top row,
// as in the result window. Each cell shows the sign and its number, its
// bodies one per line, then its arudha labels side by side.
//
// North-Indian: the diamond in a square, the houses in fixed places (house 1
// the top diamond, the others running counter-clockwise), the sign number of
// each house, and the bodies and arudhas standing in it under two-letter
// names; a legend of the names and a line for any house whose entries did
// not all fit inside it.

#include <array>
#include <string>
#include <vector>

#include "engine/NameTables.h"
#include "presentation/ChartDiagram.h"
#include "presentation/ChartStyle.h"
#include "presentation/Glossary.h"

namespace velmora::cli {

// The signs and bodies are named in the glossary's language (English by
// default); the cells are laid out in terminal columns (TerminalWidth).
std::string DrawChartText(const ChartDiagram& diagram, ChartStyle style, bool ansi,
                          const Glossary& glossary = GlossaryOf(Language::English));

// The North-Indian drawing of any tokens by sign.
struct ChartToken {
    std::string text;     // "Su", "Me(R)", "AL"
    bool arudha = false;  // drawn in the arudhas' colour
};
using SignTokens = std::array<std::vector<ChartToken>, kSignCount>;
std::string DrawNorthIndianChart(const SignTokens& tokens, int ascendantSign, bool ansi,
                                 const Glossary& glossary = GlossaryOf(Language::English));

}  // namespace velmora::cli
