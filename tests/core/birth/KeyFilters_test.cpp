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
// Extended-A to -D, Latin Extended Additional, IPA Extensions, Halfwidth and
// Fullwidth Forms, Alphabetic Presentation Forms, Greek, Cyrillic,
// Glagolitic, CJK Extension B); capitals from the simple uppercase mapping of
// UnicodeData.txt (field 12).
TEST(KeyFilters, NameBox) {
    const KeyCase cases[] = {
        {u'A', u'A'}, {u'Z', u'Z'}, {u'a', u'A'}, {u'm', u'M'}, {u'z', u'Z'},
        {32, 32}, {13, 13}, {8, 8},
        {u'-', u'-'}, {u'\'', u'\''}, {0x2019, 0x2019},  // hyphen, apostrophe, right single quotation mark
        {0x00E9, 0x00C9},                                  // é É
        {0x00E0, 0x00C0}, {0x00FE, 0x00DE}, {0x00FF, 0x0178},  // à À, þ Þ, ÿ Ÿ
        {0x00C9, 0x00C9}, {0x00DF, 0x00DF},                // É stays, ß has no one-letter capital
        {0x0161, 0x0160}, {0x0142, 0x0141}, {0x017E, 0x017D}, {0x0131, u'I'},  // š Š, ł Ł, ž Ž, dotless ı I
        // IAST, as Sanskrit names are spelt: ā ī ū ṛ ḷ ṃ ḥ ṭ ḍ ṇ ṣ ś ñ.
        {0x0101, 0x0100}, {0x012B, 0x012A}, {0x016B, 0x016A}, {0x1E5B, 0x1E5A}, {0x1E37, 0x1E36},
        {0x1E43, 0x1E42}, {0x1E25, 0x1E24}, {0x1E6D, 0x1E6C}, {0x1E0D, 0x1E0C}, {0x1E47, 0x1E46},
        {0x1E63, 0x1E62}, {0x015B, 0x015A}, {0x00F1, 0x00D1},
        {0x1E5D, 0x1E5C}, {0x1E41, 0x1E40}, {0x1E45, 0x1E44},  // ṝ Ṝ, ṁ Ṁ, ṅ Ṅ
        {0x1EBF, 0x1EBE}, {0x01B0, 0x01AF}, {0x0111, 0x0110},  // Vietnamese ế Ế, ư Ư, đ Đ
        {0x01C6, 0x01C4}, {0x01C5, 0x01C4}, {0x01C4, 0x01C4},  // ǆ and title-case ǅ: Ǆ
        {0x0253, 0x0181}, {0x0257, 0x018A}, {0x01B4, 0x01B3},  // Hausa ɓ Ɓ, ɗ Ɗ, ƴ Ƴ
        {0x025B, 0x0190}, {0x0254, 0x0186}, {0x014B, 0x014A},  // Akan ɛ Ɛ, ɔ Ɔ, ŋ Ŋ
        {0x0259, 0x018F}, {0x0292, 0x01B7}, {0x0251, 0x2C6D},  // ə Ə, ʒ Ʒ, ɑ Ɑ
        {0x017F, u'S'}, {0x1E9B, 0x1E60},                  // long s ſ S, ẛ Ṡ
        {0xA7B5, 0xA7B4}, {0xA733, 0xA732}, {0xAB53, 0xA7B3},  // Latin Extended-D ꞵ Ꞵ, ꜳ Ꜳ; -E ꭓ Ꭓ
        {0x214E, 0x2132},                                  // Claudian ⅎ Ⅎ (Letterlike Symbols)
        {0xFF41, 0xFF21}, {0xFF5A, 0xFF3A},                // fullwidth ａ Ａ, ｚ Ｚ
        // No simple capital: ŉ, ǰ, ẖ, ﬁ and ﬆ stay, as ß does; ẞ is a capital.
        {0x0149, 0x0149}, {0x01F0, 0x01F0}, {0x1E96, 0x1E96}, {0xFB01, 0xFB01}, {0xFB06, 0xFB06},
        {0x1E9E, 0x1E9E},
        {0x1D00, 0x1D00}, {0x0299, 0x0299}, {0x1D43, 0x1D43},  // small capitals and modifier letters have none
        {0x0930, 0x0930}, {0x093E, 0x093E}, {0x094D, 0x094D},  // Devanagari RA, VOWEL SIGN AA (Mc), VIRAMA (Mn)
        {0x0BAE, 0x0BAE}, {0x0BC1, 0x0BC1}, {0x0BCD, 0x0BCD},  // Tamil MA, VOWEL SIGN U, VIRAMA (pulli)
        {0x0301, 0x0301},                                  // combining acute accent
        {0x03B1, 0x03B1},                                  // Greek alpha: only Latin is capitalised
        {0x0430, 0x0430}, {0x0561, 0x0561}, {0x10D0, 0x10D0},  // Cyrillic а, Armenian ա, Georgian ა
        {0x2C5E, 0x2C5E},                                  // Glagolitic latinate myslite: "LATIN" in its name only
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
        {"Priy\u0101 Lak\u1e63m\u012b", FilterNameKey, kNoBoxLimit, "PRIY\u0100 LAK\u1e62M\u012a", ""},
        // The same with the dot below and the macrons as combining marks.
        {"Priya\u0304 Laks\u0323mi\u0304", FilterNameKey, kNoBoxLimit, "PRIYA\u0304 LAKS\u0323MI\u0304", ""},
        {"\u1e5a\u1e63\u1e6da", FilterNameKey, kNoBoxLimit, "\u1e5a\u1e62\u1e6cA", ""},  // Ṛṣṭa
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
