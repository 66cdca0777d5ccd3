#pragma once
// A computed chart as a JSON object with its keys in a fixed order: "name",
// "positions", "longitudes", "bodyNames", "bodySigns", "arudhaSigns",
// "signBoxes", "arudhaBoxes", "details", "report", "reportText", "mode",
// "ayanamsa", "degrees", "nakshatras", "navamsaSigns", "dashas"
// (cli/ChartFields.h), then, when asked for, "vargas".

#include <string>
#include <string_view>

#include "cli/ChartFields.h"
#include "cli/ChartSource.h"

namespace velmora::cli {

// Appends the compact object (one line, no newline), as a batch writes it.
void AppendChartJson(const ChartSource& chart, std::string& out);

// The object of the chosen fields only, in their order.
void AppendChartFields(const ChartSource& chart, const FieldList& fields, std::string& out);

// The object indented by two spaces, for a person: a document of the JSON
// library, written by it; the fields `requested` (written only when asked
// for: "vargas", "ashtakavarga") after the others.
std::string ChartJsonIndented(const ChartSource& chart, const FieldList& requested = {});

// Appends {"error": message}.
void AppendErrorJson(std::string_view message, std::string& out);

}  // namespace velmora::cli
