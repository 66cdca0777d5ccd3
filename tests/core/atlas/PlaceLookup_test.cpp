#include "atlas/PlaceLookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace velmora {
namespace {

struct PlaceCase {
    std::string_view city, state, country;
    int check;                   // 0 when the search goes
    std::string_view expected;   // the failure's message or the search text
};

TEST(PlaceLookup, ChecksThenSearchText) {
    const PlaceCase cases[] = {
        {"Pune", "Maharashtra", "India", 0, "Pune Maharashtra India Latitude Longitude"},
        {"New York", "New York", "USA", 0, "New York New York USA Latitude Longitude"},
        {"Oslo", " ", "Norway", 0, "Oslo   Norway Latitude Longitude"},
        {" ", " ", " ", 0, "      Latitude Longitude"},
        {" Rome ", "Lazio", "Italy ", 0, " Rome  Lazio Italy  Latitude Longitude"},
        {"", "", "", 1, "Please Enter City"},
        {"", "Kerala", "India", 1, "Please Enter City"},
        {"Kochi", "", "", 2, "Please Enter State"},
        {"Kochi", "", "India", 2, "Please Enter State"},
        {"Kochi", "Kerala", "", 3, "Please Enter Country"},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.expected);
        const PlaceLookupResult r = ComposePlaceSearch(c.city, c.state, c.country);
        ASSERT_EQ(r.failure.check, c.check);
        if (c.check == 0) {
            EXPECT_EQ(r.searchText, c.expected);
            EXPECT_TRUE(r.failure.message.empty());
        } else {
            EXPECT_EQ(r.failure.message, c.expected);
            EXPECT_EQ(r.failure.icon, MessageIcon::Information);
            const FormField focus[] = {FormField::City, FormField::State, FormField::Country};
            EXPECT_EQ(r.failure.focus, focus[c.check - 1]);
            EXPECT_TRUE(r.searchText.empty());
        }
    }
}

// Distances on the sphere of the Earth's mean radius, 6371 km: a degree of a
// great circle is 2 pi 6371 / 360 = 111.195 km, a quarter of one 10 007.5 km.
TEST(PlaceLookup, GreatCircleDistance) {
    EXPECT_NEAR(DistanceKm(0, 0, 1, 0), 111.195, 0.001);
    EXPECT_NEAR(DistanceKm(10, 20, 10, 21), 111.195 * std::cos(10 * std::numbers::pi / 180), 0.05);
    EXPECT_NEAR(DistanceKm(0, 0, 0, 90), 10007.5, 0.1);
    EXPECT_NEAR(DistanceKm(0, 179.5, 0, -179.5), 111.195, 0.001);
}

// The City box against the typed coordinates. Mumbai is GeoNames 1275339,
// 19.07283 N 72.88261 E (19:04N 72:53E in the boxes); Bengaluru 1277333,
// 12.97194 N 77.59369 E (12:58N 77:36E). A degree of longitude at 19° N is
// 111.195 cos 19.07° = 105.1 km: 73:10E is 30 km from Mumbai, 73:30E 65 km.
TEST(PlaceLookup, CityNamingAnotherPlaceThanTheCoordinates) {
    const std::string bengaluru = "Bengaluru, Karnataka, India";
    const struct {
        const char* what;
        std::string city, state, lonDeg, lonMin, latDeg, latMin;
        bool east, south;
        std::string from;       // the place set aside
        bool disagrees;
        std::string named;      // the place named, when it disagrees
    } cases[] = {
        {"Mumbai at its own coordinates", "Mumbai", "", "72", "53", "19", "4", true, false, "", false, ""},
        {"Mumbai over Bengaluru's set-aside coordinates", "Mumbai", "", "77", "36", "12", "58", true, false, bengaluru,
         true, "Mumbai, Maharashtra, India"},
        {"Mumbai over Bengaluru's coordinates typed by hand", "mumbai", "", "77", "36", "12", "58", true, false, "",
         true, "Mumbai, Maharashtra, India"},
        {"a former name", "Bombay", "", "77", "36", "12", "58", true, false, "", true, "Mumbai, Maharashtra, India"},
        {"30 km away", "Mumbai", "", "73", "10", "19", "4", true, false, "", false, ""},
        {"65 km away", "Mumbai", "", "73", "30", "19", "4", true, false, "", true, "Mumbai, Maharashtra, India"},
        {"the other hemisphere", "Mumbai", "", "72", "53", "19", "4", false, false, "", true,
         "Mumbai, Maharashtra, India"},
        {"the set-aside place named again", "Bengaluru", "", "77", "36", "12", "58", true, false, bengaluru, false, ""},
        {"a city the atlas does not know", "Xyzzyville", "", "77", "36", "12", "58", true, false, bengaluru, false,
         ""},
        {"a name still being typed", "Mumb", "", "77", "36", "12", "58", true, false, bengaluru, false, ""},
        {"coordinates not yet numbers", "Mumbai", "", "", "36", "12", "58", true, false, bengaluru, false, ""},
        {"several places, no state", "Springfield", "", "0", "0", "0", "0", true, false, "", false, ""},
        {"several places, the state tells", "Springfield", "Illinois", "0", "0", "0", "0", true, false, "", true,
         "Springfield, Illinois, United States"},
        {"no city", "", "", "77", "36", "12", "58", true, false, bengaluru, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormFields form;
        form.City = c.city;
        form.State = c.state;
        form.LonDeg = c.lonDeg;
        form.LonMin = c.lonMin;
        form.LatDeg = c.latDeg;
        form.LatMin = c.latMin;
        form.East = c.east;
        form.South = c.south;
        const NamedPlace named = CheckNamedPlace(form, c.from);
        EXPECT_EQ(named.Disagrees, c.disagrees);
        if (c.disagrees) {
            EXPECT_EQ(Atlas::DisplayName(named.Place), c.named);
        }
    }
}

}  // namespace
}  // namespace velmora
