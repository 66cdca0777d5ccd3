#pragma once
// The ashtakavarga options of velmora-cli, beside --ashtakavarga:
// --ashtakavarga-reading (whose reading of Parashara's tables: raman, the
// default, or rao) and --ashtakavarga-reduced (the tables after trikona and
// ekadhipatya shodhana, with the pindas, too).

#include <string>

#include "analysis/Ashtakavarga.h"
#include "cli/CliOptions.h"

namespace velmora::cli {

struct AshtakavargaOutput {
    AshtakavargaReading reading = AshtakavargaReading::Raman;
    bool reduced = false;
};

// The options into `output`; returns the refusal, empty when they are good.
// `written`: whether the output holds the ashtakavarga (--ashtakavarga, or
// with --batch its field named in --fields), without which the reading and
// the reduced tables mean nothing.
std::string ReadAshtakavargaOptions(const CliOptions& options, bool written, AshtakavargaOutput& output);

}  // namespace velmora::cli
