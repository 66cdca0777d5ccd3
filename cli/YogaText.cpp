#include "cli/YogaText.h"

#include "cli/Ansi.h"
#include "presentation/VargaPoints.h"
#include "presentation/Phrases.h"
#include "presentation/YogaLabels.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

// Pads to `width` columns (the English texts here are ASCII: a column a byte).
void Pad(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    if (const std::size_t columns = TerminalWidth(text); columns < width) out.append(width - columns, ' ');
}

}  // namespace

void AppendYogas(std::string& out, const ChartSource& source, bool ansi) {
    const YogaReading r = YogasOf(source.chart, source.yogaVargas);
    for (const YogasInVarga& v : r.vargas) {
        AppendSectionHeading(out, Say(source.language, "Yogas in %1", {VargaLabel(v.varga, source.language)}), ansi);
        const std::vector<YogaRow> rows = YogaRows(v, source.language);
        if (rows.empty()) out.append("  ").append(Say(source.language, "None of the catalogue's yogas.")).append("\n");
        for (const YogaRow& row : rows) {
            std::string line = "  ";
            Pad(line, row.name, 34);
            out += line + row.planets + "  (" + row.source + ")\n";
        }
    }
    AppendSectionHeading(out, Say(source.language, "Doshas"), ansi);
    for (const std::string& line : DoshaLines(r, source.language)) out += "  " + line + "\n";
}

}  // namespace velmora::cli
