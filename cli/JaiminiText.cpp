#include "cli/JaiminiText.h"

#include "cli/Ansi.h"
#include "presentation/Phrases.h"
#include "text/TextWidth.h"
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
    if (const std::size_t columns = TerminalWidth(text); columns < width) out.append(width - columns, ' ');
}

}  // namespace

void AppendPointDetails(std::string& out, const Chart& chart, bool ansi, Language language) {
    AppendSectionHeading(out, Say(language, "Positions in full"), ansi);
    constexpr std::size_t kWidths[] = {11, 14, 13, 19, 6, 9, 16, 12, 14};
    out += "  ";
    for (std::size_t c = 0; c < std::size(kWidths); ++c)
        PadColumns(out, SayIfPhrase(language, kPointDetailHeadings[c]), kWidths[c]);
    out.append(Say(language, "Notes")).append("\n");
    for (const PointDetailRow& r : PointDetailRows(PointDetailsOf(chart), language)) {
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
    const Language language = source.language;
    AppendSectionHeading(out, Say(language, "Jaimini"), ansi);
    const CharaKarakas& chosen = r.Karakas();
    const CharaKarakas& other = r.scheme == KarakaScheme::Eight ? r.karakas7 : r.karakas8;
    for (const CharaKarakas* k : {&chosen, &other}) {
        out.append("  ")
            .append(k->scheme == KarakaScheme::Eight ? Say(language, "Chara karakas, eight (Sun to Saturn and Rahu):")
                                                     : Say(language, "Chara karakas, seven (Sun to Saturn):"))
            .append("\n");
        for (const std::string& line : KarakaLines(*k, language)) out += "    " + line + "\n";
    }
    out += "  " + KarakamsaLine(r, language) + "\n";
    out.append("  ").append(Say(language, "Rashi drishti (the signs each sign aspects):")).append("\n");
    for (const std::string& line : RashiDrishtiLines(r, language)) out += "    " + line + "\n";
    out.append("  ")
        .append(Say(language,
                    "Argala on each house (2nd, 4th, 11th and 5th; obstructed from the 12th, 10th, 3rd and 9th):"))
        .append("\n");
    for (const std::string& line : ArgalaLines(r, language)) out += "    " + line + "\n";
    out.append("  ").append(Say(language, "Arudha padas of every house in every varga:")).append("\n");
    for (int v = 0; v < kVargaCount; ++v) {
        std::string line = "    ";
        PadColumns(line, VargaShortLabel(v), 5);
        out += line + ArudhaLine(r.arudhas[static_cast<std::size_t>(v)], language) + "\n";
    }
}

}  // namespace velmora::cli
