#include "chart/LocalMoment.h"

#include <cstdio>

namespace velmora {

BirthInstant InstantAt(double jdUT) { return InstantOfClock(LocalClockAt(jdUT, 0), 0); }

std::string LocalDateTimeText(const LocalClock& c) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", c.Year, c.Month, c.Day, c.Hour, c.Minute,
                  c.Second);
    return text;
}

std::string IsoMomentText(const LocalClock& clock, int offsetSeconds) {
    const int magnitude = offsetSeconds < 0 ? -offsetSeconds : offsetSeconds;
    char offset[16];
    std::snprintf(offset, sizeof offset, "%c%02d:%02d", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                  magnitude / 60 % 60);
    return LocalDateTimeText(clock) + offset;
}

std::string LocalDateTimeText(double jdUT, int offsetSeconds) {
    return LocalDateTimeText(LocalClockAt(jdUT, offsetSeconds));
}

std::string IsoMomentText(double jdUT, int offsetSeconds) {
    return IsoMomentText(LocalClockAt(jdUT, offsetSeconds), offsetSeconds);
}

}  // namespace velmora
