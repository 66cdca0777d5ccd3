#include "cli/DashaText.h"

#include <algorithm>

#include "analysis/Vimshottari.h"
#include "cli/Ansi.h"
#include "cli/ChartFields.h"
#include "presentation/DashaLabels.h"
#include "presentation/Phrases.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

// Padded to `width` columns (the English texts here are ASCII: a column a byte).
std::string Padded(std::string text, std::size_t width) {
    if (const std::size_t columns = TerminalWidth(text); columns < width) text.append(width - columns, ' ');
    return text;
}

std::string Dates(const DashaNode& node) {
    return DateTimeText(DashaMoment(node.start)) + "  " + DateTimeText(DashaMoment(node.end));
}

std::string TodayText(const DashaTimeline& t) { return DateText(t.today.At(0)); }

// The periods running on the day, one level a line.
void AppendRunningPath(std::string& out, const DashaTimeline& t, int levels, Language language) {
    if (t.runningLevels == 0) {
        if (t.today.Valid()) out += "  " + Say(language, "No period runs on %1", {TodayText(t)}) + "\n";
        return;
    }
    out += "  " + Say(language, "Running on %1", {TodayText(t)}) + ":\n";
    for (int level = 0; level < std::min(levels, t.runningLevels); ++level) {
        const DashaNode& node = t.running[static_cast<std::size_t>(level)];
        out += "    " + Padded(std::string(SayIfPhrase(language, kDashaLevelNames[static_cast<std::size_t>(level)])), 18) +
               Padded(DashaLordLabel(t, node, language), 18) + Dates(node) + "\n";
    }
}

void AppendPeriods(std::string& out, const DashaTimeline& t, const DashaNode& node, int level, int levels,
                   bool ansi, Language language) {
    const bool running = t.Running(node, level);
    std::string line(running ? ">" : " ");
    line += std::string(static_cast<std::size_t>(level) * 2, ' ');
    line += Padded(DashaLordLabel(t, node, language), 24 - static_cast<std::size_t>(level) * 2) + Dates(node);
    AppendStyled(out, line, running ? kBold : "", ansi);
    out += '\n';
    if (level < levels)
        for (const DashaNode& child : SubPeriods(t, node)) AppendPeriods(out, t, child, level + 1, levels, ansi, language);
}

void AppendSystem(std::string& out, const ChartSource& s, const DashaTimeline& t, bool ansi) {
    if (!t.Computed()) return;
    const Language language = s.language;
    AppendSectionHeading(out,
                         Say(language, "%1 dasha (years of %2 days, dates in the birth's local calendar)",
                             {DashaSystemLabel(t.table->name, language), DashaYearDaysText(s.chart.dashaYear)}),
                         ansi);
    out += "  " + DashaStartLine(t, language) + "\n";
    const int levels = std::min(s.dashaLevels, t.table->levels);
    AppendRunningPath(out, t, levels, language);
    // The table to two levels at most, as the Vimshottari one; the path above goes deeper.
    for (const DashaNode& major : t.Majors()) AppendPeriods(out, t, major, 1, std::min(levels, 2), ansi, language);
}

}  // namespace

void AppendDashaSections(std::string& out, const ChartSource& s, bool ansi) {
    const DashaTimeline& v = s.chart.Dasha(DashaSystem::Vimshottari);
    if (s.dashaLevels > 2 && v.Computed()) {
        AppendSectionHeading(out,
                             Say(s.language, "%1 dasha to %2 levels",
                                 {DashaSystemLabel("Vimshottari", s.language), std::to_string(s.dashaLevels)}),
                             ansi);
        AppendRunningPath(out, v, s.dashaLevels, s.language);
    }
    for (const DashaSystemKeyRow& row : kDashaSystemKeys)
        if (s.dashas.Has(row.system)) AppendSystem(out, s, s.chart.Dasha(row.system), ansi);
}

}  // namespace velmora::cli
