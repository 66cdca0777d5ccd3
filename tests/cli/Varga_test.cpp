// --varga: one divisional chart as text in either style, its name checked;
// the "vargas" object with --json and as a batch field, in JSON and CSV.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "chart/ComputeChart.h"
#include "cli/ChartText.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/Chennai1996.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

// 7 December 1996, 10:34, Chennai (13° 05′ N, 80° 17′ E), India Standard
// Time; precise positions, Lahiri, the mean node.
Args Chennai(Args extra) {
    Args args = {"--name", "chennai", "--date", "1996-12-07", "--time", "10:34",
                 "--lon",  "80:17E",  "--lat",  "13:05N",     "--tz",   "Asia/Kolkata"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

const char* const kChennaiLine =
    R"({"name":"chennai","date":"1996-12-07","time":"10:34","lon":"80:17E","lat":"13:05N","tz":"Asia/Kolkata"})";

// The published D10 and D60 (tests/support/Chennai1996.h).
const std::vector<int> kPublishedD10(velmora::testing::kChennaiD10.begin(), velmora::testing::kChennaiD10.end());
const std::vector<int> kPublishedD60(velmora::testing::kChennaiD60.begin(), velmora::testing::kChennaiD60.end());

// The published signs drawn as a chart, with the chart's retrograde marks.
std::string PublishedChart(const std::vector<int>& signs, ChartStyle style) {
    const Birth birth = velmora::testing::ChennaiBirth();
    const ChartOutcome outcome = ComputeChart(birth, {false, {}, {}});
    EXPECT_TRUE(outcome.Computed());
    PlacedPoints points;
    for (int i = 0; i < kBodyCount; ++i) {
        points.signs[static_cast<std::size_t>(i)] = signs[static_cast<std::size_t>(i)];
        points.retrograde[static_cast<std::size_t>(i)] = outcome.chart->points[static_cast<std::size_t>(i)].retrograde;
    }
    return DrawChartText(MakeChartDiagram(points), style, false);
}

TEST(CliVarga, DrawsTheChosenVargaInEitherStyle) {
    const CliResult d10 = RunCliWith(Chennai({"--varga", "D10"}));
    ASSERT_EQ(d10.status, 0) << d10.err;
    EXPECT_EQ(d10.out, "D10 Dasamsa\n" + PublishedChart(kPublishedD10, ChartStyle::South));
    EXPECT_EQ(d10.err, "");

    const CliResult d60 = RunCliWith(Chennai({"--varga", "d60", "--chart-style", "north"}));
    ASSERT_EQ(d60.status, 0) << d60.err;
    EXPECT_EQ(d60.out, "D60 Shashtiamsa\n" + PublishedChart(kPublishedD60, ChartStyle::North));
}

TEST(CliVarga, TheBirthChartKeepsItsArudhas) {
    // D1 is the birth chart as the full text draws it under "Hora".
    const CliResult d1 = RunCliWith(Chennai({"--varga", "D1"}));
    const CliResult full = RunCliWith(Chennai({}));
    ASSERT_EQ(d1.status, 0) << d1.err;
    const std::string chart = d1.out.substr(d1.out.find('\n') + 1);
    EXPECT_EQ(d1.out.substr(0, d1.out.find('\n')), "D1 Rasi");
    EXPECT_NE(full.out.find("Hora\n" + chart), std::string::npos);
    EXPECT_NE(chart.find("AL"), std::string::npos);
    EXPECT_EQ(RunCliWith(Chennai({"--varga", "D9"})).out.find("AL"), std::string::npos);
}

TEST(CliVarga, NamesThatAreNoVargaAreRefused) {
    const std::string list = "D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40, D45, D60";
    for (const char* name : {"D11", "D0", "D010", "10", "D", "D9x", "D+9", "D-9", "Dasamsa", "D 9"}) {
        SCOPED_TRACE(name);
        const CliResult r = RunCliWith(Chennai({std::string("--varga=") + name}));
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "--varga: \"" + std::string(name) + "\" is not one of the sixteen divisional charts; give one of " +
                             list + "\n");
    }
    const CliResult empty = RunCliWith(Chennai({"--varga="}));
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("is not one of the sixteen divisional charts"), std::string::npos);
    // Not a batch option.
    const CliResult batch = RunCliWith({"--batch", "-", "--varga", "D10"}, false, kChennaiLine);
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.out, "");
}

