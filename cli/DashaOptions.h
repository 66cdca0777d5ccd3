#pragma once
// The dasha options of velmora-cli: --dasha-year (the year's length),
// --dasha-levels (how deep every period is written, 1 to 5; 2 by default)
// and --dasha-systems (the other dasha systems besides Vimshottari, which
// the chart object then holds under their keys).

#include <optional>
#include <string>

#include "birth/DashaChoice.h"
#include "cli/CliOptions.h"

namespace velmora::cli {

struct DashaOutput {
    std::optional<DashaYear> year;  // none: the birth's own (365.25 days unless a birth file says otherwise)
    int levels = 2;
    DashaSet systems;  // asked for besides Vimshottari
};

// The options into `output`; returns the refusal, empty when they are good.
std::string ReadDashaOptions(const CliOptions& options, DashaOutput& output);

// "--dasha-year: give 365.25, 365.2425, 360 or sidereal, got ..." for a bad year text in `where`.
std::string DashaYearRefusal(std::string_view where, std::string_view text);

}  // namespace velmora::cli
