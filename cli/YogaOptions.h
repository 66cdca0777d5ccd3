#pragma once
// --yogas-varga D1,D9,…: the vargas the yogas are read in (D1 unless asked).

#include <string>

#include "chart/YogaReading.h"
#include "cli/CliOptions.h"

namespace velmora::cli {

// The vargas into `vargas`; returns the refusal (naming the choices), empty when good.
std::string ReadYogaVargas(const CliOptions& options, YogaVargas& vargas);

}  // namespace velmora::cli
