#pragma once
// The dasha systems as registered data: for each system of DashaSystem (its
// key in files and options, birth/DashaChoice.h) the table it runs on the
// dasha engine (its lords, years, start and depth, with its source, in a file
// of its own in core/analysis). The window's Dashas page, the printed pages,
// the command line's options, help and fields iterate over these rows; a new
// system is one key row, one row here and its own table file.

#include <span>
#include <string_view>

#include "analysis/DashaEngine.h"
#include "birth/DashaChoice.h"
#include "chart/Chart.h"

namespace velmora {

struct DashaSystemRow {
    DashaSystem system;
    const DashaTable& (*table)();
};

// Every system, in DashaSystem's order.
std::span<const DashaSystemRow> AllDashaSystems();

const DashaTable& DashaTableOf(DashaSystem system);

// "Vimshottari", …: the table's own name.
std::string_view DashaSystemName(DashaSystem system);

// The periods of `system` for a birth at local moment `birth` with the ten
// sidereal longitudes by body number (the nakshatra dashas read the Moon's,
// the sign dashas all of them), in years of `year`, with the path running at
// noon of `today` marked to every level.
DashaTimeline ComputeDasha(DashaSystem system, const std::array<double, kBodyCount>& longitudes,
                           const CivilMoment& birth, DashaYear year, const CalendarDate& today);

// A chart's dasha of `system` in years of `year`: the chart's own timeline
// where it holds that one, else worked out from its Moon and birth, marked
// for the same day as the chart's.
DashaTimeline DashaOfChart(const Chart& chart, DashaSystem system, DashaYear year);

// The systems' keys, for messages and help, joined with ", " and `lastJoin`.
std::string DashaSystemKeyList(std::string_view lastJoin = " and ");

}  // namespace velmora
