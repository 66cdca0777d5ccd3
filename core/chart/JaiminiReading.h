#pragma once
// A chart's Jaimini analyses together, worked out from the Chart when asked
// (the window's Jaimini page, the PDF, --jaimini): the chara karakas in both
// schemes with the one chosen, the karakamsa, the signs each sign aspects,
// the argalas on each house and the arudha padas of every house in every
// varga (D1's are the chart's own). The rules and their sources are in
// analysis/Jaimini.h and docs/jaimini.md.

#include <array>
#include <vector>

#include "analysis/ChartState.h"
#include "analysis/Jaimini.h"
#include "analysis/Varga.h"
#include "chart/Chart.h"

namespace velmora {

struct JaiminiReading {
    KarakaScheme scheme = kDefaultKarakaScheme;
    CharaKarakas karakas7, karakas8;
    int karakamsa = 0;  // the chosen scheme's atmakaraka's Navamsa sign
    std::array<std::array<int, 3>, kSignCount> rashiDrishti{};  // by sign index
    std::array<std::vector<ArgalaEntry>, kSignCount> argala;     // by house 1 … 12, from the ascendant's sign
    std::array<std::array<int, kArudhaCount>, kVargaCount> arudhas{};  // [varga][AL … A12]
    const CharaKarakas& Karakas() const { return scheme == KarakaScheme::Seven ? karakas7 : karakas8; }
};

// The chart's vargas must have been computed (ChartWants::vargas) for the
// arudhas beyond D1.
JaiminiReading JaiminiOf(const Chart& chart, KarakaScheme scheme = kDefaultKarakaScheme);

}  // namespace velmora
