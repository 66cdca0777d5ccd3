// The birth as numbers in a batch's output (--fields birth,retrograde,speeds):
// the place in signed decimal degrees (an atlas place's own, not cut to the
// minute), the date and clock time in ISO 8601, the offset in seconds, the
// zone, the retrograde flags and the speeds, null where the classic engine
// computes none.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/BatchRunner.h"
#include "cli/ChartFields.h"

namespace velmora::cli {
namespace {

nlohmann::json Line(const std::string& request, const std::string& fields) {
    BatchOutput output;
    EXPECT_EQ(ParseFieldList(fields, output.fields), "");
    BatchRunner runner(output);
    bool refused = false;
    const std::string out(runner.RunLine(request, refused));
    EXPECT_FALSE(refused) << out;
    return nlohmann::json::parse(out);
}

TEST(BirthNumbers, ThePlaceTheClockAndTheZoneAsNumbers) {
    const struct {
        const char* what;
        std::string request;
        double latitude, longitude;
        const char* date;
        const char* time;
        int offsetSeconds;
        const char* zone;
        bool dst;
    } cases[] = {
        // Chennai, GeoNames 1264527: 13.08784 N, 80.27847 E; India Standard
        // Time, UTC+05:30 (tz database, Asia/Kolkata).
        {"an atlas place keeps its own coordinates",
         R"({"name":"rama","date":"1996-12-07","time":"10:34:21","place":"Chennai"})", 13.08784, 80.27847,
         "1996-12-07", "10:34:21", 19800, "Asia/Kolkata", false},
        // Typed south and west: the signs carry the hemispheres.
        {"typed south latitude", R"({"name":"sita","date":"1980-03-05","time":"9:05","lon":"151:12E","lat":"33:52S",)"
                                 R"("zone":"AEST","precise":false})",
         -(33 + 52 / 60.0), 151 + 12 / 60.0, "1980-03-05", "09:05:00", 36000, "AEST", false},
        // New York, 4 July 1976: Eastern Daylight Time, UTC-04:00 (tz database).
        {"typed west longitude, a zone history", R"({"name":"ann","date":"1976-07-04","time":"23:59:59","lon":"74:00W",)"
                                                 R"("lat":"40:43N","tz":"America/New_York"})",
         40 + 43 / 60.0, -74.0, "1976-07-04", "23:59:59", -14400, "America/New_York", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const nlohmann::json line = Line(c.request, "birth");
        const nlohmann::json& b = line["birth"];
        EXPECT_NEAR(b["latitude"].get<double>(), c.latitude, 1e-9);
        EXPECT_NEAR(b["longitude"].get<double>(), c.longitude, 1e-9);
        EXPECT_EQ(b["date"], c.date);
        EXPECT_EQ(b["time"], c.time);
        EXPECT_EQ(b["utcOffsetSeconds"], c.offsetSeconds);
        EXPECT_EQ(b["zone"], c.zone);
        EXPECT_EQ(b["dst"], c.dst);
    }
}

TEST(BirthNumbers, RetrogradeFlagsAndSpeeds) {
    // Chennai, 7 December 1996: the mean node recedes 1934.136° a Julian
    // century against the equinox (Meeus, Astronomical Algorithms, ch. 47),
    // and the equinox itself 5028.8″ a century against the stars (the IAU's
    // general precession in longitude), so 0.05299° a day in a sidereal
    // chart; the Sun moves about 1.0159° a day in early December
    // (Astronomical Almanac: 61′ a day near perihelion).
    const nlohmann::json precise = Line(R"({"name":"rama","date":"1996-12-07","time":"10:34:21","place":"Chennai"})",
                                        "retrograde,speeds");
    const nlohmann::json& speeds = precise["speeds"];
    ASSERT_EQ(speeds.size(), 10u);
    EXPECT_NEAR(speeds[0].get<double>(), 1.0159, 0.001);
    EXPECT_NEAR(speeds[7].get<double>(), (-1934.136261 - 5028.796 / 3600) / 36525, 1e-6);
    EXPECT_EQ(speeds[7], speeds[8]);
    EXPECT_TRUE(speeds[9].is_null());  // the ascendant's motion is no speed of the ephemeris
    for (int body = 2; body <= 6; ++body)
        EXPECT_EQ(precise["retrograde"][body].get<bool>(), speeds[body].get<double>() < 0) << body;

    // The classic engine computes no speeds; its flags come from its station tables.
    const nlohmann::json classic =
        Line(R"({"name":"sita","date":"1980-03-05","time":"9:05","lon":"151:12E","lat":"33:52S","zone":"AEST",)"
             R"("precise":false})",
             "retrograde,speeds");
    for (const auto& speed : classic["speeds"]) EXPECT_TRUE(speed.is_null());
    ASSERT_EQ(classic["retrograde"].size(), 10u);
}

TEST(BirthNumbers, WrittenOnlyWhenNamedAndSpreadOverCsvColumns) {
    const std::string request = R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"})";
    BatchRunner whole{BatchOutput{}};
    bool refused = false;
    const nlohmann::json object = nlohmann::json::parse(whole.RunLine(request, refused));
    for (const char* key : {"birth", "retrograde", "speeds"}) EXPECT_FALSE(object.contains(key)) << key;

    FieldList fields;
    ASSERT_EQ(ParseFieldList("birth,retrograde,speeds", fields), "");
    const std::vector<std::string> columns = CsvColumns(fields);
    ASSERT_EQ(columns.size(), 7u + 10u + 10u);
    EXPECT_EQ(columns[0], "birth_latitude");
    EXPECT_EQ(columns[6], "birth_dst");
    EXPECT_EQ(columns[7], "retrograde_sun");
    EXPECT_EQ(columns.back(), "speed_asc");
}

}  // namespace
}  // namespace velmora::cli
