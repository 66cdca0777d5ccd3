#include "cli/JaiminiText.h"

#include "cli/Ansi.h"
#include "cli/ChartText.h"
#include "chart/JaiminiReading.h"
#include "chart/PointDetails.h"
#include "presentation/PointDetailLabels.h"
#include "presentation/VargaPoints.h"

namespace velmora::cli {

namespace {

// Pads to `width` columns: every character of these texts takes one column,
// whatever its bytes ("°", "′").
void PadColumns(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    std::size_t columns = 0;
    for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    if (columns < width) out.append(width - columns, ' ');
}

}  // namespace

void AppendPointDetails(std::string& out, const Chart& chart, bool ansi) {
    AppendSectionHeading(out, "Positions in full", ansi);
    constexpr std::size_t kWidths[] = {11, 14, 13, 19, 6, 9, 16, 12, 14};
    out += "  ";
    for (std::size_t c = 0; c < std::size(kWidths); ++c) PadColumns(out, kPointDetailHeadings[c], kWidths[c]);
    out += "Notes\n";
    for (const PointDetailRow& r : PointDetailRows(PointDetailsOf(chart))) {
        const std::string_view cells[] = {r.point, r.longitude, r.sign,   r.nakshatra, r.pada,
                                          r.lord,  r.speed,     r.motion, r.dignity};
        std::string line = "  ";
        for (std::size_t c = 0; c < std::size(kWidths); ++c) PadColumns(line, cells[c], kWidths[c]);
        std::string notes = r.combust;
        if (!r.war.empty()) notes += (notes.empty() ? "" : "; ") + r.war;
        line += notes;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    if (chart.mode == ComputationMode::Classic) out += "  Speeds: the classic engine computes none.\n";
}

void AppendJaimini(std::string& out, const ChartSource& source, bool ansi) {
    const JaiminiReading r = JaiminiOf(source.chart, source.karakaScheme);
    AppendSectionHeading(out, "Jaimini", ansi);
    const CharaKarakas& chosen = r.Karakas();
    const CharaKarakas& other = r.scheme == KarakaScheme::Eight ? r.karakas7 : r.karakas8;
    for (const CharaKarakas* k : {&chosen, &other}) {
        out += k->scheme == KarakaScheme::Eight ? "  Chara karakas, eight (Sun to Saturn and Rahu):\n"
                                                : "  Chara karakas, seven (Sun to Saturn):\n";
        for (const std::string& line : KarakaLines(*k)) out += "    " + line + "\n";
    }
    out += "  " + KarakamsaLine(r) + "\n";
    out += "  Rashi drishti (the signs each sign aspects):\n";
    for (const std::string& line : RashiDrishtiLines(r)) out += "    " + line + "\n";
    out += "  Argala on each house (2nd, 4th, 11th and 5th; obstructed from the 12th, 10th, 3rd and 9th):\n";
    for (const std::string& line : ArgalaLines(r)) out += "    " + line + "\n";
    out += "  Arudha padas of every house in every varga:\n";
    for (int v = 0; v < kVargaCount; ++v) {
        std::string line = "    ";
        PadColumns(line, VargaShortLabel(v), 5);
        out += line + ArudhaLine(r.arudhas[static_cast<std::size_t>(v)]) + "\n";
    }
}

}  // namespace velmora::cli
