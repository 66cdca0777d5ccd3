// The full position table, the Jaimini analyses and the sign dashas on the
// command line: asked with --point-details, --jaimini (--karakas) and
// --dasha-systems chara,narayana, never written without being asked (the
// golden files hold the object of before); the batch's option and fields;
// the refusals naming the choices. The chart is PyJHora's example chart (7
// December 1996, 10:34, Chennai; tests/support/Chennai1996.h), whose
// eight chara karakas PyJHora's tests publish in their order as the
// sequence of its karaka dasha (pvr_tests.py, karaka_dhasa_test: Jupiter,
// Mars, Venus, Sun, Rahu, Mercury, Moon, Saturn).

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;
using nlohmann::json;

const Args kChennai = {"--name", "chennai", "--date", "1996-12-07", "--time", "10:34", "--lon", "80:17E",
                       "--lat",  "13:05N",  "--tz",   "Asia/Kolkata", "--today", "2026-12-09"};

json Json(const Args& extra) {
    const CliResult r = RunCliWith(WithMore(WithMore(kChennai, extra), {"--json"}));
    EXPECT_EQ(r.status, 0) << r.err;
    return r.status == 0 ? json::parse(r.out) : json{};
}

TEST(CliJaimini, KarakasInBothSchemesAndTheArudhas) {
    const json plain = Json({});
    EXPECT_FALSE(plain.contains("jaimini"));
    EXPECT_FALSE(plain.contains("pointDetails"));

    const json eight = Json({"--jaimini"});
    const json& j = eight["jaimini"];
    EXPECT_EQ(j["scheme"], "8");
    const std::vector<std::pair<std::string, std::string>> published = {
        {"AK", "Jupiter"}, {"AmK", "Mars"}, {"BK", "Venus"}, {"MK", "Sun"},
        {"PiK", "Rahu"},   {"PK", "Mercury"}, {"GK", "Moon"}, {"DK", "Saturn"}};
    // In rank order: the object's keys as written.
    const auto ordered = nlohmann::ordered_json::parse(RunCliWith(WithMore(kChennai, {"--jaimini", "--json"})).out);
    std::size_t rank = 0;
    for (const auto& [label, planet] : ordered["jaimini"]["karakas8"].items()) {
        ASSERT_LT(rank, published.size());
        EXPECT_EQ(label, published[rank].first);
        EXPECT_EQ(planet, published[rank].second);
        ++rank;
    }
    EXPECT_EQ(rank, 8u);
    EXPECT_EQ(j["karakas7"].size(), 7u);
    EXPECT_FALSE(j["karakas7"].contains("PiK"));
    EXPECT_EQ(j["karakas7"]["PK"], "Mercury");
    // The karakamsa is Jupiter's Navamsa sign; D1's arudhas are the chart's own.
    EXPECT_EQ(j["karakamsa"], eight["navamsaSigns"][5]);
    EXPECT_EQ(j["arudhas"]["D1"], eight["arudhaSigns"]);
    EXPECT_EQ(j["arudhas"].size(), 16u);
    EXPECT_EQ(j["rashiDrishti"].size(), 12u);
    EXPECT_EQ(j["rashiDrishti"][0], json::parse("[4,7,10]"));  // Aries: Leo, Scorpio, Aquarius
    ASSERT_EQ(j["argala"].size(), 12u);
    EXPECT_EQ(j["argala"][0]["sign"], 9);  // the ascendant in Capricorn

    const json seven = Json({"--jaimini", "--karakas", "7"});
    EXPECT_EQ(seven["jaimini"]["scheme"], "7");
    const CliResult text = RunCliWith(WithMore(kChennai, {"--jaimini", "--karakas", "7"}));
    const auto sevenAt = text.out.find("Chara karakas, seven"), eightAt = text.out.find("Chara karakas, eight");
    ASSERT_NE(sevenAt, std::string::npos);
    ASSERT_NE(eightAt, std::string::npos);
    EXPECT_LT(sevenAt, eightAt);  // the chosen scheme first
    EXPECT_NE(text.out.find("Karakamsa: "), std::string::npos);
}

