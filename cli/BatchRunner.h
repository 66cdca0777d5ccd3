#pragma once
// Many charts in one go: one JSON object per input line, one JSON line out
// per input line, each chart from the one entry.

#include <iosfwd>
#include <string>
#include <string_view>

#include "chart/ComputeChart.h"
#include "cli/AshtakavargaOptions.h"
#include "cli/BatchProgress.h"
#include "cli/ChartFields.h"
#include "cli/TimeRequest.h"
#include "cli/ChartRequest.h"
#include "cli/LineSource.h"

namespace velmora::cli {

// Reads a request object {"name", "date", "time", "lon", "lat", "zone",
// "dst", "city", "state", "country", "precise", "node", "dashaYear"}; returns the refusal,
// empty on success. A line holding a byte that JSON text cannot hold raw (a
// control character outside the whitespace) is refused whole.
std::string ParseBatchRequest(std::string_view line, ChartRequest& request);

enum class BatchFormat { Jsonl, Csv };

// What each output line holds. No fields: the whole chart object for JSON
// lines, every field that has columns for CSV.
struct BatchOutput {
    BatchFormat format = BatchFormat::Jsonl;
    FieldList fields;
    CalendarDate today;  // whose running dasha periods each chart marks; none: nothing marked
    // The dashas: the year of a line that names none ("" for 365.25 days),
    // the levels written, and the systems asked for besides Vimshottari.
    std::string dashaYear;
    int dashaLevels = 2;
    DashaSet dashas;
    bool vargas = false, ashtakavarga = false;  // asked for by naming their fields
    bool pointDetails = false, jaimini = false;  // asked for by their options or by naming their fields
    KarakaScheme karakaScheme = kDefaultKarakaScheme;  // --karakas
    // The panchanga and the transits for each chart: written where asked
    // here or named in `fields`.
    TimeRequest time;
    AshtakavargaOutput ashtakavargaChoice;  // the reading and whether the reduced tables are written
};

// The fields a batch writes when none are chosen: every field of the object
// for JSON lines, every one with CSV columns for CSV.
FieldList DefaultFields(BatchFormat format);

// Why `output` cannot be written (a field without CSV columns); empty when it can.
std::string CheckBatchOutput(const BatchOutput& output);

struct BatchOutcome {
    int refusedLines = 0;
    bool writeFailed = false;  // the batch stopped at the first failed write
    std::string readError;     // the input could not be read to its end
};

class BatchRunner {
public:
    explicit BatchRunner(BatchOutput output = {});

    // The CSV header row with its CR LF; empty for JSON lines.
    std::string Header() const;
    // What ends each output line: LF for JSON lines, CR LF for CSV.
    std::string_view LineEnd() const { return format_.format == BatchFormat::Csv ? "\r\n" : "\n"; }

    // One output line (without its newline, LF for JSON lines, CR LF for CSV) for one input line: the chart
    // object, or {"error": message}. `refused` tells which. The text stays
    // valid until the next call.
    std::string_view RunLine(std::string_view line, bool& refused);
    // The output line of a line refused before it was read (too long).
    std::string_view RefuseLine(std::string_view message);
    // The output line of the last line `in` handed out: RunLine, or the
    // refusal of a line too long to read.
    std::string_view RunSourceLine(const LineSource& in, std::string_view line, bool& refused);

    // The refusal of a line longer than `maxBytes`.
    static std::string TooLongMessage(std::size_t maxBytes);

    // The header, then every line of `in` to `out`, until the input ends, cannot be read or
    // the output cannot be written.
    // `progress`, when given, is updated as lines are written and finished
    // at the end.
    BatchOutcome RunAll(LineSource& in, std::ostream& out, BatchProgress* progress = nullptr);

    // The day whose running dasha periods every chart marks.

private:
    void AppendRefusal(std::string_view message);
    void AppendChart(const ChartSource& chart);
    // The chart with the dasha output asked for.
    ChartSource Source(const Chart& chart) const {
        ChartSource source{chart, format_.dashaLevels, format_.dashas, nullptr, nullptr, format_.vargas,
                           format_.ashtakavarga};
        source.ashtakavargaReading = format_.ashtakavargaChoice.reading;
        source.ashtakavargaReduced = format_.ashtakavargaChoice.reduced;
        source.pointDetails = format_.pointDetails;
        source.jaimini = format_.jaimini;
        source.karakaScheme = format_.karakaScheme;
        return source;
    }

    BatchOutput format_;
    bool wholeObject_ = true;     // the default JSON object
    std::size_t csvColumns_ = 0;  // before the error column
    ChartWants wants_;  // what each chart computes: what the fields written read
    // Stands in for a chart where what the output asks for is worked out
    // before any line is read.
    const Chart noChart_{};
    ChartRequest request_;
    FormFields form_;
    std::string output_;
};

}  // namespace velmora::cli
