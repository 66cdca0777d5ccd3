#include "presentation/ChartLabels.h"

#include "engine/Retrogrades.h"
#include "presentation/ChartStyle.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

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

std::string BodySpokenLabel(int body, bool retrograde, SpokenNames names, Language language) {
    const auto index = static_cast<std::size_t>(body);
    std::string label;
    if (language == Language::English)
        label = names == SpokenNames::Full ? kPointNames[index] : kPlainBodyNames[index];
    else
        label = names == SpokenNames::Full ? GlossaryOf(language).pointNames[index] : GlossaryOf(language).points[index];
    if (retrograde) label = Say(language, "%1 retrograde", {label});
    return label;
}

}  // namespace velmora
