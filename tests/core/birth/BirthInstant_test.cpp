// The true birth instant: the clock minus the zone's own offset east of
// Greenwich, minus an hour of daylight saving, whatever the hemisphere.
// Expected Julian Dates are counted from the Unix epoch, 1970 January 1,
// 0 h UT = JD 2440587.5 (Meeus, Astronomical Algorithms, ch. 7), with the
// calendar days between taken from the proleptic Gregorian calendar.

#include <gtest/gtest.h>

#include "birth/BirthInstant.h"
#include "tests/core/engine/EngineTestSupport.h"

namespace velmora {
namespace {

using testing_support::MakeBirth;
using testing_support::Place;

struct InstantCase {
    const char* what;
    BirthData birth;
    ZoneOffset zone;  // as the zone list gives it: west positive
    int second;
    double expectedJd;
};

TEST(BirthInstant, ClockMinusZoneMinusDaylightSaving) {
    const Place madrid{3, 42, false, 40, 25, false};
    const Place brest{4, 29, false, 48, 23, false};
    const Place newYork{73, 58, false, 40, 47, false};
    const Place delhi{77, 13, true, 28, 39, false};
    const Place kolkata{88, 22, true, 22, 34, false};
    const InstantCase cases[] = {
        // West of Greenwich on Central European Time: 12:00 CET is 11:00 UT.
        {"Madrid, CET", MakeBirth(2000, 1, 1, 12, 0, 1, 0, madrid), {-1, 0}, 0, 2451544.9583333335},
        // The same with summer time: 13:00 CEST is 11:00 UT.
        {"Brest, CET + DST", MakeBirth(2000, 1, 1, 13, 0, 1, 0, brest, true), {-1, 0}, 0, 2451544.9583333335},
        // 9:15 EDT entered as EST with daylight saving: 13:15 UT.
        {"New York, EST + DST", MakeBirth(1976, 7, 4, 9, 15, 5, 0, newYork, true), {5, 0}, 0, 2442964.0520833335},
        // Midnight IST falls on the previous day in Universal Time.
        {"Delhi, IST midnight", MakeBirth(1947, 8, 15, 0, 0, 5, 30, delhi), {-5, -30}, 0, 2432412.2708333335},
        // Seconds count: 06:30:00 at +6:30 is 0:00:00 UT.
        {"Kolkata, +6:30", MakeBirth(1942, 9, 1, 6, 30, 6, 30, kolkata), {-6, -30}, 0, 2430603.5},
        {"seconds", MakeBirth(1942, 9, 1, 6, 30, 6, 30, kolkata), {-6, -30}, 45, 2430603.5 + 45.0 / 86400},
    };
    for (const InstantCase& c : cases) {
        SCOPED_TRACE(c.what);
        const BirthInstant instant = FormBirthInstant(c.birth, c.zone, c.second);
        EXPECT_NEAR(instant.UniversalJulianDate(), c.expectedJd, 1e-9);
    }
}

TEST(BirthInstant, ExactHistoricalOffsetNeedsNoZoneEntry) {
    // Kathmandu, +5:45 (IANA Asia/Kathmandu since 1986): 12:00 local is 06:15 UT.
    BirthInstant instant{2000, 1, 1, 12, 0, 0, 5 * 60 + 45};
    EXPECT_NEAR(instant.UniversalJulianDate(), 2451544.7604166665, 1e-9);
}

}  // namespace
}  // namespace velmora