TEST(CliVarga, JsonGainsTheVargasAfterEveryOtherKey) {
    const CliResult plain = RunCliWith(Chennai({"--json"}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    const auto without = nlohmann::ordered_json::parse(plain.out);
    EXPECT_FALSE(without.contains("vargas"));

    const CliResult r = RunCliWith(Chennai({"--json", "--varga", "D10"}));
    ASSERT_EQ(r.status, 0) << r.err;
    auto json = nlohmann::ordered_json::parse(r.out);
    ASSERT_EQ(json.back().size(), 16u);
    EXPECT_EQ((--json.end()).key(), "vargas");
    const auto vargas = json["vargas"];
    json.erase("vargas");
    EXPECT_EQ(json, without);  // everything else as before, in its order
    std::vector<std::string> keys;
    for (const auto& item : vargas.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"D1", "D2", "D3", "D4", "D7", "D9", "D10", "D12", "D16", "D20",
                                              "D24", "D27", "D30", "D40", "D45", "D60"}));
    EXPECT_EQ(vargas["D10"].get<std::vector<int>>(), kPublishedD10);
    EXPECT_EQ(vargas["D60"].get<std::vector<int>>(), kPublishedD60);
    EXPECT_EQ(vargas["D1"], without["bodySigns"]);
    EXPECT_EQ(vargas["D9"], without["navamsaSigns"]);
}

TEST(CliVarga, BatchAsksForVargasByName) {
    const CliResult whole = RunCliWith({"--batch", "-"}, false, kChennaiLine);
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_FALSE(nlohmann::json::parse(whole.out).contains("vargas"));

    const CliResult jsonl = RunCliWith({"--batch", "-", "--fields", "vargas,name"}, false, kChennaiLine);
    ASSERT_EQ(jsonl.status, 0) << jsonl.err;
    const auto line = nlohmann::ordered_json::parse(jsonl.out);
    EXPECT_EQ(line.begin().key(), "vargas");
    EXPECT_EQ(line["vargas"]["D10"].get<std::vector<int>>(), kPublishedD10);
    EXPECT_EQ(line["name"], "CHENNAI");

    const CliResult csv = RunCliWith({"--batch", "-", "--format", "csv", "--fields", "vargas"}, false, kChennaiLine);
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::size_t headerEnd = csv.out.find("\r\n");
    const std::string header = csv.out.substr(0, headerEnd);
    const std::string row = csv.out.substr(headerEnd + 2, csv.out.size() - headerEnd - 4);
    EXPECT_EQ(header.substr(0, 36), "varga_d1_sun,varga_d1_moon,varga_d1_");
    EXPECT_NE(header.find(",varga_d10_sun,varga_d10_moon,varga_d10_mercury,"), std::string::npos);
    EXPECT_EQ(header.substr(header.size() - 20), ",varga_d60_asc,error");
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), 160);
    // The D10 cells: the seventh varga's ten, after six vargas' sixty.
    std::vector<std::string> cells;
    for (std::size_t at = 0;;) {
        const std::size_t comma = row.find(',', at);
        cells.push_back(row.substr(at, comma - at));
        if (comma == std::string::npos) break;
        at = comma + 1;
    }
    ASSERT_EQ(cells.size(), 161u);
    for (int i = 0; i < kBodyCount; ++i)
        EXPECT_EQ(cells[static_cast<std::size_t>(60 + i)], std::to_string(kPublishedD10[static_cast<std::size_t>(i)]));
    EXPECT_EQ(cells.back(), "");

    // The default CSV row has no varga columns.
    const CliResult plain = RunCliWith({"--batch", "-", "--format", "csv"}, false, kChennaiLine);
    EXPECT_EQ(plain.out.find("varga_"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli::test
