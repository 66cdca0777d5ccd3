#include "birth/ZoneTable.h"

namespace velmora {

// The list's entries in list order. The text is what the list shows; the two
// numbers are what must be added to local clock time to reach Universal Time
// (the text prints the opposite, east-positive offset, and ".3" means half an hour).
const std::array<ZoneEntry, kZoneItems> kZoneTable = {{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0},
    {"Alaska/Hawaii War Time,AHWT,-9.0", 9, 0},
    {"Atlantic Standard Time,AST,-4.0", 4, 0},
    {"Atlantic War Time,AWT,-3.0", 3, 0},
    {"Australian Central Daylight Time,ACDT,+10.5", -10, -30},
    {"Australian Central Standard Time,ACST,+9.5", -9, -30},
    {"Australian Eastern Daylight Time,AEDT,+11.0", -11, 0},
    {"Australian Eastern Standard Time,AEST,+10.0", -10, 0},
    {"Australian Western Daylight Time,AWDT,+9.0", -9, 0},
    {"Australian Western Standard Time,AWST,+8.0", -8, 0},
    {"Azores Time, AT, -2.0", 2, 0},
    {"Baghdad Time, BAT, +3.0", -3, 0},
    {"Bering Standard Time,BET,-11.0", 11, 0},
    {"Brazil Zone 2,BZT2,-3.0", 3, 0},
    {"British Double Summer Time,BDST,+2.0", -2, 0},
    {"British Summer Time,BST,+1.0", -1, 0},
    {"British War Time,BWT,+2.0", -2, 0},
    {"Central Daylight Time,CDT,-5.0", 5, 0},
    {"Central European Daylight,CED,+2.0", -2, 0},
    {"Central European Time,CET,+1.0", -1, 0},
    {"Central Standard Time,CST,-6.0", 6, 0},
    {"Central War Time,CWT,-5.0", 5, 0},
    {"China Coast Time,CCT,+8.0", -8, 0},
    {"Eastern Daylight Time,EDT,-4.0", 4, 0},
    {"Eastern European Daylight Time,EED,+3.0", -3, 0},
    {"Eastern European Time,EET,+2.0", -2, 0},
    {"Eastern Standard Time,EST,-5.0", 5, 0},
    {"Eastern War Time,EWT,-4.0", 4, 0},
    {"Greenwich Mean Time,GMT,0.0", 0, 0},
    {"Guam Standard Time,GST,+10.0", -10, 0},
    {"Hawaiian Daylight Time,HDT,-9.5", 9, 30},
    {"Hawaiian Standard Time,HST,-10.5", 10, 30},
    {"Hawaiian War Time,HWT,-9.5", 9, 30},
    {"Indian Time, IST, +5.3", -5, -30},
    {"Int'l Date Line East,IDLE,+12.0", -12, 0},
    {"Int'l Date Line West,IDLW,-12.0", 12, 0},
    {"Iran Time, IT, +3.5", -3, -30},
    {"Japan Standard Time,JST,+9.0", -9, 0},
    {"Java Time, JT, +7.5", -7, -30},
    {"Middle European Daylight Time,MED,+2.0", -2, 0},
    {"Middle European Time,MET,+1.0", -1, 0},
    {"Moluccas Time, MT, +8.5", -8, -30},
    {"Mountain Daylight Time,MDT,-6.0", 6, 0},
    {"Mountain Standard Time,MST,-7.0", 7, 0},
    {"Mountain War Time,MWT,-6.0", 6, 0},
    {"New Zealand Std Summer Time,NZST,+13.0", -13, 0},
    {"New Zealand Std Time,NZT,+12.0", -12, 0},
    {"New Zealand Summer Time,NZS,+12.5", -12, -30},
    {"New Zealand Time,NZ,+11.5", -11, -30},
    {"Newfoundland Standard Time,NST,-3.5", 3, 30},
    {"Nome Time, NT, -11.0", 11, 0},
    {"North Sumatra Time,NST,+6.5", -6, -30},
    {"Pacific Daylight Time,PDT,-7.0", 7, 0},
    {"Pacific Standard Time,PST,-8.0", 8, 0},
    {"Pacific War Time,PWT,-7.0", 7, 0},
    {"South Australia Daylight Time,SAD,+10.5", -10, -30},
    {"South Australia Daylight Time,SDT,+10.5", -10, -30},
    {"South Australia Standard Time,SAST,+9.5", -9, -30},
    {"South Australia Standard Time,SAT,+9.5", -9, -30},
    {"South Sumatra Time,SST,+7.0", -7, 0},
    {"Universal Time, UT, 0.0", 0, 0},
    {"USSR Zone 10,UZ10,+11.0", -11, 0},
    {"USSR Zone 3,USZ3,+4.0", -4, 0},
    {"USSR Zone 4,USZ4,+5.0", -5, 0},
    {"USSR Zone 5,USZ5,+6.0", -6, 0},
    {"USSR Zone 6,USZ6,+7.0", -7, 0},
    {"West Africa Time,WAT,-1.0", 1, 0},
    {"Yukon Daylight Time,YDT,-8.0", 8, 0},
    {"Yukon Standard Time,YST,-9.0", 9, 0},
    {"Yukon War Time,YWT,-8.0", 8, 0},
}};

