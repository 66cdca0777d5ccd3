#pragma once
// The interpretation rules of the report as one table. A rule's condition is
// data: up to three placements that must all hold, each saying that a set of
// bodies (all of them, or at least one) or one arudha stands in the n-th sign
// counted from a body, an arudha or a fixed sign (that sign itself being the
// 1st). The writer tests the rules of a section in table order and writes the
// heading and sentences of every rule that holds.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "analysis/ChartState.h"

namespace velmora {

// Body numbers as the rules name them.
enum class RuleBody : std::uint8_t { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Lagna };

// Where the counting of a placement starts. The kinds number all points one
// after another (bodies, then arudhas, then the fixed signs), so a point's
// slot is `kind + index`.
struct ChartPoint {
    enum Kind : std::uint8_t { Body = 0, Arudha = kBodyCount, FixedSign = kBodyCount + kArudhaCount };
    Kind kind = Body;
    std::uint8_t index = 0;  // body number, arudha number or sign index

    constexpr int Slot() const { return kind + index; }
    friend constexpr bool operator==(const ChartPoint&, const ChartPoint&) = default;
};
inline constexpr int kChartPointSlots = kBodyCount + kArudhaCount + kSignCount;

// Subjects of a placement: bit b for body b, bit kArudhaBit + a for arudha a.
using SubjectSet = std::uint32_t;
inline constexpr int kArudhaBit = 16;

struct Placement {
    SubjectSet subjects = 0;  // an empty set marks an unused placement
    bool anyOf = false;       // false: every subject; true: at least one
    std::uint8_t nth = 1;     // 1 = the sign of `from` itself
    ChartPoint from;
};

enum class RuleFormat : std::uint8_t {
    BlackHeading,  // heading bold black, 2 breaks; each sentence bold dark red, 1 break
    RedHeading,    // heading bold dark red, 1 break; each sentence plain black, 2 breaks
};

struct ReportRule {
    std::uint8_t section = 0;  // arudha number: 0 = AL … 11 = A12
    std::uint8_t number = 0;   // 1-based within the section
    std::array<Placement, 3> when{};
    std::string_view heading;
    std::array<std::string_view, 2> sentences{};  // empty ones are not written
    std::int8_t describedBody = -1;  // ≥ 0: the sentence is that body's planet description
    RuleFormat format = RuleFormat::BlackHeading;
};

inline constexpr int kReportRuleCount = 105;

// Every rule, by section (AL first) and number.
extern const std::array<ReportRule, kReportRuleCount> kReportRules;

// The rules of one section (arudha number 0 … 11), in order; empty for A2 and A8.
std::span<const ReportRule> SectionRules(int section);

// One chart read once for all rules: the sign of every point by slot, and
// which bodies and arudhas stand in each sign, as subject sets.
struct SignOccupants {
    std::array<std::int8_t, kChartPointSlots> signOf{};
    std::array<SubjectSet, kSignCount> bySign{};
    explicit SignOccupants(const ChartState& chart);
};

inline bool PlacementHolds(const Placement& placement, const SignOccupants& occupants) {
    // Both terms are below 12, so one subtraction reduces the sum.
    int target = occupants.signOf[placement.from.Slot()] + placement.nth - 1;
    target -= target >= kSignCount ? kSignCount : 0;
    const SubjectSet there = occupants.bySign[target] & placement.subjects;
    // Every subject there, or at least one: chosen arithmetically, not by a jump.
    const bool all = there == placement.subjects;
    const bool some = there != 0;
    return (placement.anyOf & some) | (!placement.anyOf & all);
}

// Branches only on the table (how many placements a rule has), never on the
// chart, so a report costs the same whatever holds.
inline bool RuleHolds(const ReportRule& rule, const SignOccupants& occupants) {
    bool holds = PlacementHolds(rule.when[0], occupants);
    for (std::size_t p = 1; p < rule.when.size() && rule.when[p].subjects != 0; ++p) {
        holds &= PlacementHolds(rule.when[p], occupants);
    }
    return holds;
}

// The same, for a single test.
bool PlacementHolds(const Placement& placement, const ChartState& chart);
bool RuleHolds(const ReportRule& rule, const ChartState& chart);

}  // namespace velmora
