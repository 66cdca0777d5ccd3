#include "report/ReportWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/ChartFixture.h"
#include "report/ReportRules.h"
#include "report/ReportText.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr auto kBlack = ReportColor::Black;
constexpr auto kRed = ReportColor::DarkRed;
constexpr int kSectionPieces = 9;

ReportPiece Piece(std::string_view text, bool bold, ReportColor color, int breaks) {
    return ReportPiece{text, bold, color, 11, breaks};
}

struct Written {
    ReportTables tables;
    ChartState chart;
    Report report;
};

Written Write(ChartState chart) {
    Written w;
    FillReportTables(w.tables);
    w.chart = chart;
    FillArudhaReportRows(w.tables, w.chart);
    WriteReport(w.chart, w.tables, w.report);
    return w;
}

// Index of the section's "About Your" piece.
std::size_t SectionStart(const Report& report, int section) {
    const std::string about = "About Your " + std::string(kArudhaLabels[section]);
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i].text == about) return i;
    }
    return report.size();
}

// The pieces a section writes after its nine fixed ones.
std::vector<ReportPiece> RulePieces(const Report& report, int section) {
    const std::size_t from = SectionStart(report, section) + kSectionPieces;
    const std::size_t to = section + 1 < kArudhaCount ? SectionStart(report, section + 1) : report.size();
    return {report.begin() + static_cast<std::ptrdiff_t>(from), report.begin() + static_cast<std::ptrdiff_t>(to)};
}

TEST(ReportWriter, SectionsOpenWithTheirNineFixedPieces) {
    // Each arudha in its own sign, so every section names a different sign.
    ChartState chart = QuietChart();
    for (int i = 0; i < kArudhaCount; ++i) chart.ArudhaSigns[i] = static_cast<std::int16_t>((i * 5) % kSignCount);
    const Written w = Write(chart);

    const std::size_t al = SectionStart(w.report, 0);
    ASSERT_EQ(al, 0u);
    const std::vector<ReportPiece> expected = {
        Piece("About Your AL", true, kBlack, 1),
        Piece(w.tables.ArudhaDescriptions[0], true, kBlack, 2),
        Piece("AL Present In", true, kBlack, 1),
        Piece("Aries", true, kRed, 2),
        Piece("Graha Arudha for House 1 Is AL", true, kBlack, 2),
        Piece("Alternate Names", true, kBlack, 1),
        Piece("Pada, Lagna Pada, Arudha Lagna", true, kRed, 2),
        Piece("This Lagna is", true, kBlack, 1),
        Piece("Malefic (Male)", true, kRed, 2),
    };
    EXPECT_EQ(std::vector<ReportPiece>(w.report.begin(), w.report.begin() + kSectionPieces), expected);

    for (int s = 0; s < kArudhaCount; ++s) {
        SCOPED_TRACE(kArudhaLabels[s]);
        const std::size_t at = SectionStart(w.report, s);
        ASSERT_LT(at + kSectionPieces, w.report.size() + 1);
        const std::string label(kArudhaLabels[s]);
        const int sign = (s * 5) % kSignCount;
        EXPECT_EQ(w.report[at + 1].text, w.tables.ArudhaDescriptions[s]);
        EXPECT_EQ(w.report[at + 2].text, label + " Present In");
        EXPECT_EQ(w.report[at + 3].text, w.tables.SignEnglishNames[sign]);
        EXPECT_EQ(w.report[at + 4].text, "Graha Arudha for House " + std::to_string(s + 1) + " Is " + label);
        EXPECT_EQ(w.report[at + 6].text, w.tables.ArudhaAlternateNames[s]);
        EXPECT_EQ(w.report[at + 8].text, sign % 2 == 0 ? "Malefic (Male)" : "Benefic (Female)");
        EXPECT_EQ(w.report[at + 8].breaks, s == 9 ? 1 : 2) << "only A10's sign nature takes one break";
    }
}

TEST(ReportWriter, QuietChartWritesOnlyTheFixedPieces) {
    const Written w = Write(QuietChart());
    EXPECT_EQ(w.report.size(), static_cast<std::size_t>(kArudhaCount * kSectionPieces));
    for (const ReportPiece& piece : w.report) {
        EXPECT_EQ(piece.size, 11);
        EXPECT_FALSE(piece.text.empty());
    }
}

struct FormatCase {
    const char* what;
    std::vector<Move> moves;
    int section;
    std::vector<ReportPiece> pieces;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.what; }

class RuleFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(RuleFormats, WriteHeadingAndSentencesAsTheirFormatSays) {
    const FormatCase& c = GetParam();
    ChartState chart = QuietChart();
    for (const Move& m : c.moves) chart = WithMoves(chart, {m});
    const Written w = Write(chart);
    EXPECT_EQ(RulePieces(w.report, c.section), c.pieces) << c.what;
}

constexpr std::string_view kMoonDescription =
    "The moon is the planet most connected to our feelings and emotions linked to other people in "
    "their lives. The way you have been brought up will mostly be reflected here and this is also "
    "where unconscious decisions are made.";
constexpr std::string_view kDashaHealth = "You may suffer from health problems during the dasha of this planet.";

