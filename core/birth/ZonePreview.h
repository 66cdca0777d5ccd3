#pragma once
// What the input form says of a chosen place's zone while the birth is typed,
// before any chart is made: the zone's offset at the birth in words, and the
// zone-list entry and daylight-saving box that give the classic engine that
// offset (the run takes the same entry: ClassicZoneForMoment).

#include <optional>
#include <string>
#include <string_view>

#include "birth/ChartMode.h"
#include "birth/FormFields.h"
#include "birth/ZoneHistory.h"

namespace velmora {

struct ZonePreview {
    std::string text;       // "Europe/Paris: UTC+02:00, daylight saving on …", or why there is no offset
    int listEntry = -1;     // the list's entry for the offset; -1: none (or no offset)
    bool daylightSaving = false;
    // What the text says, for writing it in another language: the zone's
    // moment at the clock or why it has none, the clock, and the standard
    // offset the list lacks where the classic mode is told to tick the
    // precise box.
    ZoneLookup lookup;
    LocalClock clock;
    std::optional<int> unlistedOffsetSeconds;
};

ZonePreview PreviewZone(std::string_view zoneId, const LocalClock& clock, ComputationMode mode);

// Beside a time zone (`TimeZoneId`), the zone list's entry and the
// daylight-saving box as the form fills them from it; as they were when the
// zone gives no offset or the list has no entry for it.
void FillZoneListFromTimeZone(FormFields& form);

}  // namespace velmora
