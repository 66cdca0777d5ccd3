#include "report/ReportRules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/ChartFixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using RuleId = std::pair<int, int>;  // section (arudha number), rule number

std::set<int> FiredIn(int section, const ChartState& chart) {
    std::set<int> fired;
    for (const ReportRule& rule : SectionRules(section)) {
        if (RuleHolds(rule, chart)) fired.insert(rule.number);
    }
    return fired;
}

std::vector<RuleId> FiredAll(const ChartState& chart) {
    std::vector<RuleId> fired;
    for (const ReportRule& rule : kReportRules) {
        if (RuleHolds(rule, chart)) fired.emplace_back(rule.section, rule.number);
    }
    return fired;
}

TEST(ReportRules, SectionsHoldTheirRulesInOrder) {
    const std::array<int, kArudhaCount> counts = {51, 0, 6, 8, 3, 4, 5, 0, 11, 2, 1, 14};
    int total = 0;
    for (int s = 0; s < kArudhaCount; ++s) {
        const auto rules = SectionRules(s);
        ASSERT_EQ(static_cast<int>(rules.size()), counts[s]) << kArudhaLabels[s];
        for (std::size_t r = 0; r < rules.size(); ++r) {
            EXPECT_EQ(rules[r].section, s);
            EXPECT_EQ(rules[r].number, r + 1);
        }
        total += counts[s];
    }
    EXPECT_EQ(total, kReportRuleCount);
    EXPECT_TRUE(SectionRules(-1).empty());
    EXPECT_TRUE(SectionRules(kArudhaCount).empty());
}

TEST(ReportRules, EveryRuleHasTextAndItsFormat) {
    ReportTables tables;
    FillReportTables(tables);
    for (const ReportRule& rule : kReportRules) {
        SCOPED_TRACE(::testing::PrintToString(RuleId(rule.section, rule.number)));
        EXPECT_FALSE(rule.heading.empty());
        if (rule.describedBody >= 0) {
            EXPECT_FALSE(tables.PlanetDescriptions[rule.describedBody].empty());
        } else {
            EXPECT_FALSE(rule.sentences[0].empty());
        }
        const bool redHeading = rule.section == 0 && rule.number >= 2;
        EXPECT_EQ(rule.format, redHeading ? RuleFormat::RedHeading : RuleFormat::BlackHeading);
    }
}

std::string Ordinal(int n) {
    const char* suffix = n == 1 ? "st" : n == 2 ? "nd" : n == 3 ? "rd" : "th";
    return std::to_string(n) + suffix;
}

// The single body a placement names, or -1.
int SoleBody(const Placement& placement) {
    for (int b = 0; b < kBodyCount; ++b) {
        if (placement.subjects == (SubjectSet{1} << b)) return b;
    }
    return -1;
}

std::string Classed(int body) {
    const bool benefic = body == kMoon || body == kMercury || body == kJupiter || body == kVenus;
    return std::string(kPlainBodyNames[body]) + (benefic ? " (Benefic)" : " (Malefic)");
}

