#include "analysis/Navamsa.h"

#include "analysis/Nakshatra.h"

namespace velmora {

int NavamsaSign(double degrees) {
    // Nine parts a sign and twelve signs: the movable, fixed and dual starts
    // (0, +8, +4 signs for sign indices 0, 1, 2 mod 3) are exactly where a
    // count of parts from 0° Aries stands, modulo twelve.
    return QuarterOf(degrees) % 12;
}

}  // namespace velmora
