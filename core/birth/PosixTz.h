#pragma once
// The rule a compiled zone file (TZif, RFC 8536) ends with, for the years
// after its last listed transition: a POSIX TZ string such as
// "EST5EDT,M3.2.0,M11.1.0" or "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0".
// Parsed and evaluated here: the standard and daylight-saving offsets and
// names, and the two yearly change-overs (Mm.w.d, Jn or n, each with an
// optional time that may be negative or beyond 24 hours, as RFC 8536 allows).

#include <date/tz.h>

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct PosixTzDate {
    enum class Kind { MonthWeekDay, JulianNoLeap, ZeroBasedDay };
    Kind kind = Kind::MonthWeekDay;
    int month = 0;        // Mm.w.d: 1-12
    int week = 0;         //         1-5 (5: the last such weekday of the month)
    int weekday = 0;      //         0 (Sunday) - 6
    int day = 0;          // Jn: 1-365, 29 February never counted; n: 0-365
    int timeSeconds = 2 * 3600;  // local time of the change, -167 h to +167 h
};

struct PosixTz {
    std::string standardName;   // "CET", "+1030"
    int standardOffset = 0;     // seconds east of Greenwich (the string writes west as positive)
    bool hasDaylightSaving = false;
    std::string daylightName;
    int daylightOffset = 0;
    PosixTzDate start, end;     // daylight saving begins at `start` (standard time), ends at `end` (daylight time)
};

// Nothing when `text` is not a TZ string of that form (a daylight-saving
// name without its rule included: the zone files always give the rule).
std::optional<PosixTz> ParsePosixTz(std::string_view text);

// The period in force at a moment: offset, daylight saving (save) and
// abbreviation, with the change-overs around it as begin and end.
date::sys_info PosixTzPeriod(const PosixTz& tz, date::sys_seconds when);

// A local clock time as the rule reads it: shown once, skipped (first: the
// period before the change, second: after) or shown twice (first: the
// earlier).
date::local_info PosixTzLocal(const PosixTz& tz, date::local_seconds when);

// The rule at the end of a compiled zone file's contents; nothing for a
// version 1 file, a file without a rule or one that is not a zone file.
std::optional<std::string> TzifFooter(std::string_view contents);

}  // namespace velmora
