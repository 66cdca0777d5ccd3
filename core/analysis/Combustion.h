#pragma once
// Combustion (astangata): a planet too near the Sun to be seen. The orbs are
// the Surya Siddhanta's (ch. 9, the degrees of heliacal setting), as the
// Parashari texts and programs take them over the difference of longitude:
// the Moon 12°, Mars 17°, Mercury 14° (12° when retrograde), Jupiter 11°,
// Venus 10° (8° when retrograde), Saturn 15°. A planet is combust when its
// distance from the Sun is less than its orb. The Sun, the nodes and the
// ascendant are never combust.

namespace velmora {

// The orb of `body` (1 Moon … 6 Saturn) in degrees, 0 for a point that is never combust.
double CombustionOrb(int body, bool retrograde);

// The distance along the ecliptic between two longitudes, 0 … 180 degrees.
double ArcBetween(double a, double b);

// Whether `body` at `longitude` is combust with the Sun at `sunLongitude`.
bool Combust(int body, double longitude, bool retrograde, double sunLongitude);

}  // namespace velmora
