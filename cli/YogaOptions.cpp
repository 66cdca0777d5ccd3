#include "cli/YogaOptions.h"

#include "presentation/VargaPoints.h"
#include "text/Quoted.h"

namespace velmora::cli {

std::string ReadYogaVargas(const CliOptions& o, YogaVargas& vargas) {
    vargas = kYogaVargasD1;
    if (!o.yogasVarga) return {};
    YogaVargas chosen = 0;
    const std::string& list = *o.yogasVarga;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const int varga = VargaFromName(name);
        if (varga < 0)
            return "--yogas-varga: " + Quoted(name) + " is not one of the sixteen divisional charts; give one or more of " +
                   VargaNames() + ", separated by commas";
        chosen |= YogaVargaBit(varga);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    vargas = chosen;
    return {};
}

}  // namespace velmora::cli
