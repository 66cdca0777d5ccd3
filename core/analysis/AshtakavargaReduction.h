#pragma once
// The two reductions of each planet's ashtakavarga and the pindas made from
// the reduced bindus (Brihat Parashara Hora Shastra, chapters 67, 68 and 69
// in R. Santhanam's translation; B. V. Raman, "Ashtakavarga System of
// Prediction", chapter II):
//
// Trikona shodhana, in each of the four trines (Aries, Leo, Sagittarius;
// Taurus, Virgo, Capricorn; Gemini, Libra, Aquarius; Cancer, Scorpio,
// Pisces): when two of the three signs have no bindus the third loses its
// bindus too; otherwise the least of the three is taken from each (equal
// figures all go).
//
// Ekadhipatya shodhana, then, in the two signs of each of Mars, Venus,
// Mercury, Jupiter and Saturn (Cancer and Leo are left as they are): nothing
// changes when either sign has no bindus or both are occupied; when neither
// is occupied, both take the smaller figure, or both lose all when equal;
// when one is occupied, the other loses all if its figure is not the
// greater, and else keeps only as many as the occupied one has. A sign is
// occupied by any of the seven planets (Rahu and Ketu do not count); in
// P. V. R. Narasimha Rao's reading the ascendant's sign counts as occupied
// too, as his worked Exercise 22 reduces it.
//
// The pindas: the rasi pinda sums each sign's reduced bindus times the
// sign's multiplier (Aries 7, Taurus 10, Gemini 8, Cancer 4, Leo 10, Virgo
// 5, Libra 7, Scorpio 8, Sagittarius 9, Capricorn 5, Aquarius 11, Pisces
// 12); the graha pinda sums, for each of the seven planets, the reduced
// bindus of the sign it stands in times its multiplier (Sun 5, Moon 5, Mars
// 8, Mercury 5, Jupiter 10, Venus 7, Saturn 5); the shodhya pinda is their sum.

#include <array>

#include "analysis/Ashtakavarga.h"

namespace velmora {

using BinduRow = std::array<int, kSignCount>;

BinduRow TrikonaShodhana(const BinduRow& bindus);
// `occupied`: by sign index, whether the sign counts as occupied.
BinduRow EkadhipatyaShodhana(const BinduRow& bindus, const std::array<bool, kSignCount>& occupied);

struct ReducedAshtakavarga {
    // By body number (0 Sun … 6 Saturn), as Ashtakavarga::bav: after both
    // reductions.
    std::array<BinduRow, kAshtakavargaPlanets> bav{};
    // By body number.
    std::array<int, kAshtakavargaPlanets> rasiPinda{}, grahaPinda{}, shodhyaPinda{};
    friend bool operator==(const ReducedAshtakavarga&, const ReducedAshtakavarga&) = default;
};

// Both reductions of each planet's table in `a`, and the pindas, for the
// chart whose points' signs are `signs` (by body number, the ascendant's at
// body number 9); in `a`'s reading.
ReducedAshtakavarga ReduceAshtakavarga(const Ashtakavarga& a, const std::array<int, kBodyCount>& signs);

// One reading's bindus with their reductions and pindas.
struct AshtakavargaTables {
    Ashtakavarga bindus;
    ReducedAshtakavarga reduced;
    friend bool operator==(const AshtakavargaTables&, const AshtakavargaTables&) = default;
};

// The tables of the chart whose points' signs are `signs`, in `reading`.
AshtakavargaTables AshtakavargaTablesOf(const std::array<int, kBodyCount>& signs, AshtakavargaReading reading);

}  // namespace velmora
