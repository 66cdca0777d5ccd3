#pragma once
// velmora-cli's commands, one file each: RunCli reads the options and hands
// them to the one command they ask for.

#include <functional>
#include <iosfwd>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "analysis/Vimshottari.h"
#include "birth/FormFields.h"
#include "cli/CliApp.h"
#include "cli/CliOptions.h"
#include "cli/LineRunner.h"
#include "presentation/ChartStyle.h"

namespace velmora::cli {

// Where a command reads and writes, and what it knows of them.
struct CliStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    int stdinFd = -1;  // the program's standard input, or -1 for `in` alone
    bool stdoutIsTerminal = false;
    bool stderrIsTerminal = false;
    double nowUT = 0;  // the clock's Universal Time as a Julian Date, for --transit; 0: no clock
};

// The message alone on standard error, and the refusal's status.
int Refuse(std::ostream& err, std::string_view message);

// HelpCommand.cpp: --help.
int RunHelpCommand(std::ostream& out);

// ZonesCommand.cpp: --zones, the zone list's entries with their positions.
int RunZonesCommand(std::ostream& out);

// PlacesCommand.cpp: --places, the atlas's places a name finds.
int RunPlacesCommand(const std::string& query, std::ostream& out, std::ostream& err);

// BatchCommand.cpp: --batch, one output line an input line.
int RunBatchCommand(const CliOptions& options, CalendarDate today, const CliStreams& io);
// What --batch writes and on how many threads, as the options say (the
// fields, the format, the dashas, the ashtakavarga and the parts of the
// chart's time; `today` after --today); the refusal, empty when they are
// good. The Python module reads its choices through it.
struct BatchOutput;
std::string ReadBatchOptions(const CliOptions& options, CalendarDate today, double nowUT, BatchOutput& output,
                             int& jobs);
// The lines of `source` (a file, or "-" for standard input) through `run`,
// with a progress line on `err` when `progress`; the status: 0, or
// kExitRefused when a line was refused or the input could not be read to
// its end (said on `err`, starting with `command`), or kExitWriteFailed.
int RunOverLines(std::string_view command, const std::string& source, const CliStreams& io, bool progress,
                 const std::function<BatchOutcome(LineSource&, BatchProgress*)>& run);

// BirthFileCommand.cpp: --open's birth, or the refusal (empty when read).
std::string ReadBirthOption(const std::string& path, FormFields& form);
// --save: writes `form`; no status when it was written (a notice may go to
// `err`), else the status to end with (the message written).
std::optional<int> SaveBirthOption(const std::string& path, const FormFields& form, bool force, std::ostream& err);

// ChartCommand.cpp: one chart, from the options or from --open, as text or
// JSON, saved first with --save.
int RunChartCommand(const CliOptions& options, CalendarDate today, ChartStyle style, const CliStreams& io);

// MatchCommand.cpp: --match BRIDE GROOM, two birth files matched for
// marriage, as text or JSON.
int RunMatchCommand(const CliOptions& options, const CliStreams& io);
// --match-batch FILE|-: one {"bride": {…}, "groom": {…}} line in (each side
// as a --batch line), one {"match": …} or {"error": …} line out.
int RunMatchBatchCommand(const CliOptions& options, const CliStreams& io);

}  // namespace velmora::cli
