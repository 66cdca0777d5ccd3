// The program's own search for sunrises and sunsets against the Swiss
// Ephemeris's (swe_rise_trans) over a year at latitudes 75° S to 75° N, in
// both conventions: the same moments to a second below 60° (2.5 s for the
// disc's centre), to 20 seconds beyond, where the Sun climbs slowly; the same days without a sunrise or a
// sunset; the events in order.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ephemeris/PreciseEphemeris.h"
#include "ephemeris/SunriseSunset.h"

namespace velmora {
namespace {

TEST(SunEvents, TheLibrarysMomentsAtEveryLatitude) {
    const std::string dir = PreciseEphemeris::DefaultDataDirectory();
    int compared = 0;
    for (const SunriseConvention convention : {SunriseConvention::UpperLimbRefracted, SunriseConvention::DiscCentre}) {
        for (int latitude = -75; latitude <= 75; latitude += 15) {
            for (int day = 0; day < 365; day += 23) {
                const double from = 2451545.0 + day, to = from + 1;
                std::vector<SunEvent> events;
                ASSERT_TRUE(SunEventsWithin(from, to, latitude, 20, convention, dir, events));
                for (std::size_t i = 1; i < events.size(); ++i) EXPECT_LT(events[i - 1].jdUT, events[i].jdUT);
                for (const bool rise : {true, false}) {
                    const auto library = SunEventWithin(from, to, latitude, 20, rise, convention, dir);
                    const SunEvent* own = nullptr;
                    for (const SunEvent& e : events)
                        if (e.rise == rise && !own) own = &e;
                    const std::string where = std::to_string(latitude) + "° day " + std::to_string(day);
                    ASSERT_EQ(own != nullptr, library.has_value()) << where << (rise ? " rise" : " set");
                    if (!library) continue;
                    const double seconds = std::abs(latitude) > 60                                  ? 20.0
                                           : convention == SunriseConvention::DiscCentre ? 2.5
                                                                                         : 1.0;
                    EXPECT_NEAR(own->jdUT, *library, seconds / 86400) << where;
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 600);
}

}  // namespace
}  // namespace velmora
