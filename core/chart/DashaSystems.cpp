#include "chart/DashaSystems.h"

#include <array>
#include <string>

namespace velmora {

// Each system's table, defined in its own file of core/analysis.
const DashaTable& VimshottariTable();
const DashaTable& YoginiTable();
const DashaTable& AshtottariTable();
const DashaTable& CharaTable();
const DashaTable& NarayanaTable();

namespace {

constexpr std::array<DashaSystemRow, kDashaSystemCount> kDashaSystems = {{
    {DashaSystem::Vimshottari, &VimshottariTable},
    {DashaSystem::Yogini, &YoginiTable},
    {DashaSystem::Ashtottari, &AshtottariTable},
    {DashaSystem::Chara, &CharaTable},
    {DashaSystem::Narayana, &NarayanaTable},
}};

constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < kDashaSystems.size(); ++i)
        if (kDashaSystems[i].system != kDashaSystemKeys[i].system) return false;
    return true;
}
static_assert(RowsInOrder(), "one table row for every dasha system, in the enum's order");

}  // namespace

std::span<const DashaSystemRow> AllDashaSystems() { return kDashaSystems; }

const DashaTable& DashaTableOf(DashaSystem system) {
    return kDashaSystems[static_cast<std::size_t>(system)].table();
}

std::string_view DashaSystemName(DashaSystem system) { return DashaTableOf(system).name; }

DashaTimeline ComputeDasha(DashaSystem system, const std::array<double, kBodyCount>& longitudes,
                           const CivilMoment& birth, DashaYear year, const CalendarDate& today) {
    const DashaTable& table = DashaTableOf(system);
    const std::int64_t microseconds = DashaYearOf(year).microseconds;
    DashaTimeline timeline = table.SignDasha() ? ComputeSignDashaTimeline(table, longitudes, birth, microseconds)
                                               : ComputeDashaTimeline(table, longitudes[1], birth, microseconds);
    MarkRunningPath(timeline, today, kMaxDashaLevels);
    return timeline;
}

DashaTimeline DashaOfChart(const Chart& chart, DashaSystem system, DashaYear year) {
    const DashaTimeline& own = chart.Dasha(system);
    if (own.Computed() && year == chart.dashaYear) return own;
    // The day the chart's dashas were marked for: any computed timeline knows it.
    CalendarDate today;
    for (const DashaTimeline& timeline : chart.dashas)
        if (timeline.Computed()) today = timeline.today;
    std::array<double, kBodyCount> longitudes{};
    for (std::size_t i = 0; i < longitudes.size(); ++i) longitudes[i] = chart.points[i].longitude;
    return ComputeDasha(system, longitudes, chart.birth.clock, year, today);
}

std::string DashaSystemKeyList(std::string_view lastJoin) {
    std::string list;
    for (std::size_t i = 0; i < kDashaSystemKeys.size(); ++i) {
        if (i > 0) list += i + 1 == kDashaSystemKeys.size() ? lastJoin : std::string_view(", ");
        list += kDashaSystemKeys[i].key;
    }
    return list;
}

}  // namespace velmora
