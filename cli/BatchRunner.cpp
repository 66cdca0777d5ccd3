#include "cli/BatchRunner.h"

#include <algorithm>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CsvRow.h"
#include "cli/JsonRenderer.h"
#include "cli/LabelsJson.h"
#include "birthfile/StrictJson.h"
#include "cli/RequestScanner.h"
#include "text/Quoted.h"

namespace velmora::cli {

namespace {

using Json = nlohmann::json;

std::string ReadText(const Json& value, std::string_view key, std::string& out) {
    if (!value.is_string()) {
        std::string message(1, '"');  // not "\"" + …: a false -Wrestrict of GCC 12 at -O3
        message += key;
        message += "\" must be a text";
        return message;
    }
    out = value.get<std::string>();
    return {};
}

std::string ReadZone(const Json& value, std::string& out) {
    if (value.is_number_unsigned()) {
        out = std::to_string(value.get<std::uint64_t>());
        return {};
    }
    if (value.is_string()) {
        out = value.get<std::string>();
        return {};
    }
    return "\"zone\" must be a list position 0-70 or an abbreviation text";
}

}  // namespace

std::string ReadJsonLine(std::string_view line, Json& value) {
    // Tab, line feed and carriage return are JSON's whitespace; no other
    // control character may stand raw anywhere in JSON text, and a NUL would
    // end the text early for some readers.
    for (std::size_t at = 0; at < line.size(); ++at) {
        const auto byte = static_cast<unsigned char>(line[at]);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
            static constexpr char kHex[] = "0123456789ABCDEF";
            return std::string("the line is not valid JSON: it holds the control character U+00") +
                   kHex[byte >> 4] + kHex[byte & 15] + " at byte " + std::to_string(at + 1);
        }
    }
    StrictJson read = ReadStrictJson(line, kMostLineDepth);
    switch (read.fault) {
        case JsonFault::None: break;
        case JsonFault::NotJson: return "the line is not valid JSON";
        case JsonFault::RepeatedKey: return "the line holds " + Quoted(read.where) + " twice";
        case JsonFault::NumberTooLarge:
            return (read.where.empty() ? std::string("the line holds") : Quoted(read.where) + " is") +
                   " a number too large to read";
        case JsonFault::TooDeep:
            return "the line nests arrays and objects more than " + std::to_string(kMostLineDepth) + " deep";
    }
    value = std::move(read.value);
    return {};
}

std::string ParseBatchRequest(std::string_view line, ChartRequest& request) {
    request = ChartRequest{};
    Json json;
    if (std::string refusal = ReadJsonLine(line, json); !refusal.empty()) return refusal;
    if (!json.is_object()) return "the line is not a JSON object";
    return ReadBatchRequest(json, request);
}

std::string ReadBatchRequest(const Json& json, ChartRequest& request) {
    struct TextField {
        std::string_view key;
        std::string ChartRequest::*member;
        bool required;
    };
    static constexpr TextField kTextFields[] = {
        {"name", &ChartRequest::name, true},   {"date", &ChartRequest::date, true},
        {"time", &ChartRequest::time, true},   {"lon", &ChartRequest::lon, false},
        {"lat", &ChartRequest::lat, false},     {"city", &ChartRequest::city, false},
        {"state", &ChartRequest::state, false}, {"country", &ChartRequest::country, false},
        {"place", &ChartRequest::place, false}, {"tz", &ChartRequest::tz, false},
        {"ambiguous", &ChartRequest::ambiguous, false},
        {"dashaYear", &ChartRequest::dashaYear, false},
    };

    request = ChartRequest{};
    for (const auto& item : json.items()) {
        const std::string& key = item.key();
        const Json& value = item.value();
        std::string refusal;
        const auto* field = std::find_if(std::begin(kTextFields), std::end(kTextFields),
                                         [&](const TextField& f) { return f.key == key; });
        if (field != std::end(kTextFields)) {
            refusal = ReadText(value, key, request.*(field->member));
        } else if (key == "zone") {
            refusal = ReadZone(value, request.zone);
            request.zoneGiven = true;
        } else if (key == "dst") {
            if (value.is_boolean()) request.dst = value.get<bool>();
            else refusal = "\"dst\" must be true or false";
        } else if (key == "precise") {
            if (value.is_boolean()) request.precise = value.get<bool>();
            else refusal = "\"precise\" must be true or false";
        } else if (key == "node") {
            refusal = ReadText(value, key, request.node);
            request.nodeGiven = true;
        } else if (key == "ayanamsa" || key == "positions" || key == "houses") {
            std::string text;
            refusal = ReadText(value, key, text);
            (key == "ayanamsa" ? request.ayanamsa : key == "positions" ? request.positions : request.houses) =
                std::move(text);
        } else {
            return "unknown field " + Quoted(key);
        }
        if (!refusal.empty()) return refusal;
    }
    for (const TextField& f : kTextFields)
        if (f.required && !json.contains(f.key)) return "missing \"" + std::string(f.key) + "\"";
    // Without a place the coordinates are needed.
    for (const char* key : {"lon", "lat"})
        if (!json.contains("place") && !json.contains(key)) return "missing \"" + std::string(key) + "\"";
    return {};
}

