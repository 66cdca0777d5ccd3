#include "analysis/PlanetRelations.h"

#include <cmath>

#include "analysis/Dignity.h"
#include "analysis/Nakshatra.h"

namespace velmora {

double ShorterArc(double a, double b) {
    const double d = FoldLongitude(a - b);
    return d > 180 ? 360 - d : d;
}

double ExaltationPoint(int planet) {
    const DignityFacts& f = DignityFactsOf(planet);
    return 30.0 * f.exaltationSign + f.exaltationDegree;
}

bool InMoolatrikona(int planet, double longitude) {
    const DignityFacts& f = DignityFactsOf(planet);
    const double x = FoldLongitude(longitude);
    const int sign = static_cast<int>(x / 30) % 12;
    const double degrees = x - 30.0 * sign;
    return sign == f.moolatrikonaSign && degrees >= f.moolatrikonaFrom && degrees < f.moolatrikonaTo;
}

// One table of the natural relations for the whole program: the dignities'
// (analysis/Dignity, which the matching of two Moons shares).
int NaturalFriendship(int planet, int other) { return static_cast<int>(NaturalRelationOf(planet, other)); }

Friendship CompoundFriendship(int planet, int other, const std::array<int, kSevenPlanets>& signs) {
    const bool temporaryFriend =
        TemporaryFriend(signs[static_cast<std::size_t>(planet)], signs[static_cast<std::size_t>(other)]);
    return static_cast<Friendship>(NaturalFriendship(planet, other) + (temporaryFriend ? 1 : -1));
}

}  // namespace velmora
