#include "atlas/PlaceCoordinates.h"

#include <string>

namespace velmora {

namespace {

// The highest degrees each box takes.
constexpr int kMaxLongitude = 179;
constexpr int kMaxLatitude = 89;

}  // namespace

void FillLongitudeFields(double degrees, FormFields& form) {
    const BoxAngle a = ToBoxAngle(degrees, kMaxLongitude);
    form.LonDeg = std::to_string(a.Degrees);
    form.LonMin = std::to_string(a.Minutes);
    form.East = !a.Negative;
    form.PlaceLongitude = degrees;
}

void FillLatitudeFields(double degrees, FormFields& form) {
    const BoxAngle a = ToBoxAngle(degrees, kMaxLatitude);
    form.LatDeg = std::to_string(a.Degrees);
    form.LatMin = std::to_string(a.Minutes);
    form.South = a.Negative;
    form.PlaceLatitude = degrees;
}

void FillCoordinateFields(const AtlasEntry& place, FormFields& form) {
    FillLongitudeFields(place.Longitude, form);
    FillLatitudeFields(place.Latitude, form);
}

}  // namespace velmora
