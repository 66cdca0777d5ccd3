#include "entry/KeyFilters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct KeyCase {
    char16_t code;
    std::optional<char16_t> accepted;  // nothing when refused
};

TEST(KeyFilters, NameBox) {
    const KeyCase cases[] = {
        {u'A', u'A'}, {u'Z', u'Z'}, {u'a', u'A'}, {u'm', u'M'}, {u'z', u'Z'},
        {32, 32}, {13, 13}, {8, 8},
        {u'0', {}}, {u'9', {}}, {u'.', {}}, {u'-', {}}, {u'@', {}}, {u'[', {}},
        {u'`', {}}, {u'{', {}}, {22, {}}, {3, {}}, {9, {}}, {10, {}}, {127, {}},
        {0x00E9, {}}, {0x0100 + u'a', {}},  // é, and a code whose low byte is a letter
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        const KeyFilterResult r = FilterNameKey(c.code);
        EXPECT_EQ(r.accepted, c.accepted);
        EXPECT_EQ(r.Accepted(), c.accepted.has_value());
        EXPECT_EQ(r.refusal, c.accepted ? "" : "Please Enter only Letters");
    }
}

TEST(KeyFilters, NumberBoxes) {
    const KeyCase cases[] = {
        {u'0', u'0'}, {u'5', u'5'}, {u'9', u'9'}, {8, 8},
        {13, {}}, {32, {}}, {u'-', {}}, {u'+', {}}, {u'.', {}}, {u'/', {}}, {u':', {}},
        {u'a', {}}, {u'E', {}}, {22, {}}, {3, {}}, {0x0660, {}},  // Arabic-Indic zero
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        const KeyFilterResult r = FilterNumberKey(c.code);
        EXPECT_EQ(r.accepted, c.accepted);
        EXPECT_EQ(r.refusal, c.accepted ? "" : "Only Numbers Are Accepted");
    }
}

// Typing a whole text key by key, as a birth file's and the command line's
// texts reach the boxes.
TEST(KeyFilters, TypingATextIntoABox) {
    const struct {
        std::string_view keys;
        KeyFilter filter;
        std::size_t limit;
        std::string box;      // what the box holds after the keys
        std::string refusal;  // or why it refused
    } cases[] = {
        {"asha rao", FilterNameKey, kNoBoxLimit, "ASHA RAO", ""},
        {"RAMX\bA\r", FilterNameKey, kNoBoxLimit, "RAMA", ""},  // Backspace takes back, Enter adds nothing
        {"\b\bA", FilterNameKey, kNoBoxLimit, "A", ""},         // Backspace in an empty box
        {"ASHA 2", FilterNameKey, kNoBoxLimit, "", "Please Enter only Letters"},
        {"J\xC3\xBCRGEN", FilterNameKey, kNoBoxLimit, "", "Please Enter only Letters"},  // each byte is a key
        {"179", FilterNumberKey, 3, "179", ""},
        {"1790", FilterNumberKey, 3, "", "lon degrees: the box holds at most 3 digits, got \"1790\""},
        // The backspace is echoed visibly, not sent to the terminal.
        {"1799\b", FilterNumberKey, 3, "", "lon degrees: the box holds at most 3 digits, got \"1799\\x08\""},
        {"12\b5", FilterNumberKey, 2, "15", ""},
        {"", FilterNumberKey, 2, "", ""},
        {"7a", FilterNumberKey, 3, "", "Only Numbers Are Accepted"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.keys));
        std::string box = "left over";
        const std::string refusal = TypeIntoBox(c.keys, c.filter, c.limit, "lon degrees", box);
        EXPECT_EQ(refusal, c.refusal);
        if (refusal.empty()) {
            EXPECT_EQ(box, c.box);
        }
    }
}

}  // namespace
}  // namespace velmora
