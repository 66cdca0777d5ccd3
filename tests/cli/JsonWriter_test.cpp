#include "cli/JsonWriter.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace velmora::cli {
namespace {

std::string Written(std::string_view text) {
    std::string out;
    JsonWriter(out).String(text);
    return out;
}

TEST(JsonWriter, ValidTextIsWrittenAsTheLibraryWritesIt) {
    const std::string texts[] = {
        "",
        "plain",
        "16\xC2\xB0 31' 32\" Sag",
        "\r\nSun\r\nMercury (R) ",
        "back\\slash and \"quotes\"",
        std::string("\x01\x07\b\f\n\r\t\x1f\x7f", 9),
        std::string("nul\0inside", 10),
        "\xE2\x82\xAC \xF0\x9F\x9C\x81 \xED\x9F\xBF \xEE\x80\x80",  // euro, a 4-byte sign, edges of the surrogates
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Written(text), nlohmann::json(text).dump());
    }
}

TEST(JsonWriter, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\xFF" "b", "\"a\xEF\xBF\xBD" "b\""},
        {"\x80", "\"\xEF\xBF\xBD\""},
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},        // overlong "/"
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // a surrogate
        {"\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // beyond U+10FFFF
        {"cut \xE2\x82", "\"cut \xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xC3\xA9\xC3", "\"\xC3\xA9\xEF\xBF\xBD\""},
    };
    for (const auto& [text, expected] : cases) {
        const std::string out = Written(text);
        EXPECT_EQ(out, expected);
        EXPECT_TRUE(nlohmann::json::accept(out));
    }
}

TEST(JsonWriter, CommasAndNesting) {
    std::string out;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("a");
    json.IntArray(std::array<int, 3>{1, -2, 30000}, 3);
    json.Key("b");
    json.BeginArray();
    json.BeginObject();
    json.EndObject();
    json.BeginArray();
    json.EndArray();
    json.Bool(false);
    json.EndArray();
    json.Key("c");
    json.BeginObject();
    json.Key("d");
    json.Bool(true);
    json.Key("e");
    json.String("f");
    json.EndObject();
    json.EndObject();
    EXPECT_EQ(out, R"({"a":[1,-2,30000],"b":[{},[],false],"c":{"d":true,"e":"f"}})");
}

}  // namespace
}  // namespace velmora::cli
