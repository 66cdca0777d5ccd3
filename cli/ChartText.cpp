#include "cli/ChartText.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "cli/Ansi.h"
#include "presentation/Phrases.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

constexpr int kUnit = 14;              // rows from the top to the middle
constexpr int kRows = 2 * kUnit + 1;   // two columns a row keeps the diagonals at 45° on a terminal
constexpr int kColumns = 4 * kUnit + 1;

struct Cell {
    std::string glyph = " ";
    std::string_view style;
};

// The glyph of a line through (row, column), empty inside a house.
std::string_view LineGlyph(int y, int x) {
    if (y == 0) return x == 0 ? "┌" : x == kColumns - 1 ? "┐" : "─";
    if (y == kRows - 1) return x == 0 ? "└" : x == kColumns - 1 ? "┘" : "─";
    if (x == 0 || x == kColumns - 1) return "│";
    const bool onDiamond = std::abs(x - 2 * kUnit) + 2 * std::abs(y - kUnit) == 2 * kUnit;
    const bool falling = x == 2 * y || (onDiamond && (y < kUnit) == (x > 2 * kUnit));
    const bool rising = x == kColumns - 1 - 2 * y || (onDiamond && (y < kUnit) == (x < 2 * kUnit));
    if (falling && rising) return "╳";
    if (falling) return "╲";
    if (rising) return "╱";
    return {};
}

// The house 1 … 12 a character inside the square belongs to.
int HouseAt(int y, int x) {
    return NorthHouseAt({static_cast<double>(x) / (kColumns - 1), static_cast<double>(y) / (kRows - 1)});
}

struct Span {
    int row, first, last;  // the inner columns, a blank kept at each end
    int Width() const { return last - first + 1; }
};

std::vector<Span> HouseSpans(int house) {
    std::vector<Span> spans;
    for (int y = 1; y < kRows - 1; ++y) {
        int first = -1, last = -1;
        for (int x = 1; x < kColumns - 1; ++x) {
            if (!LineGlyph(y, x).empty() || HouseAt(y, x) != house) continue;
            if (first < 0) first = x;
            last = x;
        }
        if (first >= 0 && last - first - 1 >= 2) spans.push_back({y, first + 1, last - 1});
    }
    return spans;
}

struct Line {
    std::string text;
    std::vector<std::pair<std::size_t, std::size_t>> arudhaRuns;  // byte ranges in the arudhas' colour
};

// Packs the tokens into lines of the given widths; returns how many fitted.
std::size_t Pack(const std::vector<ChartToken>& tokens, const std::vector<int>& widths, std::vector<Line>& lines) {
    lines.assign(widths.size(), {});
    std::size_t t = 0;
    for (std::size_t l = 0; l < widths.size() && t < tokens.size(); ++l) {
        while (t < tokens.size()) {
            const std::string& text = tokens[t].text;
            const std::size_t width = TerminalWidth(text), used = TerminalWidth(lines[l].text);
            const std::size_t needed = lines[l].text.empty() ? width : used + 1 + width;
            if (needed > static_cast<std::size_t>(widths[l])) break;
            if (!lines[l].text.empty()) lines[l].text += ' ';
            if (tokens[t].arudha) lines[l].arudhaRuns.emplace_back(lines[l].text.size(), text.size());
            lines[l].text += text;
            ++t;
        }
    }
    return t;
}

void Write(std::vector<std::vector<Cell>>& canvas, const Span& span, const std::string& text,
           const std::vector<std::pair<std::size_t, std::size_t>>& arudhaRuns, std::string_view style) {
    // One canvas cell a terminal column: a letter with the marks that stand on it.
    const std::vector<std::string_view> columns = TextColumns(text);
    const int start = span.first + (span.Width() - static_cast<int>(columns.size())) / 2;
    std::size_t byte = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        Cell& cell = canvas[static_cast<std::size_t>(span.row)][static_cast<std::size_t>(start) + i];
        cell.glyph = std::string(columns[i]);
        cell.style = style;
        for (const auto& [at, length] : arudhaRuns)
            if (byte >= at && byte < at + length) cell.style = kBoldBlue;
        byte += columns[i].size();
    }
}

constexpr std::size_t kWidth = 12;     // text columns inside a cell
constexpr std::size_t kMinLines = 4;   // keeps the chart roughly square

struct CellLine {
    std::string text;
    std::string_view style;
};

