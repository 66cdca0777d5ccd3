#pragma once
// The "transits" field: the ten positions at the moment asked for, with the
// chart's ayanamsa and node, and each in houses from the natal Moon and
// ascendant; sade sati; each graha's next sign change and stations within a
// year. Moments are the birth place's clock at the transit moment. As the
// panchanga: {"error": message} when refused, null when nobody asked.

#include <array>
#include <string_view>

#include "chart/LocalMoment.h"
#include "chart/Transits.h"
#include "cli/PanchangaFields.h"

namespace velmora::cli {

inline constexpr std::array<std::string_view, 90> kTransitColumns = {
    "moment", "degree_sun", "degree_moon", "degree_mercury", "degree_venus", "degree_mars", "degree_jupiter",
    "degree_saturn", "degree_rahu", "degree_ketu", "degree_asc", "houseFromMoon_sun", "houseFromMoon_moon",
    "houseFromMoon_mercury", "houseFromMoon_venus", "houseFromMoon_mars", "houseFromMoon_jupiter",
    "houseFromMoon_saturn", "houseFromMoon_rahu", "houseFromMoon_ketu", "houseFromMoon_asc",
    "houseFromAscendant_sun", "houseFromAscendant_moon", "houseFromAscendant_mercury",
    "houseFromAscendant_venus", "houseFromAscendant_mars", "houseFromAscendant_jupiter",
    "houseFromAscendant_saturn", "houseFromAscendant_rahu", "houseFromAscendant_ketu",
    "houseFromAscendant_asc", "sadeSati_running", "sadeSati_phase", "sadeSati_start", "sadeSati_end",
    "sadeSati_house12", "sadeSati_house12_start", "sadeSati_house12_end", "sadeSati_house1",
    "sadeSati_house1_start", "sadeSati_house1_end", "sadeSati_house2", "sadeSati_house2_start",
    "sadeSati_house2_end", "ingress_sun_sign", "ingress_sun", "ingress_moon_sign", "ingress_moon",
    "ingress_mercury_sign", "ingress_mercury", "ingress_venus_sign", "ingress_venus", "ingress_mars_sign",
    "ingress_mars", "ingress_jupiter_sign", "ingress_jupiter", "ingress_saturn_sign", "ingress_saturn",
    "ingress_rahu_sign", "ingress_rahu", "ingress_ketu_sign", "ingress_ketu", "station_sun_retrograde",
    "station_sun_direct", "station_moon_retrograde", "station_moon_direct", "station_mercury_retrograde",
    "station_mercury_direct", "station_venus_retrograde", "station_venus_direct", "station_mars_retrograde",
    "station_mars_direct", "station_jupiter_retrograde", "station_jupiter_direct",
    "station_saturn_retrograde", "station_saturn_direct", "station_rahu_retrograde", "station_rahu_direct",
    "station_ketu_retrograde", "station_ketu_direct", "retrograde_sun", "retrograde_moon",
    "retrograde_mercury", "retrograde_venus", "retrograde_mars", "retrograde_jupiter", "retrograde_saturn",
    "retrograde_rahu", "retrograde_ketu", "retrograde_asc"};

template <typename W>
void WriteMomentOrNull(W& w, const std::optional<double>& jd, int offset) {
    if (jd) {
        w.String(LocalDateTimeText(*jd, offset));
    } else {
        w.Double(std::numeric_limits<double>::quiet_NaN());  // null, or an empty cell
    }
}

template <typename W>
void WriteSadeSati(W& w, const Transits& t) {
    constexpr std::size_t kCells = 13;
    const SadeSati& s = t.sadeSati;
    if (s.start == 0) return WriteNone(w, kCells);  // no passage within the years looked at
    const int offset = t.utcOffsetSeconds;
    w.BeginObject();
    w.KeyBool("running", s.running);
    w.KeyInt("phase", s.phase);
    w.Key("start");
    WriteMomentOrNull(w, s.start, offset);
    w.Key("end");
    WriteMomentOrNull(w, s.end, offset);
    w.Key("phases");
    w.BeginArray();
    constexpr std::array<int, 3> kHouses = {12, 1, 2};
    for (std::size_t i = 0; i < 3; ++i) {
        w.BeginObject();
        w.KeyInt("house", kHouses[i]);
        w.Key("start");
        WriteMomentOrNull(w, s.phaseStarts[i], offset);
        w.Key("end");
        WriteMomentOrNull(w, i < 2 ? s.phaseStarts[i + 1] : s.end, offset);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
}

template <typename W>
void WriteTransits(const ChartSource& s, W& w) {
    if (!s.transits) return WriteNone(w, kTransitColumns.size());
    if (!s.transits->transits) return WriteError(w, kTransitColumns.size(), s.transits->refusal);
    const Transits& t = *s.transits->transits;
    const int offset = t.utcOffsetSeconds;
    w.BeginObject();
    w.KeyString("moment", IsoMomentText(t.moment, offset));
    w.Key("degrees");
    w.BeginArray();
    for (const ChartPoint& p : t.points) w.Double(p.longitude);
    w.EndArray();
    w.Key("housesFromMoon");
    w.IntArray(t.housesFromMoon, kBodyCount);
    w.Key("housesFromAscendant");
    w.IntArray(t.housesFromAscendant, kBodyCount);
    w.Key("sadeSati");
    WriteSadeSati(w, t);
    w.Key("nextIngresses");
    w.BeginArray();
    for (const auto& ingress : t.nextIngress) {
        if (!ingress) {
            WriteNone(w, 2);
            continue;
        }
        w.BeginObject();
        w.KeyInt("sign", ingress->sign);
        w.KeyString("moment", LocalDateTimeText(ingress->moment, offset));
        w.EndObject();
    }
    w.EndArray();
    w.Key("nextStations");
    w.BeginArray();
    for (std::size_t body = 0; body < t.nextRetrogradeStation.size(); ++body) {
        w.BeginObject();
        w.Key("retrograde");
        WriteMomentOrNull(w, t.nextRetrogradeStation[body], offset);
        w.Key("direct");
        WriteMomentOrNull(w, t.nextDirectStation[body], offset);
        w.EndObject();
    }
    w.EndArray();
    w.Key("retrograde");
    w.BeginArray();
    for (const ChartPoint& p : t.points) w.Bool(p.retrograde);
    w.EndArray();
    w.EndObject();
}

}  // namespace velmora::cli
