#include "cli/RequestScanner.h"

#include <gtest/gtest.h>

#include "cli/BatchRunner.h"

namespace velmora::cli {
namespace {

std::string Fields(const ChartRequest& r) {
    return r.name + "|" + r.date + "|" + r.time + "|" + r.lon + "|" + r.lat + "|" + r.zone + "|" +
           (r.dst ? "dst" : "-") + "|" + r.city + "|" + r.state + "|" + r.country + "|" +
           (r.precise ? "precise" : "-") + "|" + r.node + "|" + (r.nodeGiven ? "node" : "-") + "|" +
           (r.zoneGiven ? "zone" : "-") + "|" + r.place + "|" + r.tz + "|" + r.ambiguous + "|" +
           r.ayanamsa.value_or("-") + "|" + r.positions.value_or("-") + "|" + r.houses.value_or("-");
}

// The scanner either reads a line exactly as the full JSON reader does, or
// leaves it to it; the ordinary lines of a study it reads itself.
TEST(RequestScanner, ReadsPlainLinesAsTheJsonReaderAndLeavesTheRest) {
    const std::string base = R"("date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N")";
    const struct {
        std::string line;
        bool scanned;
    } cases[] = {
        {R"({"name":"rama",)" + base + "}", true},
        {R"({"name":"chart a","date":"1901-01-01","time":"0:00","lon":"0:00E","lat":"0:00S","zone":0,"dst":false,)"
         R"("city":"City","state":"State","country":"Country"})",
         true},
        {" {\t\"name\" : \"rama\" ,\r\n" + base + " , \"zone\" : 70 , \"dst\" : true } ", true},
        {R"({"name":"rama",)" + base + R"(,"zone":"IST","precise":true,"node":"true"})", true},
        // Precise unless the line says otherwise: both readers start from the same default.
        {R"({"name":"rama",)" + base + R"(,"precise":false})", true},
        {R"({"name":"rama",)" + base + R"(,"precise":false,"node":"mean"})", true},
        {R"({"name":"rama",)" + base + R"(,"node":"true"})", true},
        {R"({"name":"rama","date":"d","time":"t","place":"Pune","tz":"Asia/Kolkata","ambiguous":"later"})", true},
        {R"({"name":"rama",)" + base + R"(,"zone":123456789012345678})", true},
        {R"({"name":"rama",)" + base + R"(,"ayanamsa":"true-chitra","positions":"true","houses":"placidus"})", true},
        {R"({"houses":"sripati","ayanamsa":"custom:1900-01-01:22.46","name":"rama",)" + base + "}", true},
        {R"({"name":"rama",)" + base + R"(,"ayanamsa":"","positions":"apparent"})", true},
        {R"({"name":"rama",)" + base + R"(,"dashaYear":"360"})", true},
        {R"({"dashaYear":"sidereal","dst":true,"name":"rama",)" + base + "}", true},
        // Left to the full reader: it accepts these ...
        {R"({"name":"r\u0061ma",)" + base + "}", false},
        {R"({"name":"r)" "\xC3\xA4" R"(ma",)" + base + "}", false},
        {R"({"name":"rama",)" + base + R"(,"zone":1234567890123456789})", false},
        // ... and refuses these.
        {R"({"name":"a","name":"b",)" + base + "}", false},
        {R"({"name":"rama",)" + base + R"(,"zone":1.5})", false},
        {R"({"name":"rama",)" + base + R"(,"zone":1e1})", false},
        {R"({"name":"rama",)" + base + R"(,"zone":05})", false},
        {R"({"name":"rama",)" + base + R"(,"zone":-1})", false},
        {R"({"name":"rama",)" + base + R"(,"dst":"yes"})", false},
        {R"({"name":"rama",)" + base + R"(,"dst":null})", false},
        {R"({"name":"rama",)" + base + R"(,"precise":0})", false},
        {R"({"name":7,)" + base + "}", false},
        {R"({"name":"rama",)" + base + R"(,"json":true})", false},
        {R"({"name":"rama",)" + base + "} x", false},
        {R"({"name":"rama",)" + base + ",}", false},
        {R"({"name":"rama",)" + base, false},
        {R"({"date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"})", false},
        {R"({"name":"rama","date":"d","time":"t","lon":"l"})", false},
        {"{}", false},
        {"[]", false},
        {"", false},
        {std::string(R"({"name":"a)") + '\x01' + "\"," + base + "}", false},
        {R"({"name":"rama",)" + base + R"(,"city":{"a":1}})", false},
        {R"({"name":"rama",)" + base + R"(,"houses":1})", false},
        {R"({"name":"rama",)" + base + R"(,"ayanamsa":"a","ayanamsa":"b"})", false},
        {R"({"name":"rama",)" + base + R"(,"dashaYear":360})", false},
        {R"({"name":"rama",)" + base + R"(,"dashaYear":"360","dashaYear":"360"})", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ChartRequest scanned, parsed;
        const bool classic = c.line.find(R"("precise":false)") != std::string::npos;
        const bool took = ScanRequest(c.line, scanned);
        EXPECT_EQ(took, c.scanned);
        const std::string refusal = ParseBatchRequest(c.line, parsed);
        if (took) {
            EXPECT_EQ(refusal, "");
            EXPECT_EQ(Fields(scanned), Fields(parsed));
            EXPECT_TRUE(scanned == parsed);  // every member, those Fields leaves out too
            EXPECT_EQ(scanned.precise, !classic);
        }
    }
}

}  // namespace
}  // namespace velmora::cli
