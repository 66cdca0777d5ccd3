#include "cli/JsonRenderer.h"

#include <nlohmann/json.hpp>

#include "analysis/ReportText.h"
#include "cli/JsonWriter.h"

namespace velmora::cli {

namespace {

void WriteDetails(JsonWriter& json, const ResultFormTexts& r) {
    const std::pair<std::string_view, const std::string&> details[] = {
        {"name", r.lblName},         {"dob", r.lblDOB},             {"tob", r.lblTOB},
        {"latitude", r.lblLatitude}, {"longitude", r.lblLongitude}, {"city", r.lblCity},
        {"state", r.lblState},       {"country", r.lblCountry},
    };
    json.BeginObject();
    for (const auto& [key, text] : details) {
        json.Key(key);
        json.String(text);
    }
    json.Key("place");
    json.String(r.place);
    json.Key("timeZone");
    json.String(r.timeZone);
    json.Key("utcOffset");
    json.String(r.utcOffset);
    json.Key("dst");
    json.Bool(r.dst);
    json.EndObject();
}

void WriteReport(JsonWriter& json, const Report& report) {
    json.BeginArray();
    for (const ReportPiece& piece : report) {
        json.BeginObject();
        json.Key("text");
        json.String(piece.text);
        json.Key("bold");
        json.Bool(piece.bold);
        json.Key("color");
        json.String(piece.color == ReportColor::DarkRed ? "#800000" : "#000000");
        json.Key("size");
        json.Int(piece.size);
        json.Key("breaks");
        json.Int(piece.breaks);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

void AppendChartJson(const AnalysisRun& run, std::string& out) {
    const ResultFormTexts& r = run.Result;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("name");
    json.String(run.Birth.BirthName);
    json.Key("positions");
    json.StringArray(r.planet, kBodyCount);
    json.Key("longitudes");
    json.StringArray(run.LongTexts(), kBodyCount);
    json.Key("bodyNames");
    json.StringArray(run.Names.BodyNames, kBodyCount);
    json.Key("bodySigns");
    json.IntArray(run.Chart.BodySigns, kBodyCount);
    json.Key("arudhaSigns");
    json.IntArray(run.Chart.ArudhaSigns, kArudhaCount);
    json.Key("signBoxes");
    json.StringArray(r.signBoxes, kSignCount);
    json.Key("arudhaBoxes");
    json.StringArray(r.lblArudha, kSignCount);
    json.Key("details");
    WriteDetails(json, r);
    json.Key("report");
    WriteReport(json, r.RTB);
    json.Key("reportText");
    json.String(ReportPlainText(r.RTB));
    json.Key("mode");
    json.String(ModeName(run.Mode));
    json.Key("ayanamsa");
    json.Double(run.Ayanamsa);
    json.Key("degrees");
    json.DoubleArray(run.Degrees, kBodyCount);
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
