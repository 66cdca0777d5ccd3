#include "engine/Calendar.h"

namespace velmora {

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

struct CivilDate {
    int year;
    int month;
    int day;
};

// Inverse of DaysFromCivil: proleptic Gregorian date of a day count from
// 1970-01-01, counting in 400-year eras that start on March 1.
CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;                                    // 0 … 146096
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0 … 399
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // 0 … 365
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;                         // 0 = March … 11 = February
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

CivilMoment FromMinutes(std::int64_t minutes) {
    const std::int64_t days = FloorDiv(minutes, kMinutesPerDay);
    const std::int64_t minuteOfDay = minutes - days * kMinutesPerDay;
    const CivilDate date = CivilFromDays(days);
    return {date.year, date.month, date.day, static_cast<int>(minuteOfDay / 60), static_cast<int>(minuteOfDay % 60)};
}

std::int64_t ToMinutes(const CivilMoment& m) {
    return DaysFromCivil(m.year, m.month, m.day) * kMinutesPerDay + std::int64_t{m.hour} * 60 + m.minute;
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
    // Years counted from March, so that February's leap day ends the year.
    const std::int64_t y = std::int64_t{year} - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;                                            // 0 … 399
    const std::int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;                    // 0 = March
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + std::int64_t{day} - 1;   // 0 … 365
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilMoment AddHoursThenMinutes(const CivilMoment& moment, int hours, int minutes) {
    // Shifting by the hours and then by the minutes, each with its carries,
    // lands where one shift by both does: the minutes since 1970 of the moment
    // after the hours are exactly those before it plus the hours, so the
    // calendar date is worked out once.
    return FromMinutes(ToMinutes(moment) + std::int64_t{hours} * 60 + minutes);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace velmora
