#pragma once
// Day numbers for the retrograde tests, written independently of the engine's
// calendar so that the tests do not check the engine against itself.

#include <cstdint>

namespace velmora::retrograde_test {

// Days from 1970-01-01 to the given proleptic Gregorian date.
inline std::int64_t DayNumber(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

}  // namespace velmora::retrograde_test
