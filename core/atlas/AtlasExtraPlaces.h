#pragma once
// National capitals of more than 100,000 people that Debian's GeoNames data
// (libgeonames 0.3) lacks; the atlas table adds them to its cities unless the
// data already has a place of that name in that country. Coordinates and
// populations from the places' GeoNames records (geonames.org/ID, CC-BY-4.0).

#include <array>
#include <string_view>

namespace velmora {

struct ExtraPlace {
    std::string_view Name, State, Country, CountryCode, TimeZone;
    double Latitude, Longitude;  // degrees, north and east positive
    unsigned Population;
};

inline constexpr std::array<ExtraPlace, 3> kExtraPlaces = {{
    // geonames.org/1880252
    {"Singapore", "Central Singapore", "Singapore", "SG", "Asia/Singapore", 1.28967, 103.85007, 3547809},
    // geonames.org/2377450
    {"Nouakchott", "Nouakchott Ouest", "Mauritania", "MR", "Africa/Nouakchott", 18.08581, -15.9785, 661400},
    // geonames.org/1238992, Sri Lanka's legislative capital
    {"Sri Jayawardenepura Kotte", "Western", "Sri Lanka", "LK", "Asia/Colombo", 6.88297, 79.90708, 115826},
}};

}  // namespace velmora
