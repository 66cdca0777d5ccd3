#pragma once
// The chart's notes in the language it is shown in: how its positions were
// computed, the zone's clock as it was read, the days without a sunrise or a
// sunset, and why a classic chart lacks what it lacks. The chart keeps these
// texts in English (its JSON fields and the tests read them there); in
// English these functions write them word for word, in another language
// they make them from the same facts with the phrase table.

#include <string>
#include <string_view>

#include "birth/LocalClock.h"
#include "birth/ZonePreview.h"
#include "chart/Chart.h"
#include "chart/ComputeChart.h"
#include "chart/Panchanga.h"
#include "chart/Sensitivity.h"
#include "chart/Strengths.h"
#include "text/Language.h"

namespace velmora {

// "20 June 1990" with the language's month name.
std::string LongDateIn(const LocalClock& clock, Language language);

// "Precise: Swiss Ephemeris, Lahiri 23° 43′ 19″, mean node"; empty for a
// classic chart.
std::string ModeTextIn(const Chart& chart, Language language);

// The mode line, or for a classic chart "Classic positions (the program's
// own model)".
std::string PositionsNoteIn(const Chart& chart, Language language);

// "Asia/Kolkata: UTC+05:30 on 20 June 1990 at 10:00" (ChartBirth::zoneText);
// empty for a zone list entry.
std::string ZoneTextIn(const ChartBirth& birth, Language language);

// Why a zone gave no offset for a clock (ZoneLookup::Message): an unknown
// zone, a time the clocks skipped or showed twice; any other reason as the
// lookup wrote it.
std::string ZoneLookupIn(const ZoneLookup& lookup, Language language);

// Why there is no chart (ChartRefusal::message): the zone's reason by its
// facts, any other as RefusalIn says it.
std::string ChartRefusalIn(const ChartRefusal& refusal, Language language);

// The input form's line of a chosen place's zone (ZonePreview::text).
std::string ZonePreviewIn(const ZonePreview& preview, Language language);

// "Indian Time, IST, +5.3: UTC+05:30", or the zone line (ChartBirth::zoneUsed).
std::string ZoneUsedIn(const ChartBirth& birth, Language language);

// Panchanga::note and ShadbalaAndBhavaBala::note; empty where the Sun rose
// and set.
std::string PanchangaNoteIn(const Panchanga& panchanga, Language language);
std::string StrengthsNoteIn(const ShadbalaAndBhavaBala& balas, Language language);

// Sensitivity::note: where the window was cut at the years the positions
// are computed for; empty where it was not.
std::string SensitivityNoteIn(const Sensitivity& sensitivity, Language language);

// Chart::housesNote: where Placidus houses cannot be drawn (beyond the
// polar circles) and equal houses stand in; empty elsewhere.
std::string HousesNoteIn(const Chart& chart, Language language);

// A refusal the core gives (a classic chart's panchanga, transits,
// strengths or birth-time sensitivity) in the language; one the phrase
// table lacks (an ephemeris error) as it is.
std::string RefusalIn(std::string_view refusal, Language language);

}  // namespace velmora
