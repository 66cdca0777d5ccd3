#include "cli/JsonRenderer.h"

#include "cli/JsonDocument.h"
#include "cli/JsonWriter.h"

namespace velmora::cli {

void AppendChartJson(const ChartSource& chart, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    for (const ChartField& field : AllChartFields()) {
        json.Key(field.name);
        field.json(chart, json);
    }
    json.EndObject();
}

void AppendChartFields(const ChartSource& chart, const FieldList& fields, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    for (const ChartField* field : fields) {
        json.Key(field->name);
        field->json(chart, json);
    }
    json.EndObject();
}

std::string ChartJsonIndented(const ChartSource& chart, bool ashtakavarga) {
    JsonDocument json;
    json.BeginObject();
    for (const ChartField& field : AllChartFields()) {
        json.Key(field.name);
        field.document(chart, json);
    }
    if (ashtakavarga) {
        json.Key(AshtakavargaField().name);
        AshtakavargaField().document(chart, json);
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
