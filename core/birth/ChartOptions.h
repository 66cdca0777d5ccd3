#pragma once
// The astrologer's choices for a precise chart: the ayanamsa, apparent or
// true positions, and the houses drawn beside the signs. The classic engine
// has one sidereal correction of its own and no cusps, so a classic chart
// takes the defaults only.

#include <string>
#include <string_view>

namespace velmora {

enum class AyanamsaKind {
    Lahiri,        // the Indian standard (Calendar Reform Committee; Indian Astronomical Ephemeris)
    TrueChitra,    // Spica always at 180°
    Krishnamurti,  // K. S. Krishnamurti's, for KP
    Raman,         // B. V. Raman's
    Yukteshwar,    // Sri Yukteshwar's
    FaganBradley,  // the Western sidereal zodiac
    TruePushya,    // δ Cancri always at 106°
    LahiriIcrc,    // Lahiri as the Calendar Reform Committee gave it: 23° 15′ 00″ in 1956
    Custom,        // a value at a chosen date, carried by the library's precession
};
inline constexpr int kAyanamsaKinds = 9;

// Apparent positions (light time, aberration, nutation: where a body is
// seen) or true geometric ones.
enum class PositionKind { Apparent, True };

// The houses beside the signs. A cusp is where its house begins.
enum class HouseSystem {
    WholeSign,  // each sign a house, from the ascendant's sign
    Sripati,    // the quadrants divided in three (Porphyry), those points the houses' middles
    Placidus,   // the semi-arcs divided in three in time, as KP uses them
    Equal,      // thirty degrees each, house 1 beginning at the ascendant
};
inline constexpr int kHouseSystems = 4;

// A custom ayanamsa: its mean value (without nutation) at 0 h Universal
// Time of a Gregorian date.
struct CustomAyanamsa {
    int year = 2000, month = 1, day = 1;
    double degrees = 0;
    friend bool operator==(const CustomAyanamsa&, const CustomAyanamsa&) = default;
};

struct ChartOptions {
    AyanamsaKind ayanamsa = AyanamsaKind::Lahiri;
    CustomAyanamsa custom;  // read only for AyanamsaKind::Custom
    PositionKind positions = PositionKind::Apparent;
    HouseSystem houses = HouseSystem::WholeSign;
    friend bool operator==(const ChartOptions&, const ChartOptions&) = default;
};

// Why a classic chart takes none of the choices.
inline constexpr std::string_view kClassicChoicesRefusal =
    "The classic positions have their own sidereal correction and no house cusps: another ayanamsa, true "
    "positions and houses other than whole signs need precise positions";

// The names people read: "Lahiri", "True Chitra", "Sri Yukteshwar",
// "Fagan-Bradley", "Lahiri (ICRC)", "Custom".
std::string_view AyanamsaDisplayName(AyanamsaKind kind);

// The command line's and the files' names: "lahiri", "true-chitra",
// "krishnamurti", "raman", "yukteshwar", "fagan-bradley", "true-pushya",
// "lahiri-icrc"; "custom" alone is no choice (see AyanamsaText).
std::string_view AyanamsaOptionName(AyanamsaKind kind);

// The ayanamsa as one word the command line, batch lines and birth files
// take: the option name, or "custom:YYYY-MM-DD:DEGREES" (the mean value in
// decimal degrees at 0 h UT of that date, as "custom:1900-01-01:22.46").
std::string AyanamsaText(const ChartOptions& options);

// A custom ayanamsa's date and value as that word writes them after
// "custom:": "1900-01-01:22.46".
std::string CustomAyanamsaText(const CustomAyanamsa& custom);

// Reads such a word into `options` (ayanamsa and custom). False, and
// `options` as it was, when the word names none.
bool ParseAyanamsa(std::string_view text, ChartOptions& options);

// What the word may be, for messages: "lahiri, true-chitra, …, lahiri-icrc
// or custom:YYYY-MM-DD:DEGREES".
std::string AyanamsaChoices();

// "apparent" or "true".
std::string_view PositionKindName(PositionKind kind);
bool ParsePositionKind(std::string_view text, PositionKind& kind);

// "whole", "sripati", "placidus", "equal".
std::string_view HouseSystemName(HouseSystem system);
// "Whole sign", "Sripati", "Placidus", "Equal".
std::string_view HouseSystemDisplayName(HouseSystem system);
bool ParseHouseSystem(std::string_view text, HouseSystem& system);

}  // namespace velmora
