#include "presentation/StrengthLabels.h"

#include <cmath>
#include <cstdio>

#include "engine/NameTables.h"
#include "presentation/ChartNotes.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

namespace velmora {

namespace {

std::vector<std::string> PlanetHeader(std::string first) {
    std::vector<std::string> header{std::move(first)};
    for (int p = 0; p < kSevenPlanets; ++p) header.emplace_back(kPlainBodyNames[static_cast<std::size_t>(p)]);
    return header;
}

// A row of seven planets' values.
template <typename Of>
std::vector<std::string> PlanetRow(std::string label, const Shadbala& s, Of of) {
    std::vector<std::string> row{std::move(label)};
    for (const PlanetShadbala& p : s) row.push_back(VirupaText(of(p)));
    return row;
}

// "Cap 28° 26′".
std::string SignDegreesText(double longitude) {
    const double x = std::fmod(std::fmod(longitude, 360.0) + 360.0, 360.0);
    const int sign = static_cast<int>(x / 30) % 12;
    int minutes = static_cast<int>(std::floor((x - 30.0 * sign) * 60));
    return std::string(kSignNames[static_cast<std::size_t>(sign)]) + " " + std::to_string(minutes / 60) +
           "\u00B0 " + std::to_string(minutes % 60) + "\u2032";
}

}  // namespace

std::string VirupaText(double virupas) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::fabs(virupas) < 0.005 ? 0.0 : virupas);
    return text;
}

namespace {

// A table's text in another language: the planets the glossary's, the
// titles, captions and words the phrase table's, a middle's sign the
// glossary's short form; the numbers as they are.
std::string Translated(const std::string& text, const Glossary& glossary) {
    const Glossary& english = GlossaryOf(Language::English);
    for (std::size_t body = 0; body < english.points.size(); ++body)
        if (text == english.points[body]) return std::string(glossary.points[body]);
    return WithSignShort(glossary, std::string(SayIfPhrase(glossary.language, text)));
}

void Translate(StrengthTable& table, const Glossary& glossary) {
    table.title = Translated(table.title, glossary);
    for (std::string& cell : table.header) cell = Translated(cell, glossary);
    for (auto& row : table.rows)
        for (std::string& cell : row) cell = Translated(cell, glossary);
}

}  // namespace

std::vector<StrengthTable> StrengthTables(const StrengthsOutcome& strengths, Language language) {
    std::vector<StrengthTable> tables = StrengthTables(strengths);
    if (language != Language::English)
        for (StrengthTable& table : tables) Translate(table, GlossaryOf(language));
    return tables;
}

