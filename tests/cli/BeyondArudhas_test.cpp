// The nakshatras, the Navamsa and the dasha on the command line: the JSON
// keys in both modes, the day given by --today, the North-Indian diamond's
// houses, and the refusals of the two new options.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "cli/ChartText.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

const Args kBirth = {"--name", "asha", "--date", "1980-03-05", "--time", "09:05", "--lon", "77:35E",
                     "--lat", "12:58N", "--zone", "IST"};

Args With(Args extra) {
    Args args = kBirth;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(CliBeyondArudhas, JsonAgreesWithTheDegreesInBothModes) {
    for (const Args& mode : {Args{}, Args{"--precise"}}) {
        Args args = With({"--json", "--today", "2026-12-09"});
        args.insert(args.end(), mode.begin(), mode.end());
        const CliResult r = RunCliWith(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto json = nlohmann::json::parse(r.out);
        ASSERT_EQ(json["nakshatras"].size(), 10u);
        ASSERT_EQ(json["navamsaSigns"].size(), 10u);
        for (int i = 0; i < 10; ++i) {
            // 800 minutes of arc a nakshatra, 200 a pada and a navamsa.
            const double minutes = json["degrees"][i].get<double>() * 60;
            const int quarter = static_cast<int>(std::floor(minutes / 200));
            EXPECT_EQ(json["nakshatras"][i]["pada"], quarter % 4 + 1) << i;
            EXPECT_EQ(json["navamsaSigns"][i], quarter % 12) << i;
            EXPECT_EQ(quarter / 9, json["bodySigns"][i]) << i;  // nine quarters a sign
        }
        const auto& dashas = json["dashas"];
        EXPECT_EQ(dashas["yearDays"], 365.25);
        EXPECT_EQ(dashas["today"], "2026-12-09");
        ASSERT_EQ(dashas["periods"].size(), 9u);
        EXPECT_EQ(dashas["periods"][0]["lord"], json["nakshatras"][1]["lord"]);  // the Moon's lord first
        int running = 0, runningSubs = 0;
        for (const auto& major : dashas["periods"]) {
            ASSERT_EQ(major["subPeriods"].size(), 9u);
            EXPECT_EQ(major["subPeriods"][0]["lord"], major["lord"]);
            EXPECT_EQ(major["subPeriods"][0]["start"], major["start"]);
            EXPECT_EQ(major["subPeriods"][8]["end"], major["end"]);
            if (major["running"].get<bool>()) {
                ++running;
                EXPECT_LE(major["start"].get<std::string>(), "2026-12-09T12:00");
                EXPECT_GT(major["end"].get<std::string>(), "2026-12-09T12:00");
            }
            for (const auto& sub : major["subPeriods"]) runningSubs += sub["running"].get<bool>() ? 1 : 0;
        }
        EXPECT_EQ(running, 1);
        EXPECT_EQ(runningSubs, 1);
    }
}

TEST(CliBeyondArudhas, WithoutADayNothingIsMarked) {
    const CliResult r = RunCliWith(With({"--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["dashas"]["today"], "");
    for (const auto& major : json["dashas"]["periods"]) EXPECT_FALSE(major["running"].get<bool>());
}

TEST(CliBeyondArudhas, TextShowsTheSectionsAndTheRunningPeriod) {
    const CliResult r = RunCliWith(With({"--today", "2026-12-09"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, ::testing::HasSubstr("\nNakshatras\n  Sun        "));
    EXPECT_THAT(r.out, ::testing::HasSubstr("\nNavamsa\n┌"));
    EXPECT_THAT(r.out, ::testing::HasSubstr("Vimshottari dasha (years of 365.25 days"));
    EXPECT_THAT(r.out, ::testing::HasSubstr("  Running on 2026-12-09: "));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '>'), 2 + 1);  // the major, the sub-period, the legend
}

TEST(CliBeyondArudhas, RefusesBadDaysAndStyles) {
    const Args bad[] = {
        {"--today", "2026-02-30"}, {"--today", "2026-2-3"}, {"--today", "today"}, {"--today="},
        {"--chart-style", "east"},  {"--chart-style", "North"},
    };
    for (const Args& extra : bad) {
        const CliResult r = RunCliWith(With(extra));
        EXPECT_EQ(r.status, kExitRefused) << extra[0];
        EXPECT_TRUE(r.out.empty());
        EXPECT_THAT(r.err, ::testing::HasSubstr(extra[0].substr(0, extra[0].find('=')))) << r.err;
    }
}

TEST(CliBeyondArudhas, NorthStyleDrawsBothChartsAsDiamonds) {
    const CliResult south = RunCliWith(With({"--today", "2026-12-09"}));
    const CliResult north = RunCliWith(With({"--today", "2026-12-09", "--chart-style", "north"}));
    ASSERT_EQ(north.status, 0) << north.err;
    // Two diamonds, no South-Indian grid left.
    auto count = [](const std::string& text, const std::string& piece) {
        std::size_t n = 0;
        for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(north.out, "╳"), 2u * 5);
    EXPECT_EQ(count(north.out, "┼"), 0u);
    EXPECT_GT(count(south.out, "┼"), 0u);
    // What comes before the charts is the same.
    EXPECT_EQ(north.out.substr(0, north.out.find("Hora")), south.out.substr(0, south.out.find("Hora")));
}

// The centres of the twelve houses of the diamond in a square of 29 rows
// and 57 columns, in the usual North-Indian order: house 1 the top diamond,
// then counter-clockwise (2 top-left, 3 left-upper, 4 left, … 12 top-right).
struct Centre {
    double row, column;
};
constexpr Centre kHouseCentres[12] = {
    {7, 28}, {3.5, 14}, {7, 7},   {14, 14}, {21, 7},  {24.5, 14},
    {21, 28}, {24.5, 42}, {21, 49}, {14, 42}, {7, 49}, {3.5, 42},
};

int NearestHouse(double row, double column) {
    int best = 0;
    double bestDistance = 1e9;
    for (int h = 0; h < 12; ++h) {
        const double dr = row - kHouseCentres[h].row, dc = (column - kHouseCentres[h].column) / 2;
        if (dr * dr + dc * dc < bestDistance) {
            bestDistance = dr * dr + dc * dc;
            best = h + 1;
        }
    }
    return best;
}

// Row and column (in characters) of `needle` in a drawing.
std::pair<int, int> Find(const std::string& drawing, const std::string& needle) {
    int row = 0;
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at <= drawing.size(); ++at) {
        if (at == drawing.size() || drawing[at] == '\n') {
            const std::string line = drawing.substr(lineStart, at - lineStart);
            const auto found = line.find(needle);
            if (found != std::string::npos) {
                int column = 0;  // count characters, not bytes
                for (std::size_t i = 0; i < found; ++i)
                    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++column;
                return {row, column};
            }
            ++row;
            lineStart = at + 1;
        }
    }
    return {-1, -1};
}

TEST(NorthIndianChart, EverySignStandsInItsHouseForEveryAscendant) {
    for (int ascendant = 0; ascendant < 12; ++ascendant) {
        SignTokens tokens;
        for (int sign = 0; sign < 12; ++sign) tokens[sign].push_back({std::string{'Q', char('a' + sign)}, false});
        const std::string drawing = DrawNorthIndianChart(tokens, ascendant, false);
        for (int sign = 0; sign < 12; ++sign) {
            const auto [row, column] = Find(drawing, std::string{'Q', char('a' + sign)});
            ASSERT_GE(row, 0);
            const int house = (sign - ascendant + 12) % 12 + 1;
            EXPECT_EQ(NearestHouse(row, column), house) << "ascendant " << ascendant << " sign " << sign;
            // The sign's number stands in the same house, above its entries.
            const std::string number = ' ' + std::to_string(sign + 1) + ' ';
            bool numberFound = false;
            std::size_t from = 0;
            for (auto at = drawing.find(number, from); at != std::string::npos; at = drawing.find(number, at + 1)) {
                const auto [r, c] = Find(drawing.substr(0, at) + "\x01" + drawing.substr(at + 1), "\x01");
                if (NearestHouse(r, c + 1) == house && r < row) numberFound = true;
            }
            EXPECT_TRUE(numberFound) << "sign " << sign + 1 << " ascendant " << ascendant;
        }
    }
}

TEST(NorthIndianChart, NothingIsLostWhenAHouseIsCrowded) {
    SignTokens tokens;
    const char* names[] = {"Su", "Mo", "Me(R)", "Ve(R)", "Ma(R)", "Ju(R)", "Sa(R)", "Ra", "Ke", "As", "AL",
                           "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "A12"};
    for (const char* name : names) tokens[1].push_back({name, name[0] == 'A' && name[1] != 's'});
    for (int ascendant : {0, 1, 2, 4}) {  // Taurus in house 2, 1, 12 and 10
        const std::string drawing = DrawNorthIndianChart(tokens, ascendant, false);
        for (const char* name : names) EXPECT_THAT(drawing, ::testing::HasSubstr(std::string(" ") + name)) << name;
    }
}

}  // namespace
}  // namespace velmora::cli::test
