#include "cli/AshtakavargaOptions.h"

#include "text/Quoted.h"

namespace velmora::cli {

std::string ReadAshtakavargaOptions(const CliOptions& o, AshtakavargaOutput& output) {
    output = {};
    output.reduced = o.ashtakavargaReduced;
    if (!o.ashtakavargaReading) return {};
    for (AshtakavargaReading reading : kAshtakavargaReadings)
        if (*o.ashtakavargaReading == AshtakavargaReadingKey(reading)) {
            output.reading = reading;
            return {};
        }
    return "--ashtakavarga-reading: give raman or rao, got " + Quoted(*o.ashtakavargaReading);
}

}  // namespace velmora::cli
