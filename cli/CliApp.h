#pragma once
// velmora-cli as a function: arguments in, text out, exit status back, so the
// tests drive it without starting a process.

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::cli {

inline constexpr int kExitRefused = 2;
inline constexpr int kExitWriteFailed = 1;  // the output could not be written (a full disk, a closed pipe)

// `args` without the program name. "--batch -" reads `stdinFd` when it is a
// file descriptor (the program's standard input, whose read errors are then
// seen), else `in`. Styling escape sequences are written only when
// `stdoutIsTerminal`; a batch draws its progress line on `err` only when
// `stderrIsTerminal` (and not --quiet).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool stdoutIsTerminal, int stdinFd = -1, bool stderrIsTerminal = false);

}  // namespace velmora::cli
