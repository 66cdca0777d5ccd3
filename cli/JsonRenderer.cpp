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

void WriteNakshatras(JsonWriter& json, const ResultFormTexts& r) {
    json.BeginArray();
    for (const NakshatraPlace& n : r.nakshatras) {
        json.BeginObject();
        json.Key("name");
        json.String(n.Name());
        json.Key("lord");
        json.String(kPlainBodyNames[static_cast<std::size_t>(n.lord)]);
        json.Key("pada");
        json.Int(n.pada);
        json.EndObject();
    }
    json.EndArray();
}

void WritePeriod(JsonWriter& json, const DashaPeriod& p, bool running) {
    json.Key("lord");
    json.String(kPlainBodyNames[static_cast<std::size_t>(p.lord)]);
    json.Key("start");
    json.String(DateTimeText(p.start));
    json.Key("end");
    json.String(DateTimeText(p.end));
    json.Key("running");
    json.Bool(running);
}

// The Vimshottari dasha: the year length, the first period's balance at
// birth, the day the running periods are marked for ("" for none), and the
// nine major periods with their sub-periods, as local date-times.
void WriteDashas(JsonWriter& json, const VimshottariDasha& d) {
    json.BeginObject();
    json.Key("yearDays");
    json.Double(kDashaYearDays);
    json.Key("balanceYears");
    json.Double(d.balanceYears);
    json.Key("balance");
    json.String(YearsMonthsDaysText(d.balanceYears));
    json.Key("today");
    json.String(d.today.Valid() ? DateText({d.today.year, d.today.month, d.today.day, 0, 0}) : std::string());
    json.Key("periods");
    json.BeginArray();
    for (int m = 0; m < 9; ++m) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(m)];
        json.BeginObject();
        WritePeriod(json, major.period, m == d.runningMajor);
        json.Key("subPeriods");
        json.BeginArray();
        for (int s = 0; s < 9; ++s) {
            json.BeginObject();
            WritePeriod(json, major.sub[static_cast<std::size_t>(s)], m == d.runningMajor && s == d.runningSub);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
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
    json.Key("nakshatras");
    WriteNakshatras(json, r);
    json.Key("navamsaSigns");
    json.IntArray(r.navamsaSigns, kBodyCount);
    json.Key("dashas");
    WriteDashas(json, r.dasha);
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
