#pragma once
// Two charts matched for marriage: the eight kootas of the two Moons (North-
// Indian guna milan, analysis/GunaMilan.h) and each chart's Mars dosha
// (analysis/KujaDosha.h). The bride's chart comes first.

#include <string>

#include "analysis/GunaMilan.h"
#include "analysis/KujaDosha.h"
#include "chart/Chart.h"

namespace velmora {

// The tradition and the tables, as the outputs name them.
inline constexpr std::string_view kMatchTradition =
    "North-Indian ashtakoota guna milan (36 points) from the Moons' signs and nakshatras; "
    "tables and sources in docs/matching.md";

struct MarriageMatch {
    GunaMilan milan;
    KujaDosha brideKuja, groomKuja;
    // Both charts carry the Mars dosha: it is balanced, as the tradition
    // holds.
    bool kujaBalanced = false;
    std::string kujaSummary;  // one sentence on the pair
};

MarriageMatch MatchCharts(const Chart& bride, const Chart& groom);

}  // namespace velmora
