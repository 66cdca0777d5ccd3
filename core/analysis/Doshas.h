#pragma once
// The doshas of one chart besides the Mars dosha (KujaDosha.h), read in D1:
//
// - Kala Sarpa: the seven planets (the Sun to Saturn) all on one side of
//   the axis of the nodes, by longitude. No classical text among BPHS,
//   Phaladeepika and Saravali names it; the rule is the one later authors
//   give. Planets from Rahu onwards in the zodiac's order to Ketu are taken
//   as Kala Sarpa too (some call that side Kala Amrita); the kind is named
//   by Rahu's house from the ascendant: Ananta (1st), Kulika, Vasuki,
//   Shankhapala, Padma, Mahapadma, Takshaka, Karkotaka, Shankhachuda,
//   Ghataka, Vishadhara, Sheshanaga (12th).
// - Kemadruma (BPHS ch. 37; Saravali ch. 13): no planet other than the Sun
//   and the nodes in the 2nd or the 12th from the Moon. Cancelled
//   (Phaladeepika ch. 6; Saravali ch. 13) when a planet other than the Sun
//   and the nodes is in a kendra from the Moon, or in a kendra from the
//   ascendant, or with the Moon, or when the Moon is in a kendra from the
//   ascendant.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/YogaChart.h"
#include "engine/NameTables.h"

namespace velmora {

// The kinds of Kala Sarpa by Rahu's house from the ascendant, 1st … 12th.
inline constexpr std::array<std::string_view, 12> kKalaSarpaKinds = {
    "Ananta", "Kulika", "Vasuki", "Shankhapala", "Padma", "Mahapadma",
    "Takshaka", "Karkotaka", "Shankhachuda", "Ghataka", "Vishadhara", "Sheshanaga"};

struct KalaSarpa {
    bool present = false;
    bool fromRahu = true;  // the planets lie from Rahu onwards to Ketu (else from Ketu onwards to Rahu)
    int rahuHouse = 1;     // Rahu's house from the ascendant, 1 … 12
    std::string_view kind;  // "Ananta" …; empty when absent
    std::string summary;    // one sentence
};

// From the longitudes by body number (the ascendant's at body number 9).
KalaSarpa FindKalaSarpa(const std::array<double, kBodyCount>& longitudes);

// What cancels Kemadruma: planets with the Moon, planets in a kendra from
// the Moon (not with it), planets in a kendra from the ascendant, the Moon
// in a kendra from the ascendant (no planets).
enum class KemadrumaCancel : unsigned char { WithMoon, KendraFromMoon, KendraFromAscendant, MoonInKendra };

struct KemadrumaCancellation {
    KemadrumaCancel kind = KemadrumaCancel::WithMoon;
    BodySet planets = 0;
};

struct KemadrumaDosha {
    bool yoga = false;       // no planet in the 2nd or 12th from the Moon
    bool cancelled = false;  // a cancellation applies
    bool present = false;    // the yoga, not cancelled
    BodySet beside = 0;      // the planets in the 2nd and 12th from the Moon (no yoga)
    std::vector<KemadrumaCancellation> cancelledBy;  // each that applies, in this order:
    std::vector<std::string> cancellations;          // the same in words
    std::string summary;
};

// From the signs by body number (the ascendant's at body number 9).
KemadrumaDosha FindKemadrumaDosha(const std::array<int, kBodyCount>& signs);

}  // namespace velmora
