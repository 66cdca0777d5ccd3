#include "presentation/YogaLabels.h"

#include "presentation/Glossary.h"
#include "presentation/Phrases.h"
#include "presentation/PointDetailLabels.h"

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
        rows.push_back({std::string(rule.name), BodyListText(f.planets, language), std::string(YogaFamilyName(rule.family)),
                        std::string(rule.source)});
    }
    return rows;
}

std::vector<std::string> DoshaLines(const YogaReading& r, Language language) {
    const auto named = [language](PhraseKey name, const std::string& summary) {
        return std::string(Say(language, name)) + ": " + summary;
    };
    std::vector<std::string> lines;
    lines.push_back(named("Mars dosha", r.kuja.summary));
    for (const KujaFrom& f : r.kuja.from) lines.push_back("  " + f.reason);
    lines.push_back(named("Kala Sarpa", r.kalaSarpa.summary));
    lines.push_back(named("Kemadruma", r.kemadruma.summary));
    return lines;
}

}  // namespace velmora
