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

// Where the counting of a placement starts.
struct ChartPoint {
    enum Kind : std::uint8_t { Body, Arudha, FixedSign };
    Kind kind = Body;
    std::uint8_t index = 0;  // body number, arudha number or sign index

    friend constexpr bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

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

// Sign index of a point in the chart.
int PointSign(const ChartPoint& point, const ChartState& chart);

bool PlacementHolds(const Placement& placement, const ChartState& chart);
bool RuleHolds(const ReportRule& rule, const ChartState& chart);

}  // namespace velmora
