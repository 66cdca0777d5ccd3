#pragma once
// "1st", "2nd", "3rd", "11th", "21st": a count as English writes it before a
// noun ("the 7th from the Moon").

#include <string>

namespace velmora {

inline std::string EnglishOrdinal(int n) {
    const int lastTwo = n % 100, last = n % 10;
    const char* suffix = (lastTwo >= 11 && lastTwo <= 13) ? "th"
                         : last == 1                      ? "st"
                         : last == 2                      ? "nd"
                         : last == 3                      ? "rd"
                                                          : "th";
    return std::to_string(n) + suffix;
}

}  // namespace velmora
