#pragma once
// velmora-cli's options as the command line gives them: read into one value
// by CLI11, with which options need or exclude which. What the options mean
// is each command's business (cli/Commands.h).

#include <optional>
#include <string>
#include <vector>

#include "cli/ChartRequest.h"

namespace velmora::cli {

struct CliOptions {
    ChartRequest request;  // the birth the chart options describe (without name, date, time, lon, lat)
    std::optional<std::string> name, date, time, lon, lat, batch, places, open, save;
    std::optional<std::string> chartStyle, today, fields, format, jobs;
    std::optional<std::string> lang;  // "ta": the chart's terms in that language (text; JSON "labels")
    std::optional<std::string> digits;  // "native": the text's digits in the language's own
    std::optional<std::string> varga;  // "D10": that divisional chart alone (with --json: every varga's signs)
    bool quiet = false;
    bool classic = false;
    bool precise = false;  // the default; the option is kept for scripts that give it
    bool force = false;
    bool json = false;
    bool zones = false;
    bool help = false;
    std::optional<std::string> dashaYear, dashaLevels, dashaSystems;  // read by cli/DashaOptions
    bool ashtakavarga = false;       // the chart's ashtakavarga too
    std::optional<std::string> ashtakavargaReading;  // read by cli/AshtakavargaOptions
    bool ashtakavargaReduced = false;
    bool pointDetails = false;            // the full position table (text and "pointDetails")
    bool jaimini = false;                 // the Jaimini analyses (text and "jaimini")
    std::optional<std::string> karakas;   // with --jaimini: "7" or "8", the chara karakas' scheme
    bool cellDegrees = false;             // the degrees written in the birth chart's cells (text)
    bool yogas = false;                   // the yogas and doshas (text, "yogas" and "doshas")
    std::optional<std::string> yogasVarga;  // with --yogas: the vargas read, "D1,D9"
    std::vector<std::string> match;  // --match BRIDE GROOM: two birth files
    std::optional<std::string> matchBatch;  // --match-batch FILE|-: pairs of births, a line each
    // The panchanga and the transits (cli/TimeRequest.h); `transit` holds ""
    // when given without a moment.
    bool panchanga = false;
    std::optional<std::string> sunrise, transit;
    std::optional<std::string> sensitivity;  // the birth-time window in minutes, as typed
    bool strengths = false;  // shadbala, bhava bala and vimsopaka bala (cli/TimeRequest.h)
};

// Reads `args` (without the program name) into `options`. Returns the
// refusal (a value missing, an unknown option, options that exclude each
// other), empty when the options could be read.
std::string ParseOptions(const std::vector<std::string>& args, CliOptions& options);

}  // namespace velmora::cli
