#include "cli/BeyondArudhasText.h"

#include <string_view>

#include "cli/Ansi.h"
#include "cli/ChartText.h"
#include "presentation/BhavaPoints.h"
#include "presentation/ChartNotes.h"
#include "cli/DashaText.h"
#include "presentation/DashaLabels.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

// Pads to `width` columns (the English texts here are ASCII: a column a byte).
void Pad(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    if (const std::size_t columns = TerminalWidth(text); columns < width) out.append(width - columns, ' ');
}

std::string_view NameOf(const NakshatraPlace& n, const Glossary& glossary) {
    return glossary.nakshatras[static_cast<std::size_t>(n.index)];
}

void AppendNakshatras(std::string& out, const Chart& chart, bool ansi, const Glossary& glossary) {
    const Language language = glossary.language;
    AppendSectionHeading(out, Say(language, "Nakshatras"), ansi);
    for (int i = 0; i < kBodyCount; ++i) {
        const NakshatraPlace& n = chart.nakshatras[static_cast<std::size_t>(i)];
        out += "  ";
        Pad(out, glossary.pointNames[static_cast<std::size_t>(i)], 11);
        Pad(out, NameOf(n, glossary), 19);
        out.append(Say(language, "pada")).append(" ").append(std::to_string(n.pada)).append("   ").append(Say(language, "lord"));
        out += ' ';
        out += glossary.points[static_cast<std::size_t>(n.lord)];
        out += '\n';
    }
}

void AppendNavamsa(std::string& out, const Chart& chart, bool ansi, ChartStyle style, const Glossary& glossary) {
    AppendSectionHeading(out, glossary.vargas[5], ansi);  // D9, as Varga.cpp lists them
    out += DrawChartText(MakeChartDiagram(NavamsaPoints(chart)), style, ansi, glossary);
}

void AppendPeriod(std::string& out, std::string_view indent, std::string_view name, const DashaPeriod& p,
                  bool running, bool ansi) {
    std::string line(running ? ">" : " ");
    line += indent;
    Pad(line, name, 18);
    line += DateText(p.start) + "  " + DateText(p.end);
    AppendStyled(out, line, running ? kBold : "", ansi);
    out += '\n';
}

void AppendDasha(std::string& out, const Chart& chart, bool ansi, const Glossary& glossary) {
    const Language language = glossary.language;
    const auto lordName = [&glossary](int body) { return std::string(glossary.points[static_cast<std::size_t>(body)]); };
    const VimshottariDasha d = VimshottariPeriods(chart);
    AppendSectionHeading(out,
                         Say(language, "%1 dasha (years of %2 days, dates in the birth's local calendar)",
                             {glossary.dashaSystems[0], DashaYearDaysText(chart.dashaYear)}),
                         ansi);
    const NakshatraPlace& moon = chart.nakshatras[1];
    const int first = d.majors[0].period.lord;
    out += "  " + Say(language, "%1 in %2, pada %3",
                              {glossary.points[1], NameOf(moon, glossary), std::to_string(moon.pada)}) + ": " +
           Say(language, "%1 period", {lordName(first)}) + ", " +
           Say(language, "%1 left at birth", {YearsMonthsDaysLabel(d.balanceYears, language)}) + "\n";
    if (d.runningMajor >= 0) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(d.runningMajor)];
        out += "  " + Say(language, "Running on %1", {DateText(d.today.At(0))}) + ": " +
               (d.runningSub >= 0 ? Say(language, "%1 period", {lordName(major.period.lord)}) + ", " +
                                        Say(language, "%1 sub-period",
                                            {lordName(major.sub[static_cast<std::size_t>(d.runningSub)].lord)})
                                  : lordName(major.period.lord));
        out.append(" ").append(Say(language, "(marked >)")).append("\n");
    } else if (d.today.Valid()) {
        out += "  " + Say(language, "No period of this cycle runs on %1", {DateText(d.today.At(0))}) + "\n";
    }
    out += "  ";
    Pad(out, Say(language, "Period"), 20);
    Pad(out, Say(language, "From"), 12);
    out.append(Say(language, "To")).append("\n");
    for (int m = 0; m < 9; ++m) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(m)];
        const bool runningMajor = m == d.runningMajor;
        AppendPeriod(out, " ", lordName(major.period.lord), major.period, runningMajor, ansi);
        for (int s = 0; s < 9; ++s) {
            const DashaPeriod& sub = major.sub[static_cast<std::size_t>(s)];
            const std::string name = lordName(major.period.lord) + "-" + lordName(sub.lord);
            AppendPeriod(out, "     ", name, sub, runningMajor && s == d.runningSub, ansi);
        }
    }
}

// The cusps, each point's bhava and the bhava chart, when houses other than
// whole signs were asked for (or Placidus fell back).
void AppendBhavas(std::string& out, const Chart& chart, bool ansi, ChartStyle style, const Glossary& glossary) {
    const Language language = glossary.language;
    if (chart.mode != ComputationMode::Precise ||
        (chart.houses == HouseSystem::WholeSign && chart.housesNote.empty()))
        return;
    AppendSectionHeading(out, BhavaHeading(chart, language), ansi);
    if (!chart.housesNote.empty()) out += "  " + HousesNoteIn(chart, language) + "\n";
    out += "  ";
    Pad(out, Say(language, "House"), 7);
    Pad(out, Say(language, "Begins at"), 19);
    out.append(Say(language, "Points")).append("\n");
    for (const BhavaRow& row : BhavaRows(chart, language)) {
        out += "  ";
        Pad(out, std::to_string(row.house), 7);
        Pad(out, row.cusp, 19);
        out += row.points;
        out += '\n';
    }
    AppendSectionHeading(out, Say(language, "Bhava chart"), ansi);
    out += DrawChartText(MakeChartDiagram(BhavaPoints(chart)), style, ansi, glossary);
}

}  // namespace

void AppendBeyondArudhas(std::string& out, const ChartSource& chart, bool ansi, ChartStyle style) {
    const Glossary& glossary = GlossaryOf(chart.language);
    AppendNakshatras(out, chart.chart, ansi, glossary);
    AppendNavamsa(out, chart.chart, ansi, style, glossary);
    AppendDasha(out, chart.chart, ansi, glossary);
    AppendBhavas(out, chart.chart, ansi, style, glossary);
    AppendDashaSections(out, chart, ansi);
}

}  // namespace velmora::cli