std::string CheckBatchOutput(const BatchOutput& output) {
    if (output.format != BatchFormat::Csv) return {};
    for (const ChartField* field : output.fields)
        if (field->column.empty())
            return "--fields: \"" + std::string(field->name) + "\" is " +
                   ((field->reads & kReadsReport) != 0 ? "a list of pieces" : "a list of nested lists") +
                   " and has no CSV columns; choose it with --format jsonl";
    return {};
}

FieldList DefaultFields(BatchFormat format) {
    FieldList fields;
    for (const ChartField& field : AllChartFields())
        if (format != BatchFormat::Csv || !field.column.empty()) fields.push_back(&field);
    return fields;
}

namespace {

// What a field named in the list asks for.
void Ask(const ChartField& field, BatchOutput& output) {
    switch (field.when) {
        case FieldWhen::Always:
        case FieldWhen::PreciseChart: break;
        case FieldWhen::DashaAsked: output.dashas.Add(field.dashaSystem); break;
        case FieldWhen::PanchangaAsked: output.time.panchanga = true; break;
        case FieldWhen::TransitsAsked: output.time.transits = true; break;
        case FieldWhen::SensitivityAsked:
            if (output.time.sensitivityMinutes == 0) output.time.sensitivityMinutes = kSensitivityDefaultMinutes;
            break;
        case FieldWhen::VargasAsked: output.vargas = true; break;
        case FieldWhen::AshtakavargaAsked: output.ashtakavarga = true; break;
        case FieldWhen::BirthNumbersAsked: output.birthNumbers = true; break;
        case FieldWhen::PointDetailsAsked: output.pointDetails = true; break;
        case FieldWhen::JaiminiAsked: output.jaimini = true; break;
        case FieldWhen::StrengthsAsked: output.time.strengths = true; break;
        case FieldWhen::YogasAsked: output.yogas = true; break;
    }
}

}  // namespace

BatchRunner::BatchRunner(BatchOutput output) : format_(std::move(output)) {
    wholeObject_ = format_.format != BatchFormat::Csv && format_.fields.empty();
    const bool named = !format_.fields.empty();
    if (named)
        for (const ChartField* field : format_.fields) Ask(*field, format_);
    // What the output asks for, without a chart: the time parts stand in empty.
    TimeParts parts;
    if (format_.time.panchanga) parts.panchanga.emplace();
    if (format_.time.transits) parts.transits.emplace();
    if (format_.time.sensitivityMinutes > 0) parts.sensitivity.emplace();
    if (format_.time.strengths) parts.strengths.emplace();
    ChartSource asked = Source(noChart_);
    AttachTimeParts(parts, asked);
    if (!named) {
        format_.fields = DefaultFields(format_.format);
        for (const auto table : {OnRequestChartFields(), RequestedChartFields()})
            for (const ChartField& field : table)
                if (AskedField(field, asked)) format_.fields.push_back(&field);
    }
    csvColumns_ = CsvColumns(format_.fields).size();
    wants_.today = format_.today;
    // Each chart computes what the fields written read.
    unsigned reads = 0;
    wants_.dashas = {};
    for (const ChartField* field : format_.fields) {
        if (!AskedField(*field, asked)) continue;
        reads |= field->reads;
        if ((field->reads & kReadsDasha) != 0) wants_.dashas.Add(field->dashaSystem);
    }
    wants_.report = (reads & kReadsReport) != 0;
    wants_.vargas = (reads & kReadsVargas) != 0;
    wants_.ashtakavarga = (reads & kReadsAshtakavarga) != 0;
}

