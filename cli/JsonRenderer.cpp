#include "cli/JsonRenderer.h"

#include "cli/JsonDocument.h"
#include "cli/JsonWriter.h"
#include "cli/LabelsJson.h"
#include "cli/ValueTape.h"

namespace velmora::cli {

namespace {

// The key and value of each field in `fields` that is written for the chart.
template <typename Json, typename Write>
void WriteFields(const ChartSource& chart, const FieldList& fields, Json& json, Write write) {
    json.BeginObject();
    for (const ChartField* field : fields) {
        if (!FieldWritten(*field, chart)) continue;
        json.Key(field->name);
        write(*field);
    }
    json.EndObject();
}

// {"error": message}.
template <typename Json>
void WriteErrorObject(std::string_view message, Json& json) {
    json.BeginObject();
    json.KeyString("error", message);
    json.EndObject();
}

}  // namespace

void AppendChartJson(const ChartSource& chart, std::string& out) {
    AppendChartFields(chart, EveryChartField(), out);
}

void AppendChartFields(const ChartSource& chart, const FieldList& fields, std::string& out) {
    JsonWriter json(out);
    WriteFields(chart, fields, json, [&](const ChartField& field) { field.json(chart, json); });
}

std::string ChartJsonIndented(const ChartSource& chart) {
    JsonDocument json;
    WriteFields(chart, EveryChartField(), json, [&](const ChartField& field) { field.document(chart, json); });
    if (!chart.labels) return json.Value().dump(2);
    nlohmann::ordered_json withLabels = json.Value();
    withLabels["labels"] = LabelsJson(chart);
    return withLabels.dump(2);
}

void AppendErrorJson(std::string_view message, std::string& out) {
    JsonWriter json(out);
    WriteErrorObject(message, json);
}

void AppendChartTape(const ChartSource& chart, const FieldList& fields, std::string& out) {
    ValueTape tape(out);
    WriteFields(chart, fields, tape, [&](const ChartField& field) { field.tape(chart, tape); });
    tape.End();
}

void AppendErrorTape(std::string_view message, std::string& out) {
    ValueTape tape(out);
    WriteErrorObject(message, tape);
    tape.End();
}

}  // namespace velmora::cli
