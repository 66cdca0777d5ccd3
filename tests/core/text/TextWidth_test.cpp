// The text output lays its tables and chart cells out in terminal columns;
// a Devanagari, Tamil, Telugu or Kannada name must take the columns a
// terminal gives it. The columns are checked against the C library's
// wcwidth (glibc's tables are made from the Unicode Character Database),
// which is how terminals count them.

#include "text/TextWidth.h"

#include <clocale>
#include <cwchar>

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The columns the C library gives the text in a UTF-8 locale.
int LibcColumns(const std::string& text) {
    std::mbstate_t state{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    int columns = 0;
    while (at < end) {
        wchar_t c = 0;
        const std::size_t length = std::mbrtowc(&c, at, static_cast<std::size_t>(end - at), &state);
        if (length == 0 || length > static_cast<std::size_t>(end - at)) return -1;
        const int width = ::wcwidth(c);
        if (width < 0) return -1;
        columns += width;
        at += length;
    }
    return columns;
}

TEST(TextWidth, ColumnsAreTheTerminalsColumns) {
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    // Names with vowel signs above and below, viramas, anusvaras and
    // spacing vowel signs in each of the four scripts, and plain text.
    const std::string texts[] = {
        "Mercury (R) ", "16 Sag 31", "16° 31' 32\" Sag",
        "वृश्चिक", "मृगशिरा", "पूर्वाषाढ़ा", "बृहस्पति (व)", "षष्ट्यंश", "नाड़ी", "कुंभ",
        "விருச்சிகம்", "சுக்கிரன்", "திருவோணம்", "கௌலவம்", "லக்னம்",
        "వృశ్చిక", "లగ్నం", "శతభిషం", "పూర్వాభాద్ర", "కింస్తుఘ్న", "ఖవేదాంశ",
        "ವೃಶ್ಚಿಕ", "ಮಂಗಳ", "ಉತ್ತರಾಷಾಢ", "ಕಿಂಸ್ತುಘ್ನ", "ಹುಣ್ಣಿಮೆ", "ಅಮಾವಾಸ್ಯೆ",
    };
    for (const std::string& text : texts) EXPECT_EQ(static_cast<int>(TerminalWidth(text)), LibcColumns(text)) << text;
    std::setlocale(LC_CTYPE, "C");
}

TEST(TextWidth, ColumnsCutBetweenLettersNeverInsideOne) {
    const struct {
        std::string text;
        std::size_t width;
        std::string first;
    } cases[] = {
        {"Mercury", 3, "Mer"},
        {"कुंभ", 1, "कुं"},          // क with its u sign and anusvara, which stand on it
        {"वृश्चिक", 2, "वृश्"},     // the virama stays with its consonant
        {"లగ్నం", 2, "లగ్"},
        {"abc", 9, "abc"},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstColumns(c.text, c.width), c.first) << c.text;
}

}  // namespace
}  // namespace velmora
