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

}  // namespace
}  // namespace velmora
