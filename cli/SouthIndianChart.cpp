#include "cli/SouthIndianChart.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "presentation/SouthIndianGrid.h"
#include "cli/Ansi.h"

namespace velmora::cli {

namespace {

constexpr std::size_t kWidth = 12;     // text columns inside a cell
constexpr std::size_t kMinLines = 4;   // keeps the chart roughly square

constexpr const GridPlace (&kPlaces)[kSignCount] = kSouthIndianGrid;

struct CellLine {
    std::string text;
    std::string_view style;
};

// The entries of a caption: each is preceded by "\r\n".
std::vector<std::string_view> CaptionEntries(std::string_view caption) {
    std::vector<std::string_view> entries;
    std::size_t at = 0;
    while (at <= caption.size()) {
        const auto next = caption.find("\r\n", at);
        std::string_view entry = caption.substr(at, next == std::string_view::npos ? next : next - at);
        while (!entry.empty() && entry.back() == ' ') entry.remove_suffix(1);
        if (!entry.empty()) entries.push_back(entry);
        if (next == std::string_view::npos) break;
        at = next + 2;
    }
    return entries;
}

std::vector<CellLine> CellLines(int sign, std::string_view bodies, std::string_view arudhas) {
    std::vector<CellLine> lines;
    std::string header(kSignNames[sign]);
    const std::string number = std::to_string(sign + 1);
    header.append(kWidth - header.size() - number.size(), ' ');
    header += number;
    lines.push_back({header, kBold});
    for (std::string_view body : CaptionEntries(bodies)) lines.push_back({std::string(body), kGreen});
    // Arudha labels side by side, wrapped to the cell.
    std::string line;
    for (std::string_view label : CaptionEntries(arudhas)) {
        if (!line.empty() && line.size() + 1 + label.size() > kWidth) {
            lines.push_back({line, kBoldBlue});
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += label;
    }
    if (!line.empty()) lines.push_back({line, kBoldBlue});
    return lines;
}

std::string Repeat(std::string_view piece, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += piece;
    return out;
}

void AppendCell(std::string& out, const std::vector<CellLine>& lines, std::size_t index, bool ansi) {
    out += ' ';
    if (index < lines.size()) {
        const CellLine& line = lines[index];
        const std::string_view text = std::string_view(line.text).substr(0, kWidth);
        AppendStyled(out, text, line.style, ansi);
        out.append(kWidth - text.size(), ' ');
    } else {
        out.append(kWidth, ' ');
    }
    out += ' ';
}

}  // namespace

std::string DrawSouthIndianChart(const std::array<std::string, kSignCount>& signBoxes,
                                 const ArudhaCaptions& arudhas, bool ansi) {
    std::vector<CellLine> cells[4][4];
    for (int sign = 0; sign < kSignCount; ++sign) {
        const GridPlace p = kPlaces[sign];
        cells[p.row][p.column] = CellLines(sign, signBoxes[sign], arudhas[sign]);
    }

    const std::string bar = Repeat("─", kWidth + 2);
    const std::string centre(2 * (kWidth + 2) + 1, ' ');
    const std::string rules[5] = {
        "┌" + bar + "┬" + bar + "┬" + bar + "┬" + bar + "┐\n",
        "├" + bar + "┼" + bar + "┴" + bar + "┼" + bar + "┤\n",
        "├" + bar + "┤" + centre + "├" + bar + "┤\n",
        "├" + bar + "┼" + bar + "┬" + bar + "┼" + bar + "┤\n",
        "└" + bar + "┴" + bar + "┴" + bar + "┴" + bar + "┘\n",
    };

    std::string out = rules[0];
    for (int row = 0; row < 4; ++row) {
        const bool middle = row == 1 || row == 2;
        std::size_t height = kMinLines;
        for (int column = 0; column < 4; ++column) height = std::max(height, cells[row][column].size());
        for (std::size_t i = 0; i < height; ++i) {
            out += "│";
            for (int column = 0; column < 4; ++column) {
                if (middle && column == 1) {
                    out += centre;
                    out += "│";
                    continue;
                }
                if (middle && column == 2) continue;
                AppendCell(out, cells[row][column], i, ansi);
                out += "│";
            }
            out += '\n';
        }
        out += rules[row + 1];
    }
    return out;
}

}  // namespace velmora::cli
