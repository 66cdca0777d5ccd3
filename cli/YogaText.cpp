#include "cli/YogaText.h"

#include "cli/Ansi.h"
#include "presentation/VargaPoints.h"
#include "presentation/YogaLabels.h"

namespace velmora::cli {

namespace {

void Pad(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    if (text.size() < width) out.append(width - text.size(), ' ');
}

}  // namespace

void AppendYogas(std::string& out, const ChartSource& source, bool ansi) {
    const YogaReading r = YogasOf(source.chart, source.yogaVargas);
    for (const YogasInVarga& v : r.vargas) {
        AppendSectionHeading(out, "Yogas in " + VargaLabel(v.varga), ansi);
        const std::vector<YogaRow> rows = YogaRows(v);
        if (rows.empty()) out += "  None of the catalogue's yogas.\n";
        for (const YogaRow& row : rows) {
            std::string line = "  ";
            Pad(line, row.name, 34);
            out += line + row.planets + "  (" + row.source + ")\n";
        }
    }
    AppendSectionHeading(out, "Doshas", ansi);
    for (const std::string& line : DoshaLines(r)) out += "  " + line + "\n";
}

}  // namespace velmora::cli
