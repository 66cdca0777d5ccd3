#include "cli/JsonRenderer.h"

#include <nlohmann/json.hpp>

#include "cli/ChartFields.h"
#include "cli/JsonWriter.h"

namespace velmora::cli {

void AppendChartJson(const AnalysisRun& run, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    for (const ChartField& field : AllChartFields()) {
        json.Key(field.name);
        field.json(run, json);
    }
    json.EndObject();
}

void AppendChartFields(const AnalysisRun& run, const FieldList& fields, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    for (const ChartField* field : fields) {
        json.Key(field->name);
        field->json(run, json);
    }
    json.EndObject();
}

std::string ChartJsonIndented(const AnalysisRun& run) {
    std::string compact;
    AppendChartJson(run, compact);
    return nlohmann::ordered_json::parse(compact).dump(2);
}

void AppendErrorJson(std::string_view message, std::string& out) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("error");
    json.String(message);
    json.EndObject();
}

}  // namespace velmora::cli
