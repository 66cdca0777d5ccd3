#pragma once
// The sign a sidereal longitude stands in: whole degrees of |λ| by 30, a full
// circle or more starting again at Aries. The same rule writes the sign into
// the longitude texts, so a point's sign and its text never disagree.

#include <cmath>
#include <cstdint>

namespace velmora {

// Sign index 0 Aries … 11 Pisces of a longitude below 1e15 degrees.
inline int SignOfLongitude(double degrees) {
    const auto whole = static_cast<std::int64_t>(std::fabs(degrees));
    return static_cast<int>(whole / 30 % 12);
}

}  // namespace velmora
