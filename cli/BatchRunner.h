#pragma once
// Many charts in one go: one JSON object per input line, one JSON line out
// per input line, through one reused run.

#include <iosfwd>
#include <string>
#include <string_view>

#include "analysis/AnalysisRun.h"
#include "cli/ChartRequest.h"
#include "cli/LineSource.h"

namespace velmora::cli {

// Reads a request object {"name", "date", "time", "lon", "lat", "zone",
// "dst", "city", "state", "country", "precise", "node"}; returns the refusal,
// empty on success. A line holding a byte that JSON text cannot hold raw (a
// control character outside the whitespace) is refused whole.
std::string ParseBatchRequest(std::string_view line, ChartRequest& request);

struct BatchOutcome {
    int refusedLines = 0;
    bool writeFailed = false;  // the batch stopped at the first failed write
    std::string readError;     // the input could not be read to its end
};

class BatchRunner {
public:
    // One output line (without its newline) for one input line: the chart
    // object, or {"error": message}. `refused` tells which. The text stays
    // valid until the next call.
    std::string_view RunLine(std::string_view line, bool& refused);

    // Every line of `in` to `out`, until the input ends, cannot be read or
    // the output cannot be written.
    BatchOutcome RunAll(LineSource& in, std::ostream& out);

    // The day whose running dasha periods every chart marks.
    void SetToday(const CalendarDate& today) { run_.Today = today; }

private:
    AnalysisRun run_;
    MonthNames months_ = EnglishMonthNames();
    ChartRequest request_;
    FormFields form_;
    std::string output_;
};

}  // namespace velmora::cli
