#include <ostream>

#include "atlas/Atlas.h"
#include "cli/ChartRequest.h"
#include "cli/Commands.h"

namespace velmora::cli {

int RunPlacesCommand(const std::string& query, std::ostream& out, std::ostream& err) {
    const auto found = Atlas::Search(query, 25);
    for (const AtlasEntry& p : found) {
        out << p.Name << " | " << p.State << " | " << p.Country << " | " << CoordinateText(p.Latitude, false) << " | "
            << CoordinateText(p.Longitude, true) << " | " << p.TimeZone << " | " << p.Population;
        if (!p.MatchedAlias.empty()) out << " | found as " << p.MatchedAlias;
        out << '\n';
    }
    if (!found.empty()) return 0;
    err << "no place in the atlas matches \"" << query << "\"\n";
    return kExitNoMatch;
}

}  // namespace velmora::cli
