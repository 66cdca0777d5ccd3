// --sensitivity MINUTES and the batch field "sensitivity": every lagna
// crossing the JSON lists is confirmed by velmora-cli's own charts a second
// before and at its moment; the text section; the refusals; the CSV's
// minutes either side. Published moment: Drik Panchang, New Delhi,
// 22 November 2025, the Moon in Jyeshtha "upto 04:47 PM", then Mula.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"
#include "engine/NameTables.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

Args Delhi(const std::string& time, const Args& extra) {
    return WithMore({"--name", "jyeshtha", "--date", "2025-11-22", "--time", time, "--lon", "77:13E", "--lat",
                     "28:37N", "--tz", "Asia/Kolkata"},
                    extra);
}

std::vector<std::string> Keys(const nlohmann::ordered_json& json) {
    std::vector<std::string> keys;
    for (const auto& item : json.items()) keys.push_back(item.key());
    return keys;
}

int SignNumber(const std::string& name) {
    for (int sign = 0; sign < kSignCount; ++sign)
        if (kSignEnglishNames[static_cast<std::size_t>(sign)] == name) return sign;
    return -1;
}

// The lagna of varga `d` ("D9") in the chart of a clock time "16:47:31".
int LagnaAt(const std::string& clock, const std::string& d) {
    const CliResult r = RunCliWith(Delhi(clock, {"--json", "--varga", d}));
    EXPECT_EQ(r.status, 0) << r.err;
    return nlohmann::json::parse(r.out)["vargas"][d][9].get<int>();
}

