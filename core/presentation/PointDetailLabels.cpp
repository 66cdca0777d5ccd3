#include "presentation/PointDetailLabels.h"

#include <cmath>
#include <cstdio>

#include "analysis/ChartState.h"
#include "analysis/SignFacts.h"
#include "engine/NameTables.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

namespace velmora {

namespace {

struct Dms {
    int degrees, minutes, seconds;
};

Dms SplitInSign(double longitude) {
    const double inSign = DegreesInSign(longitude);
    const double total = std::floor(inSign * 3600.0 + 1e-7);  // a whole second written as a whole second
    auto seconds = static_cast<long long>(total);
    if (seconds >= 30 * 3600) seconds = 30 * 3600 - 1;
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

std::string ArcText(double degrees) {
    const auto minutes = static_cast<long long>(std::floor(degrees * 60.0 + 1e-7));
    return std::to_string(minutes / 60) + "\u00B0 " + std::to_string(minutes % 60) + "\u2032";
}

std::string Names(const std::vector<int>& bodies, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    std::string text;
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const std::string_view name = glossary.pointNames[static_cast<std::size_t>(bodies[i])];
        if (i == 0) text = name;
        else if (i + 1 == bodies.size()) text = Say(language, "%1 and %2", {text, name});
        else text += ", " + std::string(name);
    }
    return text;
}

// "2nd" in English; elsewhere the bare number, which the phrase gives its
// language's ordinal ending ("%2वें").
std::string HouseOrdinal(int n, Language language) { return OrdinalFill(n, language); }

std::string CombustNote(const PointDetail& d, Language language) {
    return d.combust ? Say(language, "combust (%1 from the Sun)", {ArcText(d.fromSun)}) : std::string();
}

std::string WarNote(const PointDetail& d, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    std::string text;
    for (const PointDetail::War& war : d.wars) {
        if (!text.empty()) text += "; ";
        const std::string_view other = glossary.pointNames[static_cast<std::size_t>(war.other)];
        text += war.won ? Say(language, "at war with %1, won (%2 apart)", {other, ArcText(war.separation)})
                        : Say(language, "at war with %1, lost (%2 apart)", {other, ArcText(war.separation)});
    }
    return text;
}

std::string SignName(int sign) { return std::string(kSignEnglishNames[static_cast<std::size_t>(Wrapped(sign))]); }

}  // namespace

std::string_view PointName(int body) { return kPointNames[static_cast<std::size_t>(body)]; }

std::string DegreesInSignText(double longitude) {
    const Dms d = SplitInSign(longitude);
    return std::to_string(d.degrees) + "\u00B0 " + std::to_string(d.minutes) + "\u2032 " + std::to_string(d.seconds) +
           "\u2033";
}

std::string CellDegreesText(double longitude, bool ascii) {
    const Dms d = SplitInSign(longitude);
    char text[16];
    std::snprintf(text, sizeof text, ascii ? "%d:%02d" : "%d\u00B0%02d\u2032", d.degrees, d.minutes);
    return text;
}

std::array<PointDetailRow, kBodyCount> PointDetailRows(const PointDetails& details) {
    std::array<PointDetailRow, kBodyCount> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PointDetail& d = details[i];
        PointDetailRow& r = rows[i];
        r.point = PointName(d.body);
        r.longitude = DegreesInSignText(d.longitude);
        r.sign = SignName(d.sign);
        r.nakshatra = d.nakshatra.Name();
        r.pada = std::to_string(d.nakshatra.pada);
        r.lord = kPlainBodyNames[static_cast<std::size_t>(d.nakshatra.lord)];
        const bool ascendant = d.body == kBodyCount - 1;
        if (d.speedKnown && !ascendant) {
            char text[32];
            std::snprintf(text, sizeof text, "%+.4f\u00B0/day", d.speed);
            r.speed = text;
        }
        // The nodes move backward but for brief turns of the true node: by
        // their speed where it is known.
        const bool node = d.body == body::kRahu || d.body == body::kKetu;
        const bool backward = d.retrograde || (node && (!d.speedKnown || d.speed < 0));
        if (!ascendant) r.motion = backward ? "retrograde" : "direct";
        r.dignity = DignityName(d.dignity);
        r.combust = CombustNote(d, Language::English);
        r.war = WarNote(d, Language::English);
    }
    return rows;
}

