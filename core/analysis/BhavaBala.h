#pragma once
// Bhava bala, the strength of the twelve houses (Brihat Parashara Hora
// Shastra chapter 27, as B. V. Raman works it out in "Graha and Bhava
// Balas", chapter IX): the strength of the house's lord, its directional
// strength by the kind of sign its middle falls in, and the aspects on its
// middle, in virupas.

#include <array>

#include "analysis/Shadbala.h"

namespace velmora {

struct HouseStrength {
    double adhipati = 0, dig = 0, drishti = 0;
    double total = 0;  // virupas
    double rupas = 0;
};

using BhavaBala = std::array<HouseStrength, 12>;

// The houses whose middles are `middles` (sidereal degrees, [0] the
// ascendant), for a chart whose planets have the strengths `shadbala`.
BhavaBala ComputeBhavaBala(const std::array<double, 12>& middles, const ShadbalaSky& sky, const Shadbala& shadbala);

// The point whose distance makes a house's middle at `middle` weak (see
// BhavaBala.cpp), and the house's directional strength.
double BhavaDigBala(double middle, double ascendant, double midheaven);

}  // namespace velmora
