#pragma once
// Places a birth is often given for that GeoNames' cities lack (a town that
// GeoNames now counts as a part of a larger city); the atlas table adds them
// to its places unless the data already has a place of that name in that
// country. Each entry names its source.

#include <array>
#include <string_view>

namespace velmora {

struct ExtraPlace {
    std::string_view Name, State, CountryCode, TimeZone;  // State: as GeoNames names the division
    double Latitude, Longitude;  // degrees, north and east positive
    unsigned Population;
};

inline constexpr std::array<ExtraPlace, 1> kExtraPlaces = {{
    // The temple town on its island in the Kaveri, now a part of the city of
    // Tiruchirappalli: 10°52′ N 78°41′ E and 181,556 people (Census of India
    // 2001), as its Wikipedia article gives them.
    {"Srirangam", "Tamil Nadu", "IN", "Asia/Kolkata", 10 + 52 / 60.0, 78 + 41 / 60.0, 181556},
}};

}  // namespace velmora
