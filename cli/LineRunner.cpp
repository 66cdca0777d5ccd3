#include "cli/LineRunner.h"

#include <ostream>

namespace velmora::cli {

std::string LineRunner::TooLongMessage(std::size_t maxBytes) {
    return "the line is longer than " + std::to_string(maxBytes) + " bytes";
}

void LineRunner::AppendSourceLine(const LineSource& in, std::string_view line, bool& refused, std::string& out) {
    if (!in.TooLong()) return AppendLine(line, refused, out);
    refused = true;
    AppendRefusal(TooLongMessage(in.MaxLineBytes()), out);
}

BatchOutcome RunLines(LineRunner& runner, LineSource& in, std::ostream& out, BatchProgress* progress) {
    constexpr std::uint64_t kProgressEvery = 64;  // lines between looks at the clock
    BatchOutcome outcome;
    const std::string header = runner.Header();
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    const std::string_view newline = runner.LineEnd();
    std::string line, output;
    std::uint64_t lines = 0;
    while (in.Next(line)) {
        bool refused = false;
        output.clear();
        runner.AppendSourceLine(in, line, refused, output);
        output += newline;
        out.write(output.data(), static_cast<std::streamsize>(output.size()));
        outcome.refusedLines += refused ? 1 : 0;
        if (!out) {
            outcome.writeFailed = true;
            if (progress) progress->Finish(lines, outcome.refusedLines);
            return outcome;
        }
        if (progress && ++lines % kProgressEvery == 0) progress->Update(lines, in.BytesRead());
    }
    outcome.readError = in.Error();
    if (progress) progress->Finish(lines, outcome.refusedLines);
    return outcome;
}

}  // namespace velmora::cli
