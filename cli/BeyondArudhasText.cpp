#include "cli/BeyondArudhasText.h"

#include <string_view>

#include "cli/Ansi.h"
#include "cli/ChartText.h"
#include "presentation/BhavaPoints.h"
#include "cli/DashaText.h"
#include "presentation/DashaLabels.h"

namespace velmora::cli {

namespace {

void Pad(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    if (text.size() < width) out.append(width - text.size(), ' ');
}

std::string_view LordName(int body) { return kPlainBodyNames[static_cast<std::size_t>(body)]; }

void AppendNakshatras(std::string& out, const Chart& chart, bool ansi) {
    AppendSectionHeading(out, "Nakshatras", ansi);
    for (int i = 0; i < kBodyCount; ++i) {
        const NakshatraPlace& n = chart.nakshatras[static_cast<std::size_t>(i)];
        out += "  ";
        Pad(out, kPointNames[i], 11);
        Pad(out, n.Name(), 19);
        out += "pada " + std::to_string(n.pada) + "   lord ";
        out += LordName(n.lord);
        out += '\n';
    }
}

void AppendNavamsa(std::string& out, const Chart& chart, bool ansi, ChartStyle style) {
    AppendSectionHeading(out, "Navamsa", ansi);
    out += DrawChartText(MakeChartDiagram(NavamsaPoints(chart)), style, ansi);
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

void AppendDasha(std::string& out, const Chart& chart, bool ansi) {
    const VimshottariDasha d = VimshottariPeriods(chart);
    AppendSectionHeading(out,
            "Vimshottari dasha (years of " + std::string(DashaYearDaysText(chart.dashaYear)) +
                " days, dates in the birth's local calendar)",
            ansi);
    const NakshatraPlace& moon = chart.nakshatras[1];
    const int first = d.majors[0].period.lord;
    out += "  Moon in " + std::string(moon.Name()) + ", pada " + std::to_string(moon.pada) + ": " +
           std::string(LordName(first)) + " period, " + YearsMonthsDaysText(d.balanceYears) + " left at birth\n";
    if (d.runningMajor >= 0) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(d.runningMajor)];
        out += "  Running on " + DateText(d.today.At(0)) + ": " +
               std::string(LordName(major.period.lord));
        if (d.runningSub >= 0)
            out += " period, " + std::string(LordName(major.sub[static_cast<std::size_t>(d.runningSub)].lord)) +
                   " sub-period";
        out += " (marked >)\n";
    } else if (d.today.Valid()) {
        out += "  No period of this cycle runs on " + DateText(d.today.At(0)) + "\n";
    }
    out += "  ";
    Pad(out, "Period", 20);
    out += "From        To\n";
    for (int m = 0; m < 9; ++m) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(m)];
        const bool runningMajor = m == d.runningMajor;
        AppendPeriod(out, " ", LordName(major.period.lord), major.period, runningMajor, ansi);
        for (int s = 0; s < 9; ++s) {
            const DashaPeriod& sub = major.sub[static_cast<std::size_t>(s)];
            const std::string name = std::string(LordName(major.period.lord)) + "-" + std::string(LordName(sub.lord));
            AppendPeriod(out, "     ", name, sub, runningMajor && s == d.runningSub, ansi);
        }
    }
}

// The cusps, each point's bhava and the bhava chart, when houses other than
// whole signs were asked for (or Placidus fell back).
void AppendBhavas(std::string& out, const Chart& chart, bool ansi, ChartStyle style) {
    if (chart.mode != ComputationMode::Precise ||
        (chart.houses == HouseSystem::WholeSign && chart.housesNote.empty()))
        return;
    AppendSectionHeading(out, BhavaHeading(chart), ansi);
    if (!chart.housesNote.empty()) out += "  " + chart.housesNote + "\n";
    out += "  ";
    Pad(out, "House", 7);
    Pad(out, "Begins at", 19);
    out += "Points\n";
    for (const BhavaRow& row : BhavaRows(chart)) {
        out += "  ";
        Pad(out, std::to_string(row.house), 7);
        Pad(out, row.cusp, 20);  // the degree sign is two bytes
        out += row.points;
        out += '\n';
    }
    AppendSectionHeading(out, "Bhava chart", ansi);
    out += DrawChartText(MakeChartDiagram(BhavaPoints(chart)), style, ansi);
}

}  // namespace

void AppendBeyondArudhas(std::string& out, const ChartSource& chart, bool ansi, ChartStyle style) {
    AppendNakshatras(out, chart.chart, ansi);
    AppendNavamsa(out, chart.chart, ansi, style);
    AppendDasha(out, chart.chart, ansi);
    AppendBhavas(out, chart.chart, ansi, style);
    AppendDashaSections(out, chart, ansi);
}

}  // namespace velmora::cli
