#pragma once
// The sixteen divisional charts (Shodasavarga) of Brihat Parashara Hora
// Shastra, chapter 6: each sign cut into a number of parts, and each part
// given a sign by the chapter's rule. The rules stand in one table
// (Varga.cpp), one row a varga; docs/vargas.md states them in words.

#include <array>
#include <span>
#include <string_view>

#include "engine/NameTables.h"

namespace velmora {

// One varga: D<factor>, its name, and the sign of part `part` (0 … factor−1,
// counted from the sign's start) of sign `sign` (0 Aries … 11 Pisces).
struct VargaRule {
    int factor;
    std::string_view name;
    int (*signOfPart)(int sign, int part);
};

inline constexpr int kVargaCount = 16;

// The sixteen in the order D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24,
// D27, D30, D40, D45, D60.
std::span<const VargaRule, kVargaCount> AllVargas();

// The position of D<factor> in AllVargas(), or −1 when there is none.
int VargaIndexOfFactor(int factor);

// The sign index in `varga` (a position in AllVargas()) of a sidereal
// longitude. Any longitude is first folded into 0° … 360°; a longitude on a
// boundary between parts (to a billionth of a part) is in the later part.
int VargaSign(int varga, double degrees);

// The signs of the ten points in every varga: [varga][body number].
using VargaSigns = std::array<std::array<int, kBodyCount>, kVargaCount>;
VargaSigns VargaSignsOf(const std::array<double, kBodyCount>& longitudes);

// A point is vargottama when it stands in the same sign in D1 and D9.
std::array<bool, kBodyCount> Vargottama(const VargaSigns& signs);

}  // namespace velmora
