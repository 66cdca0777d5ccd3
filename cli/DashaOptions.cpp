#include "cli/DashaOptions.h"

#include "chart/DashaSystems.h"
#include "text/Quoted.h"

namespace velmora::cli {

std::string DashaYearRefusal(std::string_view where, std::string_view text) {
    std::string years;
    for (std::size_t i = 0; i < kDashaYearChoices.size(); ++i) {
        if (i > 0) years += i + 1 == kDashaYearChoices.size() ? " or " : ", ";
        years += kDashaYearChoices[i].key;
    }
    return std::string(where) + ": give " + years + ", got " + Quoted(text);
}

std::string ReadDashaOptions(const CliOptions& o, DashaOutput& output) {
    output = {};
    if (o.dashaYear) {
        output.year = ParseDashaYear(*o.dashaYear);
        if (!output.year) return DashaYearRefusal("--dasha-year", *o.dashaYear);
    }
    if (o.dashaLevels) {
        const std::string& text = *o.dashaLevels;
        if (text.size() != 1 || text[0] < '1' || text[0] > '5')
            return "--dasha-levels: give a number of levels from 1 to 5, got " + Quoted(text);
        output.levels = text[0] - '0';
    }
    if (o.dashaSystems) {
        // A comma-separated list of systems; Vimshottari is always there.
        const std::string& list = *o.dashaSystems;
        for (std::size_t start = 0;;) {
            const std::size_t comma = list.find(',', start);
            const std::string name = list.substr(start, comma == std::string::npos ? comma : comma - start);
            const std::optional<DashaSystem> system = ParseDashaSystem(name);
            if (!system)
                return "--dasha-systems: give a list of " + DashaSystemKeyList() + ", got " + Quoted(list);
            if (*system != DashaSystem::Vimshottari) output.systems.Add(*system);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    return {};
}

}  // namespace velmora::cli
