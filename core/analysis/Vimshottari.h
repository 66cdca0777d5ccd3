#pragma once
// Vimshottari dasha: the nine major periods of 120 years in all, in the order
// Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, the first
// being the lord of the Moon's nakshatra at birth with the part of it the
// Moon has still to cross as its balance; each major period in nine
// sub-periods in proportion to their lords' years, from its own lord on.
//
// A year is 365.25 days by default (the Julian year, which Krishnamurti's
// readers adopt for the major periods), or another length chosen; the dates
// are the birth's local date and clock time plus whole minutes, on the
// proleptic Gregorian calendar. The periods come from the dasha engine
// (DashaEngine.h), whose table for Vimshottari is VimshottariTable().

#include <array>
#include <cstdint>
#include <string>

#include "analysis/DashaEngine.h"
#include "engine/Calendar.h"

namespace velmora {

inline constexpr double kDashaYearDays = 365.25;
inline constexpr std::int64_t kDashaYearMinutes = 525'960;  // 365.25 days of 1440 minutes
inline constexpr int kDashaCycleYears = 120;

// Years of each lord's major period, by body number (Sun … Ketu; 0 for the ascendant).
inline constexpr std::array<int, 10> kDashaYears = {6, 10, 17, 20, 7, 16, 19, 18, 7, 0};

struct DashaPeriod {
    int lord = 8;  // body number
    CivilMoment start, end;
};

struct MajorDasha {
    DashaPeriod period;
    std::array<DashaPeriod, 9> sub;  // from the major lord on, in the Vimshottari order
};

struct VimshottariDasha {
    CivilMoment birth;
    double balanceYears = 0;  // of the first major period at birth
    std::array<MajorDasha, 9> majors;
    // The periods running on the day asked for (at its noon), or -1.
    CalendarDate today;
    int runningMajor = -1;
    int runningSub = -1;
    double yearDays = kDashaYearDays;  // the length of the year the dates are reckoned in
};

// Vimshottari as a table of the dasha engine: five levels (maha, antar,
// pratyantar, sookshma, prana), one cycle of 120 years.
const DashaTable& VimshottariTable();

// The dasha of a birth at local moment `birth` with the Moon at sidereal
// longitude `moonLongitude` (any angle, folded). Nothing is marked running.
VimshottariDasha ComputeVimshottari(double moonLongitude, const CivilMoment& birth);

// The major and sub-periods of a Vimshottari timeline (years of `yearDays` days).
VimshottariDasha VimshottariFromTimeline(const DashaTimeline& timeline, double yearDays);

// Marks the major and sub-period running at noon of `today` (none for an
// invalid date or one outside the 120 years).
void MarkRunning(VimshottariDasha& dasha, const CalendarDate& today);

// A span of years as years, months of a twelfth of a year and days of a
// thirtieth of a month, to the nearest such day, as dasha tables give them.
struct YearsMonthsDays {
    int years = 0, months = 0, days = 0;
    friend bool operator==(const YearsMonthsDays&, const YearsMonthsDays&) = default;
};
YearsMonthsDays SplitYears(double years);

// "9 years 0 months 26 days".
std::string YearsMonthsDaysText(double years);

// "1944-08-01" and "1944-08-01T09:32".
std::string DateText(const CivilMoment& moment);
std::string DateTimeText(const CivilMoment& moment);

// Minutes from 1970-01-01 00:00 of a civil moment.
std::int64_t MomentMinutes(const CivilMoment& moment);

}  // namespace velmora
