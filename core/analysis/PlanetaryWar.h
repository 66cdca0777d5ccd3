#pragma once
// Planetary war (graha yuddha): two of the five star-planets (Mars, Mercury,
// Jupiter, Venus, Saturn) less than one degree apart in longitude. The
// victor is the planet to the north, the one of greater ecliptic latitude
// (Surya Siddhanta ch. 7, 18–23; Varahamihira, Brihat Samhita ch. 17, the
// planet in the north victorious). The Sun, the Moon and the nodes never
// fight.

#include <array>
#include <vector>

#include "engine/NameTables.h"

namespace velmora {

struct PlanetaryWar {
    int first = 0, second = 0;  // body numbers, first < second
    double separation = 0;      // degrees of longitude apart, < 1
    int winner = 0;             // the body to the north
    int Loser() const { return winner == first ? second : first; }
};

// Whether body `b` can be at war (Mercury, Venus, Mars, Jupiter, Saturn).
bool FightsWars(int body);

// Every pair at war, from the longitudes and the ecliptic latitudes by body
// number; when the latitudes are the same the planet further along in
// longitude is taken as the victor.
std::vector<PlanetaryWar> PlanetaryWars(const std::array<double, kBodyCount>& longitudes,
                                        const std::array<double, kBodyCount>& latitudes);

}  // namespace velmora
