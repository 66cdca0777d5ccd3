#pragma once
// Jaimini's analyses of a chart: the chara (movable) karakas, the
// karakamsa, the aspects of signs (rashi drishti) and argala with its
// obstruction (virodhargala).
//
// - Chara karakas (Brihat Parashara Hora Shastra ch. 32; Jaimini Sutras
//   1.1.10–19): the planets ranked by their degrees in their signs, the most
//   advanced the atmakaraka (AK), then amatya (AmK), bhratri (BK), matri
//   (MK), pitri (PiK), putra (PK), gnati (GK) and the least advanced the
//   dara karaka (DK). The eight-karaka scheme ranks the Sun … Saturn and
//   Rahu, whose degrees are counted backwards from the end of its sign
//   (30° less its degrees), as it moves backwards; the seven-karaka scheme
//   ranks the Sun … Saturn alone and has no pitri karaka. Planets of equal
//   degrees (to the full precision of the longitudes) keep body order.
// - Karakamsa: the atmakaraka's Navamsa sign (Jaimini Sutras 1.2.1).
// - Rashi drishti (Jaimini Sutras 1.1.2–4; BPHS ch. 8): a movable sign
//   aspects the fixed signs but the one beside it, a fixed sign the movable
//   signs but the one beside it, a dual sign the other dual signs.
// - Argala (Jaimini Sutras 1.1.5–9; BPHS ch. 31): planets in the 2nd, 4th
//   and 11th from a sign, and in the 5th (secondary argala), intervene in its
//   affairs; planets in the 12th, 10th, 3rd and 9th from it obstruct them
//   (virodhargala) in that order. Argala prevails when the planets causing it
//   outnumber those obstructing it; strengths are not weighed, so equal
//   numbers obstruct. The nine grahas count; houses are counted forward.

#include <array>
#include <string_view>
#include <vector>

#include "engine/NameTables.h"

namespace velmora {

enum class KarakaScheme { Seven, Eight };

struct KarakaSchemeInfo {
    KarakaScheme scheme;
    std::string_view key;  // "7", "8": the command line's and the JSON's
    int count;
};
inline constexpr std::array<KarakaSchemeInfo, 2> kKarakaSchemes = {{
    {KarakaScheme::Seven, "7", 7},
    {KarakaScheme::Eight, "8", 8},
}};
inline constexpr KarakaScheme kDefaultKarakaScheme = KarakaScheme::Eight;

// "7" or "8"; the scheme a key names, none for another text.
std::string_view KarakaSchemeKey(KarakaScheme scheme);
bool ParseKarakaScheme(std::string_view key, KarakaScheme& scheme);

inline constexpr std::array<std::string_view, 8> kKarakaLabels8 = {"AK", "AmK", "BK", "MK", "PiK", "PK", "GK", "DK"};
inline constexpr std::array<std::string_view, 7> kKarakaLabels7 = {"AK", "AmK", "BK", "MK", "PK", "GK", "DK"};
inline constexpr std::array<std::string_view, 8> kKarakaNames8 = {
    "Atmakaraka", "Amatyakaraka", "Bhratrikaraka", "Matrikaraka",
    "Pitrikaraka", "Putrakaraka", "Gnatikaraka", "Darakaraka"};

struct CharaKarakas {
    KarakaScheme scheme = KarakaScheme::Eight;
    std::array<int, 8> bodies{};  // by rank, AK first
    int count = 8;
    std::string_view Label(int rank) const;  // "AK" …
    std::string_view Name(int rank) const;   // "Atmakaraka" …
    int Atmakaraka() const { return bodies[0]; }
};

// The degrees a body is ranked by: its degrees in its sign; Rahu's counted
// from the end of its sign.
double KarakaDegrees(int body, double longitude);

CharaKarakas CharaKarakasOf(const std::array<double, kBodyCount>& longitudes, KarakaScheme scheme);

// The three signs sign `sign` aspects, in zodiacal order from it.
std::array<int, 3> RashiDrishti(int sign);
bool AspectsSign(int from, int to);

struct ArgalaEntry {
    int offset = 2;                // the house from the sign: 2, 4, 11 or 5
    int obstructionOffset = 12;    // the house that obstructs it: 12, 10, 3 or 9
    std::vector<int> planets;      // body numbers in the offset house
    std::vector<int> obstructing;  // body numbers in the obstructing house
    bool prevails = false;         // planets outnumber the obstructing ones
};

// The argalas on sign `sign` from the planets' signs by body number (the
// ascendant's is not read): one entry for each of the four houses that holds
// a planet, in the order 2nd, 4th, 11th, 5th.
std::vector<ArgalaEntry> ArgalaOn(int sign, const std::array<int, kBodyCount>& signs);

}  // namespace velmora
