#include "entry/ZoneHistory.h"

#include <date/tz.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "engine/Quoted.h"

namespace velmora {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                      "July",    "August",   "September", "October", "November", "December"};

std::string TwoDigits(int n) { return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10); }

std::string ClockText(const LocalClock& c) {
    std::string text = std::to_string(c.Year) + "-" + TwoDigits(c.Month) + "-" + TwoDigits(c.Day) + " " +
                       TwoDigits(c.Hour) + ":" + TwoDigits(c.Minute);
    if (c.Second != 0) {
        text += ':';
        text += TwoDigits(c.Second);
    }
    return text;
}

std::string HourMinute(const date::local_seconds& t) {
    const auto day = date::floor<date::days>(t);
    const date::hh_mm_ss<std::chrono::seconds> hms{t - day};
    return TwoDigits(static_cast<int>(hms.hours().count())) + ":" + TwoDigits(static_cast<int>(hms.minutes().count()));
}

// The system's compiled zone files say whether a period is daylight saving
// but not by how much, so the standard offset is that of the nearest period
// before it that was not.
ZoneMoment MomentOf(const date::time_zone& zone, std::string_view zoneId, const date::sys_info& info) {
    ZoneMoment m;
    m.ZoneId = std::string(zoneId);
    m.OffsetSeconds = static_cast<int>(info.offset.count());
    m.DaylightSaving = info.save != std::chrono::minutes{0};
    m.StandardOffsetSeconds = m.OffsetSeconds;
    m.Abbreviation = info.abbrev;
    date::sys_info period = info;
    for (int step = 0; m.DaylightSaving && step < 16; ++step) {
        period = zone.get_info(period.begin - std::chrono::seconds{1});
        if (period.save == std::chrono::minutes{0}) {
            m.StandardOffsetSeconds = static_cast<int>(period.offset.count());
            break;
        }
    }
    return m;
}

std::string Named(const ZoneMoment& m) {
    return "UTC" + UtcOffsetText(m.OffsetSeconds) + (m.DaylightSaving ? " (daylight saving)" : "");
}

}  // namespace

int ZoneMoment::OffsetMinutes() const {
    const int minutes = OffsetSeconds / 60;
    const int rest = OffsetSeconds % 60;
    // To the nearest minute, halves away from zero.
    if (rest >= 30) return minutes + 1;
    if (rest <= -30) return minutes - 1;
    return minutes;
}

std::string UtcOffsetText(int seconds) {
    std::string text = seconds < 0 ? "-" : "+";
    const int s = std::abs(seconds);
    text += TwoDigits(s / 3600) + ":" + TwoDigits(s / 60 % 60);
    if (s % 60 != 0) {
        text += ':';
        text += TwoDigits(s % 60);
    }
    return text;
}

namespace {

// A zone file the library cannot read makes it throw from any call.
ZoneLookup LookUpZoneUnguarded(std::string_view zoneId, const LocalClock& clock, RepeatedHour repeated) {
    ZoneLookup result;
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(zoneId);
    } catch (const std::exception&) {
        result.Message = "time zone: no zone is named " + Quoted(zoneId) +
                         " in the time-zone database (give an id such as Asia/Kolkata or Europe/London)";
        return result;
    }
    const date::year_month_day ymd{date::year{clock.Year}, date::month{static_cast<unsigned>(clock.Month)},
                                   date::day{static_cast<unsigned>(clock.Day)}};
    if (!ymd.ok()) {
        result.Message = "time zone: " + ClockText(clock) + " is not a date";
        return result;
    }
    const date::local_seconds local = date::local_days{ymd} + std::chrono::hours{clock.Hour} +
                                      std::chrono::minutes{clock.Minute} + std::chrono::seconds{clock.Second};
    const date::local_info info = zone->get_info(local);
    switch (info.result) {
    case date::local_info::unique:
        result.Found = true;
        result.Moment = MomentOf(*zone, zoneId, info.first);
        return result;
    case date::local_info::nonexistent: {
        const ZoneMoment before = MomentOf(*zone, zoneId, info.first), after = MomentOf(*zone, zoneId, info.second);
        const date::local_seconds from{info.second.begin.time_since_epoch() + info.first.offset};
        const date::local_seconds to{info.second.begin.time_since_epoch() + info.second.offset};
        result.Message = ClockText(clock) + " did not exist in " + std::string(zoneId) + ": the clocks went from " +
                         HourMinute(from) + " (" + Named(before) + ") straight to " + HourMinute(to) + " (" +
                         Named(after) + ")";
        return result;
    }
    case date::local_info::ambiguous: {
        const ZoneMoment first = MomentOf(*zone, zoneId, info.first), second = MomentOf(*zone, zoneId, info.second);
        if (repeated == RepeatedHour::Unresolved) {
            result.Message = ClockText(clock) + " happened twice in " + std::string(zoneId) + ": first at " +
                             Named(first) + ", then at " + Named(second) + "; say which (earlier or later)";
            result.Repeated = true;
            return result;
        }
        result.Found = true;
        result.Moment = repeated == RepeatedHour::Earlier ? first : second;
        return result;
    }
    }
    result.Message = "time zone: the database gave no answer";
    return result;
}

}  // namespace

ZoneLookup LookUpZone(std::string_view zoneId, const LocalClock& clock, RepeatedHour repeated) {
    try {
        return LookUpZoneUnguarded(zoneId, clock, repeated);
    } catch (const std::exception& e) {
        ZoneLookup result;
        result.Message = "time zone: cannot read the time-zone database's entry for " + Quoted(zoneId) + " (" +
                         VisibleText(e.what()) + ")";
        return result;
    }
}

std::string LongDateText(const LocalClock& c) {
    return std::to_string(c.Day) + " " + std::string(kMonths[static_cast<std::size_t>(c.Month - 1) % 12]) + " " +
           std::to_string(c.Year);
}

std::string DescribeZoneMoment(const ZoneMoment& m, const LocalClock& c) {
    std::string text = m.ZoneId + ": UTC" + UtcOffsetText(m.OffsetSeconds);
    if (m.DaylightSaving) text += ", daylight saving";
    text += " on " + LongDateText(c) + " at " + TwoDigits(c.Hour) + ":" + TwoDigits(c.Minute);
    return text;
}

}  // namespace velmora
