#pragma once
// Vimsopaka bala, a planet's strength out of 20 from its dignity in a group
// of vargas (Brihat Parashara Hora Shastra, chapter 7): in each varga of the
// group the planet scores 20 in its own or exaltation sign, 18 in a great
// friend's, 15 a friend's, 10 a neutral's, 7 an enemy's and 5 a great
// enemy's (compound friendship); the scores are weighted by the varga's
// share of the group's 20.

#include <array>
#include <span>
#include <string_view>

#include "analysis/PlanetRelations.h"

namespace velmora {

enum class VimsopakaScheme { Shadvarga, Saptavarga, Dasavarga, Shodasavarga };
inline constexpr int kVimsopakaSchemes = 4;

struct VargaWeight {
    int factor;     // D<factor>
    double weight;  // its share of 20
};

struct VimsopakaSchemeRow {
    VimsopakaScheme scheme;
    std::string_view key;   // "shadvarga"
    std::string_view name;  // "Shadvarga"
    std::span<const VargaWeight> weights;
};

// The four groups and their weights, in the enum's order.
std::span<const VimsopakaSchemeRow, kVimsopakaSchemes> VimsopakaSchemes();

// The Sun … Saturn's points (0 … 20) in every scheme, [scheme][planet],
// from the planets' sidereal longitudes.
using Vimsopaka = std::array<std::array<double, kSevenPlanets>, kVimsopakaSchemes>;
Vimsopaka ComputeVimsopaka(const std::array<double, kSevenPlanets>& longitudes);

}  // namespace velmora
