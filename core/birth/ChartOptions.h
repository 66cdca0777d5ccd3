#pragma once
// The astrologer's choices for a precise chart: the ayanamsa, apparent or
// true positions, and the houses drawn beside the signs. The classic engine
// has one sidereal correction of its own and no cusps, so a classic chart
// takes the defaults only.

#include <array>
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

// The ayanamsas as registered data: each kind's name for a person, its word
// in options and files, and the Swiss Ephemeris's sidereal mode behind it
// (the SE_SIDM_ number of swephexp.h; the ephemeris checks each against the
// library's own at compile time). A new ayanamsa is one kind and one row.
struct AyanamsaRow {
    AyanamsaKind kind;
    std::string_view display;  // "True Chitra"
    std::string_view key;      // "true-chitra"
    int siderealMode;          // SE_SIDM_…; kUserSiderealMode for a value at a date
};
inline constexpr int kUserSiderealMode = 255;  // SE_SIDM_USER
inline constexpr std::array<AyanamsaRow, kAyanamsaKinds> kAyanamsas = {{
    {AyanamsaKind::Lahiri, "Lahiri", "lahiri", 1},
    {AyanamsaKind::TrueChitra, "True Chitra", "true-chitra", 27},
    {AyanamsaKind::Krishnamurti, "Krishnamurti", "krishnamurti", 5},
    {AyanamsaKind::Raman, "Raman", "raman", 3},
    {AyanamsaKind::Yukteshwar, "Sri Yukteshwar", "yukteshwar", 7},
    {AyanamsaKind::FaganBradley, "Fagan-Bradley", "fagan-bradley", 0},
    {AyanamsaKind::TruePushya, "True Pushya", "true-pushya", 29},
    {AyanamsaKind::LahiriIcrc, "Lahiri (ICRC)", "lahiri-icrc", 46},
    {AyanamsaKind::Custom, "Custom", "custom", kUserSiderealMode},
}};

inline constexpr bool AyanamsaRowsWhole() {
    for (std::size_t i = 0; i < kAyanamsas.size(); ++i) {
        const AyanamsaRow& row = kAyanamsas[i];
        if (static_cast<std::size_t>(row.kind) != i || row.display.empty() || row.key.empty() || row.siderealMode < 0)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kAyanamsas[j].siderealMode == row.siderealMode || kAyanamsas[j].key == row.key) return false;
    }
    return true;
}
static_assert(AyanamsaRowsWhole(),
              "every ayanamsa has one row, in the enum's order, with a name, a word and a sidereal mode of its own");

inline constexpr const AyanamsaRow& AyanamsaRowOf(AyanamsaKind kind) {
    return kAyanamsas[static_cast<std::size_t>(kind)];
}

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

// The house systems as registered data: the word in options and files, the
// name for a person, and the Swiss Ephemeris's letter for swe_houses_ex.
struct HouseSystemRow {
    HouseSystem system;
    std::string_view key;      // "placidus"
    std::string_view display;  // "Placidus"
    char letter;               // 'P'
};
inline constexpr std::array<HouseSystemRow, kHouseSystems> kHouseSystemRows = {{
    {HouseSystem::WholeSign, "whole", "Whole sign", 'W'},
    {HouseSystem::Sripati, "sripati", "Sripati", 'S'},
    {HouseSystem::Placidus, "placidus", "Placidus", 'P'},
    {HouseSystem::Equal, "equal", "Equal", 'E'},
}};

inline constexpr bool HouseRowsWhole() {
    for (std::size_t i = 0; i < kHouseSystemRows.size(); ++i) {
        const HouseSystemRow& row = kHouseSystemRows[i];
        if (static_cast<std::size_t>(row.system) != i || row.key.empty() || row.display.empty() || row.letter == 0)
            return false;
    }
    return true;
}
static_assert(HouseRowsWhole(), "every house system has one row, in the enum's order, with a word, a name and a letter");

inline constexpr const HouseSystemRow& HouseSystemRowOf(HouseSystem system) {
    return kHouseSystemRows[static_cast<std::size_t>(system)];
}

// The house systems' words joined: "whole|sripati|placidus|equal" with "|",
// "whole, sripati, placidus or equal" with ", " and " or ".
std::string HouseSystemKeys(std::string_view separator, std::string_view last);

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
