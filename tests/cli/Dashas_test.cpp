// The dasha options on the command line: --dasha-levels nests the periods
// to the levels asked, --dasha-year sets and names the year, --dasha-systems
// adds the Yogini and Ashtottari objects of the same shape (never without
// it: the object of before stays byte for byte), the batch's key and fields
// of the same names, the text's sections, and the refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;
using nlohmann::json;

const Args kBirth = {"--name", "asha", "--date", "1980-03-05", "--time", "09:05", "--lon", "77:35E",
                     "--lat", "12:58N", "--zone", "IST", "--today", "2026-12-09"};

Args With(Args extra) {
    Args args = kBirth;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

json RunJson(const Args& extra) {
    Args args = With(extra);
    args.push_back("--json");
    const CliResult r = RunCliWith(args);
    EXPECT_EQ(r.status, 0) << r.err;
    return json::parse(r.out);
}

// Periods at each depth, checking on the way that every period nests to
// `levels` exactly, that its sub-periods tile it, and that at most one a
// level runs.
void CountLevels(const json& periods, int level, int levels, std::vector<int>& counts, std::vector<int>& running) {
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const json& p = periods[i];
        ++counts[static_cast<std::size_t>(level - 1)];
        if (p["running"].get<bool>()) ++running[static_cast<std::size_t>(level - 1)];
        if (i > 0) {
            EXPECT_EQ(p["start"], periods[i - 1]["end"]);
        }
        ASSERT_EQ(p.contains("subPeriods"), level < levels) << level;
        if (level < levels) {
            const json& subs = p["subPeriods"];
            EXPECT_EQ(subs.front()["start"], p["start"]);
            EXPECT_EQ(subs.back()["end"], p["end"]);
            EXPECT_EQ(subs.front()["lord"], p["lord"]);
            CountLevels(subs, level + 1, levels, counts, running);
        }
    }
}

TEST(CliDashas, LevelsNestEveryPeriod) {
    const struct {
        const char* option;  // nullptr: the default
        int levels;
    } cases[] = {{nullptr, 2}, {"1", 1}, {"3", 3}, {"5", 5}};
    const json plain = RunJson({});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.levels);
        const json object = c.option ? RunJson({"--dasha-levels", c.option}) : plain;
        const json& dashas = object["dashas"];
        std::vector<int> counts(5), running(5);
        CountLevels(dashas["periods"], 1, c.levels, counts, running);
        int expected = 9;
        for (int level = 0; level < c.levels; ++level, expected *= 9) {
            EXPECT_EQ(counts[static_cast<std::size_t>(level)], expected);  // 9, 81, … 59 049
            EXPECT_EQ(running[static_cast<std::size_t>(level)], 1);        // the path of 2026-12-09
        }
        // The keys and the first two levels are those of the default output.
        for (const char* key : {"yearDays", "balanceYears", "balance", "today"}) EXPECT_EQ(dashas[key], plain["dashas"][key]);
        for (std::size_t m = 0; m < 9; ++m) {
            EXPECT_EQ(dashas["periods"][m]["start"], plain["dashas"]["periods"][m]["start"]);
            if (c.levels >= 2) {
                for (std::size_t s = 0; s < 9; ++s)
                    EXPECT_EQ(dashas["periods"][m]["subPeriods"][s]["end"], plain["dashas"]["periods"][m]["subPeriods"][s]["end"]);
            }
        }
        EXPECT_FALSE(object.contains("yogini"));
        EXPECT_FALSE(object.contains("ashtottari"));
    }
}

