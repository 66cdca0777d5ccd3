#pragma once
// velmora-cli as a function: arguments in, text out, exit status back, so the
// tests drive it without starting a process.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Vimshottari.h"

namespace velmora::cli {

inline constexpr int kExitRefused = 2;
inline constexpr int kExitWriteFailed = 1;  // the output could not be written (a full disk, a closed pipe)
inline constexpr int kExitNoMatch = 1;      // --places found nothing (as grep says so)

// `args` without the program name. "--batch -" reads `stdinFd` when it is a
// file descriptor (the program's standard input, whose read errors are then
// seen), else `in`. Styling escape sequences are written only when
// `stdoutIsTerminal`; a batch draws its progress line on `err` only when
// `stderrIsTerminal` (and not --quiet). `today` is the clock's date, the day
// whose running dasha periods are marked unless --today names another (main
// passes SystemToday(); without a date nothing is marked). `nowUT` is the
// moment a --transit without one takes (main passes SystemNowJulianDay();
// 0: no clock, and --transit needs its moment).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool stdoutIsTerminal, int stdinFd = -1, bool stderrIsTerminal = false,
           CalendarDate today = {}, double nowUT = 0);

// The system clock's Universal Time as a Julian Date (`nowUT` above: the
// moment --transit takes when given none).
double SystemNowJulianDay();

// The local calendar date of the system clock.
CalendarDate SystemToday();

// "YYYY-MM-DD" as a calendar date (years 1 to 9999), or no date.
CalendarDate ParseIsoDate(std::string_view text);

}  // namespace velmora::cli
