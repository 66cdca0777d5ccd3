// velmora-cli --match BRIDE GROOM: the eight kootas with their points,
// maxima and reasons, the total and the doshas, as JSON and as text; a birth
// file refused or a chart that cannot be computed named as the bride's or
// the groom's (status 2, nothing on standard output). And --ashtakavarga:
// the key after every other one, only when asked for, in JSON, CSV and text.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "text/TextWidth.h"

#include "tests/cli/CliRunner.h"

namespace velmora::cli::test {
namespace {

namespace fs = std::filesystem;

class MatchCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-cli-match-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        Save("bride.velmora", {"--name", "sita", "--date", "1990-05-14", "--time", "06:30", "--lon", "77:35E",
                               "--lat", "12:58N", "--zone", "IST"});
        Save("groom.velmora", {"--name", "rama", "--date", "1987-11-02", "--time", "21:10", "--lon", "72:50E",
                               "--lat", "18:58N", "--zone", "IST"});
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string File(const char* name) const { return (dir_ / name).string(); }
    void Save(const char* name, std::vector<std::string> args) {
        args.insert(args.end(), {"--json", "--save", File(name)});
        ASSERT_EQ(RunCliWith(args).status, 0);
    }

    fs::path dir_;
};

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

constexpr const char* kKootas[] = {"Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi"};

TEST_F(MatchCommand, JsonHoldsTheEightKootasTheTotalAndTheDoshas) {
    const CliResult r = RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto json = nlohmann::json::parse(r.out);
    const auto& match = json.at("match");
    ASSERT_EQ(match.at("kootas").size(), 8u);
    double sum = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const auto& k = match["kootas"][i];
        EXPECT_EQ(k.at("name"), kKootas[i]);
        EXPECT_EQ(k.at("max").get<double>(), static_cast<double>(i + 1));
        EXPECT_GE(k.at("points").get<double>(), 0);
        EXPECT_LE(k.at("points").get<double>(), k.at("max").get<double>());
        EXPECT_FALSE(k.at("reason").get<std::string>().empty());
        sum += k["points"].get<double>();
    }
    EXPECT_EQ(match.at("total").get<double>(), sum);
    EXPECT_EQ(match.at("max"), 36);
    for (const char* key : {"nadi", "bhakoot", "kuja"}) EXPECT_TRUE(match.at("doshas").contains(key)) << key;
    EXPECT_EQ(match.at("doshas").at("kuja").at("bride").at("from").size(), 3u);
    EXPECT_NE(match.at("tradition").get<std::string>().find("North-Indian"), std::string::npos);
    // The two Moons: the bride's in Purva Ashadha, Sagittarius (15° 37′),
    // the groom's in Uttara Bhadrapada, Pisces.
    EXPECT_EQ(match["bride"]["nakshatra"], "Purva Ashadha");
    EXPECT_EQ(match["groom"]["nakshatra"], "Uttara Bhadrapada");
    // Both Madhya: Nadi 0 and the dosha, with no exception (two signs, two
    // nakshatras).
    EXPECT_EQ(match["kootas"][7]["points"], 0);
    EXPECT_EQ(match["doshas"]["nadi"]["present"], true);
    EXPECT_EQ(match["doshas"]["nadi"]["cancelled"], false);
}

