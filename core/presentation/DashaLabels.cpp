#include "presentation/DashaLabels.h"

#include "engine/NameTables.h"

namespace velmora {

std::string DashaLordLabel(const DashaTimeline& timeline, const DashaNode& node) {
    std::string label(timeline.LordName(node));
    if (timeline.table->lordPlanet) {
        label += " (";
        label += kPlainBodyNames[static_cast<std::size_t>(timeline.table->lordPlanet(timeline.Lord(node)))];
        label += ')';
    }
    return label;
}

std::string DashaStartLine(const DashaTimeline& t) {
    if (!t.Computed() || t.majorCount == 0) return {};
    if (!t.table->SignDasha())
        return DashaLordLabel(t, t.majors[0]) + " period, " + YearsMonthsDaysText(t.balanceYears) + " left at birth";
    std::string line(t.table->method);
    line += ": from ";
    line += kSignEnglishNames[static_cast<std::size_t>(t.plan.seed)];
    line += t.plan.forward ? ", the signs forward" : ", the signs backward";
    line += ", the first period from birth in full";
    return line;
}

VimshottariDasha VimshottariPeriods(const Chart& chart) {
    const DashaTimeline& timeline = chart.Dasha(DashaSystem::Vimshottari);
    if (!timeline.Computed()) return {};
    VimshottariDasha dasha = VimshottariFromTimeline(timeline, DashaYearOf(chart.dashaYear).days);
    MarkRunning(dasha, timeline.today);
    return dasha;
}

}  // namespace velmora
