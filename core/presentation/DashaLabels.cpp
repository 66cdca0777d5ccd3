#include "presentation/DashaLabels.h"

#include "engine/NameTables.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

namespace velmora {

std::string DashaLordLabel(const DashaTimeline& timeline, const DashaNode& node, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    const int lord = timeline.Lord(node);
    // The lords by the glossary: signs for a sign dasha, planets for a
    // nakshatra dasha; the yoginis keep their own names.
    std::string label(language == Language::English  ? timeline.LordName(node)
                      : timeline.table->SignDasha()  ? glossary.signs[static_cast<std::size_t>(lord)]
                      : timeline.table->lordPlanet ? timeline.LordName(node)
                                                     : glossary.points[static_cast<std::size_t>(lord)]);
    if (timeline.table->lordPlanet) {
        label += " (";
        label += glossary.points[static_cast<std::size_t>(timeline.table->lordPlanet(lord))];
        label += ')';
    }
    return label;
}

std::string YearsMonthsDaysLabel(double years, Language language) {
    if (language == Language::English) return YearsMonthsDaysText(years);
    const YearsMonthsDays s = SplitYears(years);
    return Say(language, "%1 years %2 months %3 days",
               {std::to_string(s.years), std::to_string(s.months), std::to_string(s.days)});
}

std::string DashaStartLine(const DashaTimeline& t, Language language) {
    if (!t.Computed() || t.majorCount == 0) return {};
    if (!t.table->SignDasha())
        return Say(language, "%1 period", {DashaLordLabel(t, t.majors[0], language)}) + ", " +
               Say(language, "%1 left at birth", {YearsMonthsDaysLabel(t.balanceYears, language)});
    const std::string_view method = SayIfPhrase(language, t.table->method);
    const std::string_view seed = GlossaryOf(language).signs[static_cast<std::size_t>(t.plan.seed)];
    return t.plan.forward
               ? Say(language, "%1: from %2, the signs forward, the first period from birth in full", {method, seed})
               : Say(language, "%1: from %2, the signs backward, the first period from birth in full", {method, seed});
}

std::string_view DashaSystemLabel(std::string_view englishName, Language language) {
    const Glossary& english = GlossaryOf(Language::English);
    for (std::size_t i = 0; i < english.dashaSystems.size(); ++i)
        if (english.dashaSystems[i] == englishName) return GlossaryOf(language).dashaSystems[i];
    return englishName;
}

VimshottariDasha VimshottariPeriods(const Chart& chart) {
    const DashaTimeline& timeline = chart.Dasha(DashaSystem::Vimshottari);
    if (!timeline.Computed()) return {};
    VimshottariDasha dasha = VimshottariFromTimeline(timeline, DashaYearOf(chart.dashaYear).days);
    MarkRunning(dasha, timeline.today);
    return dasha;
}

}  // namespace velmora