// The other order: Tara, Graha Maitri, Bhakoot and Nadi are the pair's,
// whoever is the bride; Varna follows the groom (a Kshatriya Sagittarius
// bride with a Brahmin Pisces groom scores 1, the other way 0), and so may
// Yoni and Gana.
TEST_F(MatchCommand, TheOtherOrderAsTheTraditionSays) {
    const auto one = nlohmann::json::parse(
        RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--json"}).out)["match"];
    const auto other = nlohmann::json::parse(
        RunCliWith({"--match", File("groom.velmora"), File("bride.velmora"), "--json"}).out)["match"];
    for (std::size_t i : {2u, 4u, 6u, 7u}) EXPECT_EQ(one["kootas"][i]["points"], other["kootas"][i]["points"]) << i;
    EXPECT_EQ(one["kootas"][0]["points"], 1);
    EXPECT_EQ(other["kootas"][0]["points"], 0);
}

TEST_F(MatchCommand, TextNamesTheTraditionEachKootaAndTheTotal) {
    const CliResult r = RunCliWith({"--match", File("bride.velmora"), File("groom.velmora")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("North-Indian ashtakoota guna milan"), std::string::npos);
    for (const char* k : kKootas) EXPECT_NE(r.out.find(std::string("\n") + k + " "), std::string::npos) << k;
    EXPECT_NE(r.out.find("\nTotal"), std::string::npos);
    EXPECT_NE(r.out.find("Nadi dosha"), std::string::npos);
    EXPECT_NE(r.out.find("Mars dosha, bride"), std::string::npos);
}

// --lang: the kootas by the glossary's names (docs/glossary.md; the koota
// names are the Sanskrit forms, unreviewed), each with the points the
// English text gives it; the captions the phrase table's; --digits native
// the language's digits; with --json, the labels.
TEST_F(MatchCommand, TextInTheLanguageChosen) {
    struct Case {
        const char* code;
        const char* kootas[8];  // Varna … Nadi
        const char* total;
    };
    const Case cases[] = {
        {"hi", {"वर्ण", "वश्य", "तारा", "योनि", "ग्रह मैत्री", "गण", "भकूट", "नाड़ी"}, "कुल"},
        {"ta", {"வர்ணம்", "வசியம்", "தாரா", "யோனி", "கிரக மைத்ரம்", "கணம்", "பகூடம்", "நாடி"}, "மொத்தம்"},
    };
    const CliResult english = RunCliWith({"--match", File("bride.velmora"), File("groom.velmora")});
    const std::vector<std::string> englishLines = LinesOf(english.out);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const CliResult r = RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--lang", c.code});
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = LinesOf(r.out);
        ASSERT_EQ(lines.size(), englishLines.size());
        // Lines 4 … 11 are the kootas, after the heading, the two people, a blank and the table's header.
        for (std::size_t k = 0; k < 8; ++k) {
            const std::string& line = lines[5 + k];
            EXPECT_TRUE(line.starts_with(c.kootas[k])) << line;
            // Its points and maximum, from the 15th column, as in English.
            EXPECT_EQ(std::string(FirstColumns(line, 27)).substr(std::string(FirstColumns(line, 14)).size()),
                      englishLines[5 + k].substr(14, 13));
        }
        EXPECT_TRUE(lines[13].starts_with(c.total)) << lines[13];
        EXPECT_EQ(r.out.find("Koota"), std::string::npos);
        EXPECT_EQ(r.out.find("Bride"), std::string::npos);
    }
    const CliResult native =
        RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--lang", "hi", "--digits", "native"});
    EXPECT_NE(native.out.find("३६\n"), std::string::npos);  // the total's maximum, in Devanagari digits
    // With --json the match stays English and "labels" carries the
    // language; --digits with --json is refused as a chart's JSON refuses it.
    const CliResult json = RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--json", "--lang", "ta"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out).at("labels").at("kootas").at(0).at("name"), "வர்ணம்");
    const CliResult digits = RunCliWith(
        {"--match", File("bride.velmora"), File("groom.velmora"), "--json", "--lang", "ta", "--digits", "native"});
    EXPECT_EQ(digits.status, 2);
    EXPECT_EQ(digits.err, "--digits writes the text's digits; JSON's numbers stay 0-9: leave it out or --json\n");
}

bool HasLatinLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

// --lang: the kootas' reasons and the Nadi and Bhakoot doshas in the
// language, no English word left; with --json the "match" object exactly
// the English one and "labels" the same texts the text output writes, the
// Moons by the glossary's names (docs/glossary.md: PyJHora's RAASI_LIST and
// NAKSHATRA_LIST for hi and kn, Maitreya's ta.po and te.po): the bride's
// Moon in Purva Ashadha, Sagittarius, the groom's in Uttara Bhadrapada,
// Pisces (the two Moons the JSON test above names).
TEST_F(MatchCommand, ReasonsAndLabelsInTheLanguageChosen) {
    struct Case {
        const char* code;
        const char *brideSign, *brideStar, *groomSign, *groomStar;
    };
    const Case cases[] = {
        {"hi", "धनु", "पूर्वाषाढ़ा", "मीन", "उत्तर भाद्रपद"},
        {"ta", "தனுசு", "பூராடம்", "மீனம்", "உத்திரட்டாதி"},
        {"te", "ధను", "పూర్వాషాఢ", "మీన", "ఉత్తరాభాద్ర"},
        {"kn", "ಧನು", "ಪೂರ್ವಾಷಾಢ", "ಮೀನ", "ಉತ್ತರಾಭಾದ್ರ"},
    };
    const auto english =
        nlohmann::json::parse(RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--json"}).out);
    EXPECT_FALSE(english.contains("labels"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const CliResult text = RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--lang", c.code});
        const CliResult json =
            RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--json", "--lang", c.code});
        ASSERT_EQ(text.status, 0) << text.err;
        ASSERT_EQ(json.status, 0) << json.err;
        const std::vector<std::string> lines = LinesOf(text.out);
        ASSERT_GE(lines.size(), 17u);
        const auto out = nlohmann::json::parse(json.out);
        EXPECT_EQ(out.at("match"), english.at("match"));  // the keys and values stay English
        const auto& labels = out.at("labels");
        EXPECT_EQ(labels.at("language"), c.code);
        // The tradition's line in the language; only the file's name stays.
        EXPECT_EQ(lines[0].find("North-Indian"), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find(labels.at("tradition").get<std::string>()), std::string::npos) << lines[0];
        EXPECT_EQ(labels.at("bride").at("moonSign"), c.brideSign);
        EXPECT_EQ(labels.at("bride").at("nakshatra"), c.brideStar);
        EXPECT_EQ(labels.at("groom").at("moonSign"), c.groomSign);
        EXPECT_EQ(labels.at("groom").at("nakshatra"), c.groomStar);
        EXPECT_EQ(labels.at("signs").size(), 12u);
        EXPECT_EQ(labels.at("points").size(), 10u);
        ASSERT_EQ(labels.at("kootas").size(), 8u);
        for (std::size_t k = 0; k < 8; ++k) {
            const std::string name = labels["kootas"][k].at("name"), reason = labels["kootas"][k].at("reason");
            // The text's koota line: the name, the points, then the reason.
            EXPECT_TRUE(lines[5 + k].starts_with(name)) << lines[5 + k];
            EXPECT_TRUE(lines[5 + k].ends_with(" " + reason)) << lines[5 + k];
            EXPECT_FALSE(HasLatinLetter(reason)) << reason;
        }
        // Both Moons Madhya: the Nadi dosha, no exception; the signs 4/10, no
        // Bhakoot dosha.
        const std::string nadi = labels.at("doshas").at("nadi").at("reason");
        EXPECT_EQ(lines[15], nadi);
        EXPECT_FALSE(nadi.empty());
        EXPECT_FALSE(HasLatinLetter(nadi)) << nadi;
        EXPECT_EQ(labels.at("doshas").at("bhakoot").at("reason"), "");
        EXPECT_FALSE(HasLatinLetter(lines[16])) << lines[16];
        const auto& kuja = labels.at("doshas").at("kuja");
        EXPECT_EQ(kuja.at("bride").at("from").size(), 3u);
        EXPECT_EQ(lines.back(), kuja.at("summary"));
        for (const std::string line : {kuja.at("bride").at("summary"), kuja.at("groom").at("from").at(0).at("reason")})
            EXPECT_FALSE(HasLatinLetter(line)) << line;
    }
}

// --lang: the Mars dosha's lines in the language, the planets the
// glossary's (docs/glossary.md: PyJHora's PLANET_NAMES for hi and kn,
// Maitreya's ta.po and te.po), the sentences the phrase table's
// (unreviewed); the houses counted as the English text counts them (the
// bride's Mars 10th, 3rd and 12th from her ascendant, Moon and Venus).
TEST_F(MatchCommand, MarsDoshaLinesInTheLanguageChosen) {
    struct Case {
        const char* code;
        const char* brideSummary, *brideFromVenus, *pair;
    };
    const Case cases[] = {
        {"en", "Mars dosha, bride: Mars dosha from Venus.", "  Mars is in the 12th from Venus: dosha.",
         "Both charts have the Mars dosha: it is balanced."},
        {"hi", "मंगल दोष, वधू: शुक्र से मंगल दोष।", "  मंगल शुक्र से 12वें भाव में है: दोष।",
         "दोनों कुंडलियों में मंगल दोष है: यह संतुलित है।"},
        {"ta", "செவ்வாய் தோஷம், மணமகள்: சுக்கிரன் இலிருந்து செவ்வாய் தோஷம்.",
         "  செவ்வாய் சுக்கிரன் இலிருந்து 12-ஆம் பாவத்தில்: தோஷம்.",
         "இரு ஜாதகங்களிலும் செவ்வாய் தோஷம் உள்ளது: அது சமன் செய்யப்படுகிறது."},
        {"te", "కుజ దోషం, వధువు: శుక్ర నుండి కుజ దోషం.", "  కుజ శుక్ర నుండి 12వ భావంలో ఉంది: దోషం.",
         "రెండు జాతకాలలో కుజ దోషం ఉంది: ఇది సమతుల్యం."},
        {"kn", "ಕುಜ ದೋಷ, ವಧು: ಶುಕ್ರ ರಿಂದ ಕುಜ ದೋಷ.", "  ಮಂಗಳ ಶುಕ್ರ ರಿಂದ 12ನೇ ಭಾವದಲ್ಲಿದೆ: ದೋಷ.",
         "ಎರಡೂ ಜಾತಕಗಳಲ್ಲಿ ಕುಜ ದೋಷವಿದೆ: ಅದು ಸಮತೋಲನಗೊಂಡಿದೆ."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const CliResult r = RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--lang", c.code});
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = LinesOf(r.out);
        ASSERT_GE(lines.size(), 9u);
        // The last nine: each chart's summary and three reasons, the pair's.
        const std::vector<std::string> mars(lines.end() - 9, lines.end());
        EXPECT_EQ(mars[0], c.brideSummary);
        EXPECT_EQ(mars[3], c.brideFromVenus);
        EXPECT_EQ(mars[8], c.pair);
        if (std::string_view(c.code) == "en") continue;
        for (const std::string& line : mars)
            EXPECT_TRUE(std::none_of(line.begin(), line.end(), [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)); }))
                << line;  // no English word left
    }
}

TEST_F(MatchCommand, RefusalsNameWhichOfTheTwoAndWhy) {
    {
        std::ofstream(File("broken.velmora")) << "{ not a birth";
    }
    struct Case {
        std::vector<std::string> args;
        std::string start;
    };
    const Case cases[] = {
        {{"--match", File("bride.velmora"), File("missing.velmora")},
         "the groom's birth file \"" + File("missing.velmora") + "\": "},
        {{"--match", File("broken.velmora"), File("groom.velmora")},
         "the bride's birth file \"" + File("broken.velmora") + "\": "},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCliWith(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind(c.start, 0), 0u) << r.err;
    }
    EXPECT_EQ(RunCliWith({"--match", File("bride.velmora")}).status, 2);
    EXPECT_EQ(RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--batch", "-"}).status, 2);
}

// --match-batch: one pair a line, each side a --batch line; the same match
// as --match gives for the same births, and a refused side named.
TEST_F(MatchCommand, BatchOfPairsGivesTheSameMatchLineByLine) {
    const std::string bride =
        R"({"name":"sita","date":"1990-05-14","time":"06:30","lon":"77:35E","lat":"12:58N","zone":"IST"})";
    const std::string groom =
        R"({"name":"rama","date":"1987-11-02","time":"21:10","lon":"72:50E","lat":"18:58N","zone":"IST"})";
    const std::string input = R"({"bride":)" + bride + R"(,"groom":)" + groom + "}\n" +
                              R"({"bride":{"name":"x","date":"1990-02-30","time":"06:30","lon":"1:00E","lat":"1:00N"},"groom":)" +
                              groom + "}\n" + R"({"bride":)" + bride + "}\n" + "not json\n";
    const CliResult r = RunCliWith({"--match-batch", "-"}, false, input);
    EXPECT_EQ(r.status, 2);
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(r.out.substr(at, end - at));
    ASSERT_EQ(lines.size(), 4u);
    const auto single = nlohmann::json::parse(
        RunCliWith({"--match", File("bride.velmora"), File("groom.velmora"), "--json"}).out);
    EXPECT_EQ(nlohmann::json::parse(lines[0]), single);
    EXPECT_EQ(nlohmann::json::parse(lines[1]).at("error"), "the bride: Please Enter Correct Date Or Month!");
    EXPECT_EQ(nlohmann::json::parse(lines[2]).at("error"), "the groom: missing \"groom\"");
    EXPECT_TRUE(nlohmann::json::parse(lines[3]).contains("error"));
}

// As --batch does: whatever a line holds, one line out; a pair of any depth
// or size is one refusal, and so is a line that a person may have meant
// otherwise (a side named twice, a key the pair has not).
TEST_F(MatchCommand, BatchAnswersEveryLineWhateverItHolds) {
    const std::string side =
        R"({"name":"sita","date":"1990-05-14","time":"06:30","lon":"77:35E","lat":"12:58N","zone":"IST"})";
    const std::string deep = std::string(100'000, '[') + std::string(100'000, ']');
    const struct {
        std::string line;
        std::string error;  // empty: a match
    } cases[] = {
        {R"({"bride":)" + side + R"(,"groom":)" + side + "}", ""},
        {"", "the line is not valid JSON"},
        {" \t", "the line is not valid JSON"},
        {R"({"bride":{"name":)" + deep + R"(},"groom":)" + side + "}",
         "the line nests arrays and objects more than 32 deep"},
        {R"({"bride":)" + side + R"(,"bride":)" + side + R"(,"groom":)" + side + "}", "the line holds \"bride\" twice"},
        {R"({"bride":)" + side + R"(,"groom":{"name":"a","name":"b"}})", "the line holds \"groom.name\" twice"},
        {R"({"bride":)" + side + R"(,"groom":)" + side + R"(,"witness":)" + side + "}",
         "unknown field \"witness\": a line is {\"bride\": {...}, \"groom\": {...}}"},
        {R"({"bride":[],"groom":)" + side + "}", "the bride: \"bride\" must be an object"},
        {R"({"bride":{"name":")" + std::string(1'100'000, 'x') + R"("},"groom":{}})",
         "the line is longer than 1048576 bytes"},
        {"[]", "the line is not a JSON object: a line is {\"bride\": {...}, \"groom\": {...}}"},
    };
    std::string input;
    for (const auto& c : cases) input += c.line + "\n";
    const CliResult r = RunCliWith({"--match-batch", "-"}, false, input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "");
    std::size_t at = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 60));
        const std::size_t end = r.out.find('\n', at);
        ASSERT_NE(end, std::string::npos);
        const auto json = nlohmann::json::parse(r.out.substr(at, end - at));
        at = end + 1;
        if (c.error.empty()) {
            EXPECT_TRUE(json.contains("match"));
        } else {
            EXPECT_EQ(json.value("error", ""), c.error);
        }
    }
    EXPECT_EQ(at, r.out.size());

    // An input that cannot be read to its end is said, as --batch says it.
    const CliResult directory = RunCliWith({"--match-batch", dir_.string()});
    EXPECT_EQ(directory.status, 2);
    EXPECT_EQ(directory.out, "");
    EXPECT_EQ(directory.err, "match batch: reading \"" + dir_.string() + "\" failed: Is a directory\n");
}

const std::vector<std::string> kChart = {"--name", "rama", "--date", "2000-01-01", "--time", "12:00",
                                         "--lon",  "0:00E", "--lat", "0:00N", "--json"};

TEST(AshtakavargaOption, TheKeyComesLastAndOnlyWhenAsked) {
    std::vector<std::string> args = kChart;
    const auto plain = nlohmann::ordered_json::parse(RunCliWith(args).out);
    EXPECT_FALSE(plain.contains("ashtakavarga"));
    args.push_back("--ashtakavarga");
    const auto asked = nlohmann::ordered_json::parse(RunCliWith(args).out);
    ASSERT_TRUE(asked.contains("ashtakavarga"));
    EXPECT_EQ(asked.size(), plain.size() + 1);
    EXPECT_EQ(asked.items().begin().key(), plain.items().begin().key());
    EXPECT_EQ(std::prev(asked.end()).key(), "ashtakavarga");
    const auto& a = asked["ashtakavarga"];
    // Raman's totals in body order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn.
    const int totals[] = {48, 49, 54, 52, 39, 56, 39};
    ASSERT_EQ(a.at("bav").size(), 7u);
    for (std::size_t p = 0; p < 7; ++p) {
        int sum = 0;
        for (int b : a["bav"][p]) sum += b;
        EXPECT_EQ(sum, totals[p]);
    }
    int sav = 0;
    for (int b : a.at("sav")) sav += b;
    EXPECT_EQ(sav, 337);
}

TEST(AshtakavargaOption, BatchCsvGainsTheSavColumnsOnlyWhenAsked) {
    const std::string line =
        R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"})" "\n";
    const CliResult plain = RunCliWith({"--batch", "-", "--format", "csv"}, false, line);
    const CliResult asked = RunCliWith({"--batch", "-", "--format", "csv", "--ashtakavarga"}, false, line);
    ASSERT_EQ(asked.status, 0) << asked.err;
    EXPECT_EQ(plain.out.find("sav_ari"), std::string::npos);
    const std::string header = asked.out.substr(0, asked.out.find("\r\n"));
    EXPECT_NE(header.find(",sav_ari,sav_tau,sav_gem,sav_can,sav_leo,sav_vir,sav_lib,sav_sco,sav_sag,sav_cap,"
                          "sav_aqu,sav_pis,error"),
              std::string::npos);
    // By name in --fields, for JSON lines too.
    const CliResult named = RunCliWith({"--batch", "-", "--fields", "name,ashtakavarga"}, false, line);
    ASSERT_EQ(named.status, 0) << named.err;
    const auto json = nlohmann::json::parse(named.out);
    EXPECT_EQ(json.at("ashtakavarga").at("sav").size(), 12u);
    // A batch works the bindus out only when they are written, and then in
    // full: the SAV of any chart sums to 337 (BPHS ch. 66, Raman's tables).
    int sum = 0;
    for (int b : json.at("ashtakavarga").at("sav")) sum += b;
    EXPECT_EQ(sum, 337);
    // The SAV columns come last, before the empty error cell: the row's last
    // thirteen cells (the earlier ones may be quoted texts with line breaks).
    std::string row = asked.out.substr(0, asked.out.size() - 2);  // without the row's "\r\n"
    ASSERT_EQ(row.back(), ',');
    row.pop_back();
    int csvSum = 0;
    for (int k = 0; k < 12; ++k) {
        const std::size_t comma = row.rfind(',');
        ASSERT_NE(comma, std::string::npos);
        csvSum += std::stoi(row.substr(comma + 1));
        row.erase(comma);
    }
    EXPECT_EQ(csvSum, 337);
}

// --ashtakavarga on a batch without chosen fields adds its key to the whole
// object and nothing else: the Yogini and Ashtottari dashas stay out unless
// --dasha-systems asks for them.
TEST(AshtakavargaOption, BatchWholeObjectGainsOnlyItsKey) {
    const std::string line =
        R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"})" "\n";
    const CliResult plain = RunCliWith({"--batch", "-"}, false, line);
    const CliResult asked = RunCliWith({"--batch", "-", "--ashtakavarga"}, false, line);
    ASSERT_EQ(asked.status, 0) << asked.err;
    const auto plainObject = nlohmann::ordered_json::parse(plain.out);
    const auto askedObject = nlohmann::ordered_json::parse(asked.out);
    std::vector<std::string> plainKeys, askedKeys;
    for (const auto& item : plainObject.items()) plainKeys.push_back(item.key());
    for (const auto& item : askedObject.items()) askedKeys.push_back(item.key());
    plainKeys.push_back("ashtakavarga");
    EXPECT_EQ(askedKeys, plainKeys);
}

TEST(AshtakavargaOption, TextShowsTheTableAndTheChart) {
    std::vector<std::string> args(kChart.begin(), kChart.end() - 1);  // without --json
    args.push_back("--ashtakavarga");
    const CliResult r = RunCliWith(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Ashtakavarga (Parashara)"), std::string::npos);
    EXPECT_NE(r.out.find("\nSAV "), std::string::npos);
    EXPECT_NE(r.out.find("337"), std::string::npos);
    EXPECT_NE(r.out.find("Sarvashtakavarga: each sign's bindus under its name or number\n"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli::test
