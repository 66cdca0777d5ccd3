#include "analysis/Combustion.h"

#include <cmath>

namespace velmora {

double CombustionOrb(int body, bool retrograde) {
    switch (body) {
        case 1: return 12;                      // Moon
        case 2: return retrograde ? 12 : 14;    // Mercury
        case 3: return retrograde ? 8 : 10;     // Venus
        case 4: return 17;                      // Mars
        case 5: return 11;                      // Jupiter
        case 6: return 15;                      // Saturn
        default: return 0;
    }
}

double ArcBetween(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

bool Combust(int body, double longitude, bool retrograde, double sunLongitude) {
    const double orb = CombustionOrb(body, retrograde);
    return orb > 0 && ArcBetween(longitude, sunLongitude) < orb;
}

}  // namespace velmora
