#pragma once
// The "pointDetails" and "jaimini" fields, JSON only (their objects have no
// CSV columns).
//
// "pointDetails": one object a point in body order: "point", "longitude"
// (sidereal degrees), "text" (degrees, minutes and seconds in the sign),
// "sign", "nakshatra", "pada", "nakshatraLord", "speed" (degrees a day; null for a
// classic chart), "retrograde", "dignity" ("" for none), "combust",
// "fromSun" (degrees), "wars" ([{"with", "won", "separation"}]).
//
// "jaimini": "scheme" ("7" or "8", the karakas chosen), "karakas7" and
// "karakas8" (each label "AK" … to a planet's name), "karakamsa" (sign
// index), "rashiDrishti" (for each sign from Aries, the three it aspects),
// "argala" (twelve houses from the ascendant: "house", "sign", "argala":
// [{"from", "planets", "obstructedBy", "prevails"}]) and "arudhas" ("D1" …
// "D60": the twelve arudhas' sign indices, AL first).

#include <limits>

#include "chart/JaiminiReading.h"
#include "chart/PointDetails.h"
#include "cli/ChartSource.h"
#include "presentation/PointDetailLabels.h"
#include "presentation/VargaPoints.h"

namespace velmora::cli {

template <typename W>
void WriteBodyNameList(W& w, const std::vector<int>& bodies) {
    w.BeginArray();
    for (int b : bodies) w.String(PointName(b));
    w.EndArray();
}

template <typename W>
void WritePointDetails(const ChartSource& s, W& w) {
    const PointDetails details = PointDetailsOf(s.chart);
    w.BeginArray();
    for (const PointDetail& d : details) {
        w.BeginObject();
        w.KeyString("point", PointName(d.body));
        w.KeyDouble("longitude", d.longitude);
        w.KeyString("text", DegreesInSignText(d.longitude));
        w.KeyInt("sign", d.sign);
        w.KeyString("nakshatra", d.nakshatra.Name());
        w.KeyInt("pada", d.nakshatra.pada);
        w.KeyString("nakshatraLord", kPlainBodyNames[static_cast<std::size_t>(d.nakshatra.lord)]);
        w.KeyDouble("speed", d.speedKnown ? d.speed : std::numeric_limits<double>::quiet_NaN());
        w.KeyBool("retrograde", d.retrograde);
        w.KeyString("dignity", DignityName(d.dignity));
        w.KeyBool("combust", d.combust);
        w.KeyDouble("fromSun", d.fromSun);
        w.Key("wars");
        w.BeginArray();
        for (const PointDetail::War& war : d.wars) {
            w.BeginObject();
            w.KeyString("with", PointName(war.other));
            w.KeyBool("won", war.won);
            w.KeyDouble("separation", war.separation);
            w.EndObject();
        }
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
}

template <typename W>
void WriteKarakas(W& w, const CharaKarakas& k) {
    w.BeginObject();
    for (int rank = 0; rank < k.count; ++rank) w.KeyString(k.Label(rank), PointName(k.bodies[static_cast<std::size_t>(rank)]));
    w.EndObject();
}

template <typename W>
void WriteJaimini(const ChartSource& s, W& w) {
    const JaiminiReading r = JaiminiOf(s.chart, s.karakaScheme);
    w.BeginObject();
    w.KeyString("scheme", KarakaSchemeKey(r.scheme));
    w.Key("karakas7");
    WriteKarakas(w, r.karakas7);
    w.Key("karakas8");
    WriteKarakas(w, r.karakas8);
    w.KeyInt("karakamsa", r.karakamsa);
    w.Key("rashiDrishti");
    w.BeginArray();
    for (const auto& signs : r.rashiDrishti) w.IntArray(signs, signs.size());
    w.EndArray();
    w.Key("argala");
    w.BeginArray();
    const int ascendant = s.chart.points[kBodyCount - 1].sign;
    for (int house = 1; house <= kSignCount; ++house) {
        w.BeginObject();
        w.KeyInt("house", house);
        w.KeyInt("sign", (ascendant + house - 1) % kSignCount);
        w.Key("argala");
        w.BeginArray();
        for (const ArgalaEntry& e : r.argala[static_cast<std::size_t>(house - 1)]) {
            w.BeginObject();
            w.KeyInt("from", e.offset);
            w.Key("planets");
            WriteBodyNameList(w, e.planets);
            w.Key("obstructedBy");
            WriteBodyNameList(w, e.obstructing);
            w.KeyBool("prevails", e.prevails);
            w.EndObject();
        }
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
    w.Key("arudhas");
    w.BeginObject();
    for (int v = 0; v < kVargaCount; ++v) {
        w.Key(VargaShortLabel(v));
        w.IntArray(r.arudhas[static_cast<std::size_t>(v)], kArudhaCount);
    }
    w.EndObject();
    w.EndObject();
}

}  // namespace velmora::cli
