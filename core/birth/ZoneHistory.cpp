#include "birth/ZoneHistory.h"

#include <date/tz.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <unordered_set>

#include "text/Quoted.h"
#include "birth/PosixTz.h"

namespace velmora {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                      "July",    "August",   "September", "October", "November", "December"};

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

// The directory date/tz reads the compiled zone files from: the system's,
// or its "uclibc" subfolder where that exists, as the library itself chooses.
std::filesystem::path ZoneFolder() {
    std::filesystem::path folder = "/usr/share/zoneinfo";
    if (std::error_code e; std::filesystem::exists(folder / "uclibc", e)) folder /= "uclibc";
    return folder;
}
constexpr std::uintmax_t kLargestZoneFile = 1 << 20;
// Zone files list their changes to 2037 (a few, such as Africa/Casablanca, to
// 2087); a period reaching past this year is the last one listed.
constexpr int kEndlessFrom = 3000;

// A zone name as the database writes it: "America/Argentina/Buenos_Aires",
// "Etc/GMT+5"; no empty, "." or ".." part, nothing that could leave the folder.
bool IsPlainZoneName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.back() == '/') return false;
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/') {
            const std::string_view part = name.substr(partStart, i - partStart);
            if (part.empty() || part == "." || part == "..") return false;
            partStart = i + 1;
            continue;
        }
        const char c = name[i];
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                             c == '_' || c == '-' || c == '+' || c == '.';
        if (!allowed) return false;
    }
    return true;
}

// The rule a zone's compiled file ends with, which governs the years after
// its last listed change (date/tz keeps the last period for ever instead).
// Only a file inside the zone database, of a zone date/tz already found.
std::optional<PosixTz> FooterRule(const date::time_zone& zone) {
    const std::string name = zone.name();
    if (!IsPlainZoneName(name)) return std::nullopt;
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = fs::canonical(ZoneFolder(), error);
    if (error) return std::nullopt;
    const fs::path file = fs::canonical(folder / name, error);
    if (error || !fs::is_regular_file(file, error)) return std::nullopt;
    const auto [inFolder, rest] = std::mismatch(folder.begin(), folder.end(), file.begin(), file.end());
    if (inFolder != folder.end() || rest == file.end()) return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > kLargestZoneFile) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::optional<std::string> footer = TzifFooter(contents);
    if (!footer) return std::nullopt;
    return ParsePosixTz(*footer);
}

// Where the database counts a winter time behind the standard offset
// (negative daylight saving: Ireland since 1971, Namibia 1994-2017,
// Czechoslovakia in the winter of 1946/47), the period at the higher offset
// between two such winters, which the database calls standard: the winters'
// offset; nothing for any other period. A summer that only begins or only
// ends such a run of winters stays standard time (Ireland 1968-71, Namibia
// 1990-94 and from 2017 on, as the database's rearguard form has them).
std::optional<int> WinterBehind(const date::time_zone& zone, const date::sys_info& period) {
    constexpr date::sys_seconds kFirst = date::sys_days{date::year{-32000} / 1 / 1};
    constexpr date::sys_seconds kLast = date::sys_days{date::year{32000} / 1 / 1};
    if (period.save != std::chrono::minutes{0} || period.begin <= kFirst || period.end >= kLast) return std::nullopt;
    const date::sys_info before = zone.get_info(period.begin - std::chrono::seconds{1});
    const date::sys_info after = zone.get_info(period.end);
    const auto behind = [&](const date::sys_info& winter) {
        return winter.save != std::chrono::minutes{0} && winter.offset < period.offset;
    };
    if (!behind(before) || !behind(after)) return std::nullopt;
    return static_cast<int>(before.offset.count());
}

