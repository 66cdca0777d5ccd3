#include "analysis/Vimshottari.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "analysis/Nakshatra.h"

namespace velmora {

namespace {

int LordPosition(int lord) {
    for (int i = 0; i < 9; ++i)
        if (kVimshottariLords[static_cast<std::size_t>(i)] == lord) return i;
    return 0;
}

int YearsOf(int lord) { return kDashaYears[static_cast<std::size_t>(lord)]; }

CivilMoment Shifted(const CivilMoment& from, std::int64_t minutes) {
    // At most 140 years of minutes either way: well inside int.
    return AddHoursThenMinutes(from, 0, static_cast<int>(minutes));
}

}  // namespace

std::int64_t MomentMinutes(const CivilMoment& m) {
    return DaysFromCivil(m.year, m.month, m.day) * 1440 + std::int64_t{m.hour} * 60 + m.minute;
}

VimshottariDasha ComputeVimshottari(double moonLongitude, const CivilMoment& birth) {
    VimshottariDasha dasha;
    dasha.birth = birth;
    const NakshatraPlace moon = NakshatraOf(moonLongitude);
    const double passed = NakshatraFractionPassed(moonLongitude);
    const int firstYears = YearsOf(moon.lord);
    dasha.balanceYears = (1.0 - passed) * firstYears;

    // Every boundary is an exact number of minutes from the first period's
    // start: a sub-period of lords with A and B years lasts A·B/120 years,
    // A·B·4383 minutes.
    const auto elapsed = static_cast<std::int64_t>(std::llround(passed * firstYears * kDashaYearMinutes));
    const CivilMoment cycleStart = Shifted(birth, -elapsed);
    std::int64_t at = -elapsed;  // minutes from birth
    const int first = LordPosition(moon.lord);
    CivilMoment boundary = cycleStart;
    for (int m = 0; m < 9; ++m) {
        MajorDasha& major = dasha.majors[static_cast<std::size_t>(m)];
        const int lord = kVimshottariLords[static_cast<std::size_t>((first + m) % 9)];
        major.period.lord = lord;
        // Each period starts where the one before it ends: the calendar is
        // worked out once a boundary. The sub-periods of a lord with A years
        // sum to A·120·4383 minutes, A years exactly, so the last one ends
        // where the major period does.
        major.period.start = boundary;
        std::int64_t subAt = at;
        for (int s = 0; s < 9; ++s) {
            DashaPeriod& sub = major.sub[static_cast<std::size_t>(s)];
            sub.lord = kVimshottariLords[static_cast<std::size_t>((first + m + s) % 9)];
            sub.start = boundary;
            subAt += std::int64_t{YearsOf(lord)} * YearsOf(sub.lord) * (kDashaYearMinutes / kDashaCycleYears);
            boundary = Shifted(cycleStart, subAt + elapsed);
            sub.end = boundary;
        }
        at += YearsOf(lord) * kDashaYearMinutes;
        major.period.end = boundary;
    }
    return dasha;
}

void MarkRunning(VimshottariDasha& dasha, const CalendarDate& today) {
    dasha.today = today;
    dasha.runningMajor = dasha.runningSub = -1;
    if (!today.Valid()) return;
    const std::int64_t noon = MomentMinutes({today.year, today.month, today.day, 12, 0});
    auto contains = [noon](const DashaPeriod& p) {
        return MomentMinutes(p.start) <= noon && noon < MomentMinutes(p.end);
    };
    for (int m = 0; m < 9; ++m) {
        const MajorDasha& major = dasha.majors[static_cast<std::size_t>(m)];
        if (!contains(major.period)) continue;
        dasha.runningMajor = m;
        for (int s = 0; s < 9; ++s)
            if (contains(major.sub[static_cast<std::size_t>(s)])) dasha.runningSub = s;
        return;
    }
}

YearsMonthsDays SplitYears(double years) {
    const long long days = years > 0 ? std::llround(years * 360.0) : 0;
    return {static_cast<int>(days / 360), static_cast<int>(days % 360 / 30), static_cast<int>(days % 30)};
}

std::string YearsMonthsDaysText(double years) {
    const YearsMonthsDays s = SplitYears(years);
    auto part = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return part(s.years, "year", "years") + " " + part(s.months, "month", "months") + " " +
           part(s.days, "day", "days");
}

namespace {

// "YYYY-MM-DD", and "THH:MM" after it with `withTime`, written digit by
// digit: a batch writes 180 of these a chart, and snprintf took half its time.
std::string IsoText(const CivilMoment& m, bool withTime) {
    if (m.year < 0 || m.year > 9999) {  // never for a dasha of 1901-2050, but still exact
        char text[64];
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", m.year, m.month, m.day, m.hour, m.minute);
        return std::string(text, withTime ? std::strlen(text) : std::strcspn(text + 1, "T") + 1);
    }
    char text[16];
    auto two = [](char* at, int value) {
        at[0] = static_cast<char>('0' + value / 10 % 10);
        at[1] = static_cast<char>('0' + value % 10);
    };
    two(text, m.year / 100);
    two(text + 2, m.year % 100);
    text[4] = '-';
    two(text + 5, m.month);
    text[7] = '-';
    two(text + 8, m.day);
    if (!withTime) return std::string(text, 10);
    text[10] = 'T';
    two(text + 11, m.hour);
    text[13] = ':';
    two(text + 14, m.minute);
    return std::string(text, 16);
}

}  // namespace

std::string DateText(const CivilMoment& m) { return IsoText(m, false); }

std::string DateTimeText(const CivilMoment& m) { return IsoText(m, true); }

}  // namespace velmora
