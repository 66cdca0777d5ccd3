#pragma once
// The fields of a chart's JSON object by name, in the object's order: what
// `--fields` chooses from. Each field writes its value as compact JSON text,
// into a JSON document or as CSV cells (lists spread over one column each,
// "position_sun" … "position_asc"; the details over "detail_name" …), from
// the same function. Only the command line writes JSON and CSV, so the
// fields live here; the labels they share with the windows are in
// presentation/.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ChartSource.h"

namespace velmora::cli {

class JsonWriter;
class JsonDocument;
class CsvRow;

struct ChartField {
    std::string_view name;
    // The CSV column, or the prefix of the spread columns; empty when the
    // field has no CSV form (the report's pieces).
    std::string_view column;
    std::span<const std::string_view> suffixes;  // the spread columns' suffixes; empty for one column
    bool needsReport;                            // read from the report pieces
    bool needsDasha;                             // read from the Vimshottari periods
    // Read from the Chart value; false for the texts the run still makes
    // (a batch of those alone makes no Chart value).
    bool readsChart;
    void (*json)(const ChartSource&, JsonWriter&);
    void (*csv)(const ChartSource&, CsvRow&);
    void (*document)(const ChartSource&, JsonDocument&);
    // Only a precise chart has it (the ayanamsa's name, the cusps): a classic
    // chart's object leaves the key out and its CSV cells empty.
    bool preciseOnly = false;
    // Read from the Yogini and Ashtottari dashas, which a run works out only
    // when asked; such a field is in the whole object only when the source asks for it.
    bool moreDashas = false;
    bool (*asked)(const ChartSource&) = nullptr;
    bool InWholeObject(const ChartSource& source) const { return asked == nullptr || asked(source); }
    bool needsVargas = false;  // read from the sixteen vargas' signs
};

// Whether `field` has a value for the chart in `source`.
bool FieldApplies(const ChartField& field, const ChartSource& source);

// Every field of the chart object, in its order.
std::span<const ChartField> AllChartFields();

// The fields written only when asked for by name (a batch's --fields; the
// single chart's --varga and --ashtakavarga), after the chart object's:
// "vargas", "ashtakavarga". The whole object and the default CSV row leave
// them out.
std::span<const ChartField> RequestedChartFields();
const ChartField& VargasField();
const ChartField& AshtakavargaField();
// The fields computed only when asked ("panchanga", "transits"), after every
// other field: the chart object holds those the chart source carries
// (FieldWritten), and --fields may name them.
std::span<const ChartField> OnRequestChartFields();
bool FieldWritten(const ChartField& field, const ChartSource& chart);

using FieldList = std::vector<const ChartField*>;

// The fields of a comma-separated list such as "positions,degrees", in the
// order given, into `fields`. Returns the refusal (an unknown or repeated
// name, with the valid names listed), empty when the list is good.
std::string ParseFieldList(std::string_view list, FieldList& fields);

// The CSV columns of `fields`, one cell each.
std::vector<std::string> CsvColumns(const FieldList& fields);

// The valid names (the chart object's, then the requested ones), comma-separated.
std::string FieldNames();

}  // namespace velmora::cli