// The system's compiled zone files say whether a period is daylight saving
// but not by how much, so the standard offset is that of the nearest period
// before it that was not; the rule at the file's end says it outright.
// Daylight saving is the part of the year when the clocks are ahead: a
// winter time the database counts behind the standard offset is read the
// other way round, as its rearguard form writes it (the winter offset is
// standard time and the summer's is daylight saving), so that the words, the
// zone-list entry and its box say what a person there would say.
ZoneMoment MomentOf(const date::time_zone& zone, std::string_view zoneId, const date::sys_info& info,
                    const std::optional<PosixTz>& rule) {
    ZoneMoment m;
    m.ZoneId = std::string(zoneId);
    m.OffsetSeconds = static_cast<int>(info.offset.count());
    m.DaylightSaving = info.save != std::chrono::minutes{0};
    m.StandardOffsetSeconds = m.OffsetSeconds;
    m.Abbreviation = info.abbrev;
    if (rule) {
        m.StandardOffsetSeconds = rule->standardOffset;
        if (rule->hasDaylightSaving && rule->daylightOffset < rule->standardOffset) {
            m.StandardOffsetSeconds = rule->daylightOffset;
            m.DaylightSaving = !m.DaylightSaving;
        }
        return m;
    }
    if (!m.DaylightSaving) {
        if (const std::optional<int> winter = WinterBehind(zone, info)) {
            m.DaylightSaving = true;
            m.StandardOffsetSeconds = *winter;
        }
        return m;
    }
    date::sys_info period = info;
    for (int step = 0; step < 16; ++step) {
        period = zone.get_info(period.begin - std::chrono::seconds{1});
        if (period.save == std::chrono::minutes{0}) {
            m.StandardOffsetSeconds = static_cast<int>(period.offset.count());
            break;
        }
    }
    if (m.StandardOffsetSeconds > m.OffsetSeconds) {  // a winter time behind the standard one
        m.DaylightSaving = false;
        m.StandardOffsetSeconds = m.OffsetSeconds;
    }
    return m;
}

}  // namespace

bool CityMeanTime(std::string_view abbreviation) {
    return abbreviation != "GMT" && abbreviation != "LMT" && abbreviation.size() > 2 &&
           abbreviation.substr(abbreviation.size() - 2) == "MT";
}

