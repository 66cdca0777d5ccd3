#include "birth/ZoneTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace velmora {
namespace {

struct ZoneCase {
    int position;
    std::string_view text;
    std::string_view abbreviation;
    int hours;
    int minutes;
};

// Every kind of entry: plain, ", " separated, half hours written ".5" and ".3",
// the largest offsets either way, the duplicated abbreviation and the twins.
const ZoneCase kZoneCases[] = {
    {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "AHDT", 9, 0},
    {5, "Australian Central Daylight Time,ACDT,+10.5", "ACDT", -10, -30},
    {11, "Azores Time, AT, -2.0", "AT", 2, 0},
    {12, "Baghdad Time, BAT, +3.0", "BAT", -3, 0},
    {29, "Greenwich Mean Time,GMT,0.0", "GMT", 0, 0},
    {31, "Hawaiian Daylight Time,HDT,-9.5", "HDT", 9, 30},
    {32, "Hawaiian Standard Time,HST,-10.5", "HST", 10, 30},
    {34, "Indian Time, IST, +5.3", "IST", -5, -30},
    {35, "Int'l Date Line East,IDLE,+12.0", "IDLE", -12, 0},
    {36, "Int'l Date Line West,IDLW,-12.0", "IDLW", 12, 0},
    {37, "Iran Time, IT, +3.5", "IT", -3, -30},
    {46, "New Zealand Std Summer Time,NZST,+13.0", "NZST", -13, 0},
    {50, "Newfoundland Standard Time,NST,-3.5", "NST", 3, 30},
    {52, "North Sumatra Time,NST,+6.5", "NST", -6, -30},
    {56, "South Australia Daylight Time,SAD,+10.5", "SAD", -10, -30},
    {57, "South Australia Daylight Time,SDT,+10.5", "SDT", -10, -30},
    {58, "South Australia Standard Time,SAST,+9.5", "SAST", -9, -30},
    {59, "South Australia Standard Time,SAT,+9.5", "SAT", -9, -30},
    {61, "Universal Time, UT, 0.0", "UT", 0, 0},
    {62, "USSR Zone 10,UZ10,+11.0", "UZ10", -11, 0},
    {67, "West Africa Time,WAT,-1.0", "WAT", 1, 0},
    {70, "Yukon War Time,YWT,-8.0", "YWT", 8, 0},
};

TEST(ZoneTable, EntriesTextsAbbreviationsAndOffsets) {
    for (const ZoneCase& c : kZoneCases) {
        SCOPED_TRACE(c.position);
        const ZoneEntry& entry = kZoneTable[c.position];
        EXPECT_EQ(entry.DisplayText, c.text);
        EXPECT_EQ(ZoneAbbreviation(entry), c.abbreviation);
        ZoneOffset offset{99, 99};
        Zone_Calculation(c.position, offset);
        EXPECT_EQ(offset.ZoneOffsetHours, c.hours);
        EXPECT_EQ(offset.ZoneOffsetMinutes, c.minutes);
    }
}

// The stored offset is the printed, east-positive offset negated, with any
// fraction standing for half an hour and the minutes carrying the hours' sign.
TEST(ZoneTable, EveryOffsetAgreesWithItsPrintedOffset) {
    for (int p = 0; p < kZoneItems; ++p) {
        SCOPED_TRACE(p);
        const std::string text(kZoneTable[p].DisplayText);
        const std::string printed = text.substr(text.rfind(',') + 1);
        const double value = std::stod(printed);
        const int wholeHours = static_cast<int>(value);  // toward zero
        const bool half = printed.find(".0") == std::string::npos;
        const ZoneEntry& e = kZoneTable[p];
        EXPECT_EQ(e.ZoneOffsetHours, -wholeHours);
        EXPECT_EQ(e.ZoneOffsetMinutes, half ? (value < 0 ? 30 : -30) : 0);
        EXPECT_FALSE(ZoneAbbreviation(e).empty());
        EXPECT_EQ(ZoneAbbreviation(e).find(' '), std::string_view::npos);
    }
}

TEST(ZoneTable, OnlyNstNamesTwoEntries) {
    std::multiset<std::string_view> seen;
    for (const ZoneEntry& e : kZoneTable) seen.insert(ZoneAbbreviation(e));
    for (std::string_view abbreviation : seen) {
        SCOPED_TRACE(std::string(abbreviation));
        EXPECT_EQ(seen.count(abbreviation), abbreviation == "NST" ? 2u : 1u);
    }
}

TEST(ZoneTable, PositionOutsideTheListKeepsThePreviousOffset) {
    for (int position : {-1, 71, 1000}) {
        ZoneOffset offset;
        Zone_Calculation(34, offset);
        Zone_Calculation(position, offset);
        EXPECT_EQ(offset.ZoneOffsetHours, -5) << position;
        EXPECT_EQ(offset.ZoneOffsetMinutes, -30) << position;
    }
}

TEST(ZoneTable, EntryForAStandardOffset) {
    const struct {
        int offsetSeconds;
        const char* abbreviation;
        const char* entry;  // abbreviation of the entry chosen, or "" for none
    } cases[] = {
        {5 * 3600 + 30 * 60, "IST", "IST"},
        {-5 * 3600, "EST", "EST"},
        {3600, "BST", "BST"},  // British Standard Time, 1968-1971: the entry of that name
        {3600, "", "CET"},     // the first entry that is no daylight, summer or war time
        {0, "GMT", "GMT"},
        {5 * 3600 + 45 * 60, "+0545", ""},
        {5 * 3600 + 21 * 60 + 10, "LMT", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offsetSeconds);
        const int position = ZoneEntryForStandardOffset(c.offsetSeconds, c.abbreviation);
        if (*c.entry == '\0') {
            EXPECT_EQ(position, -1);
        } else {
            ASSERT_GE(position, 0);
            EXPECT_EQ(ZoneAbbreviation(kZoneTable[static_cast<std::size_t>(position)]), c.entry);
        }
    }
}

}  // namespace
}  // namespace velmora
