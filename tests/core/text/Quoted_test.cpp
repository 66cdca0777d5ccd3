// Messages quote what was typed; a terminal must show it, never act on it.

#include "text/Quoted.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Quoted, ControlCharactersAndStrayBytesAreShownNotSent) {
    // Control characters as C0 (U+0000-U+001F), DEL (U+007F) and C1
    // (U+0080-U+009F) are defined by ECMA-48 / ISO 6429; U+009B is the
    // eight-bit CSI some terminals act on.
    const struct {
        std::string typed;
        const char* shown;
    } cases[] = {
        {"Asia/Kolkata", "\"Asia/Kolkata\""},
        {"S\xC3\xA3o Paulo \"x\" \\ back", "\"S\xC3\xA3o Paulo \"x\" \\ back\""},  // printable text as it is
        {"\x1b]0;owned\x07", "\"\\x1b]0;owned\\x07\""},
        {"a\nb\tc\rd", "\"a\\x0ab\\x09c\\x0dd\""},
        {"del\x7f", "\"del\\x7f\""},
        {std::string("nul\0!", 5), "\"nul\\x00!\""},
        {"csi\xC2\x9b" "2J", "\"csi\\u009b2J\""},
        {"nbsp\xC2\xA0", "\"nbsp\xC2\xA0\""},  // U+00A0 is printable
        {"latin1 \xE9t\xE9", "\"latin1 \\xe9t\\xe9\""},
        {"cut \xE2\x82", "\"cut \\xe2\\x82\""},
    };
    for (const auto& c : cases) EXPECT_EQ(Quoted(c.typed), c.shown) << c.shown;
}

}  // namespace
}  // namespace velmora
