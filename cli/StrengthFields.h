#pragma once
// The "strengths" field (--strengths): the shadbala of the Sun … Saturn,
// each planet's six sources in virupas with their parts, its total, rupas,
// the rupas it needs and its ishta and kashta phala; the bhava bala of the
// twelve houses (their totals, and their parts under "bhavaParts"); the
// vimsopaka bala of each scheme by planet; and a note. A classic chart has
// null shadbala and bhava bala, the note saying why. Virupas are rounded to
// the hundredth. In CSV the totals: strength_sun … strength_saturn (virupas)
// and strength_bhava_1 … strength_bhava_12.

#include <array>
#include <cmath>
#include <limits>
#include <string_view>

#include "cli/ChartSource.h"
#include "cli/CsvRow.h"
#include "engine/NameTables.h"

namespace velmora::cli {

inline constexpr std::array<std::string_view, 19> kStrengthColumns = {
    "sun",     "moon",    "mercury", "venus",   "mars",     "jupiter",  "saturn",
    "bhava_1", "bhava_2", "bhava_3", "bhava_4", "bhava_5",  "bhava_6",  "bhava_7",
    "bhava_8", "bhava_9", "bhava_10", "bhava_11", "bhava_12"};

// Virupas to the hundredth.
inline double Hundredths(double x) {
    const double r = std::round(x * 100) / 100;
    return r == 0 ? 0.0 : r;
}

template <typename W>
void WritePlanetShadbala(W& w, const PlanetShadbala& p) {
    w.BeginObject();
    w.KeyDouble("sthana", Hundredths(p.sthana.Total()));
    w.KeyDouble("dig", Hundredths(p.dig));
    w.KeyDouble("kala", Hundredths(p.kala.Total()));
    w.KeyDouble("chesta", Hundredths(p.chesta));
    w.KeyDouble("naisargika", Hundredths(p.naisargika));
    w.KeyDouble("drik", Hundredths(p.drik));
    w.Key("parts");
    w.BeginObject();
    const std::pair<std::string_view, double> parts[] = {
        {"uchcha", p.sthana.uchcha},     {"saptavargaja", p.sthana.saptavargaja}, {"ojayugma", p.sthana.ojayugma},
        {"kendradi", p.sthana.kendradi}, {"drekkana", p.sthana.drekkana},         {"nathonnata", p.kala.nathonnata},
        {"paksha", p.kala.paksha},       {"tribhaga", p.kala.tribhaga},           {"abda", p.kala.abda},
        {"masa", p.kala.masa},           {"vara", p.kala.vara},                   {"hora", p.kala.hora},
        {"ayana", p.kala.ayana},         {"yuddha", p.kala.yuddha}};
    for (const auto& [key, value] : parts) w.KeyDouble(key, Hundredths(value));
    w.EndObject();
    w.KeyDouble("total", Hundredths(p.total));
    w.KeyDouble("rupas", Hundredths(p.rupas));
    w.KeyDouble("required", p.required);
    w.KeyDouble("ishta", Hundredths(p.ishta));
    w.KeyDouble("kashta", Hundredths(p.kashta));
    w.EndObject();
}

template <typename W>
void WriteStrengths(const ChartSource& s, W& w) {
    const StrengthsOutcome* outcome = s.strengths;
    const ShadbalaAndBhavaBala* balas = outcome && outcome->balas ? &*outcome->balas : nullptr;
    if constexpr (std::is_same_v<W, CsvRow>) {
        // Why the totals are missing, or the shadbala's note, goes to the row's error column.
        if (outcome) {
            const std::string_view note = balas ? std::string_view(outcome->balas->note) : std::string_view(outcome->refusal);
            if (!note.empty()) w.Note(note);
        }
        for (std::size_t p = 0; p < kSevenPlanets; ++p) {
            if (balas) w.Double(Hundredths(balas->shadbala[p].total)); else w.Empty();
        }
        for (std::size_t h = 0; h < 12; ++h) {
            if (balas) w.Double(Hundredths(balas->bhavaBala[h].total)); else w.Empty();
        }
        return;
    } else {
        constexpr double kNull = std::numeric_limits<double>::quiet_NaN();
        if (!outcome) return w.Double(kNull);
        w.BeginObject();
        w.Key("shadbala");
        if (balas) {
            w.BeginObject();
            for (std::size_t p = 0; p < kSevenPlanets; ++p) {
                w.Key(kPlainBodyNames[p]);
                WritePlanetShadbala(w, balas->shadbala[p]);
            }
            w.EndObject();
        } else {
            w.Double(kNull);
        }
        w.Key("bhavaBala");
        if (balas) {
            w.BeginArray();
            for (const HouseStrength& h : balas->bhavaBala) w.Double(Hundredths(h.total));
            w.EndArray();
        } else {
            w.Double(kNull);
        }
        w.Key("bhavaParts");
        if (balas) {
            w.BeginArray();
            for (std::size_t h = 0; h < 12; ++h) {
                const HouseStrength& house = balas->bhavaBala[h];
                w.BeginObject();
                w.KeyDouble("middle", Hundredths(balas->bhavaMiddles[h]));
                w.KeyDouble("adhipati", Hundredths(house.adhipati));
                w.KeyDouble("dig", Hundredths(house.dig));
                w.KeyDouble("drishti", Hundredths(house.drishti));
                w.KeyDouble("rupas", Hundredths(house.rupas));
                w.EndObject();
            }
            w.EndArray();
        } else {
            w.Double(kNull);
        }
        w.Key("vimsopaka");
        w.BeginObject();
        for (const VimsopakaSchemeRow& scheme : VimsopakaSchemes()) {
            w.Key(scheme.key);
            w.BeginObject();
            for (std::size_t p = 0; p < kSevenPlanets; ++p)
                w.KeyDouble(kPlainBodyNames[p], Hundredths(outcome->vimsopaka[static_cast<std::size_t>(scheme.scheme)][p]));
            w.EndObject();
        }
        w.EndObject();
        w.KeyString("note", balas ? balas->note : outcome->refusal);
        w.EndObject();
    }
}

}  // namespace velmora::cli
