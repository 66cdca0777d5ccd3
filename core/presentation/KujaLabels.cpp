#include "presentation/KujaLabels.h"

#include "chart/MarriageMatch.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

namespace velmora {

namespace {

constexpr int kMoon = 1, kVenus = 3, kAscendant = 9;
constexpr int kReferenceBodies[3] = {kAscendant, kMoon, kVenus};

// The point a reason counts from, as the glossary names it.
std::string_view ReferenceName(std::size_t reference, Language language) {
    return GlossaryOf(language).pointNames[static_cast<std::size_t>(kReferenceBodies[reference])];
}

}  // namespace

std::string KujaSummaryText(const KujaDosha& dosha, Language language) {
    if (language == Language::English) return dosha.summary;
    if (!dosha.present) return std::string(Say(language, "No Mars dosha."));
    std::string counted;
    for (std::size_t r = 0; r < dosha.from.size(); ++r) {
        if (!dosha.from[r].dosha || dosha.from[r].cancelled) continue;
        if (!counted.empty()) counted += ", ";
        counted += ReferenceName(r, language);
    }
    return Say(language, "Mars dosha from %1.", {counted});
}

std::string KujaReasonText(const KujaDosha& dosha, std::size_t reference, Language language) {
    const KujaFrom& f = dosha.from[reference];
    if (language == Language::English) return f.reason;
    // The house a bare number: the phrase gives it its ordinal ending.
    const std::string house = std::to_string(f.house);
    const std::string_view from = ReferenceName(reference, language);
    if (!f.dosha) return Say(language, "Mars is in the %1 from %2: no dosha.", {house, from});
    if (!f.cancelled) return Say(language, "Mars is in the %1 from %2: dosha.", {house, from});
    std::string exception;
    switch (f.exception) {
        case KujaException::HouseSign:
            exception = Say(language, "Mars in the %1 in %2 gives no dosha",
                            {house, GlossaryOf(language).signs[static_cast<std::size_t>(f.marsSign)]});
            break;
        case KujaException::MarsWithJupiter: exception = Say(language, "Mars is with Jupiter"); break;
        case KujaException::MarsWithMoon: exception = Say(language, "Mars is with the Moon"); break;
        case KujaException::VenusInAscendant: exception = Say(language, "Venus is in the ascendant"); break;
        case KujaException::JupiterInAscendant: exception = Say(language, "Jupiter is in the ascendant"); break;
        case KujaException::None: return f.reason;  // cancelled by nothing: not made by FindKujaDosha
    }
    return Say(language, "Mars is in the %1 from %2, but %3: cancelled.", {house, from, exception});
}

std::string PairKujaSummaryText(const MarriageMatch& match, Language language) {
    return std::string(SayIfPhrase(language, match.kujaSummary));
}

}  // namespace velmora
