#pragma once
// A birth as typed values: who, when on the local clock, where, by which
// zone, and how the chart is to be computed. The input form, the command
// line, a batch line and a birth file each describe one; the chart is
// computed from it (chart/ComputeChart).

#include <string>
#include <string_view>

#include "birth/ChartMode.h"
#include "birth/ChartOptions.h"
#include "birth/DashaChoice.h"
#include "birth/FormFields.h"
#include "birth/ZoneHistory.h"

namespace velmora {

struct Birth {
    std::string name;
    LocalClock clock;  // the local civil date and clock time, to the second
    // The place in degrees, north and east positive. A coordinate of exactly
    // 0° keeps the hemisphere it was given in its sign (-0.0 is west or
    // south): the classic engine takes the zone's direction from it.
    double latitude = 0;
    double longitude = 0;
    // The zone: a time zone with its history (an IANA id) and the answer for
    // a local time shown twice; or, without one, an entry of the zone list
    // and the daylight-saving hour.
    std::string timeZoneId;
    RepeatedHour repeated = RepeatedHour::Unresolved;
    int zoneEntry = kInitialZone;
    bool daylightSaving = false;
    // The place's names as given, and the atlas place chosen (empty when typed).
    std::string city, state, country, place;
    // How the chart is computed.
    ComputationMode mode = ComputationMode::Precise;
    NodeKind node = NodeKind::Mean;
    // The ayanamsa, apparent or true positions and the houses (precise charts only).
    ChartOptions options;
    // How the dashas are reckoned.
    DashaYear dashaYear = DashaYear::Julian;
    DashaSystem dashaSystem = DashaSystem::Vimshottari;
};

// A coordinate as the classic engine takes it: whole degrees and minutes of
// its magnitude, and its hemisphere.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // west or south
};
DegreesMinutes SplitCoordinate(double degrees);
// Degrees and minutes back to a coordinate: the inverse of SplitCoordinate.
double JoinCoordinate(int degrees, int minutes, bool negative);

// The birth a form describes. The form's checks (Input_Validation) come
// first; the boxes' texts are read as the run always read them, and a chosen
// place's own coordinates replace them where the boxes still show them.
Birth BirthFromForm(const FormFields& form);

// Text to integer as the run converts box texts: the number at the start of
// the text, rounded to the nearest integer with halves to even.
int TextToInteger(std::string_view text);

}  // namespace velmora