std::vector<StrengthTable> StrengthTables(const StrengthsOutcome& strengths) {
    std::vector<StrengthTable> tables;
    if (const auto& b = strengths.balas) {
        const Shadbala& s = b->shadbala;
        StrengthTable six{"Shadbala (virupas; 60 make a rupa)", PlanetHeader(""), {}};
        six.rows = {
            PlanetRow("Sthana", s, [](const PlanetShadbala& p) { return p.sthana.Total(); }),
            PlanetRow("Dig", s, [](const PlanetShadbala& p) { return p.dig; }),
            PlanetRow("Kala", s, [](const PlanetShadbala& p) { return p.kala.Total(); }),
            PlanetRow("Chesta", s, [](const PlanetShadbala& p) { return p.chesta; }),
            PlanetRow("Naisargika", s, [](const PlanetShadbala& p) { return p.naisargika; }),
            PlanetRow("Drik", s, [](const PlanetShadbala& p) { return p.drik; }),
            PlanetRow("Total", s, [](const PlanetShadbala& p) { return p.total; }),
            PlanetRow("Rupas", s, [](const PlanetShadbala& p) { return p.rupas; }),
            PlanetRow("Required rupas", s, [](const PlanetShadbala& p) { return p.required; }),
            PlanetRow("Ishta phala", s, [](const PlanetShadbala& p) { return p.ishta; }),
            PlanetRow("Kashta phala", s, [](const PlanetShadbala& p) { return p.kashta; }),
        };
        std::vector<std::string> enough{"Strong enough"};
        for (const PlanetShadbala& p : s) enough.emplace_back(p.Sufficient() ? "yes" : "no");
        six.rows.push_back(std::move(enough));
        tables.push_back(std::move(six));

        StrengthTable parts{"Sthana and kala bala in parts (virupas)", PlanetHeader(""), {}};
        parts.rows = {
            PlanetRow("Uchcha", s, [](const PlanetShadbala& p) { return p.sthana.uchcha; }),
            PlanetRow("Saptavargaja", s, [](const PlanetShadbala& p) { return p.sthana.saptavargaja; }),
            PlanetRow("Ojayugma", s, [](const PlanetShadbala& p) { return p.sthana.ojayugma; }),
            PlanetRow("Kendradi", s, [](const PlanetShadbala& p) { return p.sthana.kendradi; }),
            PlanetRow("Drekkana", s, [](const PlanetShadbala& p) { return p.sthana.drekkana; }),
            PlanetRow("Nathonnata", s, [](const PlanetShadbala& p) { return p.kala.nathonnata; }),
            PlanetRow("Paksha", s, [](const PlanetShadbala& p) { return p.kala.paksha; }),
            PlanetRow("Tribhaga", s, [](const PlanetShadbala& p) { return p.kala.tribhaga; }),
            PlanetRow("Abda", s, [](const PlanetShadbala& p) { return p.kala.abda; }),
            PlanetRow("Masa", s, [](const PlanetShadbala& p) { return p.kala.masa; }),
            PlanetRow("Vara", s, [](const PlanetShadbala& p) { return p.kala.vara; }),
            PlanetRow("Hora", s, [](const PlanetShadbala& p) { return p.kala.hora; }),
            PlanetRow("Ayana", s, [](const PlanetShadbala& p) { return p.kala.ayana; }),
            PlanetRow("Yuddha", s, [](const PlanetShadbala& p) { return p.kala.yuddha; }),
        };
        tables.push_back(std::move(parts));

        StrengthTable houses{"Bhava bala (virupas)",
                             {"House", "Middle", "Lord's", "Dig", "Drishti", "Total", "Rupas"},
                             {}};
        for (std::size_t h = 0; h < b->bhavaBala.size(); ++h) {
            const HouseStrength& house = b->bhavaBala[h];
            houses.rows.push_back({std::to_string(h + 1), SignDegreesText(b->bhavaMiddles[h]),
                                   VirupaText(house.adhipati), VirupaText(house.dig), VirupaText(house.drishti),
                                   VirupaText(house.total), VirupaText(house.rupas)});
        }
        tables.push_back(std::move(houses));
    }
    StrengthTable vimsopaka{"Vimsopaka bala (out of 20)", PlanetHeader(""), {}};
    for (const VimsopakaSchemeRow& scheme : VimsopakaSchemes()) {
        std::vector<std::string> row{std::string(scheme.name)};
        for (double points : strengths.vimsopaka[static_cast<std::size_t>(scheme.scheme)])
            row.push_back(VirupaText(points));
        vimsopaka.rows.push_back(std::move(row));
    }
    tables.push_back(std::move(vimsopaka));
    return tables;
}

std::vector<std::string> StrengthNotes(const StrengthsOutcome& strengths, Language language) {
    std::vector<std::string> notes;
    if (!strengths.balas) {
        notes.push_back(RefusalIn(strengths.refusal, language));
        return notes;
    }
    if (!strengths.balas->sunRises) notes.push_back(StrengthsNoteIn(*strengths.balas, language));
    notes.push_back(Say(language,
                        "After Brihat Parashara Hora Shastra ch. 27 as B. V. Raman works it out (Graha and Bhava "
                        "Balas): houses by whole signs for kendradi bala, the ascendant and midheaven for dig bala, "
                        "Sripati's house middles for bhava bala, the sunrise by the %1",
                        {SayIfPhrase(language, SunriseConventionName(strengths.balas->convention))}));
    return notes;
}

}  // namespace velmora
