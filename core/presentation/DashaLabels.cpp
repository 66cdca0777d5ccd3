#include "presentation/DashaLabels.h"

#include "engine/NameTables.h"

namespace velmora {

std::string DashaLordLabel(const DashaTimeline& timeline, const DashaNode& node) {
    std::string label(timeline.LordName(node));
    if (timeline.table == &YoginiTable()) {
        label += " (";
        label += kPlainBodyNames[static_cast<std::size_t>(kYoginiPlanets[static_cast<std::size_t>(timeline.Lord(node))])];
        label += ')';
    }
    return label;
}

}  // namespace velmora