// Headings that name a body and a count: the condition says the same thing.
TEST(ReportRules, HeadingsNameWhatTheConditionTests) {
    int checked = 0;
    for (const ReportRule& rule : kReportRules) {
        SCOPED_TRACE(std::string(rule.heading));
        const Placement& p = rule.when[0];
        const bool single = rule.when[1].subjects == 0;
        const int body = SoleBody(p);
        if (rule.section == 0) {
            ASSERT_TRUE(single);
            ASSERT_GE(body, 0);
            EXPECT_EQ(p.from, (ChartPoint{ChartPoint::Arudha, 0}));
            if (p.nth == 1) {
                EXPECT_EQ(rule.heading, Classed(body) + " present in your Arudha Lagna contributes towards your wellbeing");
                EXPECT_EQ(rule.describedBody, body);
            } else {
                EXPECT_EQ(rule.heading, Classed(body) + " present in " + Ordinal(p.nth) + " House From Arudha Lagna");
            }
            ++checked;
        } else if (single && p.subjects == (SubjectSet{1} << (kArudhaBit + rule.section))) {
            // An arudha counted from AL.
            EXPECT_EQ(p.from, (ChartPoint{ChartPoint::Arudha, 0}));
            EXPECT_EQ(rule.heading, std::string(kArudhaLabels[rule.section]) + " Lagna is present in " +
                                        Ordinal(p.nth) + " house from Arudha Lagna");
            ++checked;
        } else if (single && body >= 0 && p.nth == 1 && p.from == (ChartPoint{ChartPoint::Arudha, rule.section})) {
            // A body in the section's own arudha.
            const std::string label(kArudhaLabels[rule.section]);
            const std::string name(kPlainBodyNames[body]);
            const std::set<std::string> forms = {
                Classed(body) + " present in " + label + " Lagna", name + " present in " + label + " Lagna",
                name + " present in same house as " + label + " Lagna",
                name + " is present in same house as  Upapada Lagna",
                body == kAsc ? "Lagna present in " + label + " Lagna" : "",
                body == kAsc ? label + " Lagna present in Lagna" : ""};
            EXPECT_EQ(forms.count(std::string(rule.heading)), 1u);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 51 + 13 + 23);
}

TEST(ReportRules, QuietChartFiresNothing) { EXPECT_TRUE(FiredAll(QuietChart()).empty()); }

TEST(ReportRules, WorkedChartFiresExactlyItsNineRules) {
    const Computed c = ComputeChart(kWorkedChart);
    const std::vector<RuleId> expected = {{0, 3},  {0, 7}, {0, 13}, {0, 29}, {0, 34},
                                          {0, 46}, {5, 2}, {8, 4},  {8, 10}};
    EXPECT_EQ(FiredAll(c.chart), expected);
}

struct SectionCase {
    const char* what;
    std::vector<Move> moves;
    int section;
    std::set<int> fired;
};

void PrintTo(const SectionCase& c, std::ostream* os) { *os << c.what; }

class SectionRulesFire : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SectionRulesFire, ExactlyTheExpectedRules) {
    const SectionCase& c = GetParam();
    ChartState chart = QuietChart();
    for (const Move& m : c.moves) chart = WithMoves(chart, {m});
    EXPECT_EQ(FiredIn(c.section, chart), c.fired) << c.what;
}

constexpr int AL = 0, A3 = 2, A4 = 3, A5 = 4, A6 = 5, A7 = 6, A9 = 8, A10 = 9, A11 = 10, A12 = 11;

