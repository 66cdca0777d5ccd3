#pragma once
// The ninth division (D9): each sign in nine parts of 3° 20′. The first part
// of a movable sign is the sign itself, of a fixed sign the ninth sign from
// it, of a dual sign the fifth; the parts run on in zodiac order.

namespace velmora {

// The Navamsa sign index (0 Aries … 11 Pisces) of a sidereal longitude; on
// a boundary the later part.
int NavamsaSign(double degrees);

}  // namespace velmora
