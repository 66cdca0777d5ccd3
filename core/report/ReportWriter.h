#pragma once
// Writes the twelve report sections, each with its fixed pieces and the
// sentences of every rule that holds in the chart.

#include "analysis/ChartState.h"
#include "report/ReportPiece.h"
#include "report/ReportTables.h"

namespace velmora {

// Appends to `out` (which the caller clears for a fresh report).
void WriteReport(const ChartState& chart, const ReportTables& tables, Report& out);

}  // namespace velmora
