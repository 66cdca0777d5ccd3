#pragma once
// "YYYY-MM-DD", the one date form the command line, birth-file choices and
// custom ayanamsas take: four digits, two, two, each field in range (the
// Gregorian calendar's month lengths and leap years).

#include <optional>
#include <string_view>

namespace velmora {

struct IsoDate {
    int year = 0, month = 0, day = 0;
};

// The date, or none when `text` is not exactly YYYY-MM-DD of a real day in
// the years `firstYear` to `lastYear`.
std::optional<IsoDate> ParseIsoDate(std::string_view text, int firstYear = 1, int lastYear = 9999);

}  // namespace velmora
