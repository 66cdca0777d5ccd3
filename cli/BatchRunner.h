#pragma once
// Many charts in one go: one JSON object per input line, one JSON line out
// per input line, each chart from the one entry.

#include <iosfwd>
#include <optional>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "chart/ComputeChart.h"
#include "cli/AshtakavargaOptions.h"
#include "cli/BatchProgress.h"
#include "cli/ChartFields.h"
#include "cli/TimeRequest.h"
#include "cli/ChartRequest.h"
#include "cli/LineRunner.h"
#include "cli/LineSource.h"
#include "text/Language.h"

namespace velmora::cli {

// How many arrays and objects a batch line may nest: a request is one flat
// object, a pair for matching two.
inline constexpr std::size_t kMostLineDepth = 32;

// A batch line read as JSON into `value`; the refusal, empty when read. A
// line holding a byte that JSON text cannot hold raw (a control character
// outside the whitespace), a key twice in one object, a number too large to
// read or arrays and objects nested deeper than kMostLineDepth is refused
// whole.
std::string ReadJsonLine(std::string_view line, nlohmann::json& value);

// Reads a request object {"name", "date", "time", "lon", "lat", "zone",
// "dst", "city", "state", "country", "place", "tz", "ambiguous", "precise",
// "node", "ayanamsa", "positions", "houses", "dashaYear"}; returns the
// refusal, empty on success.
std::string ParseBatchRequest(std::string_view line, ChartRequest& request);
// The same from an object already read.
std::string ReadBatchRequest(const nlohmann::json& object, ChartRequest& request);

// Values: each JSON line's values as a ValueTape record (cli/ValueTape.h),
// the records one after another with nothing between them; what the Python
// module makes its objects from.
enum class BatchFormat { Jsonl, Csv, Values };

// What each output line holds. No fields: the whole chart object for JSON
// lines (and their values), every field that has columns for CSV.
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
    bool birthNumbers = false;                  // the birth, retrograde and speeds named
    bool pointDetails = false, jaimini = false;  // asked for by their options or by naming their fields
    KarakaScheme karakaScheme = kDefaultKarakaScheme;  // --karakas
    bool yogas = false;                         // --yogas, or the "yogas" and "doshas" fields named
    YogaVargas yogaVargas = kYogaVargasD1;      // --yogas-varga
    // The panchanga and the transits for each chart: written where asked
    // here or named in `fields`.
    TimeRequest time;
    AshtakavargaOutput ashtakavargaChoice;  // the reading and whether the reduced tables are written
    // --lang: each JSON line ends with a "labels" object in this language
    // (its other keys and values staying English).
    std::optional<Language> labels;
};

// The fields a batch writes when none are chosen: every field of the object
// for JSON lines and values, every one with CSV columns for CSV.
FieldList DefaultFields(BatchFormat format);

// Why `output` cannot be written (a field without CSV columns); empty when it can.
std::string CheckBatchOutput(const BatchOutput& output);

class BatchRunner : public LineRunner {
public:
    explicit BatchRunner(BatchOutput output = {});

    // The CSV header row with its CR LF; empty for JSON lines.
    std::string Header() const override;
    // What ends each output line: LF for JSON lines, CR LF for CSV, nothing
    // after a record of values.
    std::string_view LineEnd() const override {
        return format_.format == BatchFormat::Csv ? "\r\n" : format_.format == BatchFormat::Values ? "" : "\n";
    }

    // The chart object for one input line, or {"error": message} (a CSV row
    // with the message in its error column).
    void AppendLine(std::string_view line, bool& refused, std::string& out) override;
    void AppendRefusal(std::string_view message, std::string& out) override;

    // AppendLine into a buffer of the runner's own: the text stays valid
    // until the next call.
    std::string_view RunLine(std::string_view line, bool& refused);
    // AppendRefusal into the same buffer.
    std::string_view RefuseLine(std::string_view message);

    // RunLines with this runner.
    BatchOutcome RunAll(LineSource& in, std::ostream& out, BatchProgress* progress = nullptr) {
        return RunLines(*this, in, out, progress);
    }

private:
    void AppendChart(const ChartSource& chart, std::string& out);
    // The chart with the dasha output asked for.
    ChartSource Source(const Chart& chart) const {
        ChartSource source{chart, format_.dashaLevels, format_.dashas, nullptr, nullptr, format_.vargas,
                           format_.ashtakavarga};
        source.ashtakavargaReading = format_.ashtakavargaChoice.reading;
        source.birthNumbers = format_.birthNumbers;
        source.ashtakavargaReduced = format_.ashtakavargaChoice.reduced;
        source.pointDetails = format_.pointDetails;
        source.jaimini = format_.jaimini;
        source.karakaScheme = format_.karakaScheme;
        source.yogas = format_.yogas;
        source.yogaVargas = format_.yogaVargas;
        source.labels = format_.labels.has_value();
        source.language = format_.labels.value_or(Language::English);
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
