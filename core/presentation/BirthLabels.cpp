#include "presentation/BirthLabels.h"

#include "birth/LocalClock.h"

namespace velmora {

MonthNames EnglishMonthNames() {
    return {"January", "February", "March",     "April",   "May",      "June",
            "July",    "August",   "September", "October", "November", "December"};
}

std::string_view MonthName(int month, const MonthNames& months) {
    return month >= 1 && month <= 12 ? std::string_view(months[static_cast<std::size_t>(month - 1)])
                                     : std::string_view();
}

std::string BirthDateLabel(const CivilMoment& clock, const MonthNames& months) {
    std::string label(MonthName(clock.month, months));
    label += '/';
    label += std::to_string(clock.day);
    label += '/';
    label += std::to_string(clock.year);
    return label;
}

std::string BirthTimeLabel(const CivilMoment& clock) {
    return std::to_string(clock.hour) + ':' + std::to_string(clock.minute);
}

std::string BirthMomentLabel(const CivilMoment& clock, std::string_view monthName) {
    std::string label = std::to_string(clock.day);
    label += ' ';
    label += monthName;
    label += ' ';
    label += std::to_string(clock.year);
    label += " at ";
    label += TwoDigits(clock.hour);
    label += ':';
    label += TwoDigits(clock.minute);
    return label;
}

std::string AngleLabel(int degrees, int minutes) {
    return std::to_string(degrees) + "\u00B0 " + std::to_string(minutes) + '\'';
}

}  // namespace velmora
