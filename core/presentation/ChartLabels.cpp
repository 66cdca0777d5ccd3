#include "presentation/ChartLabels.h"

#include "engine/Retrogrades.h"
#include "presentation/ChartStyle.h"

namespace velmora {

std::string BodyLabel(int body, bool retrograde) {
    std::string label(kPlainBodyNames[static_cast<std::size_t>(body)]);
    if (retrograde) label += kRetrogradeMark;
    return label;
}

std::string BodyShortLabel(int body, bool retrograde) {
    std::string label(kBodyAbbreviations[static_cast<std::size_t>(body)]);
    if (retrograde) label += "(R)";
    return label;
}

std::string BodySpokenLabel(int body, bool retrograde, SpokenNames names) {
    std::string label(names == SpokenNames::Full ? kPointNames[static_cast<std::size_t>(body)]
                                                 : kPlainBodyNames[static_cast<std::size_t>(body)]);
    if (retrograde) label += " retrograde";
    return label;
}

}  // namespace velmora
