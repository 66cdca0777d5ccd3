#pragma once
// The fields of a chart's JSON object by name, in the object's order: what
// `--fields` chooses from. Each field writes its value as compact JSON text,
// into a JSON document or as CSV cells (lists spread over one column each,
// "position_sun" … "position_asc"; the details over "detail_name" …), or as
// the values of a ValueTape (the Python module's dicts), from the same
// function. Only the command line writes JSON and CSV, so the fields live
// here; the labels they share with the windows are in presentation/.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ChartSource.h"

namespace velmora::cli {

class JsonWriter;
class JsonDocument;
class CsvRow;
class ValueTape;

// What a field reads beyond the chart's points, signs and details: a batch
// has its run compute only what its fields read.
enum FieldReads : unsigned {
    kReadsReport = 1u << 1,      // the report's pieces
    kReadsDasha = 1u << 2,       // the Vimshottari periods (a DashaAsked field: its own system's)
    kReadsVargas = 1u << 4,      // the sixteen vargas' signs
    kReadsAshtakavarga = 1u << 5,  // the bindus of the ashtakavarga
};

// When a field is written: the one condition each field carries. Every
// writer (the chart object, chosen fields, a CSV row, the text) asks it
// through FieldWritten or Asked.
enum class FieldWhen : unsigned char {
    Always,
    // Only a precise chart has it (the ayanamsa's name, the cusps): a classic
    // chart's object leaves the key out and its CSV cells empty.
    PreciseChart,
    // Only when the output asks for it, by its option or by naming it in a
    // field list; the chart object of before stays as it was.
    DashaAsked,         // --dasha-systems naming the field's system
    PanchangaAsked,     // --panchanga: the source carries the outcome
    TransitsAsked,      // --transit: the source carries the outcome
    SensitivityAsked,   // --sensitivity: the source carries the outcome
    VargasAsked,        // --varga
    AshtakavargaAsked,  // --ashtakavarga
    BirthNumbersAsked,  // named in --fields: the birth, retrograde flags and speeds as numbers
    PointDetailsAsked,  // --point-details
    JaiminiAsked,       // --jaimini
    StrengthsAsked,     // --strengths: the source carries the outcome
    YogasAsked,         // --yogas
};

struct ChartField {
    std::string_view name;
    // The CSV column, or the prefix of the spread columns; empty when the
    // field has no CSV form (the report's pieces, the dashas).
    std::string_view column;
    std::span<const std::string_view> suffixes;  // the spread columns' suffixes; empty for one column
    unsigned reads;                              // FieldReads
    void (*json)(const ChartSource&, JsonWriter&);
    void (*csv)(const ChartSource&, CsvRow&);
    void (*document)(const ChartSource&, JsonDocument&);
    void (*tape)(const ChartSource&, ValueTape&);  // the values for the Python module
    FieldWhen when = FieldWhen::Always;
    DashaSystem dashaSystem = DashaSystem::Vimshottari;  // the system a DashaAsked field writes
};

// Whether the output asks for what `when` names; always for the fields every
// chart object holds (Always, PreciseChart). A DashaAsked field is asked
// for by its system (AskedField).
bool Asked(FieldWhen when, const ChartSource& source);
bool AskedField(const ChartField& field, const ChartSource& source);
// Whether `field` is written for the chart in `source`: asked for, and the
// chart has it.
bool FieldWritten(const ChartField& field, const ChartSource& source);

// Every field of the chart object, in its order.
std::span<const ChartField> AllChartFields();

// The fields written only when asked for (FieldWhen), after the chart
// object's: "panchanga", "transits", "sensitivity" and "strengths", computed on
// request; "vargas", "ashtakavarga", "pointDetails", "jaimini", "yogas" and
// "doshas". --fields may name them all.
std::span<const ChartField> OnRequestChartFields();
std::span<const ChartField> RequestedChartFields();
// Written only when named in --fields: "birth", "retrograde", "speeds".
std::span<const ChartField> NamedChartFields();
const ChartField& VargasField();
const ChartField& AshtakavargaField();
const ChartField& PointDetailsField();
const ChartField& JaiminiField();
const ChartField& YogasField();
const ChartField& DoshasField();

using FieldList = std::vector<const ChartField*>;

// Every field in the object's order: the chart object's, then those written
// only when asked. The whole object is the fields of this list that are
// written.
const FieldList& EveryChartField();

// The fields of a comma-separated list such as "positions,degrees", in the
// order given, into `fields`. Returns the refusal (an unknown or repeated
// name, with the valid names listed), empty when the list is good.
std::string ParseFieldList(std::string_view list, FieldList& fields);

// The CSV columns of `fields`, one cell each.
std::vector<std::string> CsvColumns(const FieldList& fields);

// The valid names (the chart object's, then the requested ones), comma-separated.
std::string FieldNames();

}  // namespace velmora::cli
