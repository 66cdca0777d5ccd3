#pragma once
// The clock's offset from Universal Time at a local date and time, from the
// system's time-zone database (tzdata): the zone's history as it was at the
// birth, not today's rules; after the last change a zone file lists (2037),
// the rule at the file's end. A local time the clocks skipped has no offset;
// a time they showed twice needs a choice between the two.

#include <string>
#include <string_view>

#include "birth/LocalClock.h"

namespace velmora {

enum class RepeatedHour { Unresolved, Earlier, Later };

struct ZoneMoment {
    std::string ZoneId;        // "Asia/Kolkata"
    int OffsetSeconds = 0;          // local clock minus Universal Time, daylight saving included
    int StandardOffsetSeconds = 0;  // the zone's offset without daylight saving at that time
    // Summer or war time was in force: the clocks were ahead of standard
    // time. A winter time the database counts as negative daylight saving
    // (Europe/Dublin) is read the conventional way round: the winter is
    // standard time and the summer daylight saving.
    bool DaylightSaving = false;
    std::string Abbreviation;       // "IST", "+0630", "BST"
    // To the nearest minute (+5:21:10 gives +5:21).
    int OffsetMinutes() const;
};

// Why a zone gave no offset for a clock, as facts for saying it in another
// language (ZoneLookup::Message says it in English).
enum class ZoneProblem {
    None,
    UnknownZone,  // no zone of that name
    Skipped,      // the clocks jumped over the time (Before, After; From, To)
    Repeated,     // the clocks showed the time twice (Before, After)
    Other,        // an unreadable entry, a date that is none: the Message only
};

struct ZoneLookup {
    bool Found = false;
    ZoneMoment Moment;
    std::string Message;  // why not: unknown zone, skipped or repeated time
    bool Repeated = false;  // the time was shown twice and no choice was given
    ZoneProblem Problem = ZoneProblem::None;
    std::string ZoneId;      // as asked
    std::string ClockText;   // the clock as asked, "1985-03-31 02:30"
    // Skipped: the periods before and after the jump and the clocks' readings
    // at it ("02:00" to "03:00"). Repeated: the first and the second reading.
    ZoneMoment Before, After;
    std::string From, To;
};

// "UTC+01:00", or "UTC+02:00 (daylight saving)": a period as the lookup's
// messages name it.
std::string PeriodName(const ZoneMoment& moment);

ZoneLookup LookUpZone(std::string_view zoneId, const LocalClock& clock,
                      RepeatedHour repeated = RepeatedHour::Unresolved);

// The zone's clock in force at a moment of Universal Time, given in seconds
// since 1970-01-01 00:00 UT, and the first second of the period after it:
// for following the clock through a stretch of time, where the offset of
// each moment is its own (no choice between two readings is needed).
struct ZonePeriod {
    bool Found = false;
    ZoneMoment Moment;
    std::string Message;             // why not
    long long UntilUnixSeconds = 0;  // where the next period begins
};
ZonePeriod ZonePeriodAt(std::string_view zoneId, long long unixSeconds);

// "+06:30", "-04:00", "+05:21:10" (seconds only when there are any).
std::string UtcOffsetText(int seconds);

// "Kolkata" of "Asia/Kolkata", "Buenos Aires" of "America/Argentina/Buenos_Aires".
std::string ZoneCity(std::string_view zoneId);

// Whether a zone's abbreviation names a city's mean time ("HMT", "MMT"):
// one ending in "MT" other than Greenwich's and the local mean time's own
// "LMT", which the zone line says in its own words.
bool CityMeanTime(std::string_view abbreviation);

// "1 September 1942".
std::string LongDateText(const LocalClock& clock);

// The year from which the zone line stops naming the database's entry: before
// it, the offsets of most places are mean times (precise charts reach 1800).
inline constexpr int kMeanTimesBefore = 1901;

// "Asia/Kolkata: UTC+06:30, daylight saving on 1 September 1942 at 12:00";
// before 1901 with the entry's abbreviation and whose time it is:
// "Asia/Kolkata: UTC+05:53:20 (HMT) on 2 October 1869 at 12:00, as the tz
// database gives it before 1901: a city's mean time, not the birth place's".
std::string DescribeZoneMoment(const ZoneMoment& moment, const LocalClock& clock);

}  // namespace velmora
