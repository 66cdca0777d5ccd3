#include "cli/AshtakavargaOptions.h"

#include "text/Quoted.h"

namespace velmora::cli {

std::string ReadAshtakavargaOptions(const CliOptions& o, AshtakavargaOutput& output) {
    output = {};
    output.reduced = o.ashtakavargaReduced;
    if (!o.ashtakavargaReading) return {};
    const std::optional<AshtakavargaReading> reading = AshtakavargaReadingOfKey(*o.ashtakavargaReading);
    if (!reading) return "--ashtakavarga-reading: give raman or rao, got " + Quoted(*o.ashtakavargaReading);
    output.reading = *reading;
    return {};
}

}  // namespace velmora::cli
