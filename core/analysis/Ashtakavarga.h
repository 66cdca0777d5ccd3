#pragma once
// Parashara's ashtakavarga: for each of the seven planets Sun … Saturn, the
// bindus (benefic points) it receives in each sign from the eight givers (the
// seven planets and the ascendant), and the sarvashtakavarga, their sum by
// sign. The places each giver marks, counted from the giver's own sign, are
// those of Brihat Parashara Hora Shastra, chapter 66 (R. Santhanam's
// translation), as B. V. Raman tabulates them in "Ashtakavarga System of
// Prediction", chapter II. P. V. R. Narasimha Rao's "Vedic Astrology: An
// Integrated Approach", chapter 12, reads four places differently; either
// reading can be chosen. The ascendant's own table is not part of the sum.

#include <array>
#include <optional>
#include <string_view>

#include "engine/NameTables.h"

namespace velmora {

// The planets with an ashtakavarga: body numbers 0 Sun … 6 Saturn.
inline constexpr int kAshtakavargaPlanets = 7;
// The givers: the seven planets by body number, then the ascendant (7).
inline constexpr int kAshtakavargaGivers = 8;

// Whose reading of Parashara's places: B. V. Raman's (the default) or
// P. V. R. Narasimha Rao's, which differs in four places: Mars gives Venus
// the 4th instead of the 5th, and the Moon takes her 9th from herself
// instead of from Mars and her 2nd instead of her 12th from Jupiter.
enum class AshtakavargaReading { Raman, Rao };
inline constexpr AshtakavargaReading kAshtakavargaReadings[] = {AshtakavargaReading::Raman, AshtakavargaReading::Rao};

// The reading's key for options and JSON ("raman", "rao") and its name for a
// person ("B. V. Raman", "P. V. R. Narasimha Rao").
const char* AshtakavargaReadingKey(AshtakavargaReading reading);
const char* AshtakavargaReadingName(AshtakavargaReading reading);
// The reading a key names, or none.
std::optional<AshtakavargaReading> AshtakavargaReadingOfKey(std::string_view key);

struct Ashtakavarga {
    AshtakavargaReading reading = AshtakavargaReading::Raman;
    // Bindus by body number (0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars,
    // 5 Jupiter, 6 Saturn), then by sign index: 0 … 8 each.
    std::array<std::array<int, kSignCount>, kAshtakavargaPlanets> bav{};
    // The sum of the seven by sign index; 337 in all.
    std::array<int, kSignCount> sav{};
    friend bool operator==(const Ashtakavarga&, const Ashtakavarga&) = default;
};

// The houses (1 … 12, counted from the giver) where `giver` gives `planet` a
// bindu, as a bit set (bit h − 1 for house h). Planets and givers by body
// number, the ascendant as giver 7.
unsigned BinduHouses(int planet, int giver, AshtakavargaReading reading = AshtakavargaReading::Raman);

// The ashtakavarga of a chart from its points' signs (sign index by body
// number; the ascendant's at body number 9).
Ashtakavarga ComputeAshtakavarga(const std::array<int, kBodyCount>& signs,
                                 AshtakavargaReading reading = AshtakavargaReading::Raman);

}  // namespace velmora