std::string BatchRunner::Header() const {
    if (format_.format != BatchFormat::Csv) return {};
    std::string header;
    CsvRow row(header);
    for (const std::string& column : CsvColumns(format_.fields)) row.String(column);
    row.String("error");
    row.End();
    return header;
}

void BatchRunner::AppendRefusal(std::string_view message, std::string& out) {
    if (format_.format == BatchFormat::Jsonl) {
        AppendErrorJson(message, out);
        return;
    }
    if (format_.format == BatchFormat::Values) {
        AppendErrorTape(message, out);
        return;
    }
    CsvRow row(out);
    for (std::size_t i = 0; i < csvColumns_; ++i) row.Empty();
    row.TypedText(message);  // a message may quote the line's text
}

void BatchRunner::AppendLine(std::string_view line, bool& refused, std::string& out) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string refusal;
    if (!ScanRequest(line, request_)) refusal = ParseBatchRequest(line, request_);
    if (request_.dashaYear.empty()) request_.dashaYear = format_.dashaYear;
    std::shared_ptr<const Chart> chart;
    if (refusal.empty()) refusal = ChartOfRequest(request_, form_, wants_, chart);
    refused = !refusal.empty();
    if (refused) return AppendRefusal(refusal, out);
    if (format_.time.panchanga || format_.time.transits || format_.time.sensitivityMinutes > 0 ||
        format_.time.strengths) {
        const TimeParts parts = ComputeTimeParts(*chart, format_.time);
        ChartSource source = Source(*chart);
        AttachTimeParts(parts, source);
        AppendChart(source, out);
    } else {
        AppendChart(Source(*chart), out);
    }
}

std::string_view BatchRunner::RunLine(std::string_view line, bool& refused) {
    output_.clear();
    AppendLine(line, refused, output_);
    return output_;
}

void BatchRunner::AppendChart(const ChartSource& chart, std::string& out) {
    if (format_.format == BatchFormat::Values) {
        AppendChartTape(chart, wholeObject_ ? EveryChartField() : format_.fields, out);
    } else if (format_.format == BatchFormat::Jsonl) {
        const std::size_t start = out.size();
        if (wholeObject_) {
            AppendChartJson(chart, out);
        } else {
            AppendChartFields(chart, format_.fields, out);
        }
        // The labels go in as the object's last key.
        if (chart.labels && out.size() > start + 1 && out.back() == '}') {
            out.pop_back();
            if (out.back() != '{') out += ',';
            out += "\"labels\":";
            out += LabelsJson(chart).dump();
            out += '}';
        }
    } else {
        CsvRow row(out);
        for (const ChartField* field : format_.fields) {
            if (FieldWritten(*field, chart)) {
                row.NoteField(field->name);
                field->csv(chart, row);
            } else {
                for (std::size_t i = 0; i < std::max<std::size_t>(field->suffixes.size(), 1); ++i) row.Empty();
            }
        }
        // The chart was computed: the error column says why a part of it was not, if one was not.
        if (row.Notes().empty()) {
            row.Empty();
        } else {
            row.TypedText(row.Notes());
        }
    }
}

std::string_view BatchRunner::RefuseLine(std::string_view message) {
    output_.clear();
    AppendRefusal(message, output_);
    return output_;
}

}  // namespace velmora::cli
