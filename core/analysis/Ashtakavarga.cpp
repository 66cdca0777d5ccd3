#include "analysis/Ashtakavarga.h"

#include <initializer_list>

namespace velmora {

namespace {

constexpr unsigned Houses(std::initializer_list<int> houses) {
    unsigned bits = 0;
    for (int h : houses) bits |= 1u << (h - 1);
    return bits;
}

// kPlaces[planet][giver]: planets and givers by body number (Sun, Moon,
// Mercury, Venus, Mars, Jupiter, Saturn), the ascendant last. BPHS 66.
constexpr unsigned kPlaces[kAshtakavargaPlanets][kAshtakavargaGivers] = {
    // The Sun's ashtakavarga (48 bindus).
    {Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 6, 10, 11}), Houses({3, 5, 6, 9, 10, 11, 12}),
     Houses({6, 7, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({5, 6, 9, 11}),
     Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 4, 6, 10, 11, 12})},
    // The Moon's (49).
    {Houses({3, 6, 7, 8, 10, 11}), Houses({1, 3, 6, 7, 10, 11}), Houses({1, 3, 4, 5, 7, 8, 10, 11}),
     Houses({3, 4, 5, 7, 9, 10, 11}), Houses({2, 3, 5, 6, 9, 10, 11}), Houses({1, 4, 7, 8, 10, 11, 12}),
     Houses({3, 5, 6, 11}), Houses({3, 6, 10, 11})},
    // Mercury's (54).
    {Houses({5, 6, 9, 11, 12}), Houses({2, 4, 6, 8, 10, 11}), Houses({1, 3, 5, 6, 9, 10, 11, 12}),
     Houses({1, 2, 3, 4, 5, 8, 9, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({6, 8, 11, 12}),
     Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({1, 2, 4, 6, 8, 10, 11})},
    // Venus's (52).
    {Houses({8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11, 12}), Houses({3, 5, 6, 9, 11}),
     Houses({1, 2, 3, 4, 5, 8, 9, 10, 11}), Houses({3, 5, 6, 9, 11, 12}), Houses({5, 8, 9, 10, 11}),
     Houses({3, 4, 5, 8, 9, 10, 11}), Houses({1, 2, 3, 4, 5, 8, 9, 11})},
    // Mars's (39).
    {Houses({3, 5, 6, 10, 11}), Houses({3, 6, 11}), Houses({3, 5, 6, 11}), Houses({6, 8, 11, 12}),
     Houses({1, 2, 4, 7, 8, 10, 11}), Houses({6, 10, 11, 12}), Houses({1, 4, 7, 8, 9, 10, 11}),
     Houses({1, 3, 6, 10, 11})},
    // Jupiter's (56).
    {Houses({1, 2, 3, 4, 7, 8, 9, 10, 11}), Houses({2, 5, 7, 9, 11}), Houses({1, 2, 4, 5, 6, 9, 10, 11}),
     Houses({2, 5, 6, 9, 10, 11}), Houses({1, 2, 4, 7, 8, 10, 11}), Houses({1, 2, 3, 4, 7, 8, 10, 11}),
     Houses({3, 5, 6, 12}), Houses({1, 2, 4, 5, 6, 7, 9, 10, 11})},
    // Saturn's (39).
    {Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 6, 11}), Houses({6, 8, 9, 10, 11, 12}), Houses({6, 11, 12}),
     Houses({3, 5, 6, 10, 11, 12}), Houses({5, 6, 11, 12}), Houses({3, 5, 6, 11}), Houses({1, 3, 4, 6, 10, 11})},
};

}  // namespace

unsigned BinduHouses(int planet, int giver) { return kPlaces[planet][giver]; }

Ashtakavarga ComputeAshtakavarga(const std::array<int, kBodyCount>& signs) {
    Ashtakavarga a;
    for (int planet = 0; planet < kAshtakavargaPlanets; ++planet) {
        auto& row = a.bav[static_cast<std::size_t>(planet)];
        for (int giver = 0; giver < kAshtakavargaGivers; ++giver) {
            const int from = signs[static_cast<std::size_t>(giver < kAshtakavargaPlanets ? giver : kBodyCount - 1)];
            const unsigned houses = kPlaces[planet][giver];
            for (int house = 1; house <= kSignCount; ++house)
                if (houses & (1u << (house - 1))) ++row[static_cast<std::size_t>((from + house - 1) % kSignCount)];
        }
        for (int sign = 0; sign < kSignCount; ++sign) a.sav[static_cast<std::size_t>(sign)] += row[static_cast<std::size_t>(sign)];
    }
    return a;
}

}  // namespace velmora
