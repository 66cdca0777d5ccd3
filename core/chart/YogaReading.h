#pragma once
// A chart's yogas and doshas, worked out from the Chart when asked (the
// window's Yogas page, the PDF, --yogas): the yogas of the catalogue
// (analysis/Yogas.h) present in each varga asked, with the planets forming
// them, and the doshas of D1: the Mars dosha (analysis/KujaDosha.h, the same
// the match reads), Kala Sarpa and Kemadruma with its cancellations
// (analysis/Doshas.h). The rules and their sources are in docs/yogas.md.

#include <vector>

#include "analysis/Doshas.h"
#include "analysis/KujaDosha.h"
#include "analysis/Varga.h"
#include "analysis/Yogas.h"
#include "chart/Chart.h"

namespace velmora {

// The vargas to read yogas in: bit v for the varga at position v of
// AllVargas(); D1 unless asked otherwise.
using YogaVargas = unsigned;
inline constexpr YogaVargas kYogaVargasD1 = 1;
inline constexpr YogaVargas YogaVargaBit(int varga) { return 1u << varga; }

struct YogasInVarga {
    int varga = 0;  // position in AllVargas()
    std::vector<YogaFound> yogas;
};

struct YogaReading {
    std::vector<YogasInVarga> vargas;  // in the order of AllVargas()
    KujaDosha kuja;
    KalaSarpa kalaSarpa;
    KemadrumaDosha kemadruma;
};

// The points' signs in `varga` (D1's as the chart holds them; the others
// from the longitudes, so that a chart computed without its vargas reads
// them too), as a yoga's rules read them, the Moon's phase from D1.
YogaChart YogaChartOf(const Chart& chart, int varga);

YogaReading YogasOf(const Chart& chart, YogaVargas vargas = kYogaVargasD1);

}  // namespace velmora
