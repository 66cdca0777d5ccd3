#include "analysis/ReportWriter.h"

#include <array>
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

constexpr std::string_view kAlternateNames = "Alternate Names";
constexpr std::string_view kThisLagnaIs = "This Lagna is";
constexpr int kA10 = 9;

void Put(Report& out, std::string_view text, bool bold, ReportColor color, int breaks) {
    out.push_back(ReportPiece{text, bold, color, 11, breaks});
}

void WriteRule(const ReportRule& rule, const ReportTables& tables, Report& out) {
    const bool blackHeading = rule.format == RuleFormat::BlackHeading;
    if (blackHeading) {
        Put(out, rule.heading, true, ReportColor::Black, 2);
    } else {
        Put(out, rule.heading, true, ReportColor::DarkRed, 1);
    }
    auto sentence = [&](std::string_view text) {
        if (blackHeading) {
            Put(out, text, true, ReportColor::DarkRed, 1);
        } else {
            Put(out, text, false, ReportColor::Black, 2);
        }
    };
    if (rule.describedBody >= 0) {
        sentence(tables.PlanetDescriptions[rule.describedBody]);
        return;
    }
    for (std::string_view text : rule.sentences) {
        if (!text.empty()) sentence(text);
    }
}

}  // namespace

void WriteReport(const ChartState& chart, const ReportTables& tables, Report& out) {
    constexpr auto Black = ReportColor::Black;
    constexpr auto Red = ReportColor::DarkRed;
    for (int i = 0; i < kArudhaCount; ++i) {
        const ArudhaReportRow& row = chart.ArudhaReportRows[i];
        Put(out, kAboutYour[i], true, Black, 1);
        Put(out, tables.ArudhaDescriptions[i], true, Black, 2);
        Put(out, kPresentIn[i], true, Black, 1);
        Put(out, row.SignEnglishName, true, Red, 2);
        Put(out, kGrahaArudhaFor[i], true, Black, 2);
        Put(out, kAlternateNames, true, Black, 1);
        Put(out, row.AlternateNames, true, Red, 2);
        Put(out, kThisLagnaIs, true, Black, 1);
        Put(out, row.SignNature, true, Red, i == kA10 ? 1 : 2);
        for (const ReportRule& rule : SectionRules(i)) {
            if (RuleHolds(rule, chart)) WriteRule(rule, tables, out);
        }
    }
}

}  // namespace velmora
