#include "cli/MatchOutput.h"

#include <cmath>

#include "analysis/Nakshatra.h"
#include "cli/JsonDocument.h"
#include "cli/JsonWriter.h"
#include "cli/YogaFields.h"

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
void WritePairDosha(const PairDosha& d, W& w) {
    w.BeginObject();
    w.KeyBool("present", d.present);
    w.KeyBool("cancelled", d.cancelled);
    w.KeyString("reason", d.reason);
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
    for (const Koota& k : m.milan.kootas) {
        w.BeginObject();
        w.KeyString("name", k.name);
        w.KeyDouble("points", k.points);
        w.KeyDouble("max", k.max);
        w.KeyString("reason", k.reason);
        w.EndObject();
    }
    w.EndArray();
    w.KeyDouble("total", m.milan.total);
    w.KeyInt("max", 36);
    w.Key("doshas");
    w.BeginObject();
    w.Key("nadi");
    WritePairDosha(m.milan.nadi, w);
    w.Key("bhakoot");
    WritePairDosha(m.milan.bhakoot, w);
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

std::string Pad(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string DoshaLine(std::string_view name, const PairDosha& d) {
    return (d.present ? d.reason : std::string(name) + ": none.") + "\n";
}

std::string PersonLine(std::string_view role, const Chart& chart) {
    const NakshatraPlace& n = chart.nakshatras[kMoon];
    return std::string(role) + ": " + chart.birth.name + ", Moon in " + MoonSign(chart) + ", " +
           std::string(n.Name()) + " pada " + std::to_string(n.pada) + "\n";
}

std::string KujaLines(std::string_view role, const KujaDosha& k) {
    std::string out = "Mars dosha, " + std::string(role) + ": " + k.summary + "\n";
    for (const KujaFrom& f : k.from) out += "  " + f.reason + "\n";
    return out;
}

}  // namespace

std::string PointsText(double points) {
    if (points == std::floor(points)) return std::to_string(static_cast<long long>(points));
    const long long tenths = std::llround(points * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string MatchJsonIndented(const MarriageMatch& match, const Chart& bride, const Chart& groom) {
    JsonDocument json;
    WriteMatch(match, bride, groom, json);
    return json.Value().dump(2);
}

void AppendMatchJson(const MarriageMatch& match, const Chart& bride, const Chart& groom, std::string& out) {
    JsonWriter json(out);
    WriteMatch(match, bride, groom, json);
}

std::string MatchText(const MarriageMatch& m, const Chart& bride, const Chart& groom) {
    std::string out = "Marriage match: " + std::string(kMatchTradition) + "\n";
    out += PersonLine("Bride", bride);
    out += PersonLine("Groom", groom);
    out += '\n';
    out += Pad("Koota", 14) + Pad("Points", 8) + Pad("Max", 5) + "Why\n";
    for (const Koota& k : m.milan.kootas)
        out += Pad(std::string(k.name), 14) + Pad(PointsText(k.points), 8) + Pad(PointsText(k.max), 5) + k.reason + "\n";
    out += Pad("Total", 14) + Pad(PointsText(m.milan.total), 8) + "36\n\n";
    out += DoshaLine("Nadi dosha", m.milan.nadi);
    out += DoshaLine("Bhakoot dosha", m.milan.bhakoot);
    out += KujaLines("bride", m.brideKuja);
    out += KujaLines("groom", m.groomKuja);
    out += m.kujaSummary + "\n";
    return out;
}

}  // namespace velmora::cli