INSTANTIATE_TEST_SUITE_P(
    Cases, RuleFormats,
    ::testing::Values(
        FormatCase{"Moon in AL: heading black, description dark red",
                   {BodyTo(kMoon, Ari)},
                   0,
                   {Piece("Moon (Benefic) present in your Arudha Lagna contributes towards your wellbeing", true,
                          kBlack, 2),
                    Piece(kMoonDescription, true, kRed, 1)}},
        FormatCase{"Mercury in AL: heading dark red, description plain",
                   {BodyTo(kMercury, Ari)},
                   0,
                   {Piece("Mercury (Benefic) present in your Arudha Lagna contributes towards your wellbeing",
                          true, kRed, 1),
                    Piece("Mercury governs the way that you communicate with those around you.", false, kBlack,
                          2)}},
        FormatCase{"Saturn 8th from AL",
                   {BodyTo(kSaturn, Sco)},
                   0,
                   {Piece("Saturn (Malefic) present in 8th House From Arudha Lagna", true, kRed, 1),
                    Piece(kDashaHealth, false, kBlack, 2)}},
        FormatCase{"Mars 2nd from AL: two sentences",
                   {BodyTo(kMars, Tau)},
                   0,
                   {Piece("Mars (Malefic) present in 2nd House From Arudha Lagna", true, kRed, 1),
                    Piece(kDashaHealth, false, kBlack, 2),
                    Piece("your reputation my be hurt because of a sexual scandal.", false, kBlack, 2)}},
        FormatCase{"Moon and ascendant in A9: rules 8 and 9 in order",
                   {ArudhaTo(0, Tau), ArudhaTo(8, Gem), BodyTo(kMoon, Gem), BodyTo(kAsc, Gem)},
                   8,
                   {Piece("Moon present in A9 Lagna", true, kBlack, 2),
                    Piece("Your father will become famous and be respected by the people.", true, kRed, 1),
                    Piece("Lagna present in A9 Lagna", true, kBlack, 2),
                    Piece("You will have good Bhagya Yoga.", true, kRed, 1)}},
        FormatCase{"Saturn and Rahu 2nd from A12",
                   {BodyTo(kSaturn, Tau), BodyTo(kRahu, Tau)},
                   11,
                   {Piece("Saturn and Rahu present in on 2nd house from Upapada Lagna", true, kBlack, 2),
                    Piece("You may desert your spouse. Or your wife may face death.", true, kRed, 1)}},
        FormatCase{"Saturn in A10", {BodyTo(kSaturn, Ari)}, 9,
                   {Piece("Saturn present in A10 Lagna", true, kBlack, 2),
                    Piece("You will have problems and will be unhappy.", true, kRed, 1)}},
        FormatCase{"Sun in A11 without the ascendant", {BodyTo(kSun, Ari)}, 10, {}}));

TEST(ReportWriter, AppendsTwoPiecesPerRuleOfTheWorkedChart) {
    const Computed c = ComputeChart(kWorkedChart);
    Report report;
    WriteReport(c.chart, c.tables, report);
    // Nine fixed pieces per section, and the nine rules that hold there write
    // a heading and a sentence each.
    const std::size_t size = kArudhaCount * kSectionPieces + 2 * 9;
    ASSERT_EQ(report.size(), size);
    WriteReport(c.chart, c.tables, report);
    EXPECT_EQ(report.size(), 2 * size);
    EXPECT_TRUE(std::equal(report.begin(), report.begin() + size, report.begin() + size));
}

TEST(ReportText, JoinsPiecesWithTheirBreaks) {
    const struct {
        Report report;
        std::string text;
    } cases[] = {
        {{}, ""},
        {{Piece("A", true, kBlack, 0), Piece("B", false, kRed, 1)}, "AB\r\n"},
        {{Piece("About Your AL", true, kBlack, 1), Piece("x", true, kBlack, 2), Piece("", true, kBlack, 1)},
         "About Your AL\r\nx\r\n\r\n\r\n"},
        {{Piece("perceived  by others", true, kBlack, 3)}, "perceived  by others\r\n\r\n\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReportPlainText(c.report), c.text);
}

TEST(ReportText, WorkedChartTextRunsSectionIntoSection) {
    const Computed c = ComputeChart(kWorkedChart);
    Report report;
    WriteReport(c.chart, c.tables, report);
    const std::string text = ReportPlainText(report);
    EXPECT_EQ(text.rfind("About Your AL\r\nArudha literally means mount.", 0), 0u);
    // A2 has no rules: its sign nature runs straight into A3's heading line.
    EXPECT_NE(text.find("This Lagna is\r\nBenefic (Female)\r\n\r\nAbout Your A3\r\n"), std::string::npos);
    // A10's sign nature takes a single break.
    EXPECT_NE(text.find("A10 Present In\r\nPisces\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("This Lagna is\r\nBenefic (Female)\r\nAbout Your A11\r\n"), std::string::npos);
    EXPECT_NE(text.find("Saturn present in A9 Lagna\r\n\r\nYour father will not give you any happiness.\r\n"
                        "About Your A10"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

}  // namespace
}  // namespace velmora
