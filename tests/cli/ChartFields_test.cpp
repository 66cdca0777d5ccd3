#include "cli/ChartFields.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/ChartRequest.h"
#include "cli/CsvRow.h"
#include "cli/JsonRenderer.h"

namespace velmora::cli {
namespace {

// The Greenwich noon of 1 January 2000, with what `wants` asks for; null when refused.
std::shared_ptr<const Chart> Greenwich(const ChartWants& wants = {}) {
    ChartRequest request;
    request.name = "rama";
    request.date = "2000-01-01";
    request.time = "12:00";
    request.lon = "0:00E";
    request.lat = "0:00N";
    FormFields form;
    std::shared_ptr<const Chart> chart;
    EXPECT_EQ(ChartOfRequest(request, form, wants, chart), "");
    return chart;
}

const Chart& GreenwichChart() {
    static const std::shared_ptr<const Chart> chart = Greenwich();
    return *chart;
}

std::vector<std::string_view> Names(const FieldList& fields) {
    std::vector<std::string_view> names;
    for (const ChartField* f : fields) names.push_back(f->name);
    return names;
}

TEST(ChartFields, ListsAreReadInTheirOrderAndBadNamesRefused) {
    const struct {
        std::string list;
        std::vector<std::string_view> names;  // when good
        std::string refusalStart;             // when refused
    } cases[] = {
        {"positions", {"positions"}, ""},
        {"degrees,positions,bodySigns,arudhaSigns", {"degrees", "positions", "bodySigns", "arudhaSigns"}, ""},
        {"report", {"report"}, ""},
        {"position", {}, "--fields: \"position\" is not a field; the fields are name,positions,"},
        {"Positions", {}, "--fields: \"Positions\" is not a field"},
        {"positions,", {}, "--fields: an empty name is not a field"},
        {"", {}, "--fields: an empty name is not a field"},
        {"positions, degrees", {}, "--fields: \" degrees\" is not a field"},
        {"mode,degrees,mode", {}, "--fields: \"mode\" is named twice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        FieldList fields;
        const std::string refusal = ParseFieldList(c.list, fields);
        if (c.refusalStart.empty()) {
            EXPECT_EQ(refusal, "");
            EXPECT_EQ(Names(fields), c.names);
        } else {
            EXPECT_EQ(refusal.substr(0, c.refusalStart.size()), c.refusalStart);
        }
    }
    FieldList fields;
    EXPECT_NE(ParseFieldList("nope", fields).find(FieldNames()), std::string::npos);
}

// The whole object is its fields in order, and a chosen field's value is the
// whole object's value of that key.
TEST(ChartFields, ChosenFieldsAreTheWholeObjectsValues) {
    // The whole object with the dashas it holds only when asked.
    const std::shared_ptr<const Chart> computed = Greenwich({.dashas = DashaSet::All()});
    ASSERT_TRUE(computed);
    const Chart& chart = *computed;
    ChartSource source{chart, 2, DashaSet::All()};
    std::string whole;
    AppendChartJson(source, whole);
    const auto object = nlohmann::ordered_json::parse(whole);
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    std::vector<std::string> fieldNames;
    for (const ChartField& field : AllChartFields()) fieldNames.emplace_back(field.name);
    EXPECT_EQ(keys, fieldNames);

    FieldList all;
    for (const ChartField& field : AllChartFields()) all.push_back(&field);
    std::string again;
    AppendChartFields(source, all, again);
    EXPECT_EQ(again, whole);

    FieldList chosen;
    ASSERT_EQ(ParseFieldList("degrees,name", chosen), "");
    std::string part;
    AppendChartFields(source, chosen, part);
    const auto partObject = nlohmann::ordered_json::parse(part);
    EXPECT_EQ(partObject.begin().key(), "degrees");
    EXPECT_EQ(partObject["degrees"], object["degrees"]);
    EXPECT_EQ(partObject["name"], "RAMA");
}

// Each field with columns writes exactly one cell per column, holding the
// JSON value's scalars in order.
TEST(ChartFields, CsvCellsMatchTheColumnsAndTheJsonValues) {
    const Chart& chart = GreenwichChart();
    const ChartSource source{chart};
    std::string whole;
    AppendChartJson(source, whole);
    const auto object = nlohmann::ordered_json::parse(whole);
    for (const ChartField& field : AllChartFields()) {
        SCOPED_TRACE(std::string(field.name));
        if (field.column.empty()) continue;
        const std::vector<std::string> columns = CsvColumns({&field});
        std::string cells;
        CsvRow row(cells);
        field.csv(source, row);
        std::vector<std::string> expected;
        const auto& value = object[std::string(field.name)];
        auto scalar = [](const nlohmann::ordered_json& v) {
            std::string out;
            CsvRow one(out);
            if (v.is_string()) one.String(v.get<std::string>());
            else if (v.is_boolean()) one.Bool(v.get<bool>());
            else if (v.is_number_integer()) one.Int(v.get<std::int64_t>());
            else one.Double(v.get<double>());
            return out;
        };
        // Every scalar in document order, however deep (the nakshatras are a
        // list of objects).
        auto flatten = [&](const nlohmann::ordered_json& v, auto& self) -> void {
            if (!v.is_structured()) return expected.push_back(scalar(v));
            for (const auto& item : v.items()) self(item.value(), self);
        };
        flatten(value, flatten);
        ASSERT_EQ(columns.size(), expected.size());
        std::string joined;
        for (std::size_t i = 0; i < expected.size(); ++i) joined += (i ? "," : "") + expected[i];
        EXPECT_EQ(cells, joined);
    }
    FieldList fields;
    ASSERT_EQ(ParseFieldList("name,positions,arudhaSigns,details", fields), "");
    const std::vector<std::string> columns = CsvColumns(fields);
    ASSERT_EQ(columns.size(), 1u + 10u + 12u + 12u);
    EXPECT_EQ(columns[0], "name");
    EXPECT_EQ(columns[1], "position_sun");
    EXPECT_EQ(columns[10], "position_asc");
    EXPECT_EQ(columns[11], "arudhaSign_al");
    EXPECT_EQ(columns[22], "arudhaSign_a12");
    EXPECT_EQ(columns[23], "detail_name");
    EXPECT_EQ(columns.back(), "detail_dst");
}

}  // namespace
}  // namespace velmora::cli
