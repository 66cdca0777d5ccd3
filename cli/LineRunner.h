#pragma once
// A batch read line by line: each input line, whatever it holds, gives
// exactly one output line, so that output line n always answers input line
// n. A chart batch and a match batch differ only in what makes the line.

#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/BatchProgress.h"
#include "cli/LineSource.h"

namespace velmora::cli {

struct BatchOutcome {
    int refusedLines = 0;
    bool writeFailed = false;  // the batch stopped at the first failed write
    std::string readError;     // the input could not be read to its end
};

class LineRunner {
public:
    virtual ~LineRunner() = default;

    // What comes before the first line (CSV's header row with its end); empty for JSON lines.
    virtual std::string Header() const { return {}; }
    // What ends each output line.
    virtual std::string_view LineEnd() const { return "\n"; }
    // Appends the output line for `line` (without its end) to `out`;
    // `refused` tells whether it says why the line gave nothing.
    virtual void AppendLine(std::string_view line, bool& refused, std::string& out) = 0;
    // Appends the output line of a line refused before it was read (too long).
    virtual void AppendRefusal(std::string_view message, std::string& out) = 0;

    // The refusal of a line longer than `maxBytes`.
    static std::string TooLongMessage(std::size_t maxBytes);
    // AppendLine for the line `in` handed out last, or the refusal of a line
    // too long to read.
    void AppendSourceLine(const LineSource& in, std::string_view line, bool& refused, std::string& out);
};

// The header, then one line for every line of `in` to `out`, until the
// input ends, cannot be read or the output cannot be written. `progress`,
// when given, is updated as lines are written and finished at the end.
BatchOutcome RunLines(LineRunner& runner, LineSource& in, std::ostream& out, BatchProgress* progress = nullptr);

}  // namespace velmora::cli