std::string TrimEnd(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The sign's name over its cell: the three-letter name in English, the
// language's name where it fits beside the number, else its short form.
std::string SignHeading(int sign, const Glossary& glossary) {
    const std::string number = std::to_string(sign + 1);
    const auto at = static_cast<std::size_t>(sign);
    std::string name(glossary.language == Language::English ? glossary.signShort[at] : glossary.signs[at]);
    if (TerminalWidth(name) + 1 + number.size() > kWidth) name = glossary.signShort[at];
    name.append(kWidth - TerminalWidth(name) - number.size(), ' ');
    return name + number;
}

std::vector<CellLine> CellLines(const DiagramCell& cell, const Glossary& glossary) {
    std::vector<CellLine> lines;
    lines.push_back({SignHeading(cell.sign, glossary), kBold});
    for (const DiagramEntry& entry : cell.entries)
        if (!entry.arudha) lines.push_back({TrimEnd(EntryCellLabel(entry, false, true, glossary)), kGreen});
    // Arudha labels side by side, wrapped to the cell.
    std::string line;
    for (const DiagramEntry& entry : cell.entries) {
        if (!entry.arudha) continue;
        const std::string label = EntryLabel(entry);
        if (!line.empty() && line.size() + 1 + label.size() > kWidth) {
            lines.push_back({line, kBoldBlue});
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += label;
    }
    if (!line.empty()) lines.push_back({line, kBoldBlue});
    if (!cell.note.empty()) lines.push_back({cell.note, kBold});
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
        const std::string_view text = FirstColumns(line.text, kWidth);
        AppendStyled(out, text, line.style, ansi);
        out.append(kWidth - TerminalWidth(text), ' ');
    } else {
        out.append(kWidth, ' ');
    }
    out += ' ';
}

std::string DrawSouthIndianChart(const ChartDiagram& diagram, bool ansi, const Glossary& glossary) {
    std::vector<CellLine> cells[4][4];
    for (const DiagramCell& cell : diagram.cells)
        cells[cell.southPlace.row][cell.southPlace.column] = CellLines(cell, glossary);

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

// The tokens of each sign's cell: two-letter names with their marks, then
// the arudha labels.
SignTokens TokensOf(const ChartDiagram& diagram, const Glossary& glossary) {
    SignTokens tokens;
    for (const DiagramCell& cell : diagram.cells)
        for (const DiagramEntry& entry : cell.entries)
            tokens[static_cast<std::size_t>(cell.sign)].push_back({EntryCellLabel(entry, true, true, glossary), entry.arudha});
    for (const DiagramCell& cell : diagram.cells)
        if (!cell.note.empty()) tokens[static_cast<std::size_t>(cell.sign)].push_back({cell.note, false});
    return tokens;
}

}  // namespace

// The legend under a North-Indian chart: what its short names stand for.
std::string NorthLegend(const Glossary& glossary) {
    if (glossary.language == Language::English)
        return "  Su Sun, Mo Moon, Me Mercury, Ve Venus, Ma Mars, Ju Jupiter, Sa Saturn, Ra Rahu, Ke Ketu, As ascendant; (R) "
               "retrograde.\n";
    std::string legend = " ";
    for (int body = 0; body < kBodyCount; ++body) {
        const auto at = static_cast<std::size_t>(body);
        legend.append(" ").append(glossary.pointShort[at]).append(" ").append(glossary.pointNames[at]);
        legend += body + 1 < kBodyCount ? "," : ";";
    }
    return legend.append(" (").append(glossary.retrograde).append(") ").append(Say(glossary.language, "retrograde")).append(".\n");
}

std::string DrawNorthIndianChart(const SignTokens& tokens, int ascendantSign, bool ansi, const Glossary& glossary) {
    std::vector<std::vector<Cell>> canvas(kRows, std::vector<Cell>(kColumns));
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x)
            if (const std::string_view glyph = LineGlyph(y, x); !glyph.empty())
                canvas[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)].glyph = std::string(glyph);

    std::string overflow;
    for (int house = 1; house <= kSignCount; ++house) {
        const int sign = NorthHouseSign(ascendantSign, house);
        const std::vector<ChartToken>& entries = tokens[static_cast<std::size_t>(sign)];
        // The widest rows first, the sign number on the first of them in
        // reading order and the entries packed below it.
        std::vector<Span> spans = HouseSpans(house);
        std::stable_sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.Width() > b.Width(); });
        std::size_t fitted = 0;
        std::vector<Span> chosen;
        std::vector<Line> lines;
        for (std::size_t n = 1; n <= spans.size(); ++n) {
            chosen.assign(spans.begin(), spans.begin() + static_cast<std::ptrdiff_t>(n));
            std::sort(chosen.begin(), chosen.end(), [](const Span& a, const Span& b) { return a.row < b.row; });
            std::vector<int> widths;
            for (std::size_t i = 1; i < chosen.size(); ++i) widths.push_back(chosen[i].Width());
            fitted = Pack(entries, widths, lines);
            if (fitted == entries.size()) break;
        }
        if (chosen.empty()) continue;
        Write(canvas, chosen[0], std::to_string(sign + 1), {}, kBold);
        for (std::size_t i = 0; i < lines.size(); ++i) Write(canvas, chosen[i + 1], lines[i].text, lines[i].arudhaRuns, kGreen);
        if (fitted < entries.size()) {
            overflow += "  " + Say(glossary.language, "House %1 (%2) also holds:",
                                   {std::to_string(house), glossary.signs[static_cast<std::size_t>(sign)]});
            for (std::size_t t = fitted; t < entries.size(); ++t) {
                overflow += ' ';
                overflow += entries[t].text;
            }
            overflow += '\n';
        }
    }

    std::string out;
    for (const std::vector<Cell>& row : canvas) {
        for (const Cell& cell : row) AppendStyled(out, cell.glyph, cell.style, ansi);
        out += '\n';
    }
    out += overflow;
    out += "  " +
           Say(glossary.language,
               "House 1 at the top, the houses running counter-clockwise; the numbers are the signs (1 %1 … 12 %2).",
               {glossary.signs[0], glossary.signs[11]}) +
           "\n";
    out += NorthLegend(glossary);
    return out;
}

std::string DrawChartText(const ChartDiagram& diagram, ChartStyle style, bool ansi, const Glossary& glossary) {
    return style == ChartStyle::North ? DrawNorthIndianChart(TokensOf(diagram, glossary), diagram.ascendantSign, ansi, glossary)
                                      : DrawSouthIndianChart(diagram, ansi, glossary);
}

}  // namespace velmora::cli
