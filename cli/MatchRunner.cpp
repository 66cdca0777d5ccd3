#include "cli/MatchRunner.h"

#include <nlohmann/json.hpp>

#include "chart/MarriageMatch.h"
#include "cli/BatchRunner.h"
#include "cli/JsonRenderer.h"
#include "cli/MatchOutput.h"
#include "text/Quoted.h"

namespace velmora::cli {

namespace {

constexpr std::string_view kPairShape = "a line is {\"bride\": {...}, \"groom\": {...}}";

// One side of the pair into `chart`, or why not, naming the side.
std::string ComputeSide(std::string_view role, const nlohmann::json& pair, ChartRequest& request, FormFields& form,
                        std::shared_ptr<const Chart>& chart) {
    const std::string key = role == "the bride" ? "bride" : "groom";
    const auto side = pair.find(key);
    if (side == pair.end()) return std::string(role) + ": missing \"" + key + "\"";
    if (!side->is_object()) return std::string(role) + ": \"" + key + "\" must be an object";
    std::string refusal = ReadBatchRequest(*side, request);
    if (refusal.empty()) refusal = ChartOfRequest(request, form, MatchWants(), chart);
    return refusal.empty() ? refusal : std::string(role) + ": " + refusal;
}

}  // namespace

std::string MatchRunner::ComputePair(std::string_view line) {
    nlohmann::json pair;
    if (std::string refusal = ReadJsonLine(line, pair); !refusal.empty()) return refusal;
    if (!pair.is_object()) return "the line is not a JSON object: " + std::string(kPairShape);
    for (const auto& item : pair.items())
        if (item.key() != "bride" && item.key() != "groom")
            return "unknown field " + Quoted(item.key()) + ": " + std::string(kPairShape);
    if (std::string refusal = ComputeSide("the bride", pair, request_, form_, bride_); !refusal.empty())
        return refusal;
    return ComputeSide("the groom", pair, request_, form_, groom_);
}

void MatchRunner::AppendLine(std::string_view line, bool& refused, std::string& out) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string refusal = ComputePair(line);
    refused = !refusal.empty();
    if (refused) return AppendRefusal(refusal, out);
    AppendMatchJson(MatchCharts(*bride_, *groom_), *bride_, *groom_, out);
}

void MatchRunner::AppendRefusal(std::string_view message, std::string& out) { AppendErrorJson(message, out); }

}  // namespace velmora::cli
