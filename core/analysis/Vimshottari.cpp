#include "analysis/Vimshottari.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "analysis/Nakshatra.h"

namespace velmora {

namespace {

// Ketu 7, Venus 20, Sun 6, Moon 10, Mars 7, Rahu 18, Jupiter 16, Saturn 19, Mercury 17.
constexpr std::array<DashaLordYears, 9> kVimshottariSequence = [] {
    std::array<DashaLordYears, 9> sequence{};
    for (std::size_t i = 0; i < 9; ++i)
        sequence[i] = {kVimshottariLords[i], kDashaYears[static_cast<std::size_t>(kVimshottariLords[i])]};
    return sequence;
}();

DashaStart VimshottariStart(double moonLongitude) {
    // Nakshatra n has the lord at position n mod 9 of the sequence.
    return {NakshatraOf(moonLongitude).index % 9, NakshatraFractionPassed(moonLongitude)};
}

constexpr DashaTable kVimshottari = {"Vimshottari", kVimshottariSequence, kDashaCycleYears, 1, 5,
                                     &VimshottariStart, &DashaBodyName};

}  // namespace

const DashaTable& VimshottariTable() { return kVimshottari; }

std::int64_t MomentMinutes(const CivilMoment& m) {
    return DaysFromCivil(m.year, m.month, m.day) * 1440 + std::int64_t{m.hour} * 60 + m.minute;
}

VimshottariDasha VimshottariFromTimeline(const DashaTimeline& timeline, double yearDays) {
    VimshottariDasha dasha;
    dasha.birth = DashaMoment(timeline.birth);
    dasha.balanceYears = timeline.balanceYears;
    dasha.yearDays = yearDays;
    // Each boundary is worked out once: a period starts where the one before ends.
    CivilMoment boundary = DashaMoment(timeline.majors[0].start);
    for (int m = 0; m < 9; ++m) {
        const DashaNode& node = timeline.majors[static_cast<std::size_t>(m)];
        MajorDasha& major = dasha.majors[static_cast<std::size_t>(m)];
        major.period = {timeline.Lord(node), boundary, boundary};
        const DashaChildren subs = SubPeriods(timeline, node);
        for (int s = 0; s < 9; ++s) {
            const DashaNode& sub = subs.nodes[static_cast<std::size_t>(s)];
            DashaPeriod& period = major.sub[static_cast<std::size_t>(s)];
            period = {timeline.Lord(sub), boundary, DashaMoment(sub.end)};
            boundary = period.end;
        }
        major.period.end = boundary;
    }
    return dasha;
}

VimshottariDasha ComputeVimshottari(double moonLongitude, const CivilMoment& birth) {
    return VimshottariFromTimeline(
        ComputeDashaTimeline(kVimshottari, moonLongitude, birth, kDashaYearMinutes * 60'000'000), kDashaYearDays);
}

void MarkRunning(VimshottariDasha& dasha, const CalendarDate& today) {
    dasha.today = today;
    dasha.runningMajor = dasha.runningSub = -1;
    if (!today.Valid()) return;
    const std::int64_t noon = MomentMinutes(today.At(12));
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
    if (m.year < 0 || m.year > 9999) {  // never for a dasha of 1800-2399, but still exact
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
