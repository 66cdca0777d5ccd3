#pragma once
// The Mars (Kuja, Mangal) dosha of one chart: Mars in the 1st, 2nd, 4th,
// 7th, 8th or 12th sign counted from the ascendant, from the Moon and from
// Venus, with the exceptions as "Kuja or Mangal Dosh" (horoscopevedic.com,
// 2 September 2009) lists them: Mars in the 2nd in Gemini or Virgo, in the
// 4th or the 12th in Taurus or Libra, in the 7th in Capricorn or Cancer, in
// the 8th in Sagittarius or Pisces; Mars with Jupiter or with the Moon; Venus
// or Jupiter in the ascendant. When both charts of a match carry it, it
// counts as balanced (see MarriageMatch).

#include <array>
#include <string>
#include <string_view>

#include "engine/NameTables.h"

namespace velmora {

// The three points the houses are counted from.
inline constexpr std::array<std::string_view, 3> kKujaReferenceNames = {"the ascendant", "the Moon", "Venus"};

// The exception that cancels a dosha: Mars's house and sign, or one of the
// chart's four, in the order they are looked for.
enum class KujaException { None, HouseSign, MarsWithJupiter, MarsWithMoon, VenusInAscendant, JupiterInAscendant };

struct KujaFrom {
    int house = 1;           // Mars's house counted from the reference point, 1 … 12
    bool dosha = false;      // in 1, 2, 4, 7, 8 or 12
    bool cancelled = false;  // an exception applies
    KujaException exception = KujaException::None;  // the one that cancels it
    int marsSign = 0;        // Mars's sign, which the HouseSign exception names
    std::string reason;
};

struct KujaDosha {
    std::array<KujaFrom, 3> from;  // from the ascendant, the Moon, Venus
    bool present = false;          // from any of the three, and not cancelled there
    std::string summary;           // one sentence
};

// The dosha of a chart from its points' signs (sign index by body number;
// the ascendant's at body number 9).
KujaDosha FindKujaDosha(const std::array<int, kBodyCount>& signs);

}  // namespace velmora
