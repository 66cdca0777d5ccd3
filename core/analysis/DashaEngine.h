#pragma once
// One engine for the nakshatra dashas: a sequence of lords with their years,
// the lord running at birth with the part of it the Moon has still to cross,
// and every period divided among all the lords in proportion to their years,
// from its own lord on. A dasha system is one table (DashaTable) in a file of
// its own, registered in chart/DashaSystems.
//
// Times are whole microseconds on the birth's local clock. Every choice of
// the year is a whole number of microseconds, so the major periods are exact;
// a sub-period's boundaries are cut from its parent's own start and end
// (parent start + parent length × the years before it ÷ the cycle's years,
// rounded down), so the first sub-period starts where its parent starts, the
// last ends where it ends, and at every level the periods sum to their
// parent exactly. Five levels of Vimshottari are 9^5 periods; nothing below
// the major periods is stored: the children of a period are worked out when
// asked (SubPeriods), and the path running on a chosen day is kept.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/Calendar.h"
#include "engine/NameTables.h"

namespace velmora {

struct CalendarDate {
    int year = 0;  // 0: no date
    int month = 1;
    int day = 1;

    bool Valid() const { return year != 0; }
    // The day's clock at `hour`:00.
    CivilMoment At(int hour) const { return {year, month, day, hour, 0}; }
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Microseconds on the birth's local clock from 1970-01-01 00:00.
using DashaTime = std::int64_t;

inline constexpr int kMaxDashaLevels = 5;
inline constexpr int kMaxDashaLords = 12;
inline constexpr int kMaxMajorPeriods = 27;

struct DashaLordYears {
    int lord;   // the table's own numbering (a body number, or a lord of the table's own)
    int years;
};

// Where the dasha stands at birth: the position in the sequence of the lord
// running, and the share of its period already passed (0 ≤ passed < 1).
struct DashaStart {
    int position = 0;
    double passed = 0;
};

// A sign dasha's periods for one chart: the sign its sequence starts from
// and which way it runs, the twelve signs in their order with each sign's
// years in the first turn (the second turn gives each sign the rest of 12
// years), and the signs of each sign's sub-periods in their order. A sign's
// period divides into twelve equal sub-periods.
struct SignDashaPlan {
    int seed = 0;
    bool forward = true;
    std::array<int, kSignCount> order{};
    std::array<int, kSignCount> years{};  // by sign index
    std::array<std::array<std::int8_t, kSignCount>, kSignCount> subOrder{};  // [sign][n]
    int cycles = 2;
};

struct DashaTable {
    std::string_view name;  // "Vimshottari"
    std::span<const DashaLordYears> sequence;
    int cycleYears;  // the sum of the sequence's years
    int cycles;      // how many turns of the sequence are listed from birth
    int levels;      // how deep the periods are divided (major period = 1)
    DashaStart (*start)(double moonLongitude);
    std::string_view (*lordName)(int lord);
    // The planet (body number) a lord stands for, where the lords are not
    // planets themselves; null where they are.
    int (*lordPlanet)(int lord) = nullptr;
    // A sign dasha (its lords are the signs, 0 Aries … 11 Pisces): the plan
    // worked out from the chart's ten sidereal longitudes by body number;
    // null for the nakshatra dashas, which need the Moon alone.
    SignDashaPlan (*signPlan)(const std::array<double, kBodyCount>& longitudes) = nullptr;
    // Whose reading the table follows, in a sentence; empty for the nakshatra dashas.
    std::string_view method{};
    bool SignDasha() const { return signPlan != nullptr; }
};

// A period: its lord's position in the table's sequence, and its start and end.
struct DashaNode {
    int position = 0;
    DashaTime start = 0, end = 0;
    friend bool operator==(const DashaNode&, const DashaNode&) = default;
};

struct DashaChildren {
    std::array<DashaNode, kMaxDashaLords> nodes{};
    int count = 0;
    const DashaNode* begin() const { return nodes.data(); }
    const DashaNode* end() const { return nodes.data() + count; }
};

struct DashaTimeline {
    const DashaTable* table = nullptr;  // null: not computed
    std::int64_t yearMicroseconds = 0;
    DashaTime birth = 0;
    double balanceYears = 0;  // of the first major period at birth
    std::array<DashaNode, kMaxMajorPeriods> majors{};
    int majorCount = 0;
    // The periods running at noon of `today`, from the major period down; none
    // for no date or a day outside the periods listed.
    CalendarDate today;
    std::array<DashaNode, kMaxDashaLevels> running{};
    int runningLevels = 0;
    // A sign dasha's plan for this chart (its sub-periods' order); unused for the others.
    SignDashaPlan plan;

    bool Computed() const { return table != nullptr; }
    std::span<const DashaNode> Majors() const { return {majors.data(), static_cast<std::size_t>(majorCount)}; }
    int Lord(const DashaNode& node) const { return table->sequence[static_cast<std::size_t>(node.position)].lord; }
    std::string_view LordName(const DashaNode& node) const { return table->lordName(Lord(node)); }
    // Whether `node` at `level` (1 = major) is on the running path.
    bool Running(const DashaNode& node, int level) const {
        return level <= runningLevels && running[static_cast<std::size_t>(level - 1)] == node;
    }
};

// The periods of a birth at local moment `birth` with the Moon at sidereal
// longitude `moonLongitude`, with years of `yearMicroseconds`. The birth's
// part already passed is rounded to the whole minute, as the dates are
// written. Nothing is marked running.
DashaTimeline ComputeDashaTimeline(const DashaTable& table, double moonLongitude, const CivilMoment& birth,
                                   std::int64_t yearMicroseconds);

// A sign dasha's periods for a birth at local moment `birth` with the ten
// sidereal longitudes by body number: from birth, the first turn of twelve
// signs, then the second (a sign of 0 years has no period). Nothing is
// marked running.
DashaTimeline ComputeSignDashaTimeline(const DashaTable& table, const std::array<double, kBodyCount>& longitudes,
                                       const CivilMoment& birth, std::int64_t yearMicroseconds);

// The periods a period divides into, from its own lord on.
DashaChildren SubPeriods(const DashaTable& table, const DashaNode& parent);
// The same for a period of `timeline`: a sign dasha's twelve equal
// sub-periods in its plan's order, the table's division for the others.
DashaChildren SubPeriods(const DashaTimeline& timeline, const DashaNode& parent);

// Marks the path running at noon of `today` down to `levels` (at most the
// table's); none for an invalid date or one outside the periods.
void MarkRunningPath(DashaTimeline& timeline, const CalendarDate& today, int levels);

// A dasha time to the nearest minute, and a civil moment as a dasha time.
CivilMoment DashaMoment(DashaTime time);
DashaTime DashaTimeOf(const CivilMoment& moment);

// The name of a lord that is a body ("Sun" … "Ketu"), for the tables whose lords are planets.
std::string_view DashaBodyName(int body);

// A period's length in years of the timeline.
double DashaYears(const DashaTimeline& timeline, const DashaNode& node);

}  // namespace velmora
