#include "birth/IsoDate.h"

#include "engine/Calendar.h"

namespace velmora {

namespace {

bool Digits(std::string_view text, int& value) {
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

std::optional<IsoDate> ParseIsoDate(std::string_view text, int firstYear, int lastYear) {
    IsoDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text.substr(0, 4), date.year) ||
        !Digits(text.substr(5, 2), date.month) || !Digits(text.substr(8, 2), date.day))
        return std::nullopt;
    if (date.year < firstYear || date.year > lastYear || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

}  // namespace velmora
