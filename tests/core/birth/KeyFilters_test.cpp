#include "birth/KeyFilters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct KeyCase {
    char32_t code;
    std::optional<char32_t> accepted;  // nothing when refused
};

// Letters and marks as the Unicode Character Database classes them (the code
// charts of unicode.org: Devanagari, Tamil, Latin-1 Supplement, Latin
// Extended-A, Greek, CJK Extension B); capitals from the charts' case pairs.
TEST(KeyFilters, NameBox) {
    const KeyCase cases[] = {
        {u'A', u'A'}, {u'Z', u'Z'}, {u'a', u'A'}, {u'm', u'M'}, {u'z', u'Z'},
        {32, 32}, {13, 13}, {8, 8},
        {u'-', u'-'}, {u'\'', u'\''}, {0x2019, 0x2019},  // hyphen, apostrophe, right single quotation mark
        {0x00E9, 0x00C9},                                  // é É
        {0x00E0, 0x00C0}, {0x00FE, 0x00DE}, {0x00FF, 0x0178},  // à À, þ Þ, ÿ Ÿ
        {0x00C9, 0x00C9}, {0x00DF, 0x00DF},                // É stays, ß has no one-letter capital
        {0x0161, 0x0160}, {0x0142, 0x0141}, {0x017E, 0x017D}, {0x0131, u'I'},  // š Š, ł Ł, ž Ž, dotless ı I
        {0x0930, 0x0930}, {0x093E, 0x093E}, {0x094D, 0x094D},  // Devanagari RA, VOWEL SIGN AA (Mc), VIRAMA (Mn)
        {0x0BAE, 0x0BAE}, {0x0BC1, 0x0BC1}, {0x0BCD, 0x0BCD},  // Tamil MA, VOWEL SIGN U, VIRAMA (pulli)
        {0x0301, 0x0301},                                  // combining acute accent
        {0x03B1, 0x03B1},                                  // Greek alpha: only Latin is capitalised
        {0x4E2D, 0x4E2D}, {0x20000, 0x20000},              // CJK, and a letter beyond 16 bits
        {0x200C, 0x200C}, {0x200D, 0x200D},                // zero-width non-joiner and joiner
        {u'0', {}}, {u'9', {}}, {u'.', {}}, {u'@', {}}, {u'[', {}},
        {u'`', {}}, {u'{', {}}, {u'"', {}}, {22, {}}, {3, {}}, {9, {}}, {10, {}}, {127, {}},
        {0x00D7, {}}, {0x00F7, {}}, {0x00B7, {}},          // × ÷ ·
        {0x0966, {}}, {0x0BE7, {}},                        // Devanagari digit zero, Tamil digit one
        {0x0964, {}},                                      // Devanagari danda (full stop)
        {0x2018, {}}, {0x201C, {}},                        // left quotation marks
        {0x1F600, {}}, {0xFFFD, {}}, {0xD800, {}},         // emoji, replacement character, a lone surrogate
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
        std::string refusal;  // and the first refused key's message
    } cases[] = {
        {"asha rao", FilterNameKey, kNoBoxLimit, "ASHA RAO", ""},
        {"RAMX\bA\r", FilterNameKey, kNoBoxLimit, "RAMA", ""},  // Backspace takes back, Enter adds nothing
        {"\b\bA", FilterNameKey, kNoBoxLimit, "A", ""},         // Backspace in an empty box
        // A refused key loses nothing typed before or after it.
        {"ASHA 2", FilterNameKey, kNoBoxLimit, "ASHA ", "Please Enter only Letters"},
        {"J.R. Rao", FilterNameKey, kNoBoxLimit, "JR RAO", "Please Enter only Letters"},
        {"Anne-Marie", FilterNameKey, kNoBoxLimit, "ANNE-MARIE", ""},
        {"O'Brien", FilterNameKey, kNoBoxLimit, "O'BRIEN", ""},
        {"O\u2019Brien", FilterNameKey, kNoBoxLimit, "O\u2019BRIEN", ""},
        {"Jos\u00e9", FilterNameKey, kNoBoxLimit, "JOS\u00c9", ""},
        {"J\xC3\xBCrgen", FilterNameKey, kNoBoxLimit, "J\xC3\x9CRGEN", ""},  // UTF-8: one key per character
        {"\u0930\u093e\u092e", FilterNameKey, kNoBoxLimit, "\u0930\u093e\u092e", ""},  // राम
        {"\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd", FilterNameKey, kNoBoxLimit,
         "\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd", ""},  // முருகன்
        {"\u0930\u093e\b\b\u0930", FilterNameKey, kNoBoxLimit, "\u0930", ""},  // Backspace takes a whole character
        {"AB\xFF" "C", FilterNameKey, kNoBoxLimit, "ABC", "Please Enter only Letters"},  // not UTF-8
        {"179", FilterNumberKey, 3, "179", ""},
        {"1790", FilterNumberKey, 3, "179", "lon degrees: the box holds at most 3 digits, got \"1790\""},
        // The backspace is echoed visibly, not sent to the terminal.
        {"1799\b", FilterNumberKey, 3, "179", "lon degrees: the box holds at most 3 digits, got \"1799\\x08\""},
        {"12\b5", FilterNumberKey, 2, "15", ""},
        {"", FilterNumberKey, 2, "", ""},
        {"7a", FilterNumberKey, 3, "7", "Only Numbers Are Accepted"},
        {"1a2", FilterNumberKey, 3, "12", "Only Numbers Are Accepted"},
        {"12.5", FilterNumberKey, 2, "12", "Only Numbers Are Accepted"},  // the first fault is told
        {"\u0661\u0662", FilterNumberKey, 3, "", "Only Numbers Are Accepted"},  // Arabic-Indic digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.keys));
        std::string box = "left over";
        const std::string refusal = TypeIntoBox(c.keys, c.filter, c.limit, "lon degrees", box);
        EXPECT_EQ(refusal, c.refusal);
        EXPECT_EQ(box, c.box);
    }
}

}  // namespace
}  // namespace velmora