// "2025-11-22T16:47:31+05:30" one second earlier, as "16:47:30" (the
// crossings of this day stay within the hour).
std::string SecondBefore(const std::string& moment) {
    const int seconds = std::stoi(moment.substr(11, 2)) * 3600 + std::stoi(moment.substr(14, 2)) * 60 +
                        std::stoi(moment.substr(17, 2)) - 1;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

TEST(Sensitivity, EveryLagnaCrossingIsWhereTheChartsOfTheCommandLineChange) {
    const CliResult r = RunCliWith(Delhi("16:40", {"--json", "--sensitivity", "10"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    EXPECT_EQ(Keys(json).back(), "sensitivity");
    const auto& s = json["sensitivity"];
    EXPECT_EQ(Keys(s), (std::vector<std::string>{"windowMinutes", "start", "end", "note", "items",
                                                 "dashaShiftDaysPerMinute"}));
    EXPECT_EQ(s["windowMinutes"], 10);
    EXPECT_EQ(s["start"], "2025-11-22T16:30:00+05:30");
    EXPECT_EQ(s["end"], "2025-11-22T16:50:00+05:30");
    int confirmed = 0;
    bool moonLeftJyeshtha = false;
    for (const auto& item : s["items"]) {
        const std::string name = item["item"];
        if (name == "Moon nakshatra") {
            ASSERT_EQ(item["crossings"].size(), 1u);
            EXPECT_EQ(item["crossings"][0]["from"], "Jyeshtha 4");
            EXPECT_EQ(item["crossings"][0]["to"], "Mula 1");
            EXPECT_EQ(item["crossings"][0]["moment"].get<std::string>().substr(0, 16), "2025-11-22T16:47");
            moonLeftJyeshtha = true;
        }
        // "Lagna" and "D2 lagna" … "D60 lagna".
        const bool lagna = name == "Lagna" || (name.front() == 'D' && name.ends_with(" lagna"));
        if (!lagna) continue;
        const std::string d = name == "Lagna" ? "D1" : name.substr(0, name.find(' '));
        for (const auto& c : item["crossings"]) {
            const std::string moment = c["moment"];
            EXPECT_EQ(LagnaAt(SecondBefore(moment), d), SignNumber(c["from"])) << name << " before " << moment;
            EXPECT_EQ(LagnaAt(moment.substr(11, 8), d), SignNumber(c["to"])) << name << " at " << moment;
            ++confirmed;
        }
    }
    EXPECT_TRUE(moonLeftJyeshtha);
    // Twenty minutes of the ascendant at Delhi: some five degrees.
    EXPECT_GT(confirmed, 10);
}

TEST(Sensitivity, TextSection) {
    const CliResult plain = RunCliWith(Delhi("16:40", {}));
    const CliResult asked = RunCliWith(Delhi("16:40", {"--sensitivity", "10"}));
    ASSERT_EQ(asked.status, 0) << asked.err;
    EXPECT_EQ(asked.out.substr(0, plain.out.size()), plain.out);
    const std::string section = asked.out.substr(plain.out.size());
    for (const char* said : {"Birth time: what changes within \u00B110 minutes",
                             "\u00B110 minutes: 16:30:00 to 16:50:00 on the zone's clock (UTC+05:30 at the given time)",
                             "Moon nakshatra is Jyeshtha 4 from before 16:30:00 to 16:47:",
                             "; the given 16:40:00 lies ", "Jyeshtha 4 \u2192 Mula 1",
                             "items keep their value throughout the window.",
                             "Every Vimshottari major and sub-period start moves "})
        EXPECT_NE(section.find(said), std::string::npos) << said << "\n" << section;
}

TEST(Sensitivity, Refusals) {
    struct Case {
        Args args;
        std::string message;
    };
    const std::string window =
        "--sensitivity must be a whole number of minutes from 1 to 180 (the window either side of the birth time), got ";
    const Case cases[] = {
        {Delhi("16:40", {"--sensitivity", "0"}), window + "\"0\""},
        {Delhi("16:40", {"--sensitivity", "-5"}), window + "\"-5\""},
        {Delhi("16:40", {"--sensitivity", "181"}), window + "\"181\""},
        {Delhi("16:40", {"--sensitivity", "thirty"}), window + "\"thirty\""},
        {Delhi("16:40", {"--sensitivity", "2.5"}), window + "\"2.5\""},
        {Delhi("16:40", {"--sensitivity="}), window + "\"\""},
        {Delhi("16:40", {"--sensitivity", "30", "--classic"}),
         "The birth-time sensitivity needs precise positions: the classic engine takes the birth to the minute and "
         "its positions do not follow the time continuously; choose precise positions"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCliWith(c.args);
        EXPECT_EQ(r.status, kExitRefused) << c.message;
        EXPECT_EQ(r.err, c.message + "\n");
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(Sensitivity, BatchFieldForWholeDataSets) {
    const std::string lines =
        R"({"name":"A","date":"2025-11-22","time":"16:40","lon":"77:13E","lat":"28:37N","tz":"Asia/Kolkata"})"
        "\n"
        R"({"name":"B","date":"2013-01-18","time":"12:00","lon":"77:35E","lat":"12:58N","zone":"34","precise":false})"
        "\n"
        R"({"name":"C","date":"1800-01-01","time":"00:02","lon":"77:35E","lat":"12:58N","tz":"Asia/Kolkata"})"
        "\n";
    const CliResult csv =
        RunCliWith({"--batch", "-", "--fields", "name,sensitivity", "--format", "csv", "--sensitivity", "5"}, false,
                   lines);
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream rows(csv.out);
    std::string header, a, b, c;
    std::getline(rows, header);
    std::getline(rows, a);
    std::getline(rows, b);
    std::getline(rows, c);
    const std::string start = "name,sensitivity_windowMinutes,sensitivity_changing,"
                              "sensitivity_dashaShiftDaysPerMinute,sensitivity_lagna_before,sensitivity_lagna_after,";
    EXPECT_EQ(header.substr(0, start.size()), start);
    EXPECT_NE(header.find(",sensitivity_moonNakshatra_before,sensitivity_moonNakshatra_after,"), std::string::npos);
    EXPECT_NE(header.find(",sensitivity_ketuBhava_after,"), std::string::npos);
    auto cells = [](const std::string& row) { return std::count(row.begin(), row.end(), ','); };
    EXPECT_EQ(cells(a), cells(header));
    EXPECT_EQ(cells(b), cells(header));
    EXPECT_EQ(cells(c.substr(0, c.rfind(",\"") + 1)), cells(header));  // the note, quoted, holds a comma
    // The Moon left Jyeshtha some 7.5 minutes after 16:40: outside ± 5
    // minutes, so the Moon's nakshatra columns stay empty.
    // The cell of `name` in a row without quoted cells.
    const auto column = [&header](const std::string& row, const std::string& name) {
        const auto split = [](const std::string& text) {
            std::vector<std::string> cells;
            std::istringstream in(text);
            for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
            return cells;
        };
        const std::vector<std::string> names = split(header), values = split(row);
        for (std::size_t i = 0; i < names.size() && i < values.size(); ++i)
            if (names[i] == name) return values[i];
        return std::string("(none)");
    };
    EXPECT_EQ(a.substr(0, 4), "A,5,");
    EXPECT_EQ(column(a, "sensitivity_moonNakshatra_after"), "");
    EXPECT_EQ(b.substr(0, 4), "B,,,");
    EXPECT_NE(b.find("The birth-time sensitivity needs precise positions"), std::string::npos) << b;
    // Two minutes after the first moment computed: the window is cut, and
    // the error column says so.
    EXPECT_NE(c.find("The window begins at 1800-01-01T00:00:00, 2 min 0 s before the given time"), std::string::npos)
        << c;

    // JSON lines: named without --sensitivity, the window is ± 30 minutes,
    // and the Moon's change at 16:47 is in it.
    const CliResult jsonl = RunCliWith({"--batch", "-", "--fields", "name,sensitivity"}, false, lines);
    ASSERT_EQ(jsonl.status, 0) << jsonl.err;
    std::istringstream objects(jsonl.out);
    std::string first, second;
    std::getline(objects, first);
    std::getline(objects, second);
    const auto s = nlohmann::ordered_json::parse(first)["sensitivity"];
    EXPECT_EQ(s["windowMinutes"], 30);
    bool found = false;
    for (const auto& item : s["items"])
        if (item["item"] == "Moon nakshatra") found = item["crossings"].size() == 1;
    EXPECT_TRUE(found);
    EXPECT_NE(nlohmann::ordered_json::parse(second)["sensitivity"]["error"].get<std::string>().find("precise"),
              std::string::npos);
    // Not asked: not computed, not written.
    const CliResult whole = RunCliWith({"--batch", "-"}, false, lines);
    std::istringstream plainObjects(whole.out);
    std::string plainFirst;
    std::getline(plainObjects, plainFirst);
    EXPECT_FALSE(nlohmann::ordered_json::parse(plainFirst).contains("sensitivity"));
}

}  // namespace
}  // namespace velmora::cli::test
