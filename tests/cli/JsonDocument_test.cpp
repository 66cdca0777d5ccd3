#include "cli/JsonDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cli/JsonWriter.h"

namespace velmora::cli {
namespace {

// The single chart's --json is the document written by the library; it must
// be what the compact text of a batch line reads back as, byte for byte
// once indented: the golden files hold that reading.
TEST(JsonDocument, HoldsWhatTheCompactTextReadsBackAs) {
    const double doubles[] = {
        33.0,                // a whole number: the text "33" reads back as an integer
        100000.0,            // shortest "1e+05": a double
        -0.0,                // "-0": the integer 0
        0.0002,              // shortest "0.0002"
        294.2898642765538,   // the library's own shortest text has one digit more
        24.54334473545841,
        1e19,                // digits beyond a signed integer: unsigned
        -1.2345678901234567e19,  // beyond a signed integer, negative: a double
        1e300,
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
    };
    for (const double value : doubles) {
        SCOPED_TRACE(value);
        std::string compact;
        JsonWriter(compact).Double(value);
        JsonDocument document;
        document.Double(value);
        EXPECT_EQ(document.Value(), nlohmann::ordered_json::parse(compact));
        EXPECT_EQ(document.Value().dump(2), nlohmann::ordered_json::parse(compact).dump(2));
    }
    const std::string texts[] = {
        "plain", "\r\nSun\r\nMercury (R) ", std::string("nul\0inside", 10), "a\xFF" "b", "cut \xE2\x82",
        "\xED\xA0\x80", "\xC3\xA9\xC3",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        std::string compact;
        JsonWriter(compact).String(text);
        JsonDocument document;
        document.String(text);
        EXPECT_EQ(document.Value().dump(2), nlohmann::ordered_json::parse(compact).dump(2));
    }
}

}  // namespace
}  // namespace velmora::cli
