#pragma once
// Yogini dasha: eight yoginis of 1 to 8 years, 36 years a turn, in the order
// Mangala (Moon), Pingala (Sun), Dhanya (Jupiter), Bhramari (Mars), Bhadrika
// (Mercury), Ulka (Saturn), Siddha (Venus), Sankata (Rahu). The yogini
// running at birth is the remainder of the Moon's nakshatra number (Ashwini
// 1) plus 3, divided by 8, counted from Mangala (a remainder of 0 is
// Sankata); its balance is the part of the nakshatra the Moon has still to
// cross. Source: Brihat Parashara Hora Shastra, the chapter on the dashas
// (Yogini dasha), as in R. Santhanam's translation.
//
// Three turns (108 years) are listed from birth, each period divided to
// three levels in proportion, from its own yogini on.

#include <array>
#include <string_view>

#include "analysis/DashaEngine.h"

namespace velmora {

inline constexpr std::array<std::string_view, 8> kYoginiNames = {"Mangala", "Pingala", "Dhanya", "Bhramari",
                                                                 "Bhadrika", "Ulka",    "Siddha", "Sankata"};
// The planet each yogini stands for, by body number.
inline constexpr std::array<int, 8> kYoginiPlanets = {1, 0, 5, 4, 2, 6, 3, 7};

const DashaTable& YoginiTable();

// The yogini (0 Mangala … 7 Sankata) running at birth for nakshatra index
// 0 (Ashwini) … 26 (Revati).
int FirstYogini(int nakshatraIndex);

}  // namespace velmora
