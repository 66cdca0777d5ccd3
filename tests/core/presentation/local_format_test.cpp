// Dates and numbers in each language: the month names of its locale, its
// own digits where asked, and the text around the digits left alone.
//
// Month names: the Unicode consortium's Common Locale Data Repository,
// release 42 (the data of ICU 72, Debian 12's libicu72), common/main/hi.xml,
// ta.xml, te.xml and kn.xml, calendar "gregorian", months, format, wide; as
// the CLDR 42 charts show them (unicode.org/cldr/charts/42/by_type/
// date_&_time.gregorian.html).
// Digits: The Unicode Standard's code charts, the digits zero to nine of
// Devanagari U+0966–U+096F, Tamil U+0BE6–U+0BEF, Telugu U+0C66–U+0C6F and
// Kannada U+0CE6–U+0CEF.

#include "presentation/LocalFormat.h"

#include <string>

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct MonthCase {
    Language language;
    const char* months[12];
};

const MonthCase kMonths[] = {
    {Language::Hindi,
     {"जनवरी", "फ़रवरी", "मार्च", "अप्रैल", "मई", "जून", "जुलाई", "अगस्त", "सितंबर", "अक्तूबर", "नवंबर", "दिसंबर"}},
    {Language::Tamil,
     {"ஜனவரி", "பிப்ரவரி", "மார்ச்", "ஏப்ரல்", "மே", "ஜூன்", "ஜூலை", "ஆகஸ்ட்", "செப்டம்பர்", "அக்டோபர்", "நவம்பர்",
      "டிசம்பர்"}},
    {Language::Telugu,
     {"జనవరి", "ఫిబ్రవరి", "మార్చి", "ఏప్రిల్", "మే", "జూన్", "జులై", "ఆగస్టు", "సెప్టెంబర్", "అక్టోబర్", "నవంబర్",
      "డిసెంబర్"}},
    {Language::Kannada,
     {"ಜನವರಿ", "ಫೆಬ್ರವರಿ", "ಮಾರ್ಚ್", "ಏಪ್ರಿಲ್", "ಮೇ", "ಜೂನ್", "ಜುಲೈ", "ಆಗಸ್ಟ್", "ಸೆಪ್ಟೆಂಬರ್", "ಅಕ್ಟೋಬರ್", "ನವೆಂಬರ್",
      "ಡಿಸೆಂಬರ್"}},
};

TEST(LocalFormat, MonthNamesAreTheLocalesOwn) {
    for (const MonthCase& c : kMonths) {
        const MonthNames months = MonthNamesOf(c.language);
        for (std::size_t m = 0; m < 12; ++m) EXPECT_EQ(months[m], c.months[m]) << InfoOf(c.language).code << " " << m + 1;
    }
    EXPECT_EQ(MonthNamesOf(Language::English), EnglishMonthNames());
}

TEST(LocalFormat, NativeDigitsAreTheScriptsOwn) {
    const char32_t zero[] = {U'0', 0x0966, 0x0BE6, 0x0C66, 0x0CE6};
    for (const LanguageInfo& info : kLanguages) {
        const std::array<std::string, 10> digits = NativeDigitsOf(info.language);
        for (std::size_t d = 0; d < 10; ++d) {
            const char32_t expected = zero[static_cast<std::size_t>(info.language)] + static_cast<char32_t>(d);
            std::string utf8;
            if (expected < 0x80) {
                utf8 = std::string(1, static_cast<char>(expected));
            } else {  // three bytes: every digit here is below U+10000
                utf8 = {static_cast<char>(0xE0 | (expected >> 12)), static_cast<char>(0x80 | ((expected >> 6) & 0x3F)),
                        static_cast<char>(0x80 | (expected & 0x3F))};
            }
            EXPECT_EQ(digits[d], utf8) << info.code << " " << d;
        }
    }
}

TEST(LocalFormat, DigitsAreReplacedOnlyWhereTheyAreNumbers) {
    struct Case {
        Language language;
        Digits digits;
        std::string_view text, expected;
    };
    const Case cases[] = {
        {Language::Hindi, Digits::Native, "16° 31' 32\"", "१६° ३१' ३२\""},
        {Language::Tamil, Digits::Native, "2026-12-09T12:00", "௨௦௨௬-௧௨-௦௯T௧௨:௦௦"},  // an ISO moment, through its T
        {Language::Telugu, Digits::Native, "D10 and A2 in the 2nd", "D10 and A2 in the 2nd"},  // names and ordinals
        {Language::Kannada, Digits::Native, "\x1b[1m5\x1b[0m", "\x1b[1m೫\x1b[0m"},  // a colour's escape keeps its digits
        {Language::Kannada, Digits::Native, "7", "೭"},
        {Language::Hindi, Digits::Western, "16 धनु 31", "16 धनु 31"},
        {Language::English, Digits::Native, "16 Sag 31", "16 Sag 31"},
    };
    for (const Case& c : cases) EXPECT_EQ(WithDigits(c.text, c.language, c.digits), c.expected) << c.text;
}

}  // namespace
}  // namespace velmora
