#include "cli/VargaText.h"

#include "cli/Ansi.h"
#include "cli/ChartText.h"
#include "presentation/VargaPoints.h"

namespace velmora::cli {

std::string VargaChartText(const Chart& chart, int varga, ChartStyle style, bool ansi, Language language) {
    std::string out;
    AppendStyled(out, VargaLabel(varga, language), kBold, ansi);
    out += '\n';
    out += DrawChartText(MakeChartDiagram(VargaPoints(chart, varga)), style, ansi, GlossaryOf(language));
    return out;
}

}  // namespace velmora::cli
