#pragma once
// Runs velmora-cli in-process and keeps what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliApp.h"

namespace velmora::cli::test {

struct CliResult {
    int status = -1;
    std::string out, err;
};

// `args` with `extra` after them.
inline std::vector<std::string> WithMore(std::vector<std::string> args, const std::vector<std::string>& extra) {
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

inline CliResult RunCliWith(const std::vector<std::string>& args, bool terminal = false,
                            const std::string& input = {}, bool stderrTerminal = false) {
    std::istringstream in(input);
    std::ostringstream out, err;
    CliResult result;
    result.status = RunCli(args, in, out, err, terminal, -1, stderrTerminal);
    result.out = out.str();
    result.err = err.str();
    return result;
}

}  // namespace velmora::cli::test
