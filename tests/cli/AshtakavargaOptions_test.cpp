// --ashtakavarga-reading and --ashtakavarga-reduced, end to end, on P. V. R.
// Narasimha Rao's Chart 6 ("Vedic Astrology: An Integrated Approach": born
// 1921-06-28 at 12:49, +5:30, 18°26' N, 79°09' E, as PyJHora's tests
// transcribe it, naturalstupid/PyJHora, src/jhora/tests/pvr_tests.py,
// "_ashtothari_test_3"): in his reading the answers to his Exercises 19 and
// 20 (the same file, "_ashtaka_varga_tests"), every row and the
// sarvashtakavarga sign by sign; in Raman's, the JSON of before with the
// reading named after it.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/CliRunner.h"

namespace velmora::cli::test {
namespace {

const std::vector<std::string> kChart6 = {"--name", "chart", "--date", "1921-06-28", "--time", "12:49",
                                          "--lon",  "79:09E", "--lat", "18:26N", "--zone", "IST",
                                          "--ashtakavarga"};

std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
    return args;
}

TEST(AshtakavargaReadingOption, RaosReadingGivesHisExercisesForChart6) {
    const CliResult r = RunCliWith(With(kChart6, {"--ashtakavarga-reading", "rao", "--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto a = nlohmann::ordered_json::parse(r.out).at("ashtakavarga");
    // Body order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn.
    const std::vector<std::vector<int>> bav = {
        {5, 3, 5, 3, 4, 4, 2, 3, 5, 4, 5, 5}, {3, 2, 5, 3, 6, 3, 4, 5, 5, 5, 3, 5},
        {7, 4, 7, 4, 4, 3, 4, 4, 4, 3, 6, 4}, {8, 7, 4, 3, 3, 2, 4, 6, 4, 4, 4, 3},
        {4, 3, 4, 3, 4, 3, 2, 5, 1, 3, 3, 4}, {4, 3, 5, 6, 3, 7, 4, 3, 5, 6, 5, 5},
        {3, 3, 4, 3, 2, 3, 2, 3, 4, 5, 3, 4},
    };
    EXPECT_EQ(a.at("bav").get<std::vector<std::vector<int>>>(), bav);
    EXPECT_EQ(a.at("sav").get<std::vector<int>>(), (std::vector<int>{34, 25, 34, 25, 26, 25, 22, 29, 28, 30, 29, 30}));
    EXPECT_EQ(a.at("reading"), "rao");
    EXPECT_FALSE(a.contains("reduced"));
}

TEST(AshtakavargaReadingOption, KeysComeAfterBavAndSav) {
    const auto plain = nlohmann::ordered_json::parse(RunCliWith(With(kChart6, {"--json"})).out).at("ashtakavarga");
    std::vector<std::string> keys;
    for (const auto& item : plain.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"bav", "sav", "reading"}));
    EXPECT_EQ(plain.at("reading"), "raman");

    const auto reduced = nlohmann::ordered_json::parse(
        RunCliWith(With(kChart6, {"--ashtakavarga-reduced", "--json"})).out).at("ashtakavarga");
    keys.clear();
    for (const auto& item : reduced.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"bav", "sav", "reading", "reduced"}));
    EXPECT_EQ(reduced.at("bav"), plain.at("bav"));
    const auto& r = reduced.at("reduced");
    ASSERT_EQ(r.at("bav").size(), 7u);
    for (const char* pinda : {"rasiPinda", "grahaPinda", "shodhyaPinda"}) EXPECT_EQ(r.at(pinda).size(), 7u) << pinda;
    for (std::size_t p = 0; p < 7; ++p)
        EXPECT_EQ(r["shodhyaPinda"][p].get<int>(), r["rasiPinda"][p].get<int>() + r["grahaPinda"][p].get<int>());
}

TEST(AshtakavargaReadingOption, RefusesWhatItCannotRead) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    std::vector<std::string> noAshtakavarga(kChart6.begin(), kChart6.end() - 1);
    const Case cases[] = {
        {With(kChart6, {"--ashtakavarga-reading", "jh"}), "--ashtakavarga-reading: give raman or rao, got \"jh\""},
        {With(noAshtakavarga, {"--ashtakavarga-reduced"}), "--ashtakavarga-reduced requires --ashtakavarga"},
        {With(noAshtakavarga, {"--ashtakavarga-reading", "rao"}), "--ashtakavarga-reading requires --ashtakavarga"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCliWith(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_TRUE(r.out.empty()) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(AshtakavargaReadingOption, TextNamesTheReadingAndShowsTheReductions) {
    const CliResult plain = RunCliWith(kChart6);
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_NE(plain.out.find("Ashtakavarga (Parashara): bindus by sign, B. V. Raman's reading\n"), std::string::npos);
    EXPECT_EQ(plain.out.find("shodhana"), std::string::npos);
    const CliResult rao = RunCliWith(With(kChart6, {"--ashtakavarga-reading", "rao", "--ashtakavarga-reduced"}));
    ASSERT_EQ(rao.status, 0) << rao.err;
    EXPECT_NE(rao.out.find("bindus by sign, P. V. R. Narasimha Rao's reading\n"), std::string::npos);
    // Rao's Chart 6 sarvashtakavarga row (Exercise 20), then its total.
    EXPECT_NE(rao.out.find("\nSAV       34  25  34  25  26  25  22  29  28  30  29  30    337\n"), std::string::npos);
    EXPECT_NE(rao.out.find("\nAfter trikona and ekadhipatya shodhana: bindus by sign\n"), std::string::npos);
    EXPECT_NE(rao.out.find("\nPindas      Rasi  Graha  Shodhya\n"), std::string::npos);
}

TEST(AshtakavargaReadingOption, BatchLinesFollowTheReading) {
    const std::string line = R"({"name":"chart","date":"1921-06-28","time":"12:49","lon":"79:09E","lat":"18:26N",)"
                             R"("zone":"IST"})" "\n";
    const CliResult r = RunCliWith({"--batch", "-", "--fields", "ashtakavarga", "--ashtakavarga",
                                    "--ashtakavarga-reading", "rao", "--ashtakavarga-reduced"},
                                   false, line);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto a = nlohmann::json::parse(r.out).at("ashtakavarga");
    EXPECT_EQ(a.at("reading"), "rao");
    EXPECT_EQ(a.at("sav").get<std::vector<int>>(), (std::vector<int>{34, 25, 34, 25, 26, 25, 22, 29, 28, 30, 29, 30}));
    EXPECT_TRUE(a.contains("reduced"));

    // Naming the field asks for the ashtakavarga as --ashtakavarga does: the
    // reading and the reduced tables go with it.
    const CliResult named = RunCliWith(
        {"--batch", "-", "--fields", "name,ashtakavarga", "--ashtakavarga-reading", "rao", "--ashtakavarga-reduced"},
        false, line);
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(nlohmann::json::parse(named.out).at("ashtakavarga"), a);
    const CliResult unnamed =
        RunCliWith({"--batch", "-", "--fields", "name", "--ashtakavarga-reading", "rao"}, false, line);
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_EQ(unnamed.err,
              "--ashtakavarga-reading requires --ashtakavarga or the field ashtakavarga in --fields\n");
}

}  // namespace
}  // namespace velmora::cli::test
