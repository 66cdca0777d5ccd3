#include "atlas/PlaceCoordinates.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// An angle as places' coordinates are published, in degrees, minutes and
// seconds, as decimal degrees (negative west and south); the boxes each case
// expects are that angle rounded to the minute by hand.
double Dms(int degrees, int minutes, int seconds, bool negative = false) {
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return negative ? -value : value;
}

struct CoordinateCase {
    const char* what;
    bool longitude;  // else a latitude
    double degrees;
    std::string boxDegrees, boxMinutes;
    bool negative;  // west or south
};

// The boxes hold the angle to the nearest minute: under 30 seconds round
// down, 30 and more up, carrying into the degrees; the hemisphere apart.
// Each fills its own boxes and leaves the other coordinate's alone.
TEST(PlaceCoordinates, EachCoordinateToTheNearestMinute) {
    const CoordinateCase cases[] = {
        {"seconds round down", true, Dms(88, 22, 12), "88", "22", false},
        {"half a minute rounds up", true, Dms(151, 12, 36), "151", "13", false},
        {"the minutes carry into the degrees", true, Dms(77, 59, 45), "78", "0", false},
        {"west, one-digit minutes", true, Dms(0, 7, 39, true), "0", "8", true},
        {"west, three-digit degrees", true, Dms(122, 25, 9, true), "122", "25", true},
        {"the meridian itself", true, 0.0, "0", "0", false},
        // 180° does not fit the boxes: the nearest angle they take.
        {"east at the box's limit", true, Dms(179, 59, 50), "179", "59", false},
        {"west at the box's limit", true, Dms(179, 59, 50, true), "179", "59", true},
        {"north", false, Dms(22, 34, 3), "22", "34", false},
        {"south", false, Dms(33, 52, 4, true), "33", "52", true},
        {"south, rounding up", false, Dms(22, 54, 40, true), "22", "55", true},
        {"one-digit degrees and minutes", false, Dms(1, 2, 0), "1", "2", false},
        {"the equator", false, 0.0, "0", "0", false},
        // 90° does not fit the boxes: the nearest angle they take.
        {"near the pole", false, Dms(89, 59, 40), "89", "59", false},
    };
    for (const CoordinateCase& c : cases) {
        SCOPED_TRACE(c.what);
        FormFields form;
        // Both hemispheres start the wrong way round, so that a button
        // left alone shows.
        form.East = c.negative;
        form.South = !c.negative;
        if (c.longitude) {
            FillLongitudeFields(c.degrees, form);
        } else {
            FillLatitudeFields(c.degrees, form);
        }
        EXPECT_EQ(c.longitude ? form.LonDeg : form.LatDeg, c.boxDegrees);
        EXPECT_EQ(c.longitude ? form.LonMin : form.LatMin, c.boxMinutes);
        EXPECT_EQ(c.longitude ? !form.East : form.South, c.negative);
        EXPECT_TRUE(c.longitude ? form.LatDeg.empty() && form.LatMin.empty() && form.South == !c.negative
                                : form.LonDeg.empty() && form.LonMin.empty() && form.East == c.negative);
    }
}

TEST(PlaceCoordinates, APlaceFillsBothCoordinates) {
    AtlasEntry place;
    place.Longitude = Dms(0, 7, 39, true);
    place.Latitude = Dms(51, 30, 26);
    FormFields form;
    form.East = true;
    form.South = true;
    FillCoordinateFields(place, form);
    EXPECT_EQ(form.LonDeg, "0");
    EXPECT_EQ(form.LonMin, "8");
    EXPECT_FALSE(form.East);
    EXPECT_EQ(form.LatDeg, "51");
    EXPECT_EQ(form.LatMin, "30");
    EXPECT_FALSE(form.South);
}

}  // namespace
}  // namespace velmora
