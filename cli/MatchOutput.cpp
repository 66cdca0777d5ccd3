#include "cli/MatchOutput.h"

#include <cmath>

#include "analysis/Nakshatra.h"
#include "cli/JsonDocument.h"
#include "cli/JsonWriter.h"

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
    w.Key("moonSign");
    w.String(MoonSign(chart));
    w.Key("nakshatra");
    w.String(n.Name());
    w.Key("pada");
    w.Int(n.pada);
    w.EndObject();
}

template <typename W>
void WritePairDosha(const PairDosha& d, W& w) {
    w.BeginObject();
    w.Key("present");
    w.Bool(d.present);
    w.Key("cancelled");
    w.Bool(d.cancelled);
    w.Key("reason");
    w.String(d.reason);
    w.EndObject();
}

template <typename W>
void WriteKuja(const KujaDosha& k, W& w) {
    w.BeginObject();
    w.Key("present");
    w.Bool(k.present);
    w.Key("summary");
    w.String(k.summary);
    w.Key("from");
    w.BeginArray();
    for (std::size_t r = 0; r < k.from.size(); ++r) {
        const KujaFrom& f = k.from[r];
        w.BeginObject();
        w.Key("point");
        w.String(kKujaReferenceNames[r]);
        w.Key("house");
        w.Int(f.house);
        w.Key("dosha");
        w.Bool(f.dosha);
        w.Key("cancelled");
        w.Bool(f.cancelled);
        w.Key("reason");
        w.String(f.reason);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
}

template <typename W>
void WriteMatch(const MarriageMatch& m, const Chart& bride, const Chart& groom, W& w) {
    w.BeginObject();
    w.Key("match");
    w.BeginObject();
    w.Key("tradition");
    w.String(kMatchTradition);
    w.Key("bride");
    WriteMoon(bride, w);
    w.Key("groom");
    WriteMoon(groom, w);
    w.Key("kootas");
    w.BeginArray();
    for (const Koota& k : m.milan.kootas) {
        w.BeginObject();
        w.Key("name");
        w.String(k.name);
        w.Key("points");
        w.Double(k.points);
        w.Key("max");
        w.Double(k.max);
        w.Key("reason");
        w.String(k.reason);
        w.EndObject();
    }
    w.EndArray();
    w.Key("total");
    w.Double(m.milan.total);
    w.Key("max");
    w.Int(36);
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
    w.Key("balanced");
    w.Bool(m.kujaBalanced);
    w.Key("summary");
    w.String(m.kujaSummary);
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
