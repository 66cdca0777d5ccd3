#include "cli/JsonRenderer.h"

#include "analysis/ReportText.h"

namespace velmora::cli {

namespace {

template <typename Range>
nlohmann::ordered_json Array(const Range& values, std::size_t count) {
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < count; ++i) array.push_back(values[i]);
    return array;
}

}  // namespace

nlohmann::ordered_json ChartJson(const AnalysisRun& run) {
    const ResultFormTexts& r = run.Result;
    nlohmann::ordered_json json;
    json["name"] = run.Birth.BirthName;
    json["positions"] = Array(r.planet, kBodyCount);
    json["longitudes"] = Array(run.LongTexts(), kBodyCount);
    json["bodyNames"] = Array(run.Names.BodyNames, kBodyCount);
    json["bodySigns"] = Array(run.Chart.BodySigns, kBodyCount);
    json["arudhaSigns"] = Array(run.Chart.ArudhaSigns, kArudhaCount);
    json["signBoxes"] = Array(r.signBoxes, kSignCount);
    json["arudhaBoxes"] = Array(r.lblArudha, kSignCount);
    json["details"] = {
        {"name", r.lblName},         {"dob", r.lblDOB},     {"tob", r.lblTOB},
        {"latitude", r.lblLatitude}, {"longitude", r.lblLongitude}, {"city", r.lblCity},
        {"state", r.lblState},       {"country", r.lblCountry},
    };
    nlohmann::ordered_json report = nlohmann::ordered_json::array();
    for (const ReportPiece& piece : r.RTB) {
        report.push_back({
            {"text", piece.text},
            {"bold", piece.bold},
            {"color", piece.color == ReportColor::DarkRed ? "#800000" : "#000000"},
            {"size", piece.size},
            {"breaks", piece.breaks},
        });
    }
    json["report"] = std::move(report);
    json["reportText"] = ReportPlainText(r.RTB);
    return json;
}

std::string DumpJson(const nlohmann::ordered_json& json, int indent) {
    return json.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace velmora::cli
