#pragma once
// One computed chart as the command line writes it: the Chart value, which
// every number, flag, sign, the birth's details, the report and the dasha are
// read from, and the run that computed it. The batch's text fields (the
// position texts, the body names with their marks, the sign and arudha
// boxes) take the run's own texts, which the labels made from the chart's
// numbers equal byte for byte (tests/core/presentation), so that a batch
// writing only those fields never builds a Chart.

#include "chart/AnalysisRun.h"
#include "chart/Chart.h"
#include "chart/Panchanga.h"
#include "chart/Transits.h"

namespace velmora::cli {

struct ChartSource {
    const Chart& chart;
    const AnalysisRun& run;
    // How the dashas are written: every period to this many levels (as far
    // as its system divides), and whether the whole object holds the Yogini
    // and Ashtottari dashas.
    int dashaLevels = 2;
    bool yogini = false, ashtottari = false;
    // Computed only when asked (--panchanga, --transit, or their fields):
    // none, and the chart object leaves their keys out.
    const PanchangaOutcome* panchanga = nullptr;
    const TransitOutcome* transits = nullptr;
    // The ashtakavarga's reduced tables and pindas with its bindus.
    bool ashtakavargaReduced = false;
};

}  // namespace velmora::cli