TEST(CliDashas, TheYearIsChosenAndNamed) {
    // 120 years from the first period's start to the last one's end: 43 830,
    // 43 829.1, 43 200 and 43 830.763 68 days, the minute of the end rounded.
    const struct {
        const char* option;
        double yearDays;
        const char* heading;
    } cases[] = {
        {"365.25", 365.25, "Vimshottari dasha (years of 365.25 days,"},
        {"365.2425", 365.2425, "Vimshottari dasha (years of 365.2425 days,"},
        {"360", 360, "Vimshottari dasha (years of 360 days,"},
        {"sidereal", 365.256364, "Vimshottari dasha (years of 365.256364 days,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        const json object = RunJson({"--dasha-year", c.option});
        EXPECT_EQ(object["dashas"]["yearDays"].get<double>(), c.yearDays);
        const CliResult text = RunCliWith(With({"--dasha-year", c.option}));
        EXPECT_NE(text.out.find(c.heading), std::string::npos);
    }
    // The Sun's 6 years before and after: the periods move with the year.
    const json julian = RunJson({});
    const json savana = RunJson({"--dasha-year", "360"});
    EXPECT_NE(julian["dashas"]["periods"][1]["start"], savana["dashas"]["periods"][1]["start"]);
}

TEST(CliDashas, YoginiAndAshtottariOnlyWhenAsked) {
    const json object = RunJson({"--dasha-systems", "yogini,ashtottari", "--dasha-levels", "5"});
    const struct {
        const char* key;
        std::size_t majors;
        std::vector<std::string> lords;
    } cases[] = {
        {"yogini", 24, {"Mangala", "Pingala", "Dhanya", "Bhramari", "Bhadrika", "Ulka", "Siddha", "Sankata"}},
        {"ashtottari", 8, {"Sun", "Moon", "Mars", "Mercury", "Saturn", "Jupiter", "Rahu", "Venus"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        ASSERT_TRUE(object.contains(c.key));
        const json& d = object[c.key];
        EXPECT_EQ(d["yearDays"], 365.25);
        EXPECT_EQ(d["today"], "2026-12-09");
        ASSERT_EQ(d["periods"].size(), c.majors);
        std::vector<int> counts(5), running(5);
        CountLevels(d["periods"], 1, 3, counts, running);  // three levels at most
        EXPECT_EQ(counts[1], static_cast<int>(c.majors) * 8);
        for (int level = 0; level < 3; ++level) EXPECT_EQ(running[static_cast<std::size_t>(level)], 1);
        for (const json& p : d["periods"])
            EXPECT_NE(std::find(c.lords.begin(), c.lords.end(), p["lord"].get<std::string>()), c.lords.end());
    }
    // The keys come after every key of before, in the fields' order: right
    // after the Vimshottari dasha (a precise chart's choices and houses follow).
    const auto ordered = nlohmann::ordered_json::parse(RunCliWith(With({"--json", "--dasha-systems", "ashtottari,yogini"})).out);
    std::vector<std::string> keys;
    for (const auto& item : ordered.items()) keys.push_back(item.key());
    const auto dashas = std::find(keys.begin(), keys.end(), "dashas");
    ASSERT_LE(dashas + 3, keys.end());
    EXPECT_EQ(std::vector<std::string>(dashas, dashas + 3), (std::vector<std::string>{"dashas", "yogini", "ashtottari"}));
    const json yoginiOnly = RunJson({"--dasha-systems", "yogini"});
    EXPECT_TRUE(yoginiOnly.contains("yogini"));
    EXPECT_FALSE(yoginiOnly.contains("ashtottari"));
    // Asha's Moon (26° 35′ Virgo) in Chitra, 14: 14 + 3 = 17, remainder 1, Mangala first.
    EXPECT_EQ(yoginiOnly["yogini"]["periods"][0]["lord"], "Mangala");

    const CliResult text = RunCliWith(With({"--dasha-systems", "yogini,ashtottari", "--dasha-levels", "5"}));
    for (const char* section : {"Vimshottari dasha to 5 levels", "Prana dasha", "Yogini dasha (years of 365.25 days",
                                "Mangala (Moon) period", "Ashtottari dasha (years of 365.25 days"})
        EXPECT_NE(text.out.find(section), std::string::npos) << section;
    const CliResult plain = RunCliWith(With({}));
    for (const char* section : {"Yogini", "Ashtottari", "Prana dasha"})
        EXPECT_EQ(plain.out.find(section), std::string::npos) << section;
}

TEST(CliDashas, BatchKeyAndFields) {
    const std::string line =
        R"({"name":"asha","date":"1980-03-05","time":"09:05","lon":"77:35E","lat":"12:58N","zone":"IST")";
    const CliResult r = RunCliWith({"--batch", "-", "--fields", "dashas,yogini,ashtottari", "--today", "2026-12-09"},
                                   false, line + "}\n" + line + R"(,"dashaYear":"360"})" + "\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    const json a = json::parse(first), b = json::parse(second);
    EXPECT_EQ(a["dashas"]["yearDays"], 365.25);
    EXPECT_EQ(b["dashas"]["yearDays"], 360);
    EXPECT_EQ(b["yogini"]["yearDays"], 360);
    EXPECT_EQ(a["yogini"]["periods"].size(), 24u);
    EXPECT_EQ(a["ashtottari"]["periods"].size(), 8u);
    // The whole object of a batch line is as before unless the systems are asked for.
    const CliResult whole = RunCliWith({"--batch", "-"}, false, line + "}\n");
    EXPECT_EQ(json::parse(whole.out).contains("yogini"), false);
    const CliResult asked = RunCliWith({"--batch", "-", "--dasha-systems", "ashtottari", "--dasha-levels", "1"}, false, line + "}\n");
    const json askedObject = json::parse(asked.out);
    EXPECT_TRUE(askedObject.contains("ashtottari"));
    EXPECT_FALSE(askedObject["dashas"]["periods"][0].contains("subPeriods"));
    // A bad year in a line is that line's error.
    const CliResult bad = RunCliWith({"--batch", "-"}, false, line + R"(,"dashaYear":"365"})" + "\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.out.find("dashaYear: give 365.25, 365.2425, 360 or sidereal, got \\\"365\\\""), std::string::npos);
    // Nested periods have no CSV columns.
    const CliResult csv = RunCliWith({"--batch", "-", "--format", "csv", "--fields", "yogini"}, false, line + "}\n");
    EXPECT_EQ(csv.status, 2);
}

TEST(CliDashas, Refusals) {
    const struct {
        Args args;
        const char* message;
    } cases[] = {
        {{"--dasha-levels", "0"}, "--dasha-levels: give a number of levels from 1 to 5, got \"0\"\n"},
        {{"--dasha-levels", "6"}, "--dasha-levels: give a number of levels from 1 to 5, got \"6\"\n"},
        {{"--dasha-levels", "12"}, "--dasha-levels: give a number of levels from 1 to 5, got \"12\"\n"},
        {{"--dasha-year", "365"}, "--dasha-year: give 365.25, 365.2425, 360 or sidereal, got \"365\"\n"},
        {{"--dasha-year", "Sidereal"}, "--dasha-year: give 365.25, 365.2425, 360 or sidereal, got \"Sidereal\"\n"},
        {{"--dasha-systems", "yogini,"}, "--dasha-systems: give a list of vimshottari, yogini, ashtottari, chara and narayana, got \"yogini,\"\n"},
        {{"--dasha-systems", "kalachakra"},
         "--dasha-systems: give a list of vimshottari, yogini, ashtottari, chara and narayana, got \"kalachakra\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliResult r = RunCliWith(With(c.args));
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message);
    }
}

}  // namespace
}  // namespace velmora::cli::test
