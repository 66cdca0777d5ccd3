#pragma once
// The chart of one finished run as a JSON object, its keys in a fixed order.

#include <nlohmann/json.hpp>

#include "analysis/AnalysisRun.h"

namespace velmora::cli {

nlohmann::ordered_json ChartJson(const AnalysisRun& run);

// Serialises without ever failing on text that is not valid UTF-8 (city,
// state and country are passed on as given): such bytes become U+FFFD.
std::string DumpJson(const nlohmann::ordered_json& json, int indent);

}  // namespace velmora::cli
