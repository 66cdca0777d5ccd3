#pragma once
// The written report as data: an ordered list of styled pieces. The result
// window, the plain-text and the JSON renderers all read this one list.

#include <string_view>
#include <vector>

namespace velmora {

enum class ReportColor { Black, DarkRed };  // RGB 0,0,0 and RGB 128,0,0

struct ReportPiece {
    std::string_view text;  // points into the report's constant tables
    bool bold = false;
    ReportColor color = ReportColor::Black;
    int size = 11;          // points
    int breaks = 0;         // line breaks ("\r\n") written after the text

    friend bool operator==(const ReportPiece&, const ReportPiece&) = default;
};

using Report = std::vector<ReportPiece>;

}  // namespace velmora