std::array<PointDetailRow, kBodyCount> PointDetailRows(const PointDetails& details, Language language) {
    std::array<PointDetailRow, kBodyCount> rows = PointDetailRows(details);
    if (language == Language::English) return rows;
    const Glossary& glossary = GlossaryOf(language);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PointDetail& d = details[i];
        PointDetailRow& r = rows[i];
        r.point = glossary.pointNames[static_cast<std::size_t>(d.body)];
        r.sign = glossary.signs[static_cast<std::size_t>(Wrapped(d.sign))];
        r.nakshatra = glossary.nakshatras[static_cast<std::size_t>(d.nakshatra.index)];
        r.lord = glossary.points[static_cast<std::size_t>(d.nakshatra.lord)];
        r.motion = SayIfPhrase(language, r.motion);
        r.dignity = SayIfPhrase(language, r.dignity);
        r.combust = CombustNote(d, language);
        r.war = WarNote(d, language);
    }
    return rows;
}

std::vector<std::string> KarakaLines(const CharaKarakas& k, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    std::vector<std::string> lines;
    for (int rank = 0; rank < k.count; ++rank)
        lines.push_back(std::string(k.Label(rank)) + " " +
                        std::string(glossary.pointNames[static_cast<std::size_t>(k.bodies[static_cast<std::size_t>(rank)])]) +
                        " (" + std::string(SayIfPhrase(language, k.Name(rank))) + ")");
    return lines;
}

std::string KarakamsaLine(const JaiminiReading& r, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    return Say(language, "Karakamsa: %1 (the Navamsa sign of the atmakaraka, %2)",
               {glossary.signs[static_cast<std::size_t>(Wrapped(r.karakamsa))],
                glossary.pointNames[static_cast<std::size_t>(r.Karakas().Atmakaraka())]});
}

std::vector<std::string> RashiDrishtiLines(const JaiminiReading& r, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    const auto name = [&glossary](int sign) { return glossary.signs[static_cast<std::size_t>(Wrapped(sign))]; };
    std::vector<std::string> lines;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const auto& to = r.rashiDrishti[static_cast<std::size_t>(sign)];
        lines.push_back(Say(language, "%1 aspects %2, %3 and %4", {name(sign), name(to[0]), name(to[1]), name(to[2])}));
    }
    return lines;
}

std::vector<std::string> ArgalaLines(const JaiminiReading& r, Language language) {
    std::vector<std::string> lines;
    for (int house = 1; house <= kSignCount; ++house) {
        const auto& entries = r.argala[static_cast<std::size_t>(house - 1)];
        std::string line = Say(language, "House %1:", {std::to_string(house)});
        if (entries.empty()) line.append(" ").append(Say(language, "none"));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const ArgalaEntry& e = entries[i];
            line += i == 0 ? " " : "; ";
            const std::string planets = Names(e.planets, language), offset = HouseOrdinal(e.offset, language);
            if (e.obstructing.empty()) {
                line += Say(language, "%1 in the %2, unobstructed", {planets, offset});
            } else {
                const std::string by = Names(e.obstructing, language),
                                  from = HouseOrdinal(e.obstructionOffset, language);
                line += e.prevails ? Say(language, "%1 in the %2, obstructed by %3 in the %4: argala prevails",
                                         {planets, offset, by, from})
                                   : Say(language, "%1 in the %2, obstructed by %3 in the %4: obstructed",
                                         {planets, offset, by, from});
            }
        }
        lines.push_back(line);
    }
    return lines;
}

PlacedPoints KarakaChartPoints(const Chart& chart, const CharaKarakas& k) {
    PlacedPoints points = BirthChartPoints(chart);
    points.arudhaSigns.clear();
    for (int rank = 0; rank < k.count; ++rank) {
        std::string& note = points.notes[static_cast<std::size_t>(points.signs[static_cast<std::size_t>(k.bodies[static_cast<std::size_t>(rank)])])];
        if (!note.empty()) note += ' ';
        note += k.Label(rank);
    }
    return points;
}

std::string ArudhaLine(const std::array<int, 12>& arudhas, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    std::string line;
    for (int a = 0; a < kArudhaCount; ++a) {
        if (a > 0) line += ", ";
        line += kArudhaLabels[static_cast<std::size_t>(a)];
        line += ' ';
        line += glossary.signs[static_cast<std::size_t>(Wrapped(arudhas[static_cast<std::size_t>(a)]))];
    }
    return line;
}

}  // namespace velmora
