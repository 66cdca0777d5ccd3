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

// The line's words, the entry and the box follow the offset the birth takes
// and whether the clocks were ahead of standard time, also where the
// database counts a winter time as negative daylight saving. Each row's
// reading is Python's zoneinfo on the same tzdata (utcoffset, dst, tzname at
// the clock; for a dst of 0, the dst of the periods just before and after):
// a dst below zero is a winter behind the standard time, so standard time
// there; a summer between two such winters is daylight saving over their
// offset; a summer that only begins or only ends such a run stays standard.
TEST(ZonePreview, TheWordsFollowTheOffsetAndTheClocksBeingAhead) {
    const struct {
        const char* zone;
        LocalClock clock;
        const char* zoneinfo;  // what Python's zoneinfo says
        const char* line;
        const char* listText;
        bool box;
    } cases[] = {
        {"Europe/Dublin", {1990, 3, 15, 12, 0, 0}, "+00:00, dst -01:00, GMT",
         "Europe/Dublin: UTC+00:00 on 15 March 1990 at 12:00", "Greenwich Mean Time,GMT,0.0", false},
        {"Europe/Dublin", {1990, 7, 15, 12, 0, 0}, "+01:00, dst 0, IST; before and after dst -01:00",
         "Europe/Dublin: UTC+01:00, daylight saving on 15 July 1990 at 12:00", "Greenwich Mean Time,GMT,0.0", true},
        // Irish Standard Time all year, 27 October 1968 to 31 October 1971.
        {"Europe/Dublin", {1970, 7, 15, 12, 0, 0}, "+01:00, dst 0, IST; before: IST since 1968, after dst -01:00",
         "Europe/Dublin: UTC+01:00 on 15 July 1970 at 12:00", "Central European Time,CET,+1.0", false},
        // After the compiled file's last change: its rule IST-1GMT0,M10.5.0,M3.5.0/1.
        {"Europe/Dublin", {2040, 7, 15, 12, 0, 0}, "+01:00, dst 0, IST; before and after dst -01:00",
         "Europe/Dublin: UTC+01:00, daylight saving on 15 July 2040 at 12:00", "Greenwich Mean Time,GMT,0.0", true},
        {"Europe/Dublin", {2040, 1, 15, 12, 0, 0}, "+00:00, dst -01:00, GMT",
         "Europe/Dublin: UTC+00:00 on 15 January 2040 at 12:00", "Greenwich Mean Time,GMT,0.0", false},
        {"Africa/Windhoek", {1995, 7, 15, 12, 0, 0}, "+01:00, dst -01:00, WAT",
         "Africa/Windhoek: UTC+01:00 on 15 July 1995 at 12:00", "Central European Time,CET,+1.0", false},
        {"Africa/Windhoek", {2000, 1, 15, 12, 0, 0}, "+02:00, dst 0, CAT; before and after dst -01:00",
         "Africa/Windhoek: UTC+02:00, daylight saving on 15 January 2000 at 12:00", "Central European Time,CET,+1.0",
         true},
        {"Africa/Windhoek", {1992, 1, 15, 12, 0, 0}, "+02:00, dst 0, CAT; before: SAST dst 0, after dst -01:00",
         "Africa/Windhoek: UTC+02:00 on 15 January 1992 at 12:00", "Eastern European Time,EET,+2.0", false},
        {"Africa/Windhoek", {2018, 1, 15, 12, 0, 0}, "+02:00, dst 0, CAT; before dst -01:00, no change after",
         "Africa/Windhoek: UTC+02:00 on 15 January 2018 at 12:00", "Eastern European Time,EET,+2.0", false},
        {"Europe/Prague", {1946, 12, 15, 12, 0, 0}, "+00:00, dst -01:00, GMT",
         "Europe/Prague: UTC+00:00 on 15 December 1946 at 12:00", "Greenwich Mean Time,GMT,0.0", false},
        {"Europe/Prague", {1946, 11, 15, 12, 0, 0}, "+01:00, dst 0, CET; before: CEST dst +01:00, after dst -01:00",
         "Europe/Prague: UTC+01:00 on 15 November 1946 at 12:00", "Central European Time,CET,+1.0", false},
        {"Europe/Prague", {1947, 3, 15, 12, 0, 0}, "+01:00, dst 0, CET; before dst -01:00, after: CEST dst +01:00",
         "Europe/Prague: UTC+01:00 on 15 March 1947 at 12:00", "Central European Time,CET,+1.0", false},
        {"Europe/Prague", {1946, 7, 15, 12, 0, 0}, "+02:00, dst +01:00, CEST",
         "Europe/Prague: UTC+02:00, daylight saving on 15 July 1946 at 12:00", "Central European Time,CET,+1.0", true},
        {"Europe/London", {1990, 7, 15, 12, 0, 0}, "+01:00, dst +01:00, BST",
         "Europe/London: UTC+01:00, daylight saving on 15 July 1990 at 12:00", "Greenwich Mean Time,GMT,0.0", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.clock.Year) + "-" + std::to_string(c.clock.Month) +
                     " (zoneinfo: " + c.zoneinfo + ")");
        const ZonePreview preview = PreviewZone(c.zone, c.clock, ComputationMode::Classic);
        EXPECT_EQ(preview.text, c.line);
        ASSERT_GE(preview.listEntry, 0);
        EXPECT_EQ(kZoneTable[static_cast<std::size_t>(preview.listEntry)].DisplayText, c.listText);
        EXPECT_EQ(preview.daylightSaving, c.box);
    }
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
