#pragma once
// A computed chart as a JSON object with its keys in a fixed order: "name",
// "positions", "longitudes", "bodyNames", "bodySigns", "arudhaSigns",
// "signBoxes", "arudhaBoxes", "details", "report", "reportText", "mode",
// "ayanamsa", "degrees", "nakshatras", "navamsaSigns", "dashas"
// (cli/ChartFields.h), then those written only for a precise chart or when
// asked for ("vargas", …): each field that FieldWritten says is written.

#include <string>
#include <string_view>

#include "cli/ChartFields.h"
#include "cli/ChartSource.h"

namespace velmora::cli {

// Appends the compact object (one line, no newline), as a batch writes it.
void AppendChartJson(const ChartSource& chart, std::string& out);

// The object of the chosen fields only, in their order (those written for the chart).
void AppendChartFields(const ChartSource& chart, const FieldList& fields, std::string& out);

// The object indented by two spaces, for a person: a document of the JSON
// library, written by it.
std::string ChartJsonIndented(const ChartSource& chart);

// Appends {"error": message}.
void AppendErrorJson(std::string_view message, std::string& out);

// The same objects as ValueTape records (cli/ValueTape.h): the values their
// compact text reads back as.
void AppendChartTape(const ChartSource& chart, const FieldList& fields, std::string& out);
void AppendErrorTape(std::string_view message, std::string& out);

}  // namespace velmora::cli
