#pragma once
// The "yogas" and "doshas" fields, and the Mars dosha as the match writes it.
//
// "yogas": one object a yoga present, in the order of the vargas asked
// (--yogas-varga; D1 unless asked) and of the catalogue: "id", "name",
// "source" (the book and chapter), "planets" (the names of the points
// forming it), "varga" ("D1"). CSV: one cell, the keys joined by ";", a
// varga other than D1 written before its key ("D9:hamsa").
//
// "doshas": "kuja" (the Mars dosha: "present", "summary", "from": the
// ascendant, the Moon and Venus each with its "house", "dosha", "cancelled"
// and "reason"), "kalaSarpa" ("present", "kind", "fromRahu", "rahuHouse",
// "summary") and "kemadruma" ("present", "yoga", "cancelled",
// "cancellations", "summary"). CSV: whether each is present, in the columns
// "dosha_kuja", "dosha_kalaSarpa", "dosha_kemadruma".

#include <string>
#include <type_traits>

#include "chart/YogaReading.h"
#include "cli/ChartSource.h"
#include "cli/CsvRow.h"
#include "presentation/PointDetailLabels.h"
#include "presentation/VargaPoints.h"

namespace velmora::cli {

inline constexpr std::string_view kDoshaColumnTexts[] = {"kuja", "kalaSarpa", "kemadruma"};
inline constexpr std::span<const std::string_view> kDoshaColumns{kDoshaColumnTexts};

template <typename W>
void WriteKuja(const KujaDosha& k, W& w) {
    w.BeginObject();
    w.KeyBool("present", k.present);
    w.KeyString("summary", k.summary);
    w.Key("from");
    w.BeginArray();
    for (std::size_t r = 0; r < k.from.size(); ++r) {
        const KujaFrom& f = k.from[r];
        w.BeginObject();
        w.KeyString("point", kKujaReferenceNames[r]);
        w.KeyInt("house", f.house);
        w.KeyBool("dosha", f.dosha);
        w.KeyBool("cancelled", f.cancelled);
        w.KeyString("reason", f.reason);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
}

template <typename W>
void WriteYogas(const ChartSource& s, W& w) {
    const YogaReading r = YogasOf(s.chart, s.yogaVargas);
    if constexpr (std::is_same_v<W, CsvRow>) {
        std::string keys;
        for (const YogasInVarga& v : r.vargas)
            for (const YogaFound& f : v.yogas) {
                if (!keys.empty()) keys += ';';
                if (v.varga != 0) keys += VargaShortLabel(v.varga) + ":";
                keys += f.Rule().id;
            }
        w.String(keys);
    } else {
        w.BeginArray();
        for (const YogasInVarga& v : r.vargas)
            for (const YogaFound& f : v.yogas) {
                w.BeginObject();
                w.KeyString("id", f.Rule().id);
                w.KeyString("name", f.Rule().name);
                w.KeyString("source", f.Rule().source);
                w.Key("planets");
                w.BeginArray();
                for (int b = 0; b < kBodyCount; ++b)
                    if (f.planets & BodyBit(b)) w.String(PointName(b));
                w.EndArray();
                w.KeyString("varga", VargaShortLabel(v.varga));
                w.EndObject();
            }
        w.EndArray();
    }
}

template <typename W>
void WriteDoshas(const ChartSource& s, W& w) {
    const YogaReading r = YogasOf(s.chart, 0);
    if constexpr (std::is_same_v<W, CsvRow>) {
        w.Bool(r.kuja.present);
        w.Bool(r.kalaSarpa.present);
        w.Bool(r.kemadruma.present);
    } else {
        w.BeginObject();
        w.Key("kuja");
        WriteKuja(r.kuja, w);
        w.Key("kalaSarpa");
        w.BeginObject();
        w.KeyBool("present", r.kalaSarpa.present);
        w.KeyString("kind", r.kalaSarpa.kind);
        w.KeyBool("fromRahu", r.kalaSarpa.fromRahu);
        w.KeyInt("rahuHouse", r.kalaSarpa.rahuHouse);
        w.KeyString("summary", r.kalaSarpa.summary);
        w.EndObject();
        w.Key("kemadruma");
        w.BeginObject();
        w.KeyBool("present", r.kemadruma.present);
        w.KeyBool("yoga", r.kemadruma.yoga);
        w.KeyBool("cancelled", r.kemadruma.cancelled);
        w.Key("cancellations");
        w.BeginArray();
        for (const std::string& c : r.kemadruma.cancellations) w.String(c);
        w.EndArray();
        w.KeyString("summary", r.kemadruma.summary);
        w.EndObject();
        w.EndObject();
    }
}

}  // namespace velmora::cli
