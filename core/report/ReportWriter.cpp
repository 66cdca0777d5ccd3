#include "report/ReportWriter.h"

#include <array>
#include <iterator>
#include <string_view>
#include <tuple>

#include "report/ReportRules.h"

namespace velmora {

namespace {

constexpr std::array<std::string_view, kArudhaCount> kAboutYour = {
    "About Your AL", "About Your A2", "About Your A3",  "About Your A4",  "About Your A5",  "About Your A6",
    "About Your A7", "About Your A8", "About Your A9", "About Your A10", "About Your A11", "About Your A12"};

constexpr std::array<std::string_view, kArudhaCount> kPresentIn = {
    "AL Present In", "A2 Present In", "A3 Present In",  "A4 Present In",  "A5 Present In",  "A6 Present In",
    "A7 Present In", "A8 Present In", "A9 Present In", "A10 Present In", "A11 Present In", "A12 Present In"};

constexpr std::array<std::string_view, kArudhaCount> kGrahaArudhaFor = {
    "Graha Arudha for House 1 Is AL",   "Graha Arudha for House 2 Is A2",
    "Graha Arudha for House 3 Is A3",   "Graha Arudha for House 4 Is A4",
    "Graha Arudha for House 5 Is A5",   "Graha Arudha for House 6 Is A6",
    "Graha Arudha for House 7 Is A7",   "Graha Arudha for House 8 Is A8",
    "Graha Arudha for House 9 Is A9",   "Graha Arudha for House 10 Is A10",
    "Graha Arudha for House 11 Is A11", "Graha Arudha for House 12 Is A12"};

constexpr int kA10 = 9;
constexpr int kFixedPieces = 9;
constexpr std::size_t kMostRulePieces = 1 + std::tuple_size_v<decltype(ReportRule::sentences)>;  // heading, sentences

constexpr ReportPiece Bold(std::string_view text, ReportColor color, int breaks) {
    return ReportPiece{text, true, color, 11, breaks};
}

// The nine pieces that open section `i`.
void WriteOpening(int i, const ArudhaReportRow& row, const ReportTables& tables, Report& out) {
    constexpr auto Black = ReportColor::Black;
    constexpr auto Red = ReportColor::DarkRed;
    const ReportPiece opening[kFixedPieces] = {
        Bold(kAboutYour[i], Black, 1),
        Bold(tables.ArudhaDescriptions[i], Black, 2),
        Bold(kPresentIn[i], Black, 1),
        Bold(row.SignEnglishName, Red, 2),
        Bold(kGrahaArudhaFor[i], Black, 2),
        Bold("Alternate Names", Black, 1),
        Bold(row.AlternateNames, Red, 2),
        Bold("This Lagna is", Black, 1),
        Bold(row.SignNature, Red, i == kA10 ? 1 : 2),
    };
    out.insert(out.end(), std::begin(opening), std::end(opening));
}

// The rule's heading and sentences (a rule always has its first sentence, or
// stands for a planet's description).
void WriteRule(const ReportRule& rule, const ReportTables& tables, Report& out) {
    const bool blackHeading = rule.format == RuleFormat::BlackHeading;
    const ReportPiece heading =
        blackHeading ? Bold(rule.heading, ReportColor::Black, 2) : Bold(rule.heading, ReportColor::DarkRed, 1);
    auto sentence = [&](std::string_view text) {
        return blackHeading ? Bold(text, ReportColor::DarkRed, 1) : ReportPiece{text, false, ReportColor::Black, 11, 2};
    };
    if (rule.describedBody >= 0) {
        out.insert(out.end(), {heading, sentence(tables.PlanetDescriptions[rule.describedBody])});
    } else if (rule.sentences[1].empty()) {
        out.insert(out.end(), {heading, sentence(rule.sentences[0])});
    } else {
        out.insert(out.end(), {heading, sentence(rule.sentences[0]), sentence(rule.sentences[1])});
    }
}

}  // namespace

void WriteReport(const ChartState& chart, const ReportTables& tables, Report& out) {
    // Room for the longest possible report up front, so that no piece moves
    // the list (the run's own list keeps this room from one run to the next).
    out.reserve(out.size() + kArudhaCount * kFixedPieces + kMostRulePieces * kReportRuleCount);
    const SignOccupants occupants(chart);
    for (int i = 0; i < kArudhaCount; ++i) {
        WriteOpening(i, chart.ArudhaReportRows[i], tables, out);
        for (const ReportRule& rule : SectionRules(i)) {
            if (RuleHolds(rule, occupants)) WriteRule(rule, tables, out);
        }
    }
}

}  // namespace velmora
