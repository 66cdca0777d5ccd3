#include "cli/JsonRenderer.h"

#include "cli/JsonDocument.h"
#include "cli/JsonWriter.h"

namespace velmora::cli {

namespace {

// Every field's key and value, then those computed on request that the chart carries.
template <typename Json, typename Write>
void WriteWholeObject(const ChartSource& chart, Json& json, Write write) {
    for (const ChartField& field : AllChartFields()) {
        if (!FieldApplies(field, chart) || !field.InWholeObject(chart)) continue;
        json.Key(field.name);
        write(field);
    }
    for (const ChartField& field : OnRequestChartFields()) {
        if (!FieldWritten(field, chart)) continue;
        json.Key(field.name);
        write(field);
    }
}

}  // namespace

void AppendChartJson(const ChartSource& chart, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    WriteWholeObject(chart, json, [&](const ChartField& field) { field.json(chart, json); });
    json.EndObject();
}

void AppendChartFields(const ChartSource& chart, const FieldList& fields, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    for (const ChartField* field : fields) {
        if (!FieldApplies(*field, chart)) continue;
        json.Key(field->name);
        field->json(chart, json);
    }
    json.EndObject();
}

std::string ChartJsonIndented(const ChartSource& chart, const FieldList& requested) {
    JsonDocument json;
    json.BeginObject();
    WriteWholeObject(chart, json, [&](const ChartField& field) { field.document(chart, json); });
    for (const ChartField* field : requested) {
        if (!FieldApplies(*field, chart)) continue;
        json.Key(field->name);
        field->document(chart, json);
    }
    json.EndObject();
    return json.Value().dump(2);
}

void AppendErrorJson(std::string_view message, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("error");
    json.String(message);
    json.EndObject();
}

}  // namespace velmora::cli
