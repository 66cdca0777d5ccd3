#pragma once
// The chart's terms in the language `--lang` chose, as the JSON's "labels"
// object: the keys and every other value of the JSON stay English (they are
// read by programs); "labels" holds what a person reads, key for key beside
// the English fields it translates.

#include <nlohmann/json.hpp>

#include "cli/ChartSource.h"

namespace velmora::cli {

// {"language": "ta", "signs": the twelve by sign index, "points": the ten by
// body number, "bodyNames", "positions", "longitudes" (the fields of those
// names in the language), "bodySigns" and "nakshatras" (each point's sign
// and nakshatra by name)}; with the yogas asked, "yogas" (their names in
// the order of the "yogas" field) and "doshas" (the doshas' lines as the
// text writes them).
nlohmann::ordered_json LabelsJson(const ChartSource& source);

}  // namespace velmora::cli
