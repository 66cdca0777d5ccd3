#include "analysis/Nakshatra.h"

#include <cmath>

namespace velmora {

namespace {

// A longitude within this many quarters below a boundary counts as on it:
// 3° 20′ is no binary fraction, so 40/3 comes out a hair short.
constexpr double kBoundarySlack = 1e-9;

}  // namespace

double FoldLongitude(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    double folded = std::fmod(degrees, 360.0);
    if (folded < 0) folded += 360.0;
    return folded >= 360.0 ? 0.0 : folded;
}

int QuarterOf(double degrees) {
    const double quarters = FoldLongitude(degrees) * (kQuarterCount / 360.0);
    const int quarter = static_cast<int>(std::floor(quarters + kBoundarySlack));
    return quarter >= kQuarterCount ? 0 : quarter;
}

NakshatraPlace NakshatraOf(double degrees) {
    const int quarter = QuarterOf(degrees);
    NakshatraPlace place;
    place.index = quarter / 4;
    place.pada = quarter % 4 + 1;
    place.lord = kVimshottariLords[static_cast<std::size_t>(place.index % 9)];
    return place;
}

double NakshatraFractionPassed(double degrees) {
    const int index = QuarterOf(degrees) / 4;
    const double passed = FoldLongitude(degrees) * (kNakshatraCount / 360.0) - index;
    if (passed < 0) return 0;  // on the boundary, within the slack
    return passed >= 1 ? 0 : passed;
}

}  // namespace velmora
