#include "cli/AshtakavargaOptions.h"

#include "text/Quoted.h"

namespace velmora::cli {

std::string ReadAshtakavargaOptions(const CliOptions& o, bool written, AshtakavargaOutput& output) {
    output = {};
    if (!written) {
        const char* option = o.ashtakavargaReading ? "--ashtakavarga-reading" : "--ashtakavarga-reduced";
        if (o.ashtakavargaReading || o.ashtakavargaReduced)
            return std::string(option) + " requires --ashtakavarga" +
                   (o.batch ? " or the field ashtakavarga in --fields" : "");
    }
    output.reduced = o.ashtakavargaReduced;
    if (!o.ashtakavargaReading) return {};
    const std::optional<AshtakavargaReading> reading = AshtakavargaReadingOfKey(*o.ashtakavargaReading);
    if (!reading) return "--ashtakavarga-reading: give raman or rao, got " + Quoted(*o.ashtakavargaReading);
    output.reading = *reading;
    return {};
}

}  // namespace velmora::cli
