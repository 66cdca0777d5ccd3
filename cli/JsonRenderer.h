#pragma once
// The chart of one finished run as a JSON object with its keys in a fixed
// order: "name", "positions", "longitudes", "bodyNames", "bodySigns",
// "arudhaSigns", "signBoxes", "arudhaBoxes", "details", "report", "reportText",
// "mode", "ayanamsa", "degrees", "nakshatras", "navamsaSigns", "dashas" (cli/ChartFields.h).

#include <string>
#include <string_view>

#include "chart/AnalysisRun.h"
#include "cli/ChartFields.h"

namespace velmora::cli {

// Appends the compact object (one line, no newline).
void AppendChartJson(const AnalysisRun& run, std::string& out);

// The object of the chosen fields only, in their order.
void AppendChartFields(const AnalysisRun& run, const FieldList& fields, std::string& out);

// The same object indented by two spaces, for a person.
std::string ChartJsonIndented(const AnalysisRun& run);

// Appends {"error": message}.
void AppendErrorJson(std::string_view message, std::string& out);

}  // namespace velmora::cli
