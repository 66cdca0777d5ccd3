#include "analysis/PlanetaryWar.h"

#include <cmath>

#include "analysis/Combustion.h"

namespace velmora {

bool FightsWars(int body) { return body >= 2 && body <= 6; }

std::vector<PlanetaryWar> PlanetaryWars(const std::array<double, kBodyCount>& longitudes,
                                        const std::array<double, kBodyCount>& latitudes) {
    std::vector<PlanetaryWar> wars;
    for (int a = 2; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b) {
            const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
            const double apart = ArcBetween(longitudes[ia], longitudes[ib]);
            if (apart >= 1.0) continue;
            int winner = latitudes[ia] > latitudes[ib] ? a : b;
            if (latitudes[ia] == latitudes[ib]) winner = std::fmod(longitudes[ib] - longitudes[ia] + 360.0, 360.0) < 180.0 ? b : a;
            wars.push_back({a, b, apart, winner});
        }
    return wars;
}

}  // namespace velmora
