#include "cli/DashaText.h"

#include <algorithm>

#include "analysis/Vimshottari.h"
#include "cli/Ansi.h"
#include "cli/ChartFields.h"
#include "presentation/DashaLabels.h"

namespace velmora::cli {

namespace {

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string Dates(const DashaNode& node) {
    return DateTimeText(DashaMoment(node.start)) + "  " + DateTimeText(DashaMoment(node.end));
}

std::string TodayText(const DashaTimeline& t) { return DateText(t.today.At(0)); }

// The periods running on the day, one level a line.
void AppendRunningPath(std::string& out, const DashaTimeline& t, int levels) {
    if (t.runningLevels == 0) {
        if (t.today.Valid()) out += "  No period runs on " + TodayText(t) + "\n";
        return;
    }
    out += "  Running on " + TodayText(t) + ":\n";
    for (int level = 0; level < std::min(levels, t.runningLevels); ++level) {
        const DashaNode& node = t.running[static_cast<std::size_t>(level)];
        out += "    " + Padded(std::string(kDashaLevelNames[static_cast<std::size_t>(level)]), 18) +
               Padded(DashaLordLabel(t, node), 18) + Dates(node) + "\n";
    }
}

void AppendPeriods(std::string& out, const DashaTimeline& t, const DashaNode& node, int level, int levels,
                   bool ansi) {
    const bool running = t.Running(node, level);
    std::string line(running ? ">" : " ");
    line += std::string(static_cast<std::size_t>(level) * 2, ' ');
    line += Padded(DashaLordLabel(t, node), 24 - static_cast<std::size_t>(level) * 2) + Dates(node);
    AppendStyled(out, line, running ? kBold : "", ansi);
    out += '\n';
    if (level < levels)
        for (const DashaNode& child : SubPeriods(t, node)) AppendPeriods(out, t, child, level + 1, levels, ansi);
}

void AppendSystem(std::string& out, const ChartSource& s, const DashaTimeline& t, bool ansi) {
    if (!t.Computed()) return;
    AppendSectionHeading(out,
            std::string(t.table->name) + " dasha (years of " + std::string(DashaYearDaysText(s.chart.dashaYear)) +
                " days, dates in the birth's local calendar)",
            ansi);
    out += "  " + DashaStartLine(t) + "\n";
    const int levels = std::min(s.dashaLevels, t.table->levels);
    AppendRunningPath(out, t, levels);
    // The table to two levels at most, as the Vimshottari one; the path above goes deeper.
    for (const DashaNode& major : t.Majors()) AppendPeriods(out, t, major, 1, std::min(levels, 2), ansi);
}

}  // namespace

void AppendDashaSections(std::string& out, const ChartSource& s, bool ansi) {
    const DashaTimeline& v = s.chart.Dasha(DashaSystem::Vimshottari);
    if (s.dashaLevels > 2 && v.Computed()) {
        AppendSectionHeading(out, "Vimshottari dasha to " + std::to_string(s.dashaLevels) + " levels", ansi);
        AppendRunningPath(out, v, s.dashaLevels);
    }
    for (const DashaSystemKeyRow& row : kDashaSystemKeys)
        if (s.dashas.Has(row.system)) AppendSystem(out, s, s.chart.Dasha(row.system), ansi);
}

}  // namespace velmora::cli
