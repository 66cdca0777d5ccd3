#pragma once
// One computed chart as the command line writes it: the Chart value, which
// every field is read from (numbers and flags, and the texts made from them
// by core/presentation), and how the dashas and the parts computed on
// request are written.

#include "analysis/Jaimini.h"
#include "chart/Chart.h"
#include "chart/Panchanga.h"
#include "chart/Sensitivity.h"
#include "chart/Strengths.h"
#include "chart/Transits.h"
#include "chart/YogaReading.h"
#include "text/Language.h"

namespace velmora::cli {

struct ChartSource {
    const Chart& chart;
    // How the dashas are written: every period to this many levels (as far
    // as its system divides), and the systems asked for besides Vimshottari
    // (which "dashas" always writes).
    int dashaLevels = 2;
    DashaSet dashas;
    // Computed only when asked (--panchanga, --transit, or their fields):
    // none, and the chart object leaves their keys out.
    const PanchangaOutcome* panchanga = nullptr;
    const TransitOutcome* transits = nullptr;
    // The sixteen vargas and the ashtakavarga, written only when asked
    // (--varga, --ashtakavarga, or their fields).
    bool vargas = false, ashtakavarga = false;
    // The birth as numbers, the retrograde flags and the speeds: written only
    // when their fields are named.
    bool birthNumbers = false;
    // Whose reading of the ashtakavarga's tables is written, and whether its
    // reduced tables and pindas go with its bindus.
    AshtakavargaReading ashtakavargaReading = AshtakavargaReading::Raman;
    bool ashtakavargaReduced = false;
    // Computed only when asked (--sensitivity, or its field), as the panchanga.
    const SensitivityOutcome* sensitivity = nullptr;
    // The full position table and the Jaimini analyses, written only when
    // asked (--point-details, --jaimini, or their fields), the karakas of the
    // scheme chosen (--karakas) first; and the degrees in the birth chart's
    // cells (--cell-degrees, the text only).
    bool pointDetails = false, jaimini = false;
    KarakaScheme karakaScheme = kDefaultKarakaScheme;
    bool cellDegrees = false;
    // The language of the text's chart terms (--lang); with `labels` the
    // JSON gains a "labels" object in it, its keys and values staying English.
    Language language = Language::English;
    bool labels = false;
    // Computed only when asked (--strengths or its field).
    const StrengthsOutcome* strengths = nullptr;
    // The yogas (in the vargas chosen, --yogas-varga) and the doshas, written
    // only when asked (--yogas, or their fields).
    bool yogas = false;
    YogaVargas yogaVargas = kYogaVargasD1;
};

}  // namespace velmora::cli
