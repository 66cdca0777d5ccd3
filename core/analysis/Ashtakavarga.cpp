#include "analysis/Ashtakavarga.h"

#include <initializer_list>

namespace velmora {

namespace {

constexpr unsigned Houses(std::initializer_list<int> houses) {
    unsigned bits = 0;
    for (int h : houses) bits |= 1u << (h - 1);
    return bits;
}

// One planet's places from each giver: the givers by body number (Sun, Moon,
// Mercury, Venus, Mars, Jupiter, Saturn), the ascendant last.
using Row = std::array<unsigned, kAshtakavargaGivers>;
// A reading's places: the planets' rows by body number.
using Places = std::array<Row, kAshtakavargaPlanets>;

// BPHS 66 as Raman tabulates it ("Ashtakavarga System of Prediction",
// chapter II). Rao ("Vedic Astrology: An Integrated Approach", chapter 12)
// shares the rows of the Sun, Mercury, Mars, Jupiter and Saturn.
// The Sun's ashtakavarga (48 bindus).
constexpr Row kSun = {Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 6, 10, 11}), Houses({3, 5, 6, 9, 10, 11, 12}),
                      Houses({6, 7, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({5, 6, 9, 11}),
                      Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 4, 6, 10, 11, 12})};
// The Moon's (49), Raman's.
constexpr Row kRamanMoon = {Houses({3, 6, 7, 8, 10, 11}), Houses({1, 3, 6, 7, 10, 11}),
                            Houses({1, 3, 4, 5, 7, 8, 10, 11}), Houses({3, 4, 5, 7, 9, 10, 11}),
                            Houses({2, 3, 5, 6, 9, 10, 11}), Houses({1, 4, 7, 8, 10, 11, 12}),
                            Houses({3, 5, 6, 11}), Houses({3, 6, 10, 11})};
// Rao's: the 9th from the Moon herself, not from Mars; the 2nd from Jupiter,
// not the 12th.
constexpr Row kRaoMoon = {Houses({3, 6, 7, 8, 10, 11}), Houses({1, 3, 6, 7, 9, 10, 11}),
                          Houses({1, 3, 4, 5, 7, 8, 10, 11}), Houses({3, 4, 5, 7, 9, 10, 11}),
                          Houses({2, 3, 5, 6, 10, 11}), Houses({1, 2, 4, 7, 8, 10, 11}),
                          Houses({3, 5, 6, 11}), Houses({3, 6, 10, 11})};
// Mercury's (54).
constexpr Row kMercury = {Houses({5, 6, 9, 11, 12}), Houses({2, 4, 6, 8, 10, 11}), Houses({1, 3, 5, 6, 9, 10, 11, 12}),
                          Houses({1, 2, 3, 4, 5, 8, 9, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({6, 8, 11, 12}),
                          Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({1, 2, 4, 6, 8, 10, 11})};
// Venus's (52), Raman's.
constexpr Row kRamanVenus = {Houses({8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11, 12}), Houses({3, 5, 6, 9, 11}),
                             Houses({1, 2, 3, 4, 5, 8, 9, 10, 11}), Houses({3, 5, 6, 9, 11, 12}),
                             Houses({5, 8, 9, 10, 11}), Houses({3, 4, 5, 8, 9, 10, 11}),
                             Houses({1, 2, 3, 4, 5, 8, 9, 11})};
// Rao's: the 4th from Mars, not the 5th.
constexpr Row kRaoVenus = {Houses({8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11, 12}), Houses({3, 5, 6, 9, 11}),
                           Houses({1, 2, 3, 4, 5, 8, 9, 10, 11}), Houses({3, 4, 6, 9, 11, 12}),
                           Houses({5, 8, 9, 10, 11}), Houses({3, 4, 5, 8, 9, 10, 11}),
                           Houses({1, 2, 3, 4, 5, 8, 9, 11})};
// Mars's (39).
constexpr Row kMars = {Houses({3, 5, 6, 10, 11}), Houses({3, 6, 11}), Houses({3, 5, 6, 11}), Houses({6, 8, 11, 12}),
                       Houses({1, 2, 4, 7, 8, 10, 11}), Houses({6, 10, 11, 12}), Houses({1, 4, 7, 8, 9, 10, 11}),
                       Houses({1, 3, 6, 10, 11})};
// Jupiter's (56).
constexpr Row kJupiter = {Houses({1, 2, 3, 4, 7, 8, 9, 10, 11}), Houses({2, 5, 7, 9, 11}),
                          Houses({1, 2, 4, 5, 6, 9, 10, 11}), Houses({2, 5, 6, 9, 10, 11}),
                          Houses({1, 2, 4, 7, 8, 10, 11}), Houses({1, 2, 3, 4, 7, 8, 10, 11}), Houses({3, 5, 6, 12}),
                          Houses({1, 2, 4, 5, 6, 7, 9, 10, 11})};
// Saturn's (39).
constexpr Row kSaturn = {Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 6, 11}), Houses({6, 8, 9, 10, 11, 12}),
                         Houses({6, 11, 12}), Houses({3, 5, 6, 10, 11, 12}), Houses({5, 6, 11, 12}),
                         Houses({3, 5, 6, 11}), Houses({1, 3, 4, 6, 10, 11})};

constexpr Places kRamanPlaces = {kSun, kRamanMoon, kMercury, kRamanVenus, kMars, kJupiter, kSaturn};
constexpr Places kRaoPlaces = {kSun, kRaoMoon, kMercury, kRaoVenus, kMars, kJupiter, kSaturn};

const Places& PlacesOf(AshtakavargaReading reading) {
    return reading == AshtakavargaReading::Rao ? kRaoPlaces : kRamanPlaces;
}

}  // namespace

const char* AshtakavargaReadingKey(AshtakavargaReading reading) {
    return reading == AshtakavargaReading::Rao ? "rao" : "raman";
}

std::optional<AshtakavargaReading> AshtakavargaReadingOfKey(std::string_view key) {
    for (AshtakavargaReading reading : kAshtakavargaReadings)
        if (key == AshtakavargaReadingKey(reading)) return reading;
    return std::nullopt;
}

const char* AshtakavargaReadingName(AshtakavargaReading reading) {
    return reading == AshtakavargaReading::Rao ? "P. V. R. Narasimha Rao" : "B. V. Raman";
}

unsigned BinduHouses(int planet, int giver, AshtakavargaReading reading) { return PlacesOf(reading)[static_cast<std::size_t>(planet)][static_cast<std::size_t>(giver)]; }

Ashtakavarga ComputeAshtakavarga(const std::array<int, kBodyCount>& signs, AshtakavargaReading reading) {
    Ashtakavarga a;
    a.reading = reading;
    const Places& places = PlacesOf(reading);
    for (int planet = 0; planet < kAshtakavargaPlanets; ++planet) {
        auto& row = a.bav[static_cast<std::size_t>(planet)];
        for (int giver = 0; giver < kAshtakavargaGivers; ++giver) {
            const int from = signs[static_cast<std::size_t>(giver < kAshtakavargaPlanets ? giver : kBodyCount - 1)];
            const unsigned houses = places[static_cast<std::size_t>(planet)][static_cast<std::size_t>(giver)];
            for (int house = 1; house <= kSignCount; ++house)
                if (houses & (1u << (house - 1))) ++row[static_cast<std::size_t>((from + house - 1) % kSignCount)];
        }
        for (int sign = 0; sign < kSignCount; ++sign) a.sav[static_cast<std::size_t>(sign)] += row[static_cast<std::size_t>(sign)];
    }
    return a;
}

}  // namespace velmora
