#include "analysis/DashaEngine.h"

#include <chrono>
#include <cmath>

#include "engine/NameTables.h"

namespace velmora {

namespace {

constexpr std::int64_t kMinute = 60'000'000;  // microseconds

int YearsAt(const DashaTable& table, int position) {
    return table.sequence[static_cast<std::size_t>(position)].years;
}

int Count(const DashaTable& table) { return static_cast<int>(table.sequence.size()); }

}  // namespace

DashaTime DashaTimeOf(const CivilMoment& m) {
    return (DaysFromCivil(m.year, m.month, m.day) * 1440 + std::int64_t{m.hour} * 60 + m.minute) * kMinute;
}

CivilMoment DashaMoment(DashaTime time) {
    // To the nearest minute, a half minute up; the date from the day count
    // by the standard library's calendar (a run converts some 90 boundaries).
    const std::int64_t minutes = FloorDiv(time + kMinute / 2, kMinute);
    const std::int64_t days = FloorDiv(minutes, 1440);
    const auto minuteOfDay = static_cast<int>(minutes - days * 1440);
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{days}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), minuteOfDay / 60, minuteOfDay % 60};
}

DashaTimeline ComputeDashaTimeline(const DashaTable& table, double moonLongitude, const CivilMoment& birth,
                                   std::int64_t yearMicroseconds) {
    DashaTimeline t;
    t.table = &table;
    t.yearMicroseconds = yearMicroseconds;
    t.birth = DashaTimeOf(birth);
    const DashaStart start = table.start(moonLongitude);
    const int firstYears = YearsAt(table, start.position);
    t.balanceYears = (1.0 - start.passed) * firstYears;
    // The part passed, to the whole minute.
    const double yearMinutes = static_cast<double>(yearMicroseconds) / static_cast<double>(kMinute);
    const std::int64_t elapsed = std::llround(start.passed * firstYears * yearMinutes) * kMinute;
    const DashaTime cycleStart = t.birth - elapsed;
    std::int64_t years = 0;  // from the cycle's start
    const int count = Count(table);
    t.majorCount = count * table.cycles;
    for (int m = 0; m < t.majorCount; ++m) {
        DashaNode& major = t.majors[static_cast<std::size_t>(m)];
        major.position = (start.position + m) % count;
        major.start = cycleStart + years * yearMicroseconds;
        years += YearsAt(table, major.position);
        major.end = cycleStart + years * yearMicroseconds;
    }
    return t;
}

DashaTimeline ComputeSignDashaTimeline(const DashaTable& table, const std::array<double, kBodyCount>& longitudes,
                                       const CivilMoment& birth, std::int64_t yearMicroseconds) {
    DashaTimeline t;
    t.table = &table;
    t.yearMicroseconds = yearMicroseconds;
    t.birth = DashaTimeOf(birth);
    t.plan = table.signPlan(longitudes);
    DashaTime at = t.birth;
    for (int cycle = 0; cycle < t.plan.cycles; ++cycle)
        for (const int sign : t.plan.order) {
            const int first = t.plan.years[static_cast<std::size_t>(sign)];
            const int years = cycle == 0 ? first : kSignCount - first;
            if (years <= 0 || t.majorCount >= kMaxMajorPeriods) continue;
            DashaNode& major = t.majors[static_cast<std::size_t>(t.majorCount++)];
            major.position = sign;
            major.start = at;
            at += years * yearMicroseconds;
            major.end = at;
        }
    // The first sign runs from birth in full.
    t.balanceYears = t.majorCount > 0 ? DashaYears(t, t.majors[0]) : 0.0;
    return t;
}

DashaChildren SubPeriods(const DashaTimeline& t, const DashaNode& parent) {
    if (!t.table->SignDasha()) return SubPeriods(*t.table, parent);
    DashaChildren children;
    children.count = kSignCount;
    const std::int64_t length = parent.end - parent.start;
    const auto& order = t.plan.subOrder[static_cast<std::size_t>(parent.position)];
    for (int s = 0; s < kSignCount; ++s) {
        DashaNode& child = children.nodes[static_cast<std::size_t>(s)];
        child.position = order[static_cast<std::size_t>(s)];
        child.start = parent.start + length * s / kSignCount;
        child.end = parent.start + length * (s + 1) / kSignCount;
    }
    return children;
}

DashaChildren SubPeriods(const DashaTable& table, const DashaNode& parent) {
    DashaChildren children;
    const int count = Count(table);
    children.count = count;
    const std::int64_t length = parent.end - parent.start;  // at most 21 years of microseconds: × 120 fits
    std::int64_t before = 0;                                 // years of the sub-periods before
    for (int s = 0; s < count; ++s) {
        DashaNode& child = children.nodes[static_cast<std::size_t>(s)];
        child.position = (parent.position + s) % count;
        child.start = parent.start + length * before / table.cycleYears;
        before += YearsAt(table, child.position);
        child.end = parent.start + length * before / table.cycleYears;
    }
    return children;
}

void MarkRunningPath(DashaTimeline& t, const CalendarDate& today, int levels) {
    t.today = today;
    t.runningLevels = 0;
    if (!today.Valid() || !t.Computed()) return;
    if (levels > t.table->levels) levels = t.table->levels;
    const DashaTime noon = DashaTimeOf(today.At(12));
    auto contains = [noon](const DashaNode& p) { return p.start <= noon && noon < p.end; };
    const DashaNode* found = nullptr;
    for (const DashaNode& major : t.Majors())
        if (contains(major)) found = &major;
    if (!found) return;
    t.running[0] = *found;
    t.runningLevels = 1;
    while (t.runningLevels < levels) {
        const DashaChildren children = SubPeriods(t, t.running[static_cast<std::size_t>(t.runningLevels - 1)]);
        for (const DashaNode& child : children)
            if (contains(child)) t.running[static_cast<std::size_t>(t.runningLevels)] = child;
        ++t.runningLevels;
    }
}

std::string_view DashaBodyName(int body) { return kPlainBodyNames[static_cast<std::size_t>(body)]; }

double DashaYears(const DashaTimeline& t, const DashaNode& node) {
    return static_cast<double>(node.end - node.start) / static_cast<double>(t.yearMicroseconds);
}

}  // namespace velmora
