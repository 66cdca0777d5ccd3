#include "analysis/ReportWriter.h"

#include <array>
#include <bitset>
#include <string_view>

#include "analysis/ReportRules.h"

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

constexpr ReportPiece Bold(std::string_view text, ReportColor color, int breaks) {
    return ReportPiece{text, true, color, 11, breaks};
}

// Writes the nine pieces that open section `i` at `piece` and returns the piece after them.
ReportPiece* WriteOpening(int i, const ArudhaReportRow& row, const ReportTables& tables, ReportPiece* piece) {
    constexpr auto Black = ReportColor::Black;
    constexpr auto Red = ReportColor::DarkRed;
    *piece++ = Bold(kAboutYour[i], Black, 1);
    *piece++ = Bold(tables.ArudhaDescriptions[i], Black, 2);
    *piece++ = Bold(kPresentIn[i], Black, 1);
    *piece++ = Bold(row.SignEnglishName, Red, 2);
    *piece++ = Bold(kGrahaArudhaFor[i], Black, 2);
    *piece++ = Bold("Alternate Names", Black, 1);
    *piece++ = Bold(row.AlternateNames, Red, 2);
    *piece++ = Bold("This Lagna is", Black, 1);
    *piece++ = Bold(row.SignNature, Red, i == kA10 ? 1 : 2);
    return piece;
}

// Writes the rule's heading and sentences at `piece` and returns the piece after them.
ReportPiece* WriteRule(const ReportRule& rule, const ReportTables& tables, ReportPiece* piece) {
    const bool blackHeading = rule.format == RuleFormat::BlackHeading;
    *piece++ = blackHeading ? Bold(rule.heading, ReportColor::Black, 2) : Bold(rule.heading, ReportColor::DarkRed, 1);
    auto sentence = [&](std::string_view text) {
        *piece++ = blackHeading ? Bold(text, ReportColor::DarkRed, 1) : ReportPiece{text, false, ReportColor::Black, 11, 2};
    };
    if (rule.describedBody >= 0) {
        sentence(tables.PlanetDescriptions[rule.describedBody]);
    } else {
        for (std::string_view text : rule.sentences) {
            if (!text.empty()) sentence(text);
        }
    }
    return piece;
}

}  // namespace

void WriteReport(const ChartState& chart, const ReportTables& tables, Report& out) {
    // Test every rule first, so the whole report takes one resize.
    const SignOccupants occupants(chart);
    std::bitset<kReportRuleCount> holds;
    std::size_t count = kArudhaCount * kFixedPieces;
    for (int r = 0; r < kReportRuleCount; ++r) {
        const bool h = RuleHolds(kReportRules[r], occupants);
        holds[static_cast<std::size_t>(r)] = h;
        count += h ? kRulePieceCounts[r] : 0;
    }
    const std::size_t start = out.size();
    out.resize(start + count);

    ReportPiece* piece = out.data() + start;
    int r = 0;
    for (int i = 0; i < kArudhaCount; ++i) {
        piece = WriteOpening(i, chart.ArudhaReportRows[i], tables, piece);
        for (; r < kReportRuleCount && kReportRules[r].section == i; ++r) {
            if (holds[static_cast<std::size_t>(r)]) piece = WriteRule(kReportRules[r], tables, piece);
        }
    }
    out.resize(static_cast<std::size_t>(piece - out.data()));  // exactly what was written
}

}  // namespace velmora
