#pragma once
// The one entry: a chart from a birth. Every front end (the input form, the
// command line, batch lines, birth files, velmora --export, matching) turns
// its input into a Birth once and calls ComputeChart; what comes back is an
// immutable Chart shared by every window, page and output that shows it, or
// a refusal that owns its message.

#include <memory>
#include <optional>
#include <string>

#include "birth/Birth.h"
#include "birth/DashaChoice.h"
#include "birth/FormFields.h"
#include "birth/ZoneHistory.h"
#include "chart/Chart.h"

namespace velmora {

// What a chart is computed with besides the birth: the report, the dasha
// systems, the vargas and the ashtakavarga (a batch leaves out what its
// fields never read), and the day whose running dasha periods are marked.
struct ChartWants {
    bool report = true;
    DashaSet dashas{DashaSystem::Vimshottari};
    CalendarDate today;  // no date: nothing is marked
    bool vargas = true;  // the sixteen vargas' signs
    bool ashtakavarga = true;  // in both readings, with the reductions
};

// Why a birth gives no chart.
enum class ChartRefusalKind {
    FormCheck,       // a check of the form's fields failed (ComputeChartOfForm)
    OutsideYears,    // the year lies outside those the chart's engine computes
    NoZoneOffset,    // the zone's history or the zone list gives no offset for the clock
    RepeatedHour,    // the clocks showed this time twice: earlier or later must be chosen
    ClassicChoices,  // an ayanamsa, true positions or houses asked of the classic engine
    Ephemeris,       // the precise positions could not be computed
};

struct ChartRefusal {
    ChartRefusalKind kind = ChartRefusalKind::Ephemeris;
    std::string message;
    // Where the zone's history gave no offset: its facts, for saying why in
    // another language.
    std::optional<ZoneLookup> zone;
};

// A chart, or why there is none.
struct ChartOutcome {
    std::shared_ptr<const Chart> chart;  // null when refused
    ChartRefusal refusal;                // meaningful only when refused
    bool Computed() const { return chart != nullptr; }
};

// The positions computed in the birth's mode, and everything derived from
// them that `wants` asks for.
ChartOutcome ComputeChart(const Birth& birth, const ChartWants& wants = {});

// For the front ends whose input is the form's fields (a birth file, a
// command-line request): the form's checks in their order, a failed one
// refused with its exact message; then the chart of the birth they describe.
ChartOutcome ComputeChartOfForm(const FormFields& form, const ChartWants& wants = {});

}  // namespace velmora
