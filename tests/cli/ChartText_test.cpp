#include "cli/ChartText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace velmora::cli {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Columns a line takes on a terminal: every UTF-8 sequence counts one.
std::size_t Columns(const std::string& line) {
    std::size_t columns = 0;
    for (unsigned char c : line) columns += (c & 0xC0) != 0x80;
    return columns;
}

// Glyphs [from, to) of a line, each UTF-8 sequence one glyph.
std::string Glyphs(const std::string& line, std::size_t from, std::size_t to) {
    std::string out;
    std::size_t glyph = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if ((c & 0xC0) != 0x80 && i > 0) ++glyph;
        if (glyph >= from && glyph < to) out += line[i];
    }
    return out;
}

// A chart with nothing placed yet: bodies stand nowhere, no arudhas.
PlacedPoints NothingPlaced() {
    PlacedPoints points;
    points.signs.fill(-1);
    return points;
}

std::string South(const PlacedPoints& points, bool ansi = false) {
    return DrawChartText(MakeChartDiagram(points), ChartStyle::South, ansi);
}

// The sign names in the order their headers appear on one line of the drawing.
std::vector<std::string> SignsOnLine(const std::string& line) {
    std::vector<std::string> found;
    for (std::size_t at = 0; at < line.size(); ++at) {
        for (std::string_view sign : kSignNames) {
            if (line.compare(at, sign.size(), sign) == 0) found.emplace_back(sign);
        }
    }
    return found;
}

TEST(SouthIndianChart, SignsStandInTheirCellsClockwiseFromPisces) {
    const std::vector<std::string> lines = Lines(South(NothingPlaced()));
    std::vector<std::vector<std::string>> headerRows;
    for (const std::string& line : lines) {
        auto signs = SignsOnLine(line);
        if (!signs.empty()) headerRows.push_back(signs);
    }
    ASSERT_EQ(headerRows.size(), 4u);
    EXPECT_EQ(headerRows[0], (std::vector<std::string>{"Pis", "Ari", "Tau", "Gem"}));
    EXPECT_EQ(headerRows[1], (std::vector<std::string>{"Aqu", "Can"}));
    EXPECT_EQ(headerRows[2], (std::vector<std::string>{"Cap", "Leo"}));
    EXPECT_EQ(headerRows[3], (std::vector<std::string>{"Sag", "Sco", "Lib", "Vir"}));
    EXPECT_NE(lines[1].find("Pis       12 │ Ari        1 │"), std::string::npos);
}

TEST(SouthIndianChart, BodiesThenArudhasInTheirSignsAndEveryLineEquallyWide) {
    PlacedPoints points = NothingPlaced();
    points.signs = {4, 11, 4, 11, 11, 11, 11, 11, -1, -1};  // Sun, Mercury in Leo; six bodies in Pisces
    points.retrograde[2] = true;                              // Mercury
    points.retrograde[3] = true;                              // Venus
    points.arudhaSigns = {4, 8, 8, 8, 8, 8, 4, 8, 8, 8, 8, 8};  // AL, A7 in Leo; the rest in Sagittarius (wraps)
    const std::vector<std::string> lines = Lines(South(points));
    for (const std::string& line : lines) EXPECT_EQ(Columns(line), Columns(lines[0])) << line;

    // The right-hand and left-hand columns of cells, one text line per drawn line.
    std::string right, left;
    for (const std::string& line : lines) {
        const std::size_t width = Columns(line);
        right += Glyphs(line, width - 16, width) + "\n";
        left += Glyphs(line, 0, 16) + "\n";
    }
    EXPECT_NE(right.find("│ Leo        5 │\n│ Sun          │\n│ Mercury (R)  │\n│ AL A7        │\n"),
              std::string::npos)
        << right;
    EXPECT_NE(left.find("│ Sag        9 │\n│ A2 A3 A4 A5  │\n│ A6 A8 A9 A10 │\n│ A11 A12      │\n└"),
              std::string::npos)
        << left;
    // Pisces' six bodies make its row taller: all six and Jupiter are shown.
    const std::string all = South(points);
    EXPECT_NE(all.find("│ Jupiter      │"), std::string::npos);
}

TEST(SouthIndianChart, ColoursOnlyWhenAsked) {
    PlacedPoints points = NothingPlaced();
    points.signs[9] = 0;  // the ascendant in Aries
    points.arudhaSigns = {0};
    EXPECT_EQ(South(points).find('\x1b'), std::string::npos);
    const std::string styled = South(points, true);
    EXPECT_NE(styled.find("\x1b[32mAsc\x1b[0m"), std::string::npos);
    EXPECT_NE(styled.find("\x1b[1;34mAL\x1b[0m"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli
