#pragma once
// --karakas 7|8: the chara karakas' scheme the Jaimini output names first
// (the karakamsa is the chosen scheme's), the eight-karaka scheme unless
// asked.

#include <string>

#include "analysis/Jaimini.h"
#include "cli/CliOptions.h"

namespace velmora::cli {

// The scheme into `scheme`; returns the refusal (naming the choices), empty when good.
std::string ReadKarakaScheme(const CliOptions& options, KarakaScheme& scheme);

}  // namespace velmora::cli
