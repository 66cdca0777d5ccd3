// velmora-cli --lang: the chart's terms in Hindi, Tamil, Telugu or Kannada,
// the layout kept in terminal columns, English untouched and the JSON's
// English fields kept with a "labels" object beside them.
//
// The chart is the reviewed Greenwich chart of 2000-01-01 12:00 (the golden
// file tests/cli/golden/greenwich-2000.txt): Sun 16 Sag 31, Saturn
// retrograde at 16 Ari 21, ascendant 17 Pis 31. The names are the
// glossary's (docs/glossary.md), which cites each one: the signs from
// PyJHora's RAASI_LIST (hi, ta, kn) and Maitreya's te.po, the planets from
// PyJHora's PLANET_NAMES (hi, kn) and Maitreya's ta.po and te.po.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"
#include "text/TextWidth.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

Args Greenwich(Args extra) {
    Args args = {"--classic", "--name", "Greenwich", "--date", "2000-01-01", "--time", "12:00",
                 "--lon",     "0:00E",  "--lat",     "0:00N", "--today", "2026-12-09"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines between a heading and the next empty line.
std::vector<std::string> Section(const std::string& text, const std::string& heading) {
    const std::vector<std::string> lines = Lines(text);
    std::vector<std::string> section;
    bool in = false;
    for (const std::string& line : lines) {
        if (line == heading) {
            in = true;
            continue;
        }
        if (in && line.empty()) break;
        if (in) section.push_back(line);
    }
    return section;
}

struct LanguageCase {
    const char* code;
    const char* sunRow;     // the Sun's row of the position table, as written
    const char* saturn;     // Saturn retrograde
    const char* ascendant;  // the ascendant's row, from its name on
    const char* sagittarius, *pisces;  // the signs' names over their cells
};

// The rows' columns are counted as a terminal counts them: a nonspacing mark
// (Unicode general category Mn) takes none, every other letter one.
const LanguageCase kCases[] = {
    {"hi", "  सूर्य              सूर्य          16 धनु 31   16° 31' 32\" धनु", "शनि (व)",
     "लग्न              लग्न          17 मीन 31", "धनु", "मीन"},
    {"ta", "  சூரியன்           சூரியன்       16 தனு 31  16° 31' 32\" தனு", "சனி (வ)",
     "லக்னம்             லக்னம்         17 மீன 31", "தனுசு", "மீனம்"},
    {"te", "  రవి               రవి           16 ధను 31  16° 31' 32\" ధను", "శని (వ)",
     "లగ్నం             లగ్నం         17 మీన 31", "ధను", "మీన"},
    {"kn", "  ಸೂರ್ಯ             ಸೂರ್ಯ         16 ಧನು 31  16° 31' 32\" ಧನು", "ಶನಿ (ವ)",
     "ಲಗ್ನ              ಲಗ್ನ          17 ಮೀನ 31", "ಧನು", "ಮೀನ"},
};

TEST(CliLanguages, ThePositionTableInEachLanguage) {
    for (const LanguageCase& c : kCases) {
        SCOPED_TRACE(c.code);
        const CliResult r = RunCliWith(Greenwich({"--lang", c.code}));
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> rows = Section(r.out, "Vedic Planetary Position");
        ASSERT_EQ(rows.size(), 10u);
        EXPECT_EQ(rows[0], c.sunRow);
        EXPECT_NE(rows[6].find(c.saturn), std::string::npos) << rows[6];
        EXPECT_NE(rows[9].find(c.ascendant), std::string::npos) << rows[9];
        // The columns start at the same terminal column on every row.
        for (const std::string& row : rows) EXPECT_EQ(TerminalWidth(FirstColumns(row, 32)), 32u) << row;
    }
}

TEST(CliLanguages, TheChartsCellsInEachLanguageKeepTheirColumns) {
    for (const LanguageCase& c : kCases) {
        for (const char* style : {"south", "north"}) {
            SCOPED_TRACE(std::string(c.code) + " " + style);
            const CliResult r = RunCliWith(Greenwich({"--lang", c.code, "--chart-style", style}));
            ASSERT_EQ(r.status, 0) << r.err;
            const std::vector<std::string> chart = Section(r.out, "Hora");
            ASSERT_GT(chart.size(), 20u);
            const std::size_t width = TerminalWidth(chart.front());
            for (const std::string& line : chart) {
                if (line.starts_with("  ")) continue;  // the North chart's legend
                EXPECT_EQ(TerminalWidth(line), width) << line;
            }
            if (std::string(style) == "south") {
                const std::string all = r.out;
                EXPECT_NE(all.find(std::string("│ ") + c.sagittarius), std::string::npos);
                EXPECT_NE(all.find(std::string("│ ") + c.pisces), std::string::npos);
            }
        }
    }
}

TEST(CliLanguages, EnglishIsAsWithoutTheOption) {
    for (const char* style : {"south", "north"}) {
        const CliResult plain = RunCliWith(Greenwich({"--chart-style", style}));
        const CliResult english = RunCliWith(Greenwich({"--chart-style", style, "--lang", "en"}));
        EXPECT_EQ(english.status, 0);
        EXPECT_EQ(english.out, plain.out);
    }
}

TEST(CliLanguages, AnUnknownLanguageIsRefusedNamingTheChoices) {
    for (const char* code : {"ka", "ml", "", "Hindi", "HI"}) {
        const CliResult r = RunCliWith(Greenwich({std::string("--lang=") + code}));
        EXPECT_EQ(r.status, 2) << code;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "--lang: \"" + std::string(code) +
                             "\" is not a language velmora-cli writes; give one of en, hi, ta, te or kn\n");
    }
}

TEST(CliLanguages, JsonKeepsItsEnglishFieldsAndAddsLabels) {
    const nlohmann::json plain = nlohmann::json::parse(RunCliWith(Greenwich({"--json"})).out);
    const nlohmann::json te = nlohmann::json::parse(RunCliWith(Greenwich({"--json", "--lang", "te"})).out);
    nlohmann::json withoutLabels = te;
    withoutLabels.erase("labels");
    EXPECT_EQ(withoutLabels, plain);
    const nlohmann::json& labels = te.at("labels");
    EXPECT_EQ(labels.at("language"), "te");
    EXPECT_EQ(labels.at("signs").at(0), "మేష");          // Maitreya te.po, Aries
    EXPECT_EQ(labels.at("points").at(4), "కుజ");         // Maitreya te.po, Mars
    EXPECT_EQ(labels.at("bodyNames").at(6), "శని (వ)");  // Saturn retrograde
    EXPECT_EQ(labels.at("bodySigns").at(0), "ధను");      // the Sun in Sagittarius
    EXPECT_EQ(labels.at("positions").at(0), "16 ధను 31");
    EXPECT_EQ(labels.at("nakshatras").size(), 10u);
}

}  // namespace
}  // namespace velmora::cli::test