void Zone_Calculation(int position, ZoneOffset& offset) {
    if (position < 0 || position >= kZoneItems) return;  // keep the offset in force
    const ZoneEntry& entry = kZoneTable[static_cast<std::size_t>(position)];
    offset.ZoneOffsetHours = entry.ZoneOffsetHours;
    offset.ZoneOffsetMinutes = entry.ZoneOffsetMinutes;
}

int ZoneEntryForStandardOffset(int offsetSeconds, std::string_view abbreviation) {
    if (offsetSeconds % 60 != 0) return -1;
    const int minutesWest = -offsetSeconds / 60;
    int plain = -1, any = -1;
    for (int p = 0; p < kZoneItems; ++p) {
        const ZoneEntry& entry = kZoneTable[static_cast<std::size_t>(p)];
        if (entry.ZoneOffsetHours * 60 + entry.ZoneOffsetMinutes != minutesWest) continue;
        if (!abbreviation.empty() && ZoneAbbreviation(entry) == abbreviation) return p;
        const std::string_view name = entry.DisplayText;
        const bool shifted = name.find("Daylight") != std::string_view::npos ||
                             name.find("Summer") != std::string_view::npos || name.find("War") != std::string_view::npos;
        if (!shifted && plain < 0) plain = p;
        if (any < 0) any = p;
    }
    return plain >= 0 ? plain : any;
}

ClassicZone ClassicZoneForMoment(const ZoneMoment& moment) {
    constexpr int kBoxSeconds = 3600;  // what the engine adds for the daylight-saving box
    ClassicZone zone;
    if (moment.DaylightSaving && moment.OffsetSeconds - moment.StandardOffsetSeconds == kBoxSeconds) {
        zone.ListedOffsetSeconds = moment.StandardOffsetSeconds;
        zone.DaylightSaving = true;
        zone.Entry = ZoneEntryForStandardOffset(zone.ListedOffsetSeconds, {});
    } else {
        zone.ListedOffsetSeconds = moment.OffsetSeconds;
        zone.StandardOffset = !moment.DaylightSaving;
        zone.Entry = ZoneEntryForStandardOffset(
            zone.ListedOffsetSeconds, moment.DaylightSaving ? std::string_view() : std::string_view(moment.Abbreviation));
    }
    return zone;
}

std::string_view ZoneAbbreviation(const ZoneEntry& entry) {
    // Name, abbreviation and offset are separated by commas, some with a space after.
    std::string_view text = entry.DisplayText;
    const auto first = text.find(',');
    if (first == std::string_view::npos) return {};
    const auto second = text.find(',', first + 1);
    if (second == std::string_view::npos) return {};
    std::string_view field = text.substr(first + 1, second - first - 1);
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    return field;
}

}  // namespace velmora
