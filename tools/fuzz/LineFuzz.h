#pragma once
// What every batch fuzzer holds of a batch's input, whatever its bytes:
// read with a small line limit (so that lines too long are reached at
// fuzzing sizes), every input line gives exactly one output line, a JSON
// object, which says "error" exactly for the lines refused. A failure
// aborts, for libFuzzer to keep the input.

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/LineRunner.h"
#include "cli/LineSource.h"

namespace velmora::fuzz {

inline constexpr std::size_t kFuzzLineBytes = 512;

inline void CheckEveryLineAnswered(cli::LineRunner& runner, std::string_view data) {
    std::istringstream in{std::string(data)};
    cli::StreamLines lines(in);
    lines.SetMaxLineBytes(kFuzzLineBytes);
    std::ostringstream out;
    const cli::BatchOutcome outcome = cli::RunLines(runner, lines, out);
    if (outcome.writeFailed || !outcome.readError.empty()) std::abort();
    // The lines of the input as a line source counts them: each ends at a
    // newline, the last may end at the end of the input.
    std::size_t inputLines = 0;
    for (const char c : data) inputLines += c == '\n' ? 1 : 0;
    if (!data.empty() && data.back() != '\n') ++inputLines;
    const std::string written = out.str();
    std::size_t outputLines = 0;
    int errors = 0;
    for (std::size_t at = 0; at < written.size();) {
        const std::size_t end = written.find('\n', at);
        if (end == std::string::npos) std::abort();  // every output line is ended
        const auto json = nlohmann::json::parse(std::string_view(written).substr(at, end - at), nullptr, false);
        if (json.is_discarded() || !json.is_object()) std::abort();
        errors += json.contains("error") ? 1 : 0;
        ++outputLines;
        at = end + 1;
    }
    if (outputLines != inputLines || errors != outcome.refusedLines) std::abort();
}

}  // namespace velmora::fuzz