TEST(CliJaimini, PointDetails) {
    const json object = Json({"--point-details"});
    const json& details = object["pointDetails"];
    ASSERT_EQ(details.size(), 10u);
    EXPECT_EQ(details[0]["point"], "Sun");
    EXPECT_EQ(details[9]["point"], "Ascendant");
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(details[i]["longitude"], object["degrees"][i]);
        EXPECT_EQ(details[i]["sign"], object["bodySigns"][i]);
        EXPECT_EQ(details[i]["nakshatra"], object["nakshatras"][i]["name"]);
        EXPECT_EQ(details[i]["pada"], object["nakshatras"][i]["pada"]);
    }
    EXPECT_EQ(details[3]["dignity"], "own sign");  // Venus in Libra beyond 15°
    EXPECT_TRUE(details[0]["speed"].is_number());
    // The classic engine computes no speeds.
    const CliResult classic = RunCliWith(WithMore(kChennai, {"--classic", "--point-details", "--json"}));
    ASSERT_EQ(classic.status, 0) << classic.err;
    EXPECT_TRUE(json::parse(classic.out)["pointDetails"][1]["speed"].is_null());

    const CliResult text = RunCliWith(WithMore(kChennai, {"--point-details", "--cell-degrees"}));
    EXPECT_NE(text.out.find("Positions in full"), std::string::npos);
    EXPECT_NE(text.out.find("Venus      23\u00B0 42\u2032"), std::string::npos);
    EXPECT_NE(text.out.find("Su 21:33"), std::string::npos);  // 21° 33′ Scorpio in its cell
}

TEST(CliJaimini, SignDashas) {
    const json object = Json({"--dasha-systems", "chara,narayana"});
    const struct {
        const char* key;
        const char* first;
    } cases[] = {{"chara", "Capricorn"}, {"narayana", "Cancer"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const json& periods = object[c.key]["periods"];
        ASSERT_EQ(periods.size(), 22u);  // two signs of twelve years have no second period
        EXPECT_EQ(periods[0]["lord"], c.first);
        EXPECT_EQ(periods[0]["start"], "1996-12-07T10:34");
        ASSERT_EQ(periods[0]["subPeriods"].size(), 12u);
        EXPECT_EQ(periods[0]["subPeriods"][0]["start"], periods[0]["start"]);
        EXPECT_EQ(periods[0]["subPeriods"][11]["end"], periods[0]["end"]);
    }
    EXPECT_EQ(object["chara"]["periods"][0]["subPeriods"][11]["lord"], "Capricorn");  // the sign's own last
    const CliResult text = RunCliWith(WithMore(kChennai, {"--dasha-systems", "narayana"}));
    EXPECT_NE(text.out.find("Narayana dasha (years of 365.25 days"), std::string::npos);
    EXPECT_NE(text.out.find("Sanjay Rath's reading"), std::string::npos);
    EXPECT_NE(text.out.find("from Cancer, the signs backward"), std::string::npos);
}

TEST(CliJaimini, Batch) {
    const std::string line =
        R"({"name":"chennai","date":"1996-12-07","time":"10:34","lon":"80:17E","lat":"13:05N","tz":"Asia/Kolkata"})";
    const CliResult asked = RunCliWith({"--batch", "-", "--jaimini", "--point-details"}, false, line + "\n");
    ASSERT_EQ(asked.status, 0) << asked.err;
    const json object = json::parse(asked.out);
    EXPECT_EQ(object["jaimini"]["karakas8"]["AK"], "Jupiter");
    EXPECT_EQ(object["pointDetails"].size(), 10u);
    const CliResult named = RunCliWith({"--batch", "-", "--fields", "name,jaimini"}, false, line + "\n");
    const json two = json::parse(named.out);
    EXPECT_EQ(two.size(), 2u);
    // The vargas' arudhas are computed for the field alone, as for the whole chart.
    EXPECT_EQ(two["jaimini"]["arudhas"], Json({"--jaimini"})["jaimini"]["arudhas"]);
    EXPECT_EQ(object["jaimini"]["arudhas"], two["jaimini"]["arudhas"]);
    const CliResult plain = RunCliWith({"--batch", "-"}, false, line + "\n");
    EXPECT_FALSE(json::parse(plain.out).contains("jaimini"));
    const CliResult csv = RunCliWith({"--batch", "-", "--format", "csv", "--jaimini"}, false, line + "\n");
    EXPECT_EQ(csv.status, 2);
    EXPECT_EQ(csv.out, "");
}

TEST(CliJaimini, Refusals) {
    const struct {
        Args args;
        const char* message;
    } cases[] = {
        {{"--jaimini", "--karakas", "9"}, "--karakas: give 7 (Sun to Saturn) or 8 (with Rahu), got \"9\"\n"},
        {{"--dasha-systems", "chara,jaimini"},
         "--dasha-systems: give a list of vimshottari, yogini, ashtottari, chara and narayana, got \"chara,jaimini\"\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliWith(WithMore(kChennai, c.args));
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message);
    }
    const CliResult alone = RunCliWith(WithMore(kChennai, {"--karakas", "7"}));
    EXPECT_EQ(alone.status, 2);
    EXPECT_NE(alone.err.find("--jaimini"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli::test