std::string ZoneCity(std::string_view zoneId) {
    std::string city(zoneId.substr(zoneId.rfind('/') == std::string_view::npos ? 0 : zoneId.rfind('/') + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

namespace {


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

// The date library asserts, and so aborts, on a zone file whose headers are
// not those of TZif (RFC 8536 section 3.1: "TZif", a version, six counts,
// and from version 2 on a second header after the version 1 data); what
// comes after the headers it reads with exceptions. The file is where the
// library looks for it (its build for Debian reads the system's zone files).
bool ZoneFileHeadersSound(std::string_view zoneId) {
    std::ifstream file(ZoneFolder() / zoneId, std::ios::binary);
    if (!file) return true;  // a zone the library knows otherwise
    const auto header = [&file](std::uint64_t at, char& version, std::uint64_t& dataBytes) {
        std::array<unsigned char, 44> h{};
        if (!file.seekg(static_cast<std::streamoff>(at)) || !file.read(reinterpret_cast<char*>(h.data()), h.size()))
            return false;
        if (h[0] != 'T' || h[1] != 'Z' || h[2] != 'i' || h[3] != 'f') return false;
        version = static_cast<char>(h[4]);
        std::array<std::uint64_t, 6> count{};  // isut, isstd, leap, time, type, char
        for (std::size_t i = 0; i < count.size(); ++i)
            for (std::size_t b = 0; b < 4; ++b) count[i] = count[i] << 8 | h[20 + 4 * i + b];
        dataBytes = count[3] * 5 + count[4] * 6 + count[5] + count[2] * 8 + count[1] + count[0];
        return version == 0 || (version >= '2' && version <= '4');
    };
    char version = 0, second = 0;
    std::uint64_t dataBytes = 0, ignored = 0;
    if (!header(0, version, dataBytes)) return false;
    return version == 0 || (header(44 + dataBytes, second, ignored) && second == version);
}

// The library reads a zone's file once, at its first use of the zone, and
// keeps what it read for the rest of the process; so the headers need
// checking only until they have been found sound once. Remembering that
// keeps a file's opening and reading off every later look-up (a batch of
// lines in one zone read its file once a line, half of a line's time).
bool ZoneFileHeaderChecked(const date::time_zone& zone) {
    static std::mutex guard;
    static std::unordered_set<const date::time_zone*> sound;
    const std::lock_guard lock(guard);
    if (sound.contains(&zone)) return true;
    if (!ZoneFileHeadersSound(zone.name())) return false;
    sound.insert(&zone);
    return true;
}

// A zone file the library cannot read makes it throw from any call.
ZoneLookup LookUpZoneUnguarded(std::string_view zoneId, const LocalClock& clock, RepeatedHour repeated) {
    ZoneLookup result;
    result.ZoneId = zoneId;
    result.ClockText = ClockText(clock);
    // Whatever stops the lookup below that is not named here.
    result.Problem = ZoneProblem::Other;
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(zoneId);
    } catch (const std::exception&) {
        result.Problem = ZoneProblem::UnknownZone;
        result.Message = "time zone: no zone is named " + Quoted(zoneId) +
                         " in the time-zone database (give an id such as Asia/Kolkata or Europe/London)";
        return result;
    }
    if (!ZoneFileHeaderChecked(*zone)) throw std::runtime_error("its file is not a TZif file");
    const date::year_month_day ymd{date::year{clock.Year}, date::month{static_cast<unsigned>(clock.Month)},
                                   date::day{static_cast<unsigned>(clock.Day)}};
    if (!ymd.ok()) {
        result.Message = "time zone: " + ClockText(clock) + " is not a date";
        return result;
    }
    const date::local_seconds local = date::local_days{ymd} + std::chrono::hours{clock.Hour} +
                                      std::chrono::minutes{clock.Minute} + std::chrono::seconds{clock.Second};
    // Past the file's last change (every candidate instant lies after a
    // moment a day earlier than the clock read as Universal Time), the
    // file's closing rule decides. date/tz ends the last period far beyond
    // any listed change (in the year 32767).
    std::optional<PosixTz> rule;
    const date::sys_seconds dayBefore{local.time_since_epoch() - std::chrono::hours{24}};
    if (zone->get_info(dayBefore).end >= date::sys_days{date::year{kEndlessFrom} / 1 / 1}) rule = FooterRule(*zone);
    const date::local_info info = rule ? PosixTzLocal(*rule, local) : zone->get_info(local);
    switch (info.result) {
    case date::local_info::unique:
        result.Found = true;
        result.Problem = ZoneProblem::None;
        result.Moment = MomentOf(*zone, zoneId, info.first, rule);
        return result;
    case date::local_info::nonexistent: {
        const ZoneMoment before = MomentOf(*zone, zoneId, info.first, rule);
        const ZoneMoment after = MomentOf(*zone, zoneId, info.second, rule);
        const date::local_seconds from{info.second.begin.time_since_epoch() + info.first.offset};
        const date::local_seconds to{info.second.begin.time_since_epoch() + info.second.offset};
        result.Problem = ZoneProblem::Skipped;
        result.Before = before;
        result.After = after;
        result.From = HourMinute(from);
        result.To = HourMinute(to);
        result.Message = result.ClockText + " did not exist in " + std::string(zoneId) + ": the clocks went from " +
                         result.From + " (" + PeriodName(before) + ") straight to " + result.To + " (" +
                         PeriodName(after) + ")";
        return result;
    }
    case date::local_info::ambiguous: {
        const ZoneMoment first = MomentOf(*zone, zoneId, info.first, rule);
        const ZoneMoment second = MomentOf(*zone, zoneId, info.second, rule);
        if (repeated == RepeatedHour::Unresolved) {
            result.Problem = ZoneProblem::Repeated;
            result.Before = first;
            result.After = second;
            result.Message = result.ClockText + " happened twice in " + std::string(zoneId) + ": first at " +
                             PeriodName(first) + ", then at " + PeriodName(second) + "; say which (earlier or later)";
            result.Repeated = true;
            return result;
        }
        result.Found = true;
        result.Problem = ZoneProblem::None;
        result.Moment = repeated == RepeatedHour::Earlier ? first : second;
        return result;
    }
    }
    result.Message = "time zone: the database gave no answer";
    return result;
}

}  // namespace

std::string PeriodName(const ZoneMoment& m) {
    return "UTC" + UtcOffsetText(m.OffsetSeconds) + (m.DaylightSaving ? " (daylight saving)" : "");
}

ZoneLookup LookUpZone(std::string_view zoneId, const LocalClock& clock, RepeatedHour repeated) {
    try {
        return LookUpZoneUnguarded(zoneId, clock, repeated);
    } catch (const std::exception& e) {
        ZoneLookup result;
        result.Problem = ZoneProblem::Other;
        result.ZoneId = zoneId;
        result.ClockText = ClockText(clock);
        result.Message = "time zone: cannot read the time-zone database's entry for " + Quoted(zoneId) + " (" +
                         VisibleText(e.what()) + ")";
        return result;
    }
}

ZonePeriod ZonePeriodAt(std::string_view zoneId, long long unixSeconds) {
    ZonePeriod result;
    try {
        const date::time_zone* zone = date::locate_zone(zoneId);
        if (!ZoneFileHeaderChecked(*zone)) throw std::runtime_error("its file is not a TZif file");
        const date::sys_seconds when{std::chrono::seconds{unixSeconds}};
        date::sys_info info = zone->get_info(when);
        // Past the file's last change its closing rule decides, as for a local clock.
        std::optional<PosixTz> rule;
        if (info.end >= date::sys_days{date::year{kEndlessFrom} / 1 / 1}) {
            rule = FooterRule(*zone);
            if (rule) info = PosixTzPeriod(*rule, when);
        }
        result.Found = true;
        result.Moment = MomentOf(*zone, zoneId, info, rule);
        result.UntilUnixSeconds = info.end.time_since_epoch().count();
    } catch (const std::exception& e) {
        result.Message = "time zone: cannot read the time-zone database's entry for " + Quoted(zoneId) + " (" +
                         VisibleText(e.what()) + ")";
    }
    return result;
}

std::string LongDateText(const LocalClock& c) {
    return std::to_string(c.Day) + " " + std::string(kMonths[static_cast<std::size_t>(c.Month - 1) % 12]) + " " +
           std::to_string(c.Year);
}

std::string DescribeZoneMoment(const ZoneMoment& m, const LocalClock& c) {
    std::string text = m.ZoneId + ": UTC" + UtcOffsetText(m.OffsetSeconds);
    if (m.DaylightSaving) text += ", daylight saving";
    // Before 1901 most places kept a mean time of their own; the database
    // gives the mean time of the zone's city (LMT) or of another city until
    // the zone's first standard time, and the line says which and whose.
    const bool early = c.Year < kMeanTimesBefore;
    if (early) text += " (" + m.Abbreviation + ")";
    text += " on " + LongDateText(c) + " at " + TwoDigits(c.Hour) + ":" + TwoDigits(c.Minute);
    if (early) {
        text += ", as the tz database gives it before " + std::to_string(kMeanTimesBefore);
        const std::string_view abbreviation = m.Abbreviation;
        if (abbreviation == "LMT") {
            text += ": the local mean time of " + ZoneCity(m.ZoneId) + ", not of the birth place";
        } else if (CityMeanTime(abbreviation)) {
            text += ": a city's mean time, not the birth place's";
        }
    }
    return text;
}

}  // namespace velmora
