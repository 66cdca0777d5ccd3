#include "birth/LocalClock.h"

#include <cmath>
#include <cstdio>

#include "engine/BirthTime.h"

namespace velmora {

namespace {

constexpr long long kSecondsPerDay = 86400;

// The Gregorian date of a Julian Day Number (Fliegel and Van Flandern,
// Communications of the ACM 11 (1968) 657).
LocalClock DateOfDayNumber(long long jdn) {
    long long l = jdn + 68569;
    const long long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long long j = 80 * l / 2447;
    LocalClock clock;
    clock.Day = static_cast<int>(l - 2447 * j / 80);
    l = j / 11;
    clock.Month = static_cast<int>(j + 2 - 12 * l);
    clock.Year = static_cast<int>(100 * (n - 49) + i + l);
    return clock;
}

}  // namespace

double JulianDayOf(const LocalClock& c, int offsetSeconds) {
    // The day number is the Julian Date of the civil date's noon.
    const long long seconds = (static_cast<long long>(c.Hour) - 12) * 3600 + c.Minute * 60 + c.Second - offsetSeconds;
    return JulianDayNumber(c.Month, c.Day, c.Year) + static_cast<double>(seconds) / kSecondsPerDay;
}

LocalClock LocalClockAt(double jdUT, int offsetSeconds) {
    // Seconds since the noon that begins Julian Day 0, shifted to the local clock.
    const double shifted = jdUT + 0.5 + offsetSeconds / static_cast<double>(kSecondsPerDay);
    const long long total = std::llround(shifted * kSecondsPerDay);
    long long day = total / kSecondsPerDay;
    long long second = total % kSecondsPerDay;
    if (second < 0) {
        second += kSecondsPerDay;
        --day;
    }
    LocalClock clock = DateOfDayNumber(day);
    clock.Hour = static_cast<int>(second / 3600);
    clock.Minute = static_cast<int>(second / 60 % 60);
    clock.Second = static_cast<int>(second % 60);
    return clock;
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace velmora
