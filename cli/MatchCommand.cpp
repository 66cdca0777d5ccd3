#include <fstream>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "chart/MarriageMatch.h"
#include "cli/BatchRunner.h"
#include "cli/ChartRequest.h"
#include "cli/JsonRenderer.h"
#include "cli/Commands.h"
#include "cli/MatchOutput.h"
#include "text/Quoted.h"

namespace velmora::cli {

namespace {

// Matching reads the Moons and the Mars dosha: no report, no dasha.
const ChartWants kMatchWants = [] {
    ChartWants wants;
    wants.report = false;
    wants.dashas = {};
    return wants;
}();

// One of the two births from its file, or why not, naming which of the two.
std::string ComputeFromFile(std::string_view role, const std::string& path, std::shared_ptr<const Chart>& chart) {
    const std::string which = std::string(role) + "'s birth file " + Quoted(path);
    FormFields form;
    if (const std::string refusal = ReadBirthOption(path, form); !refusal.empty()) return which + ": " + refusal;
    if (const std::string refusal = ChartOfForm(form, kMatchWants, chart); !refusal.empty())
        return which + ": the chart cannot be computed: " + refusal;
    return {};
}

// One side of a batch pair ({"name": …, "date": …} as a --batch line), or
// why not, naming which of the two.
std::string ComputeFromRequest(std::string_view role, const nlohmann::json& pair, std::shared_ptr<const Chart>& chart) {
    const std::string key = role == "the bride" ? "bride" : "groom";
    if (!pair.contains(key) || !pair[key].is_object()) return std::string(role) + ": missing \"" + key + "\"";
    ChartRequest request;
    std::string refusal = ParseBatchRequest(pair[key].dump(), request);
    FormFields form;
    if (refusal.empty()) refusal = ChartOfRequest(request, form, kMatchWants, chart);
    if (!refusal.empty()) return std::string(role) + ": " + refusal;
    return {};
}

// One output line for one input line; `refused` says whether it is an error.
std::string MatchLine(const std::string& line, bool& refused) {
    std::string out;
    nlohmann::json pair = nlohmann::json::parse(line, nullptr, false);
    std::string refusal;
    std::shared_ptr<const Chart> bride, groom;
    if (pair.is_discarded() || !pair.is_object()) {
        refusal = "the line is not a JSON object {\"bride\": {...}, \"groom\": {...}}";
    } else {
        refusal = ComputeFromRequest("the bride", pair, bride);
        if (refusal.empty()) refusal = ComputeFromRequest("the groom", pair, groom);
    }
    refused = !refusal.empty();
    if (refused) {
        AppendErrorJson(refusal, out);
    } else {
        AppendMatchJson(MatchCharts(*bride, *groom), *bride, *groom, out);
    }
    return out;
}

}  // namespace

int RunMatchBatchCommand(const CliOptions& o, const CliStreams& io) {
    std::ifstream file;
    std::istream* in = &io.in;
    if (*o.matchBatch != "-") {
        file.open(*o.matchBatch);
        if (!file) return Refuse(io.err, "match batch: cannot read " + Quoted(*o.matchBatch));
        in = &file;
    }
    bool anyRefused = false;
    for (std::string line; std::getline(*in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        bool refused = false;
        io.out << MatchLine(line, refused) << '\n';
        anyRefused = anyRefused || refused;
        if (!io.out) return kExitWriteFailed;
    }
    return anyRefused ? kExitRefused : 0;
}

int RunMatchCommand(const CliOptions& o, const CliStreams& io) {
    std::shared_ptr<const Chart> bride, groom;
    if (const std::string refusal = ComputeFromFile("the bride", o.match[0], bride); !refusal.empty())
        return Refuse(io.err, refusal);
    if (const std::string refusal = ComputeFromFile("the groom", o.match[1], groom); !refusal.empty())
        return Refuse(io.err, refusal);
    const MarriageMatch match = MatchCharts(*bride, *groom);
    io.out << (o.json ? MatchJsonIndented(match, *bride, *groom) + "\n" : MatchText(match, *bride, *groom));
    return 0;
}

}  // namespace velmora::cli
