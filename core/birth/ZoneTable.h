#pragma once
// The 71 time zones of the form's list and their conversion into the signed
// offset that turns local clock time into Universal Time.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/BirthData.h"
#include "birth/FormFields.h"
#include "birth/ZoneHistory.h"

namespace velmora {

struct ZoneEntry {
    std::string_view DisplayText;  // shown in the list exactly as written; never parsed
    std::int16_t ZoneOffsetHours;
    std::int16_t ZoneOffsetMinutes;
};

extern const std::array<ZoneEntry, kZoneItems> kZoneTable;

// Sets the offset from the entry at `position`; a position outside 0–70
// leaves the previous offset in force.
void Zone_Calculation(int position, ZoneOffset& offset);

// The entry for a standard offset east of Greenwich (seconds): the one whose
// abbreviation is `abbreviation` if any, else the first whose name is not a
// daylight, summer or war time; -1 when no entry has that offset.
int ZoneEntryForStandardOffset(int offsetSeconds, std::string_view abbreviation);

// What a classic chart takes for a moment of a zone's history: a list entry
// and the daylight-saving box. The classic engine adds exactly one hour for
// the box, so a daylight saving of one hour takes the entry of the standard
// offset with the box ticked, as a person would type it; any other amount
// (half an hour, two hours, a winter time behind the standard one) takes the
// entry of the whole offset with the box clear. Without daylight saving the
// entry is the one the zone's abbreviation names, if any.
struct ClassicZone {
    int Entry = -1;               // -1: the list has no entry for ListedOffsetSeconds
    bool DaylightSaving = false;  // the box
    int ListedOffsetSeconds = 0;  // the offset the entry must have, east of Greenwich
    bool StandardOffset = true;   // whether that is the zone's standard offset
};
ClassicZone ClassicZoneForMoment(const ZoneMoment& moment);

// The abbreviation of an entry ("GMT", "IST", "NST", …), read from its display text.
std::string_view ZoneAbbreviation(const ZoneEntry& entry);

}  // namespace velmora
