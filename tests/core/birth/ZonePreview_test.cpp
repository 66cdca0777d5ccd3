// The input form's zone line for a chosen place, before any chart: the
// offset the zone's history gives at the birth and the zone-list entry and
// daylight-saving box that give the classic engine that offset. Offsets
// from the time-zone database (Debian tzdata 2025b, as Python's zoneinfo reads it):
// Paris, 1 July 1985 12:00: UTC+02:00, daylight saving (CEST);
// Kolkata, 5 March 1980 09:05: UTC+05:30, no daylight saving (IST);
// Chatham Islands, 1 January 2000 12:00: UTC+13:45 (daylight saving one hour over its
// standard +12:45, which the zone list has no entry for).

#include <gtest/gtest.h>

#include <string>

#include "birth/ZonePreview.h"
#include "birth/ZoneTable.h"

namespace velmora {
namespace {

TEST(ZonePreview, SaysTheOffsetAndTheListEntryItGives) {
    const struct {
        const char* zone;
        LocalClock clock;
        ComputationMode mode;
        const char* listText;  // the entry's text; nullptr: none
        bool dst;
        const char* saying;  // a piece of the zone line
    } cases[] = {
        // A one-hour saving keeps the standard entry and ticks the box.
        {"Europe/Paris", {1985, 7, 1, 12, 0, 0}, ComputationMode::Classic, "Central European Time,CET,+1.0", true,
         "UTC+02:00"},
        {"Asia/Kolkata", {1980, 3, 5, 9, 5, 0}, ComputationMode::Precise, "Indian Time, IST, +5.3", false,
         "UTC+05:30"},
        // A one-hour saving over a standard offset the list lacks (+12:45): the
        // classic mode is told to tick the precise box; the precise mode needs none.
        {"Pacific/Chatham", {2000, 1, 1, 12, 0, 0}, ComputationMode::Classic, nullptr, false,
         "The zone list has no entry for UTC+12:45; tick \"Precise positions\""},
        {"Pacific/Chatham", {2000, 1, 1, 12, 0, 0}, ComputationMode::Precise, nullptr, false, "UTC+13:45"},
    };
    for (const auto& c : cases) {
        const ZonePreview preview = PreviewZone(c.zone, c.clock, c.mode);
        EXPECT_NE(preview.text.find(c.saying), std::string::npos) << c.zone << ": " << preview.text;
        if (c.listText) {
            ASSERT_GE(preview.listEntry, 0) << c.zone;
            EXPECT_EQ(kZoneTable[static_cast<std::size_t>(preview.listEntry)].DisplayText, c.listText);
            EXPECT_EQ(preview.daylightSaving, c.dst) << c.zone;
        } else {
            EXPECT_EQ(preview.listEntry, -1) << c.zone;
        }
    }
    // The precise mode's line says nothing of the list.
    EXPECT_EQ(PreviewZone("Pacific/Chatham", {2000, 1, 1, 12, 0, 0}, ComputationMode::Precise).text.find("zone list"),
              std::string::npos);
}

TEST(ZonePreview, AZoneWithoutAnOffsetSaysWhy) {
    // An unknown zone, and a local time the clocks skipped (Paris, 31 March
    // 1985, 02:30: the clocks went from 02:00 to 03:00).
    const ZonePreview unknown = PreviewZone("Mars/Olympus_Mons", {1985, 7, 1, 12, 0, 0}, ComputationMode::Precise);
    EXPECT_FALSE(unknown.text.empty());
    EXPECT_EQ(unknown.listEntry, -1);
    const ZonePreview skipped = PreviewZone("Europe/Paris", {1985, 3, 31, 2, 30, 0}, ComputationMode::Classic);
    EXPECT_FALSE(skipped.text.empty());
    EXPECT_EQ(skipped.listEntry, -1);
}

}  // namespace
}  // namespace velmora