INSTANTIATE_TEST_SUITE_P(
    Conditions, SectionRulesFire,
    ::testing::Values(
        SectionCase{"Moon in AL", {BodyTo(kMoon, Ari)}, AL, {1}},
        SectionCase{"Mercury in AL", {BodyTo(kMercury, Ari)}, AL, {2}},
        SectionCase{"Saturn 8th from AL", {BodyTo(kSaturn, Sco)}, AL, {13}},
        SectionCase{"Saturn 2nd from AL has two sentences", {BodyTo(kSaturn, Tau)}, AL, {8}},
        SectionCase{"AL in Pisces, Rahu in Aries is the 2nd",
                    {ArudhaTo(AL, Pis), BodyTo(kRahu, Ari)}, AL, {4, 5, 30, 38, 42, 44, 48}},
        SectionCase{"Venus and Ketu in A3", {BodyTo(kVenus, Ari), BodyTo(kKetu, Ari)}, A3, {2, 6}},
        SectionCase{"A4 12th from AL, AL moved along", {ArudhaTo(AL, Vir), ArudhaTo(A4, Leo)}, A4, {5}},
        SectionCase{"Jupiter and Moon in A4", {BodyTo(kJupiter, Ari), BodyTo(kMoon, Ari)}, A4, {7, 8}},
        SectionCase{"ascendant in A5, Rahu then 5th from it", {BodyTo(kAsc, Ari)}, A5, {1, 2}},
        SectionCase{"Rahu 5th from the ascendant", {BodyTo(kRahu, Sco)}, A5, {2}},
        SectionCase{"Moon 4th from Saturn and from Mars, across Pisces",
                    {BodyTo(kSaturn, Pis), BodyTo(kMoon, Gem)}, A6, {2, 4}},
        SectionCase{"Sun and Moon in A6", {ArudhaTo(A6, Tau), BodyTo(kSun, Tau), BodyTo(kMoon, Tau)}, A6, {1, 3}},
        SectionCase{"A7 12th from AL", {ArudhaTo(AL, Leo), ArudhaTo(A7, Can)}, A7, {3}},
        SectionCase{"A7 8th from AL with Venus", {ArudhaTo(A7, Sco), BodyTo(kVenus, Sco)}, A7, {2, 5}},
        SectionCase{"Saturn in A7, Sun in Leo, Mars in Sagittarius",
                    {BodyTo(kSaturn, Ari), BodyTo(kMars, Sag)}, A7, {4}},
        SectionCase{"Saturn in A7, Sun in Leo, Ketu in Sagittarius",
                    {BodyTo(kSaturn, Ari), BodyTo(kKetu, Sag)}, A7, {4}},
        SectionCase{"Saturn in A7, Sun in Leo, no malefic in Sagittarius", {BodyTo(kSaturn, Ari)}, A7, {}},
        SectionCase{"Saturn in A7, Mars in Sagittarius, Sun not in Leo",
                    {BodyTo(kSaturn, Ari), BodyTo(kMars, Sag), BodyTo(kSun, Vir)}, A7, {}},
        SectionCase{"Sun in Leo, Rahu in Sagittarius, Saturn not in A7", {BodyTo(kRahu, Sag)}, A7, {}},
        SectionCase{"Venus in A7", {BodyTo(kVenus, Ari)}, A7, {5}},
        SectionCase{"Moon and ascendant in A9", {BodyTo(kMoon, Ari), BodyTo(kAsc, Ari)}, A9, {8, 9}},
        SectionCase{"Saturn and Moon in A10", {BodyTo(kSaturn, Ari), BodyTo(kMoon, Ari)}, A10, {1, 2}},
        SectionCase{"Sun in A11, ascendant elsewhere", {BodyTo(kSun, Ari)}, A11, {}},
        SectionCase{"Sun and ascendant in A11", {BodyTo(kSun, Ari), BodyTo(kAsc, Ari)}, A11, {1}},
        SectionCase{"Sun with the ascendant, A11 elsewhere", {BodyTo(kAsc, Leo)}, A11, {}},
        SectionCase{"Saturn alone 2nd from A12", {BodyTo(kSaturn, Tau)}, A12, {}},
        SectionCase{"Saturn and Rahu 2nd from A12", {BodyTo(kSaturn, Tau), BodyTo(kRahu, Tau)}, A12, {1}},
        SectionCase{"Saturn, Rahu and Sun 2nd from A12",
                    {BodyTo(kSaturn, Tau), BodyTo(kRahu, Tau), BodyTo(kSun, Tau)}, A12, {1, 2}},
        SectionCase{"Jupiter and Saturn 2nd from A12", {BodyTo(kJupiter, Tau), BodyTo(kSaturn, Tau)}, A12, {5}},
        SectionCase{"Saturn, Moon and Mercury 9th from A12",
                    {BodyTo(kSaturn, Sag), BodyTo(kMoon, Sag), BodyTo(kMercury, Sag)}, A12, {8, 9}},
        SectionCase{"Sun, Jupiter, Rahu 9th from A12",
                    {BodyTo(kSun, Sag), BodyTo(kJupiter, Sag), BodyTo(kRahu, Sag)}, A12, {10, 11}},
        SectionCase{"Mars and Saturn 9th from A12 in Pisces",
                    {ArudhaTo(A12, Pis), BodyTo(kMars, Sco), BodyTo(kSaturn, Sco)}, A12, {12}},
        SectionCase{"Moon and Sun in A12", {BodyTo(kMoon, Ari), BodyTo(kSun, Ari)}, A12, {13, 14}}));

}  // namespace
}  // namespace velmora
