#pragma once
// A point's bhava (house) among twelve cusps. A cusp is where its house
// begins: a point belongs to the house whose cusp it has reached and whose
// next cusp it has not, counted along the zodiac (a point exactly on a cusp
// is in the house that cusp begins).

#include <array>

namespace velmora {

inline constexpr int kHouseCount = 12;
using HouseCusps = std::array<double, kHouseCount>;  // sidereal degrees; [0] begins house 1

// The house number 1–12 of `degrees` among `cusps`.
int BhavaOf(double degrees, const HouseCusps& cusps);

}  // namespace velmora
