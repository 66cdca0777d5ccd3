#include "cli/MatchOutput.h"

#include <cmath>

#include "analysis/Nakshatra.h"
#include "cli/JsonDocument.h"
#include "cli/JsonWriter.h"
#include "cli/YogaFields.h"
#include "presentation/Glossary.h"
#include "presentation/KujaLabels.h"
#include "presentation/MatchLabels.h"
#include "presentation/Phrases.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

constexpr int kMoon = 1;

std::string MoonSign(const Chart& chart) {
    return std::string(kSignEnglishNames[static_cast<std::size_t>(PointSigns(chart)[kMoon])]);
}

template <typename W>
void WriteMoon(const Chart& chart, W& w) {
    const NakshatraPlace& n = chart.nakshatras[kMoon];
    w.BeginObject();
    w.Key("name");
    w.TypedText(chart.birth.name);
    w.KeyString("moonSign", MoonSign(chart));
    w.KeyString("nakshatra", n.Name());
    w.KeyInt("pada", n.pada);
    w.EndObject();
}

template <typename W>
void WritePairDosha(const PairDosha& d, const std::string& reason, W& w) {
    w.BeginObject();
    w.KeyBool("present", d.present);
    w.KeyBool("cancelled", d.cancelled);
    w.KeyString("reason", reason);
    w.EndObject();
}

template <typename W>
void WriteMatch(const MarriageMatch& m, const Chart& bride, const Chart& groom, W& w) {
    w.BeginObject();
    w.Key("match");
    w.BeginObject();
    w.KeyString("tradition", kMatchTradition);
    w.Key("bride");
    WriteMoon(bride, w);
    w.Key("groom");
    WriteMoon(groom, w);
    w.Key("kootas");
    w.BeginArray();
    for (std::size_t i = 0; i < m.milan.kootas.size(); ++i) {
        const Koota& k = m.milan.kootas[i];
        w.BeginObject();
        w.KeyString("name", k.name);
        w.KeyDouble("points", k.points);
        w.KeyDouble("max", k.max);
        w.KeyString("reason", KootaReasonText(m.milan, i));
        w.EndObject();
    }
    w.EndArray();
    w.KeyDouble("total", m.milan.total);
    w.KeyInt("max", 36);
    w.Key("doshas");
    w.BeginObject();
    w.Key("nadi");
    WritePairDosha(m.milan.nadi, NadiDoshaText(m.milan), w);
    w.Key("bhakoot");
    WritePairDosha(m.milan.bhakoot, BhakootDoshaText(m.milan), w);
    w.Key("kuja");
    w.BeginObject();
    w.Key("bride");
    WriteKuja(m.brideKuja, w);
    w.Key("groom");
    WriteKuja(m.groomKuja, w);
    w.KeyBool("balanced", m.kujaBalanced);
    w.KeyString("summary", m.kujaSummary);
    w.EndObject();
    w.EndObject();
    w.EndObject();
    w.EndObject();
}

// Padded to `width` terminal columns (the English texts are ASCII: a column
// a byte, and all narrower than their column); a longer translation keeps a
// blank before the next column.
std::string Pad(std::string text, std::size_t width) {
    const std::size_t columns = TerminalWidth(text);
    text.append(columns < width ? width - columns : 1, ' ');
    return text;
}

std::string DoshaLine(PhraseKey name, const std::string& reason, Language language) {
    return (reason.empty() ? Say(language, "%1: none.", {Say(language, name)}) : reason) + "\n";
}

// "Bride: Sita, Moon in Leo, Magha pada 2": the Moon, its sign and its
// nakshatra the glossary's.
std::string PersonLine(PhraseKey role, const Chart& chart, const Glossary& glossary) {
    const Language language = glossary.language;
    const NakshatraPlace& n = chart.nakshatras[kMoon];
    return std::string(Say(language, role)) + ": " + chart.birth.name + ", " +
           Say(language, "%1 in %2",
               {glossary.points[kMoon], glossary.signs[static_cast<std::size_t>(PointSigns(chart)[kMoon])]}) +
           ", " + std::string(glossary.nakshatras[static_cast<std::size_t>(n.index)]) + " " +
           std::string(Say(language, "pada")) + " " + std::to_string(n.pada) + "\n";
}

nlohmann::ordered_json MoonLabels(const Chart& chart, const Glossary& glossary) {
    nlohmann::ordered_json moon = nlohmann::ordered_json::object();
    moon["moonSign"] = glossary.signs[static_cast<std::size_t>(PointSigns(chart)[kMoon])];
    moon["nakshatra"] = glossary.nakshatras[static_cast<std::size_t>(chart.nakshatras[kMoon].index)];
    return moon;
}

