#pragma once
// The panchanga and the transits as rows of a label and its text, the same
// in the window, the printed page and the command line's text output.
// Moments are written on the birth place's clock, "2013-01-18 16:24:04".

#include <functional>
#include <string>
#include <vector>

#include "chart/Chart.h"
#include "chart/Panchanga.h"
#include "chart/Transits.h"
#include "text/Language.h"

namespace velmora {

struct LabelRow {
    std::string label, text;
};

// "2013-01-18 16:24:04" on the clock `offsetSeconds` east of Greenwich.
std::string MomentLabel(double jdUT, int offsetSeconds);

// How exact a moment is: a panchanga limb's start and end and the sunrise
// are solved to half a second; a transit's sign change, station or sade sati
// phase is found by halving the step to a minute, so its seconds mean
// nothing.
enum class MomentPrecision { Second, Minute };

// Writes a moment (Julian Date in UT) on the clock `offsetSeconds` east of
// Greenwich. The text output's writes every moment as MomentLabel does (and
// the transit moment itself in ISO 8601 with its offset); a window writes
// them in the person's locale, to the precision given, and names the clock
// once beside the table.
using MomentWriter = std::function<std::string(double jdUT, int offsetSeconds, MomentPrecision precision)>;

// The rows below are in `language`: the captions and words the phrase
// table's, the terms the glossary's; English as it always was.

// Weekday, tithi, nakshatra, yoga, karana (each its number, name, the span
// it runs and the share left at the birth), sunrise and sunset ("none in
// this day" where the Sun does not rise or set), and the note saying why.
std::vector<LabelRow> PanchangaRows(const Panchanga& panchanga, int offsetSeconds, const MomentWriter& write = {},
    Language language = Language::English);

// The moment, then one row a transiting point: "Saturn": "Pisces 5° 12′ 3″
// retrograde, house 2 from the Moon, house 7 from the ascendant".
std::vector<LabelRow> TransitPositionRows(const Transits& transits, const MomentWriter& write = {},
    Language language = Language::English);
// Sade sati: whether it runs, its phase, and its phases' dates.
std::vector<LabelRow> SadeSatiRows(const Transits& transits, const MomentWriter& write = {},
    Language language = Language::English);
// Each graha's next sign change and stations within a year.
std::vector<LabelRow> NextChangeRows(const Transits& transits, const MomentWriter& write = {},
    Language language = Language::English);

}  // namespace velmora
