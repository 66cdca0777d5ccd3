#pragma once
// Civil (proleptic Gregorian) calendar arithmetic for the engine: shifting a
// local moment by a zone offset with carries across days, months and years,
// and counting whole days between dates.

#include <cstdint>

namespace velmora {

struct CivilMoment {
    int year = 2000;
    int month = 1;   // 1 … 12
    int day = 1;     // 1 … 31
    int hour = 0;    // 0 … 23
    int minute = 0;  // 0 … 59

    friend bool operator==(const CivilMoment&, const CivilMoment&) = default;
};

// floor(a / b) for a positive divisor b, in exact integer arithmetic.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Days from 1970-01-01 to the given civil date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);

// The moment shifted by `hours`, then by `minutes` (either may be negative),
// with calendar carries: 2001-01-01 02:00 shifted by -5 h -30 min is
// 2000-12-31 20:30.
CivilMoment AddHoursThenMinutes(const CivilMoment& moment, int hours, int minutes);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

}  // namespace velmora