nlohmann::ordered_json KujaLabels(const KujaDosha& k, Language language) {
    nlohmann::ordered_json kuja = nlohmann::ordered_json::object(), from = nlohmann::ordered_json::array();
    kuja["summary"] = KujaSummaryText(k, language);
    for (std::size_t r = 0; r < k.from.size(); ++r) from.push_back({{"reason", KujaReasonText(k, r, language)}});
    kuja["from"] = from;
    return kuja;
}

nlohmann::ordered_json MatchLabelsJson(const MarriageMatch& m, const Chart& bride, const Chart& groom,
                                       Language language) {
    const Glossary& glossary = GlossaryOf(language);
    nlohmann::ordered_json labels = nlohmann::ordered_json::object();
    labels["language"] = InfoOf(language).code;
    labels["tradition"] = SayIfPhrase(language, kMatchTradition);
    labels["signs"] = glossary.signs;
    labels["points"] = glossary.pointNames;
    labels["bride"] = MoonLabels(bride, glossary);
    labels["groom"] = MoonLabels(groom, glossary);
    nlohmann::ordered_json kootas = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < m.milan.kootas.size(); ++i)
        kootas.push_back({{"name", glossary.kootas[i]}, {"reason", KootaReasonText(m.milan, i, language)}});
    labels["kootas"] = kootas;
    nlohmann::ordered_json doshas = nlohmann::ordered_json::object();
    doshas["nadi"] = {{"reason", NadiDoshaText(m.milan, language)}};
    doshas["bhakoot"] = {{"reason", BhakootDoshaText(m.milan, language)}};
    doshas["kuja"] = {{"bride", KujaLabels(m.brideKuja, language)},
                      {"groom", KujaLabels(m.groomKuja, language)},
                      {"summary", PairKujaSummaryText(m, language)}};
    labels["doshas"] = doshas;
    return labels;
}

std::string KujaLines(PhraseKey role, const KujaDosha& k, Language language) {
    std::string out = Say(language, "Mars dosha, %1", {Say(language, role)}) + ": " + KujaSummaryText(k, language) + "\n";
    for (std::size_t r = 0; r < k.from.size(); ++r) out += "  " + KujaReasonText(k, r, language) + "\n";
    return out;
}

}  // namespace

std::string PointsText(double points) {
    if (points == std::floor(points)) return std::to_string(static_cast<long long>(points));
    const long long tenths = std::llround(points * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string MatchJsonIndented(const MarriageMatch& match, const Chart& bride, const Chart& groom,
                              std::optional<Language> labels) {
    JsonDocument json;
    WriteMatch(match, bride, groom, json);
    if (!labels) return json.Value().dump(2);
    nlohmann::ordered_json withLabels = json.Value();
    withLabels["labels"] = MatchLabelsJson(match, bride, groom, *labels);
    return withLabels.dump(2);
}

void AppendMatchJson(const MarriageMatch& match, const Chart& bride, const Chart& groom, std::string& out) {
    JsonWriter json(out);
    WriteMatch(match, bride, groom, json);
}

std::string MatchText(const MarriageMatch& m, const Chart& bride, const Chart& groom, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    const auto say = [language](PhraseKey key) { return std::string(Say(language, key)); };
    std::string out = Say(language, "Marriage match: %1", {SayIfPhrase(language, kMatchTradition)}) + "\n";
    out += PersonLine("Bride", bride, glossary);
    out += PersonLine("Groom", groom, glossary);
    out += '\n';
    out += Pad(say("Koota"), 14) + Pad(say("Points|score"), 8) + Pad(say("Max"), 5) + say("Why") + "\n";
    for (std::size_t i = 0; i < m.milan.kootas.size(); ++i) {
        const Koota& k = m.milan.kootas[i];
        const std::string name = language == Language::English ? std::string(k.name) : std::string(glossary.kootas[i]);
        out += Pad(name, 14) + Pad(PointsText(k.points), 8) + Pad(PointsText(k.max), 5) +
               KootaReasonText(m.milan, i, language) + "\n";
    }
    out += Pad(say("Total"), 14) + Pad(PointsText(m.milan.total), 8) + "36\n\n";
    out += DoshaLine("Nadi dosha", NadiDoshaText(m.milan, language), language);
    out += DoshaLine("Bhakoot dosha", BhakootDoshaText(m.milan, language), language);
    out += KujaLines("bride", m.brideKuja, language);
    out += KujaLines("groom", m.groomKuja, language);
    out += PairKujaSummaryText(m, language) + "\n";
    return out;
}

}  // namespace velmora::cli
