#include "birth/PosixTz.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace velmora {

namespace {

using std::chrono::seconds;

// Reads `text` from the front as the grammar goes.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }
    // Up to `maxDigits` decimal digits, at least one.
    std::optional<int> Number(std::size_t maxDigits) {
        int value = 0;
        std::size_t digits = 0;
        while (digits < maxDigits && Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }
    // "CET", or "<+1030>" with the brackets taken off: three characters at least.
    std::optional<std::string> Name() {
        std::string name;
        if (Take('<')) {
            while (!AtEnd() && Peek() != '>') {
                const char c = text_[pos_++];
                const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                     c == '+' || c == '-';
                if (!allowed) return std::nullopt;
                name += c;
            }
            if (!Take('>')) return std::nullopt;
        } else {
            while ((Peek() >= 'A' && Peek() <= 'Z') || (Peek() >= 'a' && Peek() <= 'z')) name += text_[pos_++];
        }
        if (name.size() < 3) return std::nullopt;
        return name;
    }
    // [+|-]hh[:mm[:ss]] in seconds, hours up to `maxHours`.
    std::optional<int> Duration(int maxHours) {
        int sign = 1;
        if (Take('-')) {
            sign = -1;
        } else {
            Take('+');
        }
        const std::optional<int> hours = Number(3);
        if (!hours || *hours > maxHours) return std::nullopt;
        int total = *hours * 3600;
        for (int unit : {60, 1}) {
            if (!Take(':')) break;
            const std::optional<int> part = Number(2);
            if (!part || *part > 59) return std::nullopt;
            total += *part * unit;
        }
        return sign * total;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

constexpr int kMaxOffsetHours = 24;
constexpr int kMaxRuleHours = 167;  // RFC 8536's extension of the POSIX 24

std::optional<PosixTzDate> RuleDate(Reader& in) {
    PosixTzDate d;
    if (in.Take('M')) {
        d.kind = PosixTzDate::Kind::MonthWeekDay;
        const std::optional<int> month = in.Number(2);
        if (!month || *month < 1 || *month > 12 || !in.Take('.')) return std::nullopt;
        const std::optional<int> week = in.Number(1);
        if (!week || *week < 1 || *week > 5 || !in.Take('.')) return std::nullopt;
        const std::optional<int> weekday = in.Number(1);
        if (!weekday || *weekday > 6) return std::nullopt;
        d.month = *month;
        d.week = *week;
        d.weekday = *weekday;
    } else if (in.Take('J')) {
        d.kind = PosixTzDate::Kind::JulianNoLeap;
        const std::optional<int> day = in.Number(3);
        if (!day || *day < 1 || *day > 365) return std::nullopt;
        d.day = *day;
    } else {
        d.kind = PosixTzDate::Kind::ZeroBasedDay;
        const std::optional<int> day = in.Number(3);
        if (!day || *day > 365) return std::nullopt;
        d.day = *day;
    }
    if (in.Take('/')) {
        const std::optional<int> time = in.Duration(kMaxRuleHours);
        if (!time) return std::nullopt;
        d.timeSeconds = *time;
    }
    return d;
}

date::sys_days DayOf(const PosixTzDate& d, int year) {
    const date::year y{year};
    switch (d.kind) {
    case PosixTzDate::Kind::MonthWeekDay: {
        const date::month m{static_cast<unsigned>(d.month)};
        const date::weekday wd{static_cast<unsigned>(d.weekday)};
        if (d.week == 5) return date::sys_days{date::year_month_weekday_last{y, m, date::weekday_last{wd}}};
        return date::sys_days{date::year_month_weekday{y, m, wd[static_cast<unsigned>(d.week)]}};
    }
    case PosixTzDate::Kind::JulianNoLeap: {
        const int leapDay = y.is_leap() && d.day >= 60 ? 1 : 0;
        return date::sys_days{y / date::January / 1} + date::days{d.day - 1 + leapDay};
    }
    case PosixTzDate::Kind::ZeroBasedDay:
        break;
    }
    return date::sys_days{y / date::January / 1} + date::days{d.day};
}

struct Change {
    date::sys_seconds at;
    bool toDaylight;
};

// The change-overs of the years around `when`: a change may lie up to a week
// outside its own year.
std::array<Change, 6> ChangesAround(const PosixTz& tz, date::sys_seconds when) {
    const int year = static_cast<int>(date::year_month_day{date::floor<date::days>(when)}.year());
    std::array<Change, 6> changes{};
    std::size_t n = 0;
    for (int y = year - 1; y <= year + 1; ++y) {
        changes[n++] = {date::sys_seconds{DayOf(tz.start, y)} + seconds{tz.start.timeSeconds - tz.standardOffset},
                        true};
        changes[n++] = {date::sys_seconds{DayOf(tz.end, y)} + seconds{tz.end.timeSeconds - tz.daylightOffset}, false};
    }
    // At the same instant the end comes first: a rule whose daylight saving
    // ends as the next one begins ("0/0,J365/25") has it all year.
    std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.at != b.at ? a.at < b.at : (!a.toDaylight && b.toDaylight);
    });
    return changes;
}

date::sys_info Period(const PosixTz& tz, bool daylight, date::sys_seconds begin, date::sys_seconds end) {
    date::sys_info info;
    info.begin = begin;
    info.end = end;
    info.offset = seconds{daylight ? tz.daylightOffset : tz.standardOffset};
    info.save = daylight ? date::floor<std::chrono::minutes>(seconds{tz.daylightOffset - tz.standardOffset})
                         : std::chrono::minutes{0};
    info.abbrev = daylight ? tz.daylightName : tz.standardName;
    return info;
}

struct State {
    bool daylight;
    date::sys_seconds begin, end;
};

State StateAt(const PosixTz& tz, date::sys_seconds when) {
    if (!tz.hasDaylightSaving) return {false, date::sys_seconds::min(), date::sys_seconds::max()};
    const std::array<Change, 6> changes = ChangesAround(tz, when);
    const auto next = std::upper_bound(changes.begin(), changes.end(), when,
                                       [](date::sys_seconds t, const Change& c) { return t < c.at; });
    const date::sys_seconds end = next == changes.end() ? date::sys_seconds::max() : next->at;
    if (next == changes.begin()) return {!next->toDaylight, date::sys_seconds::min(), end};
    const Change& last = *(next - 1);
    return {last.toDaylight, last.at, end};
}

std::uint64_t BigEndian32(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

constexpr std::size_t kTzifHeader = 44;

// The size of the data block after a header at `at`, with times of `timeSize` bytes.
std::optional<std::uint64_t> TzifBlock(std::string_view bytes, std::size_t at, std::uint64_t timeSize) {
    if (bytes.size() < at + kTzifHeader || bytes.substr(at, 4) != "TZif") return std::nullopt;
    const std::uint64_t isUtc = BigEndian32(bytes, at + 20), isStd = BigEndian32(bytes, at + 24),
                        leaps = BigEndian32(bytes, at + 28), times = BigEndian32(bytes, at + 32),
                        types = BigEndian32(bytes, at + 36), chars = BigEndian32(bytes, at + 40);
    return times * timeSize + times + types * 6 + chars + leaps * (timeSize + 4) + isStd + isUtc;
}

}  // namespace

std::optional<PosixTz> ParsePosixTz(std::string_view text) {
    Reader in(text);
    PosixTz tz;
    std::optional<std::string> name = in.Name();
    std::optional<int> offset = in.Duration(kMaxOffsetHours);
    if (!name || !offset) return std::nullopt;
    tz.standardName = *name;
    tz.standardOffset = -*offset;
    if (in.AtEnd()) return tz;

    if (!(name = in.Name())) return std::nullopt;
    tz.hasDaylightSaving = true;
    tz.daylightName = *name;
    tz.daylightOffset = tz.standardOffset + 3600;
    if (in.Peek() != ',') {
        if (!(offset = in.Duration(kMaxOffsetHours))) return std::nullopt;
        tz.daylightOffset = -*offset;
    }
    if (!in.Take(',')) return std::nullopt;
    std::optional<PosixTzDate> start = RuleDate(in);
    if (!start || !in.Take(',')) return std::nullopt;
    std::optional<PosixTzDate> end = RuleDate(in);
    if (!end || !in.AtEnd()) return std::nullopt;
    tz.start = *start;
    tz.end = *end;
    return tz;
}

date::sys_info PosixTzPeriod(const PosixTz& tz, date::sys_seconds when) {
    const State state = StateAt(tz, when);
    return Period(tz, state.daylight, state.begin, state.end);
}

date::local_info PosixTzLocal(const PosixTz& tz, date::local_seconds when) {
    date::local_info info;
    const date::sys_seconds asStandard{when.time_since_epoch() - seconds{tz.standardOffset}};
    if (!tz.hasDaylightSaving) {
        info.result = date::local_info::unique;
        info.first = PosixTzPeriod(tz, asStandard);
        return info;
    }
    const date::sys_seconds asDaylight{when.time_since_epoch() - seconds{tz.daylightOffset}};
    const bool standardHolds = !StateAt(tz, asStandard).daylight;
    const bool daylightHolds = StateAt(tz, asDaylight).daylight;
    if (standardHolds && daylightHolds) {
        info.result = date::local_info::ambiguous;
        const bool daylightFirst = asDaylight < asStandard;
        info.first = PosixTzPeriod(tz, daylightFirst ? asDaylight : asStandard);
        info.second = PosixTzPeriod(tz, daylightFirst ? asStandard : asDaylight);
    } else if (standardHolds || daylightHolds) {
        info.result = date::local_info::unique;
        info.first = PosixTzPeriod(tz, standardHolds ? asStandard : asDaylight);
    } else {
        info.result = date::local_info::nonexistent;
        const date::sys_seconds change = PosixTzPeriod(tz, std::max(asStandard, asDaylight)).begin;
        info.first = PosixTzPeriod(tz, change - seconds{1});
        info.second = PosixTzPeriod(tz, change);
    }
    return info;
}

std::optional<std::string> TzifFooter(std::string_view contents) {
    const std::optional<std::uint64_t> first = TzifBlock(contents, 0, 4);
    if (!first || contents[4] < '2') return std::nullopt;
    const std::uint64_t second = kTzifHeader + *first;
    if (second > contents.size()) return std::nullopt;
    const std::optional<std::uint64_t> block = TzifBlock(contents, static_cast<std::size_t>(second), 8);
    if (!block) return std::nullopt;
    const std::uint64_t footer = second + kTzifHeader + *block;
    if (footer >= contents.size() || contents[static_cast<std::size_t>(footer)] != '\n') return std::nullopt;
    const std::size_t from = static_cast<std::size_t>(footer) + 1;
    const std::size_t to = contents.find('\n', from);
    if (to == std::string_view::npos || to == from) return std::nullopt;
    return std::string(contents.substr(from, to - from));
}

}  // namespace velmora
