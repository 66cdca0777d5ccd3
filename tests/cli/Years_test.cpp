// Births from 1800 to 2399 for precise charts (the Swiss Ephemeris files'
// years), 1901 to 2050 for the classic engine, on every surface that takes a
// date: options, batch lines, birth files, transits and dashas.
//
// Mohandas K. Gandhi: 2 October 1869, 07:11:45 local mean time at Porbandar,
// 21° 38′ N 69° 36′ E (Astro-Databank, rating AA; LMT there is UT + 4:38:24,
// so 02:33:21 UT). His chart as B. V. Raman gives it (Notable Horoscopes):
// the ascendant, Mercury, Venus and Mars in Libra, the Sun in Virgo, the Moon
// and Rahu in Cancer (the Moon in Ashlesha, so the Vimshottari dasha at birth
// is Mercury's), Jupiter retrograde in Aries, Saturn in Scorpio, Ketu in
// Capricorn. The tz database's Asia/Kolkata in 1869 is HMT, UTC+05:53:20
// (Python's zoneinfo on the same tzdata).

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

#include "CliRunner.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

Args Gandhi(const Args& extra) {
    return WithMore({"--name", "Gandhi", "--date", "1869-10-02", "--time", "02:33:21", "--lon", "69:36E", "--lat",
                     "21:38N", "--zone", "29"},
                    extra);
}

// Sun … Ketu, then the ascendant: sign indices from Aries 0.
const std::vector<int> kGandhiSigns = {5, 3, 6, 6, 6, 0, 7, 3, 9, 6};

TEST(Years, GandhisChartIsCast) {
    const CliResult r = RunCliWith(Gandhi({"--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    EXPECT_EQ(json["bodySigns"].get<std::vector<int>>(), kGandhiSigns);
    EXPECT_EQ(json["bodyNames"][5], "Jupiter (R) ");  // retrograde
    EXPECT_EQ(json["dashas"]["periods"][0]["lord"], "Mercury");
    EXPECT_EQ(json["dashas"]["periods"][0]["end"].get<std::string>().substr(0, 4), "1872");

    // On the clock the tz database gives Asia/Kolkata in 1869 (HMT, 1:14:56
    // ahead of Porbandar's mean time) the same instant is 08:26:41; the zone
    // line says whose time that is.
    const Args zoned = {"--name", "Gandhi", "--date", "1869-10-02", "--time", "08:26:41", "--lon",
                        "69:36E", "--lat",  "21:38N",     "--tz",   "Asia/Kolkata"};
    const CliResult text = RunCliWith(zoned);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Asia/Kolkata: UTC+05:53:20 (HMT) on 2 October 1869 at 08:26, as the tz database "
                            "gives it before 1901: a city's mean time, not the birth place's"),
              std::string::npos)
        << text.out;
    Args zonedJson = zoned;
    zonedJson.push_back("--json");
    const auto again = nlohmann::ordered_json::parse(RunCliWith(zonedJson).out);
    EXPECT_EQ(again["details"]["utcOffset"], "+05:53:20");
    EXPECT_EQ(again["degrees"], json["degrees"]);
}

TEST(Years, BatchLinesTransitsAndBirthFilesTakeThem) {
    // Batch: a precise line of 1869 is cast, a classic one refused with the
    // classic engine's own message.
    const std::string lines =
        R"({"name":"G","date":"1869-10-02","time":"02:33:21","lon":"69:36E","lat":"21:38N","zone":"29"})"
        "\n"
        R"({"name":"G","date":"1869-10-02","time":"02:33:21","lon":"69:36E","lat":"21:38N","zone":"29","precise":false})"
        "\n";
    const CliResult batch = RunCliWith({"--batch", "-", "--fields", "bodySigns"}, false, lines);
    EXPECT_EQ(batch.status, 2);
    std::istringstream rows(batch.out);
    std::string first, second;
    std::getline(rows, first);
    std::getline(rows, second);
    EXPECT_EQ(nlohmann::json::parse(first)["bodySigns"].get<std::vector<int>>(), kGandhiSigns);
    EXPECT_EQ(nlohmann::json::parse(second)["error"],
              "date: the year must be between 1901 and 2050, got \"1869-10-02\"");

    // Transits at a moment of 1870 on the 1869 chart.
    const CliResult transit = RunCliWith(Gandhi({"--json", "--transit", "1870-01-01T00:00"}));
    ASSERT_EQ(transit.status, 0) << transit.err;
    EXPECT_EQ(nlohmann::json::parse(transit.out)["transits"]["moment"], "1870-01-01T00:00:00+00:00");

    // A birth file keeps the year and opens again as the same chart.
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("velmora-years-" + std::to_string(::getpid()) + ".velmora");
    const CliResult saved = RunCliWith(Gandhi({"--save", file.string(), "--force"}));
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CliResult opened = RunCliWith({"--open", file.string(), "--json"});
    std::filesystem::remove(file);
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(opened.out)["bodySigns"].get<std::vector<int>>(), kGandhiSigns);
}

}  // namespace
}  // namespace velmora::cli::test
