#include "birth/Birth.h"

#include <algorithm>
#include <cmath>

namespace velmora {

DegreesMinutes SplitCoordinate(double degrees) {
    DegreesMinutes split;
    split.negative = std::signbit(degrees);
    const double magnitude = std::fabs(degrees);
    split.degrees = static_cast<int>(magnitude);
    split.minutes = static_cast<int>(std::lround((magnitude - split.degrees) * 60));
    if (split.minutes == 60) {
        ++split.degrees;
        split.minutes = 0;
    }
    return split;
}

double JoinCoordinate(int degrees, int minutes, bool negative) {
    const double magnitude = degrees + minutes / 60.0;
    return negative ? -magnitude : magnitude;
}

namespace {

// The boxes' coordinate, or the place's own where the boxes show it to the
// minute (the same whole degrees, minutes and hemisphere).
double Coordinate(const std::string& degrees, const std::string& minutes, bool negative,
                  const std::optional<double>& place) {
    const int d = TextToInteger(degrees), m = TextToInteger(minutes);
    if (place && std::isfinite(*place)) {
        const DegreesMinutes shown = SplitCoordinate(*place);
        if (shown.degrees == d && shown.minutes == m && shown.negative == negative) return *place;
    }
    return JoinCoordinate(d, m, negative);
}

}  // namespace

Birth BirthFromForm(const FormFields& form) {
    Birth birth;
    birth.name = form.Name;
    birth.clock = FormClock(form);
    birth.latitude = Coordinate(form.LatDeg, form.LatMin, form.South, form.PlaceLatitude);
    birth.longitude = Coordinate(form.LonDeg, form.LonMin, !form.East, form.PlaceLongitude);
    birth.timeZoneId = form.TimeZoneId;
    birth.repeated = form.Repeated;
    birth.zoneEntry = form.Zone;
    birth.daylightSaving = form.DaylightSaving;
    birth.city = form.City;
    birth.state = form.State;
    birth.country = form.Country;
    birth.place = form.Place;
    birth.mode = form.Mode;
    birth.node = form.Node;
    birth.options = form.Options;
    birth.dashaYear = form.DashaYearChoice;
    birth.dashaSystem = form.DashaSystemChoice;
    return birth;
}

int TextToInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Whole part, saturated well inside int, then the first fraction digit and
    // whether anything beyond it is non-zero decide the rounding.
    constexpr long long kCap = 1'000'000'000;
    long long whole = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        whole = std::min(kCap, whole * 10 + (text[at] - '0'));
        ++at;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        int first = -1;
        bool restNonZero = false;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            if (first < 0) {
                first = text[at] - '0';
            } else if (text[at] != '0') {
                restNonZero = true;
            }
            ++at;
        }
        const bool up = first > 5 || (first == 5 && (restNonZero || whole % 2 == 1));
        if (up) whole = std::min(kCap, whole + 1);
    }
    return static_cast<int>(negative ? -whole : whole);
}

}  // namespace velmora
