#pragma once
// What a yoga's rule reads: the ten points' signs in one varga (D1 or any
// other), the houses counted from the ascendant's sign (whole signs), the
// lords of the houses, the planets' natural character and their aspects.
// A varga gives signs only, so every rule is worded in signs and houses and
// reads the same in every varga.
//
// Conventions the rules share (docs/yogas.md):
// - the benefics are Jupiter, Venus, Mercury and the waxing Moon (the Sun
//   less than 180° behind it in D1); the malefics the Sun, Mars, Saturn,
//   Rahu, Ketu and the waning Moon (BPHS ch. 3). Mercury is taken as a
//   benefic whatever it is joined with;
// - a planet "strong" in a rule (the lord of the ascendant "powerful") is not
//   debilitated, and is in its own, exaltation or a natural friend's sign,
//   or in a kendra or a trikona from the ascendant: B. V. Raman's reading in
//   the example charts of Three Hundred Important Combinations (Sankha,
//   Bheri), where the lord is strong by its house alone;
// - two planets are associated (sambandha, BPHS ch. 39) when they share a
//   sign, aspect each other or stand in each other's signs;
// - aspects are the whole-sign aspects of the planets (BPHS ch. 26): every
//   planet the 7th from it, Mars also the 4th and 8th, Jupiter the 5th and
//   9th, Saturn the 3rd and 10th; the nodes are given no aspect.

#include <array>
#include <cstdint>

#include "analysis/Dignity.h"
#include "analysis/SignFacts.h"

namespace velmora {

// A set of points by body number (bit 0 the Sun … bit 9 the ascendant).
using BodySet = std::uint16_t;

inline constexpr BodySet BodyBit(int body) { return static_cast<BodySet>(1u << body); }
// The Sun … Saturn.
inline constexpr BodySet kSevenPlanetSet = 0x7F;
// The nine grahas.
inline constexpr BodySet kGrahas = 0x1FF;
// Mars, Mercury, Jupiter, Venus and Saturn: the planets the Moon's and the
// Sun's yogas count (BPHS chs. 37, 38).
inline constexpr BodySet kTaraPlanets = BodyBit(body::kMars) | BodyBit(body::kMercury) | BodyBit(body::kJupiter) |
                                        BodyBit(body::kVenus) | BodyBit(body::kSaturn);

struct YogaChart {
    std::array<int, kBodyCount> signs{};  // sign index by body number; [body::kAscendant] the ascendant's
    bool moonWaxing = true;

    int Ascendant() const { return signs[body::kAscendant]; }
    // The house of a point counted from the ascendant, 1 … 12.
    int House(int point) const { return SignCount(Ascendant(), signs[static_cast<std::size_t>(point)]); }
    // The house of `point` counted from the sign of `from`, 1 … 12.
    int HouseFrom(int from, int point) const {
        return SignCount(signs[static_cast<std::size_t>(from)], signs[static_cast<std::size_t>(point)]);
    }
    int SignOfHouse(int house) const { return NthSign(Ascendant(), house); }
    int LordOf(int house) const { return kSignLordBodies[static_cast<std::size_t>(SignOfHouse(house))]; }
    int Sign(int point) const { return signs[static_cast<std::size_t>(point)]; }

    bool Benefic(int point) const;
    bool Malefic(int point) const;
    BodySet Benefics() const;
    BodySet Malefics() const;
    // The points of `among` in `sign`.
    BodySet InSign(int sign, BodySet among) const;
    // The points of `among` in house `house` from the ascendant.
    BodySet InHouse(int house, BodySet among) const { return InSign(SignOfHouse(house), among); }
    // The points of `among` in house `house` counted from the sign of `from`.
    BodySet InHouseFrom(int from, int house, BodySet among) const {
        return InSign(NthSign(Sign(from), house), among);
    }
    // Whether `planet` aspects `sign` (whole-sign aspects, as above).
    bool Aspects(int planet, int sign) const;
    bool OwnOrExalted(int planet) const { return OwnSign(planet, Sign(planet)) || ExaltedIn(planet, Sign(planet)); }
    // In its own, exaltation or a natural friend's sign (the Sun … Saturn).
    bool WellPlaced(int planet) const;
    bool Strong(int planet) const;
    bool Associated(int a, int b) const;
};

// Houses 1 … 12 counted from one sign to another are in these groups.
inline constexpr bool Kendra(int house) { return house == 1 || house == 4 || house == 7 || house == 10; }
inline constexpr bool Trikona(int house) { return house == 1 || house == 5 || house == 9; }
inline constexpr bool Dusthana(int house) { return house == 6 || house == 8 || house == 12; }
inline constexpr bool Upachaya(int house) { return house == 3 || house == 6 || house == 10 || house == 11; }

// The yoga's chart from the ten points' signs (the Moon's phase from D1).
YogaChart MakeYogaChart(const std::array<int, kBodyCount>& signs, bool moonWaxing);

// The Moon waxes from the new Moon to the full: less than 180° ahead of the Sun.
bool MoonWaxing(double sunLongitude, double moonLongitude);

}  // namespace velmora
