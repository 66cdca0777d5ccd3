#include "presentation/BirthLabels.h"

namespace velmora {

std::string BirthDateLabel(const CivilMoment& clock, const MonthNames& months) {
    std::string label = clock.month >= 1 && clock.month <= 12 ? months[static_cast<std::size_t>(clock.month - 1)]
                                                              : std::string();
    label += '/';
    label += std::to_string(clock.day);
    label += '/';
    label += std::to_string(clock.year);
    return label;
}

std::string BirthTimeLabel(const CivilMoment& clock) {
    return std::to_string(clock.hour) + ':' + std::to_string(clock.minute);
}

std::string AngleLabel(int degrees, int minutes) {
    return std::to_string(degrees) + "\u00B0 " + std::to_string(minutes) + '\'';
}

}  // namespace velmora
