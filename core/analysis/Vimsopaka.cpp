#include "analysis/Vimsopaka.h"

#include <cmath>

#include "analysis/Varga.h"

namespace velmora {

namespace {

// BPHS 7: the shadvarga (six vargas), saptavarga (seven), dasavarga (ten)
// and shodasavarga (sixteen) weights, each group summing to 20.
constexpr VargaWeight kShadvarga[] = {{1, 6}, {2, 2}, {3, 4}, {9, 5}, {12, 2}, {30, 1}};
constexpr VargaWeight kSaptavarga[] = {{1, 5}, {2, 2}, {3, 3}, {7, 2.5}, {9, 4.5}, {12, 2}, {30, 1}};
constexpr VargaWeight kDasavarga[] = {{1, 3},    {2, 1.5},  {3, 1.5},  {7, 1.5},  {9, 1.5},
                                      {10, 1.5}, {12, 1.5}, {16, 1.5}, {30, 1.5}, {60, 5}};
constexpr VargaWeight kShodasavarga[] = {{1, 3.5}, {2, 1},    {3, 1},    {4, 0.5},  {7, 0.5},  {9, 3},
                                         {10, 0.5}, {12, 0.5}, {16, 2},   {20, 0.5}, {24, 0.5}, {27, 0.5},
                                         {30, 1},   {40, 0.5}, {45, 0.5}, {60, 4}};

constexpr std::array<VimsopakaSchemeRow, kVimsopakaSchemes> kSchemes = {{
    {VimsopakaScheme::Shadvarga, "shadvarga", "Shadvarga", kShadvarga},
    {VimsopakaScheme::Saptavarga, "saptavarga", "Saptavarga", kSaptavarga},
    {VimsopakaScheme::Dasavarga, "dasavarga", "Dasavarga", kDasavarga},
    {VimsopakaScheme::Shodasavarga, "shodasavarga", "Shodasavarga", kShodasavarga},
}};

// A planet's score in a sign: 20 own or exalted, else by the compound
// friendship for the sign's lord.
double Score(int planet, int sign, const std::array<int, kSevenPlanets>& signs) {
    static constexpr double kByFriendship[] = {5, 7, 10, 15, 18};  // great enemy … great friend
    const int exaltation = static_cast<int>(ExaltationPoint(planet) / 30);
    if (OwnSign(planet, sign) || sign == exaltation) return 20;
    const int lord = kSignLordBody[static_cast<std::size_t>(sign)];
    return kByFriendship[static_cast<int>(CompoundFriendship(planet, lord, signs)) + 2];
}

}  // namespace

std::span<const VimsopakaSchemeRow, kVimsopakaSchemes> VimsopakaSchemes() { return kSchemes; }

Vimsopaka ComputeVimsopaka(const std::array<double, kSevenPlanets>& longitudes) {
    std::array<int, kSevenPlanets> signs{};
    for (std::size_t p = 0; p < signs.size(); ++p) signs[p] = VargaSign(0, longitudes[p]);
    Vimsopaka points{};
    for (std::size_t s = 0; s < kSchemes.size(); ++s)
        for (const VargaWeight& w : kSchemes[s].weights)
            for (int p = 0; p < kSevenPlanets; ++p) {
                const std::size_t i = static_cast<std::size_t>(p);
                const int sign = VargaSign(VargaIndexOfFactor(w.factor), longitudes[i]);
                points[s][i] += w.weight * Score(p, sign, signs) / 20;
            }
    return points;
}

}  // namespace velmora
