// --panchanga, --sunrise and --transit: the keys they add after every other
// key, their values against published almanac days, the moment --transit
// takes, their refusals, and the batch's fields of the same names.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

// Bangalore, 18 January 2013 at noon, India Standard Time.
Args Bangalore(const Args& extra) {
    return WithMore({"--name", "bala", "--date", "2013-01-18", "--time", "12:00", "--lon", "77:35E", "--lat",
                     "12:58N", "--tz", "Asia/Kolkata"},
                    extra);
}

CliResult RunAt(const Args& args, double nowUT, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    CliResult result;
    result.status = RunCli(args, in, out, err, false, -1, false, {}, nowUT);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// "2013-01-18T06:49:47" as seconds of its day.
int ClockSeconds(const std::string& moment) {
    return std::stoi(moment.substr(11, 2)) * 3600 + std::stoi(moment.substr(14, 2)) * 60 + std::stoi(moment.substr(17, 2));
}

std::vector<std::string> Keys(const nlohmann::ordered_json& json) {
    std::vector<std::string> keys;
    for (const auto& item : json.items()) keys.push_back(item.key());
    return keys;
}

TEST(TimeOptions, PanchangaOfAPublishedDay) {
    // Bangalore, 18 January 2013: sunrise 06:49:47 and sunset 18:10:25 (the
    // disc's centre without refraction), tithi 7 ending 16:24:04, the Moon in
    // nakshatra 27, yoga 21, a Friday: drik-panchanga's tests
    // (github.com/bdsatish/drik-panchanga, tests/test_panchanga.py).
    const CliResult r = RunCliWith(Bangalore({"--json", "--panchanga", "--sunrise", "centre"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    // The object of before, and the panchanga after every key of it.
    std::vector<std::string> keys = Keys(nlohmann::ordered_json::parse(RunCliWith(Bangalore({"--json"})).out));
    keys.push_back("panchanga");
    EXPECT_EQ(Keys(json), keys);
    const auto& p = json["panchanga"];
    EXPECT_EQ(Keys(p), (std::vector<std::string>{"vara", "tithi", "nakshatra", "yoga", "karana", "sunrise", "sunset",
                                                 "convention", "dayBegins", "dayEnds", "note"}));
    EXPECT_EQ(p["dayBegins"], "sunrise");
    EXPECT_EQ(p["dayEnds"], "sunrise");
    EXPECT_EQ(p["note"], "");
    EXPECT_NEAR(ClockSeconds(p["sunrise"]), 6 * 3600 + 49 * 60 + 47, 60);
    EXPECT_NEAR(ClockSeconds(p["sunset"]), 18 * 3600 + 10 * 60 + 25, 60);
    EXPECT_EQ(p["sunrise"].get<std::string>().substr(0, 11), "2013-01-18T");
    EXPECT_EQ(p["vara"]["number"], 6);
    EXPECT_EQ(p["tithi"]["number"], 7);
    EXPECT_EQ(p["tithi"]["paksha"], "Shukla");
    EXPECT_NEAR(ClockSeconds(p["tithi"]["end"]), 16 * 3600 + 24 * 60 + 4, 60);
    EXPECT_EQ(p["nakshatra"]["number"], 27);
    EXPECT_EQ(p["yoga"]["number"], 21);
    EXPECT_EQ(p["karana"]["number"], 14);
    for (const char* limb : {"vara", "tithi", "nakshatra", "yoga", "karana"})
        EXPECT_EQ(Keys(p[limb]).front(), "number") << limb;
    EXPECT_EQ(p["convention"], "disc centre without refraction");

    // The default is the almanac's upper limb, a few minutes earlier.
    const CliResult limb = RunCliWith(Bangalore({"--json", "--panchanga"}));
    ASSERT_EQ(limb.status, 0) << limb.err;
    const auto almanac = nlohmann::ordered_json::parse(limb.out)["panchanga"];
    EXPECT_EQ(almanac["convention"], "upper limb with refraction");
    EXPECT_LT(ClockSeconds(almanac["sunrise"]), ClockSeconds(p["sunrise"]));
}

TEST(TimeOptions, TransitsAtAMomentOnThePlacesClock) {
    // Jupiter entered sidereal Taurus on 1 May 2024 (Drik Panchang, "Guru
    // Gochar 2024"); Saturn stayed in Aquarius, the 12th sign from this
    // chart's Moon in Pisces, so its sade sati runs in its first phase.
    const CliResult r = RunCliWith(Bangalore({"--json", "--transit", "2024-01-01T05:30"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    EXPECT_EQ(Keys(json).back(), "transits");
    const auto& t = json["transits"];
    const std::vector<std::string> keys = Keys(t);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 6),
              (std::vector<std::string>{"moment", "degrees", "housesFromMoon", "housesFromAscendant", "sadeSati",
                                        "nextIngresses"}));
    EXPECT_EQ(t["moment"], "2024-01-01T05:30:00+05:30");
    EXPECT_EQ(t["degrees"].size(), 10u);
    for (const char* houses : {"housesFromMoon", "housesFromAscendant"}) {
        ASSERT_EQ(t[houses].size(), 10u);
        for (const auto& h : t[houses]) EXPECT_TRUE(h >= 1 && h <= 12) << houses;
    }
    EXPECT_EQ(t["housesFromMoon"][6], 12);
    EXPECT_EQ(t["sadeSati"]["running"], true);
    EXPECT_EQ(t["sadeSati"]["phase"], 1);
    EXPECT_EQ(t["nextIngresses"][5]["moment"].get<std::string>().substr(0, 10), "2024-05-01");
    EXPECT_EQ(t["nextIngresses"][5]["sign"], 1);
    EXPECT_TRUE(t["nextIngresses"][6].is_null());
}

TEST(TimeOptions, TransitWithoutAMomentTakesTheClock) {
    // 2460310.5 is 1 January 2024, 0 h UT: 05:30 on India's clock.
    const CliResult r = RunAt(Bangalore({"--json", "--transit"}), 2460310.5);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(r.out)["transits"]["moment"], "2024-01-01T05:30:00+05:30");
    // Without a clock there is no now.
    const CliResult noClock = RunAt(Bangalore({"--json", "--transit"}), 0);
    EXPECT_EQ(noClock.status, kExitRefused);
    EXPECT_EQ(noClock.err, "--transit: no clock to read now from; give the moment YYYY-MM-DDTHH:MM\n");
}

TEST(TimeOptions, Refusals) {
    struct Case {
        Args args;
        std::string start;  // how the message begins
    };
    const Case cases[] = {
        {Bangalore({"--transit", "2024-01-01"}), "--transit must be a moment YYYY-MM-DDTHH:MM"},
        {Bangalore({"--transit", "2024-02-30T10:00"}), "--transit must be a moment YYYY-MM-DDTHH:MM"},
        {Bangalore({"--panchanga", "--sunrise", "edge"}), "--sunrise must be limb"},
        {Bangalore({"--panchanga", "--classic"}), "The panchanga needs precise positions"},
        {Bangalore({"--transit", "2024-01-01T00:00", "--classic"}), "Transits need precise positions"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCliWith(c.args);
        EXPECT_EQ(r.status, kExitRefused) << c.start;
        EXPECT_EQ(r.err.substr(0, c.start.size()), c.start);
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(TimeOptions, TextSectionsOnlyWhenAsked) {
    const CliResult plain = RunCliWith(Bangalore({}));
    const CliResult asked = RunCliWith(Bangalore({"--panchanga", "--transit", "2024-01-01T05:30"}));
    ASSERT_EQ(asked.status, 0) << asked.err;
    for (const char* heading : {"Panchanga at birth", "Transits (T-) over the birth chart", "Sade sati"}) {
        EXPECT_EQ(plain.out.find(heading), std::string::npos) << heading;
        EXPECT_NE(asked.out.find(heading), std::string::npos) << heading;
    }
    // The text output is the plain one with the sections after it.
    EXPECT_EQ(asked.out.substr(0, plain.out.size()), plain.out);
    EXPECT_NE(asked.out.find("T-Saturn"), std::string::npos);
}

TEST(TimeOptions, BatchFieldsOfTheSameNames) {
    const std::string lines =
        R"({"name":"A","date":"2013-01-18","time":"12:00","lon":"77:35E","lat":"12:58N","tz":"Asia/Kolkata"})"
        "\n"
        R"({"name":"B","date":"2013-01-18","time":"12:00","lon":"77:35E","lat":"12:58N","zone":"34","precise":false})"
        "\n";
    // CSV: as many cells as columns on every line; the classic chart's cells empty.
    const CliResult csv = RunCliWith({"--batch", "-", "--fields", "name,panchanga,transits", "--format", "csv",
                                      "--transit", "2024-01-01T05:30"},
                                     false, lines);
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream rows(csv.out);
    std::string header, a, b;
    std::getline(rows, header);
    std::getline(rows, a);
    std::getline(rows, b);
    auto cells = [](const std::string& row) { return std::count(row.begin(), row.end(), ','); };
    EXPECT_EQ(header.substr(0, 20), "name,panchanga_vara,");
    EXPECT_EQ(cells(a), cells(header));
    EXPECT_EQ(cells(b), cells(header));
    EXPECT_EQ(a.substr(0, 15), "A,6,Shukravara,");
    EXPECT_EQ(b.substr(0, 4), "B,,,");
    // The error column: empty for the chart that has both, and for the
    // classic one the reasons its empty cells stand for (JSON lines give
    // them in the fields' "error").
    EXPECT_EQ(a.substr(a.find_last_not_of('\r'), 1), ",") << a;
    EXPECT_NE(b.find(",panchanga: The panchanga needs precise positions"), std::string::npos) << b;
    EXPECT_NE(b.find("; transits: Transits need precise positions"), std::string::npos) << b;

    // JSON lines: the whole object gains the key only when asked; the
    // classic chart's value names the refusal.
    const CliResult whole = RunCliWith({"--batch", "-", "--panchanga"}, false, lines);
    ASSERT_EQ(whole.status, 0) << whole.err;
    std::istringstream objects(whole.out);
    std::string first, second;
    std::getline(objects, first);
    std::getline(objects, second);
    EXPECT_EQ(Keys(nlohmann::ordered_json::parse(first)).back(), "panchanga");
    EXPECT_EQ(nlohmann::ordered_json::parse(first)["panchanga"]["tithi"]["number"], 7);
    EXPECT_NE(nlohmann::ordered_json::parse(second)["panchanga"]["error"].get<std::string>().find("precise"),
              std::string::npos);
    const CliResult without = RunCliWith({"--batch", "-"}, false, lines);
    std::istringstream plainObjects(without.out);
    std::string plainFirst;
    std::getline(plainObjects, plainFirst);
    std::vector<std::string> plainKeys = Keys(nlohmann::ordered_json::parse(plainFirst));
    plainKeys.push_back("panchanga");
    EXPECT_EQ(Keys(nlohmann::ordered_json::parse(first)), plainKeys);
}

// Tromsø (GeoNames 3133880: 69° 39′ N 18° 57′ E) on 21 June 1990, in the
// midnight sun (20 May to 22 July there, as the Norwegian almanacs give it):
// no sunrise and no sunset. The chart and its panchanga are given, the
// weekday is that of the civil day (21 June 1990 was a Thursday), and what is
// missing is said in the object and, in CSV, in the error column.
Args Tromso(const Args& extra) {
    return WithMore({"--name", "tora", "--date", "1990-06-21", "--time", "12:00", "--lon", "18:57E", "--lat",
                     "69:39N", "--tz", "Europe/Oslo"},
                    extra);
}

TEST(TimeOptions, PanchangaWhereTheSunDoesNotRise) {
    const CliResult r = RunCliWith(Tromso({"--json", "--panchanga"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto p = nlohmann::ordered_json::parse(r.out)["panchanga"];
    EXPECT_TRUE(p["sunrise"].is_null());
    EXPECT_TRUE(p["sunset"].is_null());
    EXPECT_EQ(p["dayBegins"], "midnight");
    EXPECT_EQ(p["dayEnds"], "midnight");
    EXPECT_EQ(p["vara"]["number"], 5);
    EXPECT_EQ(p["vara"]["start"], "1990-06-21T00:00:00");
    EXPECT_EQ(p["vara"]["end"], "1990-06-22T00:00:00");
    EXPECT_EQ(p["note"], "The Sun neither rises nor sets at this place on 21 June 1990 (the midnight sun); the day "
                         "begins at local midnight");
    for (const char* limb : {"tithi", "nakshatra", "yoga", "karana"}) EXPECT_TRUE(p[limb].is_object()) << limb;

    const CliResult text = RunCliWith(Tromso({"--panchanga"}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("local midnight 1990-06-21 00:00:00 to local midnight 1990-06-22 00:00:00"),
              std::string::npos);
    EXPECT_NE(text.out.find("Sunrise:         none in this day"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Note:            The Sun neither rises nor sets"), std::string::npos);

    // A batch: the line is given, not refused, and CSV says why its cells are empty.
    const std::string line =
        R"({"name":"T","date":"1990-06-21","time":"12:00","lon":"18:57E","lat":"69:39N","tz":"Europe/Oslo"})"
        "\n";
    const CliResult csv = RunCliWith({"--batch", "-", "--fields", "name,panchanga", "--format", "csv"}, false, line);
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream rows(csv.out);
    std::string header, row;
    std::getline(rows, header);
    std::getline(rows, row);
    EXPECT_NE(header.find(",panchanga_sunrise,panchanga_sunset,panchanga_convention,panchanga_day_begins,"
                          "panchanga_day_ends,error"),
              std::string::npos)
        << header;
    EXPECT_NE(row.find(",,,upper limb with refraction,midnight,midnight,panchanga: The Sun neither rises nor "
                       "sets at this place on 21 June 1990 (the midnight sun); the day begins at local midnight"),
              std::string::npos)
        << row;
}

// A part that could not be computed leaves its cells empty; the row's error
// column says why, as the JSON line says it under the part's key (a
// transit moment the clocks skipped in Berlin, 25 March 1990 02:30, and a
// classic chart's panchanga and transits). The chart itself is given, so
// the status stays 0, as for JSON lines.
TEST(TimeOptions, ACsvRowSaysWhyAPartIsMissing) {
    const std::string lines =
        R"({"name":"A","date":"1990-06-21","time":"12:00","place":"Berlin"})" "\n"
        R"({"name":"B","date":"2013-01-18","time":"12:00","lon":"77:35E","lat":"12:58N","zone":"34","precise":false})"
        "\n"
        R"({"name":"C","date":"2013-01-18","time":"12:00","lon":"77:35E","lat":"12:58N","tz":"Asia/Kolkata"})" "\n";
    const Args options = {"--batch", "-", "--fields", "name,panchanga,transits", "--transit", "1990-03-25T02:30"};
    const CliResult json = RunCliWith(options, false, lines);
    Args csvOptions = options;
    csvOptions.insert(csvOptions.end(), {"--format", "csv"});
    const CliResult csv = RunCliWith(csvOptions, false, lines);
    ASSERT_EQ(json.status, 0) << json.err;
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream objects(json.out), rows(csv.out);
    std::string object, row;
    std::getline(rows, row);  // the header
    int said = 0;
    while (std::getline(objects, object)) {
        ASSERT_TRUE(std::getline(rows, row));
        const auto line = nlohmann::json::parse(object);
        std::string why;
        for (const char* part : {"panchanga", "transits"}) {
            if (!line[part].contains("error")) continue;
            why += (why.empty() ? "" : "; ") + std::string(part) + ": " + line[part]["error"].get<std::string>();
            ++said;
        }
        row.pop_back();  // CR
        // The error column is the last; the messages hold no comma, so it is unquoted.
        EXPECT_EQ(row.substr(row.rfind(',') + 1), why) << line["name"];
    }
    EXPECT_EQ(said, 3);
    EXPECT_FALSE(std::getline(rows, row));
}

// Where the Sun neither rises nor sets (Tromsø, 69° 39′ N, at midsummer) a
// panchanga whose cells are all empty says why in the error column.
TEST(TimeOptions, ACsvRowWithoutItsPanchangaSaysWhy) {
    const CliResult csv = RunCliWith({"--batch", "-", "--fields", "name,panchanga", "--format", "csv"}, false,
                                     R"({"name":"A","date":"1990-06-21","time":"12:00","place":"Tromso"})" "\n");
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string row = csv.out.substr(csv.out.find('\n') + 1);
    const std::size_t cells = std::count(row.begin(), row.end(), ',');
    EXPECT_GT(cells, 2u);
    const bool emptyPanchanga = row.starts_with("A" + std::string(cells - 1, ','));
    if (emptyPanchanga) EXPECT_GT(row.size(), cells + 3) << row;  // "A", the commas, CR LF: and the reason
}

}  // namespace
}  // namespace velmora::cli::test
