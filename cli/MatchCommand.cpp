#include <ostream>

#include "chart/ComputeChart.h"
#include "cli/ChartRequest.h"
#include "chart/MarriageMatch.h"
#include "cli/Commands.h"
#include "cli/MatchOutput.h"
#include "cli/LanguageOptions.h"
#include "cli/MatchRunner.h"
#include "text/Quoted.h"

namespace velmora::cli {

namespace {

// One of the two births from its file, or why not, naming which of the two.
std::string ComputeFromFile(std::string_view role, const std::string& path, std::shared_ptr<const Chart>& chart) {
    const std::string which = std::string(role) + "'s birth file " + Quoted(path);
    FormFields form;
    if (const std::string refusal = ReadBirthOption(path, form); !refusal.empty()) return which + ": " + refusal;
    if (const std::string refusal = ChartOfForm(form, MatchWants(), chart); !refusal.empty())
        return which + ": the chart cannot be computed: " + refusal;
    return {};
}

}  // namespace

int RunMatchBatchCommand(const CliOptions& o, const CliStreams& io) {
    MatchRunner runner;
    return RunOverLines("match batch", *o.matchBatch, io, false,
                        [&](LineSource& lines, BatchProgress*) { return RunLines(runner, lines, io.out); });
}

int RunMatchCommand(const CliOptions& o, const CliStreams& io) {
    std::shared_ptr<const Chart> bride, groom;
    if (const std::string refusal = ComputeFromFile("the bride", o.match[0], bride); !refusal.empty())
        return Refuse(io.err, refusal);
    if (const std::string refusal = ComputeFromFile("the groom", o.match[1], groom); !refusal.empty())
        return Refuse(io.err, refusal);
    Language language = Language::English;
    Digits digits = Digits::Western;
    if (const std::string refusal = ReadTextLanguageOptions(o, language, digits); !refusal.empty())
        return Refuse(io.err, refusal);
    const MarriageMatch match = MatchCharts(*bride, *groom);
    const std::optional<Language> labels = o.lang ? std::optional<Language>(language) : std::nullopt;
    io.out << (o.json ? MatchJsonIndented(match, *bride, *groom, labels) + "\n"
                      : WithDigits(MatchText(match, *bride, *groom, language), language, digits));
    return 0;
}

}  // namespace velmora::cli
