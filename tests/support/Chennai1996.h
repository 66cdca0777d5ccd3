#pragma once
// A worked chart with published divisional charts: 7 December 1996, 10:34 at
// Chennai (13° 05′ N, 80° 17′ E, India Standard Time +5:30), precise
// positions, Lahiri, the mean node.
//
// Its D10 and D60 signs as Jagannatha Hora shows them, as PyJHora's tests
// publish them (github.com/naturalstupid/PyJHora, whose example chart this
// is), in body order Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu,
// Ketu, ascendant. PyJHora computes with the mean node (its default; its
// stored test outputs are src/jhora/tests/test_outputs_lahiri_mean_nodes.json),
// and so does this chart: with the true node Rahu stands at 11° 42′ Virgo
// instead of 10° 33′ and its D60 is Leo (Ketu's Aquarius), where the
// published Gemini and Sagittarius are the mean node's.

#include <array>

#include "birth/Birth.h"
#include "engine/NameTables.h"

namespace velmora::testing {

inline Birth ChennaiBirth() {
    Birth birth;
    birth.name = "CHENNAI";
    birth.clock = {1996, 12, 7, 10, 34, 0};
    birth.latitude = 13 + 5.0 / 60;
    birth.longitude = 80 + 17.0 / 60;
    birth.timeZoneId = "Asia/Kolkata";
    birth.mode = ComputationMode::Precise;
    birth.node = NodeKind::Mean;
    return birth;
}

namespace chennai {
enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };
}  // namespace chennai

inline constexpr std::array<int, kBodyCount> kChennaiD10 = {
    chennai::Aqu, chennai::Sag, chennai::Pis, chennai::Tau, chennai::Ari,
    chennai::Leo, chennai::Cap, chennai::Leo, chennai::Aqu, chennai::Ari};
inline constexpr std::array<int, kBodyCount> kChennaiD60 = {
    chennai::Gem, chennai::Sco, chennai::Can, chennai::Vir, chennai::Sco,
    chennai::Pis, chennai::Ari, chennai::Gem, chennai::Sag, chennai::Vir};

}  // namespace velmora::testing
