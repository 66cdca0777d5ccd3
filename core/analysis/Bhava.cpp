#include "analysis/Bhava.h"

#include <cmath>

namespace velmora {

namespace {

// The arc from `from` forward to `to`, 0 ≤ arc < 360.
double ArcForward(double from, double to) {
    double arc = std::fmod(to - from, 360.0);
    if (arc < 0) arc += 360.0;
    if (arc >= 360.0) arc -= 360.0;
    return arc;
}

}  // namespace

int BhavaOf(double degrees, const HouseCusps& cusps) {
    for (int house = 0; house < kHouseCount; ++house) {
        const double begins = cusps[static_cast<std::size_t>(house)];
        const double next = cusps[static_cast<std::size_t>((house + 1) % kHouseCount)];
        if (ArcForward(begins, degrees) < ArcForward(begins, next)) return house + 1;
    }
    return 1;  // twelve cusps at one point: everything is in the first house
}

}  // namespace velmora
