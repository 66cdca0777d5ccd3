#pragma once
// Many charts in one go: one JSON object per input line, one JSON line out
// per input line, through one reused run.

#include <iosfwd>
#include <string>
#include <string_view>

#include "analysis/AnalysisRun.h"
#include "cli/ChartRequest.h"

namespace velmora::cli {

// Reads a request object {"name", "date", "time", "lon", "lat", "zone",
// "dst", "city", "state", "country"}; returns the refusal, empty on success.
std::string ParseBatchRequest(std::string_view line, ChartRequest& request);

class BatchRunner {
public:
    // One output line (without its newline) for one input line: the chart
    // object, or {"error": message}. `refused` tells which. The text stays
    // valid until the next call.
    std::string_view RunLine(std::string_view line, bool& refused);

    // Every line of `in` to `out`; returns how many lines were refused.
    int RunAll(std::istream& in, std::ostream& out);

private:
    AnalysisRun run_;
    MonthNames months_ = EnglishMonthNames();
    ChartRequest request_;
    FormFields form_;
    std::string output_;
};

}  // namespace velmora::cli
