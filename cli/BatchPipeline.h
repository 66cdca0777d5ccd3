#pragma once
// A whole batch on several cores. The calling thread reads the input in
// chunks of lines and writes the finished chunks in input order; `jobs`
// worker threads, each with a runner of its own, compute whole chunks into
// the chunks' own output buffers. A chunk holds as many lines as give about
// half a megabyte of output, judged from the largest chart line so far (the
// calling thread works out the lines itself until the first chart). Threads
// meet once per chunk, never per line, and only a few chunks are in flight,
// so memory stays flat however long the input is and whatever its lines
// ask. The output is byte for byte that of one runner going through the
// lines in turn.
//
// Precise lines are safe in parallel: Debian's Swiss Ephemeris keeps its
// whole state (data path, open files, sidereal mode, caches) in thread-local
// storage (its `swed` is a TLS symbol), and each worker's runner is built and
// used on that worker's own thread, so each sets its data path and mode for
// its thread. The one plain static the library writes belongs to a house
// system the program does not use.

#include <iosfwd>

#include "cli/BatchProgress.h"
#include "cli/BatchRunner.h"
#include "cli/LineSource.h"

namespace velmora::cli {

// The number of cores this process may run on.
int AvailableCores();

// The header, then every line of `in` to `out` as `output` says, with `jobs`
// threads (1: this thread alone). `progress`, when given, is updated as lines
// are written and finished at the end.
BatchOutcome RunBatch(LineSource& in, std::ostream& out, const BatchOutput& output, int jobs,
                      BatchProgress* progress = nullptr);

}  // namespace velmora::cli
