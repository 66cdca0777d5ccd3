// The chart choices on the command line and in batches: refused with the
// classic engine and for bad values (status 2, the message alone), named in
// the JSON and CSV of a precise chart and absent from a classic one, the cusp
// table in the text, and both batch readers agreeing.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "cli/BatchRunner.h"
#include "cli/RequestScanner.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

Args Chennai(Args extra) {
    // 7 December 1996, 10:34 IST, Chennai (13° 05′ N, 80° 17′ E).
    Args args = {"--name", "chennai", "--date", "1996-12-07", "--time", "10:34", "--lon",
                 "80:17E", "--lat", "13:05N", "--zone", "IST"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(CliChartChoices, ClassicChartsAndBadValuesAreRefused) {
    const struct {
        Args extra;
        std::string message;
    } cases[] = {
        {{"--classic", "--ayanamsa", "raman"}, "ayanamsa: chosen for precise positions only"},
        {{"--classic", "--ayanamsa", "lahiri"}, "ayanamsa: chosen for precise positions only"},
        {{"--classic", "--positions", "true"}, "positions: chosen for precise positions only"},
        {{"--classic", "--houses", "placidus"}, "houses: chosen for precise positions only"},
        {{"--ayanamsa", "chitra"}, "ayanamsa: give lahiri, true-chitra, krishnamurti, raman, yukteshwar, "
                                   "fagan-bradley, true-pushya, lahiri-icrc, or custom:YYYY-MM-DD:DEGREES"},
        {{"--ayanamsa", "custom:1999-02-29:23"}, "ayanamsa: give lahiri"},
        {{"--ayanamsa", "custom:2000-01-01:91"}, "ayanamsa: give lahiri"},
        {{"--ayanamsa="}, "ayanamsa: give lahiri"},
        {{"--positions", "geometric"}, "positions: give apparent or true, got \"geometric\""},
        {{"--houses", "koch"}, "houses: give whole, sripati, placidus or equal, got \"koch\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra.back());
        const CliResult r = RunCliWith(Chennai(c.extra));
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
    }
}

TEST(CliChartChoices, JsonNamesTheChoicesForPreciseChartsOnly) {
    const CliResult r = RunCliWith(Chennai({"--json", "--ayanamsa", "true-chitra", "--houses", "sripati"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["ayanamsaName"], "True Chitra");
    EXPECT_EQ(json["positionKind"], "apparent");
    EXPECT_EQ(json["houses"], "sripati");
    EXPECT_EQ(json["housesNote"], "");
    ASSERT_EQ(json["cusps"].size(), 12u);
    ASSERT_EQ(json["bhavas"].size(), 10u);
    // Sripati's first house begins before the ascendant, which stands inside it.
    EXPECT_EQ(json["bhavas"][9], 1);
    const double ascendant = json["degrees"][9];
    const double begins = json["cusps"][0];
    EXPECT_GT(std::fmod(ascendant - begins + 360, 360.0), 0.5);
    EXPECT_NE(json["mode"], "classic");

    const CliResult classic = RunCliWith(Chennai({"--json", "--classic"}));
    ASSERT_EQ(classic.status, 0) << classic.err;
    const auto plain = nlohmann::json::parse(classic.out);
    for (const char* key : {"ayanamsaName", "positionKind", "houses", "cusps", "bhavas", "housesNote"})
        EXPECT_FALSE(plain.contains(key)) << key;
}

TEST(CliChartChoices, TextShowsTheCuspTableOnlyForHousesOtherThanWholeSigns) {
    const CliResult whole = RunCliWith(Chennai({}));
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(whole.out.find("Bhavas:"), std::string::npos);

    const CliResult placidus = RunCliWith(Chennai({"--houses", "placidus", "--ayanamsa", "krishnamurti"}));
    ASSERT_EQ(placidus.status, 0) << placidus.err;
    EXPECT_NE(placidus.out.find("  Positions      : Precise: Swiss Ephemeris, Krishnamurti 23\u00B0 "),
              std::string::npos);
    EXPECT_NE(placidus.out.find("\nBhavas: Placidus houses (each cusp where its house begins)\n"
                                "  House  Begins at          Points\n  1      "),
              std::string::npos)
        << placidus.out;
    EXPECT_NE(placidus.out.find("\nBhava chart\n"), std::string::npos);

    // Tromsø: no Placidus houses; the note says what stands in.
    const CliResult polar = RunCliWith({"--name", "tromso", "--date", "2000-01-01", "--time", "12:00", "--lon",
                                        "18:57E", "--lat", "69:39N", "--houses", "placidus"});
    ASSERT_EQ(polar.status, 0) << polar.err;
    EXPECT_NE(polar.out.find("Bhavas: Equal houses (each cusp where its house begins)\n  Placidus houses cannot be "
                             "drawn at 69\u00B0 39\u2032 N"),
              std::string::npos)
        << polar.out;
}

TEST(CliChartChoices, BatchLinesTakeTheChoicesAndCsvSpreadsThem) {
    const std::string base = R"({"name":"chennai","date":"1996-12-07","time":"10:34","lon":"80:17E","lat":"13:05N","zone":"IST")";
    const std::string input = base + R"(,"ayanamsa":"raman","positions":"true","houses":"equal"})" "\n" + base +
                              R"(,"precise":false})" "\n" + base + R"(,"precise":false,"houses":"sripati"})" "\n";
    const CliResult r = RunCliWith({"--batch", "-", "--format", "csv", "--fields", "mode,ayanamsaName,houses,cusps,bhavas"},
                                   false, input);
    EXPECT_EQ(r.status, 2);
    std::vector<std::string> rows;
    for (std::size_t at = 0; at < r.out.size();) {
        const std::size_t end = r.out.find("\r\n", at);
        rows.push_back(r.out.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(rows.size(), 4u) << r.out;
    EXPECT_EQ(rows[0].rfind("mode,ayanamsaName,houses,cusp_1,cusp_2,", 0), 0u) << rows[0];
    EXPECT_NE(rows[0].find(",cusp_12,bhava_sun,bhava_moon,"), std::string::npos);
    EXPECT_NE(rows[0].find(",bhava_asc,error"), std::string::npos);
    EXPECT_EQ(rows[1].rfind("precise,Raman,equal,", 0), 0u) << rows[1];
    const auto cells = [](const std::string& row) { return std::count(row.begin(), row.end(), ','); };
    EXPECT_EQ(rows[2], "classic" + std::string(25, ',')) << rows[2];  // 2 + 12 + 10 empty cells, then the error
    EXPECT_EQ(cells(rows[1]), cells(rows[0]));
    EXPECT_NE(rows[3].find("houses: chosen for precise positions only"), std::string::npos) << rows[3];
}

TEST(CliChartChoices, BothBatchReadersTakeTheChoicesAlike) {
    const std::string base = R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N")";
    for (const std::string tail : {R"(,"ayanamsa":"custom:1900-01-01:22.46","positions":"true","houses":"placidus"})",
                                   R"(,"houses":"equal","ayanamsa":"true-pushya"})", R"(,"positions":""})",
                                   R"(,"ambiguous":"later","ayanamsa":"raman"})"}) {
        const std::string line = base + tail;
        SCOPED_TRACE(line);
        ChartRequest scanned, parsed;
        ASSERT_TRUE(ScanRequest(line, scanned));
        ASSERT_EQ(ParseBatchRequest(line, parsed), "");
        EXPECT_EQ(scanned.ayanamsa, parsed.ayanamsa);
        EXPECT_EQ(scanned.positions, parsed.positions);
        EXPECT_EQ(scanned.houses, parsed.houses);
        EXPECT_EQ(scanned.ambiguous, parsed.ambiguous);
        EXPECT_TRUE(scanned.ayanamsa || scanned.positions || scanned.houses);
    }
    ChartRequest parsed;
    EXPECT_EQ(ParseBatchRequest(base + R"(,"houses":3})", parsed), "\"houses\" must be a text");
}

}  // namespace
}  // namespace velmora::cli::test
