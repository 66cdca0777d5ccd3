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

VimshottariDasha VimshottariPeriods(const Chart& chart) {
    const DashaTimeline& timeline = chart.Dasha(DashaSystem::Vimshottari);
    if (!timeline.Computed()) return {};
    VimshottariDasha dasha = VimshottariFromTimeline(timeline, DashaYearOf(chart.dashaYear).days);
    MarkRunning(dasha, timeline.today);
    return dasha;
}

}  // namespace velmora
