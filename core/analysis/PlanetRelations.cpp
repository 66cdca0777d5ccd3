#include "analysis/PlanetRelations.h"

#include <cmath>

#include "analysis/Nakshatra.h"

namespace velmora {

namespace {

// [planet][other]: +1 friend, 0 neutral, −1 enemy (BPHS 3.55–3.58). Rows and
// columns in body order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn.
constexpr int kNatural[kSevenPlanets][kSevenPlanets] = {
    // Sun Moon Mer Ven Mars Jup Sat
    {0, 1, 0, -1, 1, 1, -1},     // Sun: friends Moon, Mars, Jupiter; enemies Venus, Saturn
    {1, 0, 1, 0, 0, 0, 0},       // Moon: friends Sun, Mercury; no enemy
    {1, -1, 0, 1, 0, 0, 0},      // Mercury: friends Sun, Venus; enemy Moon
    {-1, -1, 1, 0, 0, 0, 1},     // Venus: friends Mercury, Saturn; enemies Sun, Moon
    {1, 1, -1, 0, 0, 1, 0},      // Mars: friends Sun, Moon, Jupiter; enemy Mercury
    {1, 1, -1, -1, 1, 0, 0},     // Jupiter: friends Sun, Moon, Mars; enemies Mercury, Venus
    {-1, -1, 1, 1, -1, 0, 0},    // Saturn: friends Mercury, Venus; enemies Sun, Moon, Mars
};

}  // namespace

double ShorterArc(double a, double b) {
    const double d = FoldLongitude(a - b);
    return d > 180 ? 360 - d : d;
}

bool InMoolatrikona(int planet, double longitude) {
    const Moolatrikona& m = kMoolatrikona[static_cast<std::size_t>(planet)];
    const double x = FoldLongitude(longitude);
    const int sign = static_cast<int>(x / 30) % 12;
    const double degrees = x - 30.0 * sign;
    return sign == m.sign && degrees >= m.from && degrees < m.to;
}

int NaturalFriendship(int planet, int other) { return kNatural[planet][other]; }

Friendship CompoundFriendship(int planet, int other, const std::array<int, kSevenPlanets>& signs) {
    const int house = ((signs[static_cast<std::size_t>(other)] - signs[static_cast<std::size_t>(planet)]) % 12 + 12) % 12 + 1;
    const bool temporaryFriend = house == 2 || house == 3 || house == 4 || house >= 10;
    return static_cast<Friendship>(NaturalFriendship(planet, other) + (temporaryFriend ? 1 : -1));
}

}  // namespace velmora
