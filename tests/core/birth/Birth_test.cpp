// A birth's place is kept in decimal degrees; the classic engine takes it
// back as whole degrees and minutes with the hemisphere as a flag. Every
// value the form's boxes accept must come back exactly as typed, including
// a coordinate of 0° 0′ given as west or south, whose hemisphere decides
// the classic engine's zone direction.

#include <gtest/gtest.h>

#include <string>

#include "birth/Birth.h"

namespace velmora {
namespace {

TEST(Birth, EveryCoordinateTheFormTakesComesBackAsTyped) {
    int failures = 0;
    for (int degrees = 0; degrees <= 179; ++degrees) {
        for (int minutes = 0; minutes <= 59; ++minutes) {
            for (bool negative : {false, true}) {
                const DegreesMinutes back = SplitCoordinate(JoinCoordinate(degrees, minutes, negative));
                if ((back.degrees != degrees || back.minutes != minutes || back.negative != negative) &&
                    ++failures <= 5)
                    ADD_FAILURE() << degrees << "° " << minutes << "′ " << (negative ? "W/S" : "E/N") << " came back as "
                                  << back.degrees << "° " << back.minutes << "′";
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(Birth, FromTheFormsBoxes) {
    const struct {
        const char *lonDeg, *lonMin;
        bool east;
        const char *latDeg, *latMin;
        bool south;
        int lonDegrees, lonMinutes;
        bool west;
        int latDegrees, latMinutes;
        bool southBack;
    } cases[] = {
        // Bengaluru as an atlas gives it, 77° 35′ E 12° 58′ N.
        {"77", "35", true, "12", "58", false, 77, 35, false, 12, 58, false},
        // Greenwich typed as west and the equator as south: the hemispheres stay.
        {"0", "0", false, "0", "0", true, 0, 0, true, 0, 0, true},
        // Boxes are read as the run always read them: halves to even.
        {" 74.5", "0", false, "40.5", "42", false, 74, 0, true, 40, 42, false},
        {"179", "59", true, "89", "59", true, 179, 59, false, 89, 59, true},
    };
    for (const auto& c : cases) {
        FormFields form;
        form.Name = "ANNA";
        form.LonDeg = c.lonDeg;
        form.LonMin = c.lonMin;
        form.East = c.east;
        form.LatDeg = c.latDeg;
        form.LatMin = c.latMin;
        form.South = c.south;
        const Birth birth = BirthFromForm(form);
        const DegreesMinutes lon = SplitCoordinate(birth.longitude);
        const DegreesMinutes lat = SplitCoordinate(birth.latitude);
        EXPECT_EQ(lon.degrees, c.lonDegrees) << c.lonDeg;
        EXPECT_EQ(lon.minutes, c.lonMinutes) << c.lonDeg;
        EXPECT_EQ(lon.negative, c.west) << c.lonDeg;
        EXPECT_EQ(lat.degrees, c.latDegrees) << c.latDeg;
        EXPECT_EQ(lat.minutes, c.latMinutes) << c.latDeg;
        EXPECT_EQ(lat.negative, c.southBack) << c.latDeg;
        EXPECT_EQ(birth.name, "ANNA");
    }
}

// A chosen place keeps its own coordinates (GeoNames 1277333, Bengaluru:
// 12.97194 N, 77.59369 E) while the boxes show them to the minute; boxes
// typed over them are read as typed.
TEST(Birth, APlacesOwnCoordinatesWhileTheBoxesShowThem) {
    const struct {
        const char* what;
        const char *lonDeg, *lonMin, *latDeg, *latMin;
        bool south;
        double longitude, latitude;
    } cases[] = {
        {"the boxes as the place filled them", "77", "36", "12", "58", false, 77.59369, 12.97194},
        {"a minute typed over", "77", "35", "12", "58", false, 77 + 35 / 60.0, 12.97194},
        {"the other hemisphere chosen", "77", "36", "12", "58", true, 77.59369, -(12 + 58 / 60.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormFields form;
        form.LonDeg = c.lonDeg;
        form.LonMin = c.lonMin;
        form.LatDeg = c.latDeg;
        form.LatMin = c.latMin;
        form.South = c.south;
        form.Place = "Bengaluru, Karnataka, India";
        form.PlaceLatitude = 12.97194;
        form.PlaceLongitude = 77.59369;
        const Birth birth = BirthFromForm(form);
        EXPECT_DOUBLE_EQ(birth.longitude, c.longitude);
        EXPECT_DOUBLE_EQ(birth.latitude, c.latitude);
    }
}

}  // namespace
}  // namespace velmora
