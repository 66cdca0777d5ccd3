#pragma once
// What the planets' strengths need of the sky beyond their longitudes, from
// the Swiss Ephemeris at one Universal Time and place: the ascendant, the
// midheaven and the right ascension of the midheaven (the local sidereal
// time), the Porphyry house cusps (the quadrants from the ascendant to the
// midheaven and on divided in three: the Sripati houses' middles) and the
// true obliquity of the ecliptic; and, asked apart, the apparent
// declinations of the Sun … Saturn on the true equator of date. Longitudes here are tropical, of date; a chart's own
// zodiac is reached by the difference of the two ascendants.

#include <array>
#include <optional>
#include <string>

namespace velmora {

inline constexpr int kFramePlanets = 7;  // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn (body order)

struct EquatorialFrame {
    double ascendant = 0, midheaven = 0;  // tropical ecliptic degrees
    double siderealTime = 0;              // the midheaven's right ascension, degrees
    std::array<double, 12> porphyryCusps{};  // tropical degrees, [0] = the ascendant
    double obliquity = 0;  // degrees
};

// The frame at `jdUT` for the place (degrees, north and east positive), the
// ephemeris files looked for in `dataDirectory` (the built-in analytical
// ephemeris where they are missing); none where the library fails or gives
// no finite angle (at a pole the ascendant is undefined), `error` then saying
// why.
std::optional<EquatorialFrame> EquatorialFrameAt(double jdUT, double latitude, double longitude,
                                                 const std::string& dataDirectory, std::string* error = nullptr);

// The apparent declinations (degrees, north positive) of the Sun … Saturn
// at `jdUT`; none where the library fails, `error` then saying why.
std::optional<std::array<double, kFramePlanets>> DeclinationsAt(double jdUT, const std::string& dataDirectory,
                                                                std::string* error = nullptr);

}  // namespace velmora
