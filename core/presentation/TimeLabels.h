#pragma once
// The panchanga and the transits as rows of a label and its text, the same
// in the window, the printed page and the command line's text output.
// Moments are written on the birth place's clock, "2013-01-18 16:24:04".

#include <string>
#include <vector>

#include "presentation/ResultTexts.h"
#include "chart/Chart.h"
#include "chart/Panchanga.h"
#include "chart/Transits.h"

namespace velmora {

struct LabelRow {
    std::string label, text;
};

// "2013-01-18 16:24:04" on the clock `offsetSeconds` east of Greenwich.
std::string MomentLabel(double jdUT, int offsetSeconds);

// Weekday, tithi, nakshatra, yoga, karana (each its number, name, the span
// it runs and the share left at the birth), sunrise and sunset ("none in
// this day" where the Sun does not rise or set), and the note saying why.
std::vector<LabelRow> PanchangaRows(const Panchanga& panchanga, int offsetSeconds);

// The moment, then one row a transiting point: "Saturn": "Pisces 5° 12′ 3″
// retrograde, house 2 from the Moon, house 7 from the ascendant".
std::vector<LabelRow> TransitPositionRows(const Transits& transits);
// Sade sati: whether it runs, its phase, and its phases' dates.
std::vector<LabelRow> SadeSatiRows(const Transits& transits);
// Each graha's next sign change and stations within a year.
std::vector<LabelRow> NextChangeRows(const Transits& transits);

// `texts` with the chart's panchanga rows (the almanac's sunrise) for the
// printed pages; a classic chart's one row says why it has none.
ResultFormTexts WithPanchangaRows(ResultFormTexts texts, const Chart& chart);

}  // namespace velmora
