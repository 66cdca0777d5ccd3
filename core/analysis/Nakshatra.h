#pragma once
// The 27 lunar mansions of 13° 20′ from 0° Aries, each in four quarters
// (padas) of 3° 20′, with their names and Vimshottari lords.

#include <array>
#include <string_view>

namespace velmora {

inline constexpr int kNakshatraCount = 27;
inline constexpr int kQuarterCount = 108;  // padas round the zodiac; also the navamsas

inline constexpr std::array<std::string_view, kNakshatraCount> kNakshatraNames = {
    "Ashwini",       "Bharani",      "Krittika",          "Rohini",           "Mrigashira", "Ardra",
    "Punarvasu",     "Pushya",       "Ashlesha",          "Magha",            "Purva Phalguni",
    "Uttara Phalguni", "Hasta",      "Chitra",            "Swati",            "Vishakha",   "Anuradha",
    "Jyeshtha",      "Mula",         "Purva Ashadha",     "Uttara Ashadha",   "Shravana",   "Dhanishta",
    "Shatabhisha",   "Purva Bhadrapada", "Uttara Bhadrapada", "Revati"};

// The Vimshottari order of the lords, by body number (Ketu, Venus, Sun, Moon,
// Mars, Rahu, Jupiter, Saturn, Mercury); nakshatra n has lord n mod 9.
inline constexpr std::array<int, 9> kVimshottariLords = {8, 3, 0, 1, 4, 7, 5, 6, 2};

struct NakshatraPlace {
    int index = 0;  // 0 Ashwini … 26 Revati
    int pada = 1;   // 1 … 4
    int lord = 8;   // body number of the lord

    std::string_view Name() const { return kNakshatraNames[static_cast<std::size_t>(index)]; }
    friend bool operator==(const NakshatraPlace&, const NakshatraPlace&) = default;
};

// Any longitude folded into 0° … 360°.
double FoldLongitude(double degrees);

// The quarter of 3° 20′ a longitude stands in, 0 … 107. A longitude on a
// boundary (to a hundred-thousandth of an arcsecond) is in the later quarter.
int QuarterOf(double degrees);

NakshatraPlace NakshatraOf(double degrees);

// How much of its nakshatra a longitude has passed, 0 ≤ f < 1.
double NakshatraFractionPassed(double degrees);

}  // namespace velmora
