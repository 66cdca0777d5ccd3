#include "presentation/YogaLabels.h"

#include "presentation/Glossary.h"
#include "presentation/KujaLabels.h"
#include "presentation/Phrases.h"
#include "presentation/PointDetailLabels.h"
#include "presentation/YogaNames.h"

namespace velmora {

std::string BodyListText(BodySet planets, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    std::string text;
    for (int b = 0; b < kBodyCount; ++b) {
        if (!(planets & BodyBit(b))) continue;
        if (!text.empty()) text += ", ";
        text += language == Language::English ? PointName(b) : glossary.pointNames[static_cast<std::size_t>(b)];
    }
    return text;
}

std::vector<YogaRow> YogaRows(const YogasInVarga& yogas, Language language) {
    std::vector<YogaRow> rows;
    rows.reserve(yogas.yogas.size());
    for (const YogaFound& f : yogas.yogas) {
        const YogaRule& rule = f.Rule();
        rows.push_back({std::string(YogaName(rule, language)), BodyListText(f.planets, language),
                        std::string(YogaFamilyName(rule.family, language)), std::string(rule.source)});
    }
    return rows;
}

std::string KalaSarpaText(const KalaSarpa& k, Language language) {
    if (language == Language::English) return k.summary;
    if (!k.present) return std::string(Say(language, "No Kala Sarpa: the planets lie on both sides of the nodes."));
    const std::string kind(KalaSarpaKindName(k.rahuHouse, language));
    const std::string house = std::to_string(k.rahuHouse);
    return k.fromRahu ? Say(language, "Kala Sarpa (%1, Rahu in house %2): the seven planets lie from Rahu onwards to Ketu.",
                            {kind, house})
                      : Say(language, "Kala Sarpa (%1, Rahu in house %2): the seven planets lie from Ketu onwards to Rahu.",
                            {kind, house});
}

std::string KemadrumaText(const KemadrumaDosha& k, Language language) {
    if (language == Language::English) return k.summary;
    if (!k.yoga) return Say(language, "No Kemadruma: %1 beside the Moon.", {BodyListText(k.beside, language)});
    if (k.present) return std::string(Say(language, "Kemadruma: no planet in the 2nd or 12th from the Moon, and nothing cancels it."));
    std::string why;
    for (const KemadrumaCancellation& c : k.cancelledBy) {
        if (!why.empty()) why += "; ";
        const std::string planets = BodyListText(c.planets, language);
        switch (c.kind) {
            case KemadrumaCancel::WithMoon: why += Say(language, "%1 with the Moon", {planets}); break;
            case KemadrumaCancel::KendraFromMoon: why += Say(language, "%1 in a kendra from the Moon", {planets}); break;
            case KemadrumaCancel::KendraFromAscendant:
                why += Say(language, "%1 in a kendra from the ascendant", {planets});
                break;
            case KemadrumaCancel::MoonInKendra: why += Say(language, "the Moon in a kendra from the ascendant"); break;
        }
    }
    return Say(language, "Kemadruma cancelled: %1.", {why});
}

std::vector<std::string> DoshaLines(const YogaReading& r, Language language) {
    const auto named = [language](PhraseKey name, const std::string& summary) {
        return std::string(Say(language, name)) + ": " + summary;
    };
    std::vector<std::string> lines;
    lines.push_back(named("Mars dosha", KujaSummaryText(r.kuja, language)));
    for (std::size_t from = 0; from < r.kuja.from.size(); ++from)
        lines.push_back("  " + KujaReasonText(r.kuja, from, language));
    lines.push_back(named("Kala Sarpa", KalaSarpaText(r.kalaSarpa, language)));
    lines.push_back(named("Kemadruma", KemadrumaText(r.kemadruma, language)));
    return lines;
}

}  // namespace velmora
