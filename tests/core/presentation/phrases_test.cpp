// The phrase table: every phrase translated into every language, each
// translation keeping the English's placeholders and written in its
// language's script, English the key itself, and the texts made elsewhere
// that the text output looks up at run time (the dignities, the dasha
// levels, the vimsopaka schemes, the full position table's and the yogas'
// headings) all rows of the table.

#include "presentation/Phrases.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/Dignity.h"
#include "analysis/Jaimini.h"
#include "analysis/Vimsopaka.h"
#include "chart/DashaSystems.h"
#include "chart/MarriageMatch.h"
#include "ephemeris/SunriseSunset.h"
#include "presentation/DashaLabels.h"
#include "presentation/PointDetailLabels.h"
#include "presentation/YogaLabels.h"
#include "tests/support/ScriptCheck.h"
#include "text/TextWidth.h"

namespace velmora {
namespace {

const Language kTranslated[] = {Language::Hindi, Language::Tamil, Language::Telugu, Language::Kannada};

// How often each placeholder %1 … %9 occurs.
std::map<char, int> Placeholders(std::string_view text) {
    std::map<char, int> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') ++found[text[i + 1]];
    return found;
}

// Whether the text has at least one letter of the language's script
// (Devanagari U+0900–U+097F, Tamil U+0B80–U+0BFF, Telugu U+0C00–U+0C7F,
// Kannada U+0C80–U+0CFF, as the Unicode code charts give the blocks) and no
// letter of another Indic script.
bool WrittenInScript(Language language, std::string_view text) { return test::InItsScript(language, text); }

TEST(Phrases, EveryPhraseIsTranslatedInEveryLanguage) {
    for (const Language language : kTranslated) {
        const PhraseTable& table = PhrasesOf(language);
        for (std::size_t i = 0; i < kPhraseCount; ++i) {
            SCOPED_TRACE(std::string(InfoOf(language).code) + ": " + std::string(kPhraseEnglish[i]));
            EXPECT_EQ(table[i].english, kPhraseEnglish[i]);
            EXPECT_FALSE(table[i].text.empty());
            EXPECT_TRUE(WrittenInScript(language, table[i].text)) << table[i].text;
            // Every placeholder the English has, as often: a translation
            // that drops "%2" would lose the number it stands for.
            EXPECT_EQ(Placeholders(table[i].text), Placeholders(kPhraseEnglish[i])) << table[i].text;
        }
    }
}

TEST(Phrases, EnglishIsTheKeyAndTheLanguagesTheirRows) {
    EXPECT_EQ(Say(Language::English, "Vedic Planetary Position"), "Vedic Planetary Position");
    EXPECT_EQ(Say(Language::English, "Yogas in %1", {"D9 Navamsa"}), "Yogas in D9 Navamsa");
    EXPECT_EQ(Say(Language::Tamil, "Strengths"), PhrasesOf(Language::Tamil)[PhraseKey("Strengths").Index()].text);
    EXPECT_EQ(Say(Language::Hindi, "%1 to %2", {"a", "b"}), "a से b तक");
    // A key that says which of two meanings: English is the words before "|".
    EXPECT_EQ(Say(Language::English, "Points|score"), "Points");
    EXPECT_NE(Say(Language::Tamil, "Points|score"), Say(Language::Tamil, "Points"));
}

TEST(Phrases, FillingPutsEachTextInItsPlace) {
    struct Case {
        std::string_view pattern;
        std::vector<std::string_view> fill;
        std::string_view expected;
    };
    const Case cases[] = {
        {"%1 to %2", {"05:00", "06:00"}, "05:00 to 06:00"},
        {"%2 से पहले %1", {"a", "b"}, "b से पहले a"},  // a translation's own order
        {"%1% left at birth", {"41"}, "41% left at birth"},
        {"100% and %x stay", {}, "100% and %x stay"},
        {"%1 and %3", {"one"}, "one and %3"},  // nothing to fill in: the mark stays, visibly
        {"%1%1", {"ab"}, "abab"},
        {"", {"x"}, ""},
    };
    for (const Case& c : cases) {
        std::string filled;
        switch (c.fill.size()) {
            case 0: filled = FillPhrase(c.pattern, {}); break;
            case 1: filled = FillPhrase(c.pattern, {c.fill[0]}); break;
            default: filled = FillPhrase(c.pattern, {c.fill[0], c.fill[1]}); break;
        }
        EXPECT_EQ(filled, c.expected) << c.pattern;
    }
}

// The texts the output looks up by their English words at run time: each
// must be a row, or it would silently stay English.
TEST(Phrases, TheTextsLookedUpAtRunTimeAreAllRows) {
    std::vector<std::string_view> looked;
    for (int d = static_cast<int>(Dignity::None); d <= static_cast<int>(Dignity::Debilitated); ++d)
        if (const std::string_view name = DignityName(static_cast<Dignity>(d)); !name.empty()) looked.push_back(name);
    for (std::string_view level : kDashaLevelNames) looked.push_back(level);
    for (std::string_view year : kDashaYearNames) looked.push_back(year);
    for (const HouseSystemRow& row : kHouseSystemRows) looked.push_back(row.display);
    for (const VimsopakaSchemeRow& scheme : VimsopakaSchemes()) looked.push_back(scheme.name);
    for (std::string_view heading : kPointDetailHeadings) looked.push_back(heading);
    for (std::string_view karaka : kKarakaNames8) looked.push_back(karaka);
    for (std::string_view heading : kYogaHeadings) looked.push_back(heading);
    looked.insert(looked.end(), {"direct", "retrograde", "yes", "no", kMatchTradition});
    for (SunriseConvention c : {SunriseConvention::UpperLimbRefracted, SunriseConvention::DiscCentre})
        looked.push_back(SunriseConventionName(c));
    for (const DashaSystemRow& row : AllDashaSystems())
        if (!row.table().method.empty()) looked.push_back(row.table().method);
    for (std::string_view english : looked)
        for (const Language language : kTranslated)
            EXPECT_NE(SayIfPhrase(language, english), english) << InfoOf(language).code << ": " << english;
    EXPECT_EQ(SayIfPhrase(Language::Tamil, "not a phrase"), "not a phrase");
    EXPECT_EQ(SayIfPhrase(Language::English, "exalted"), "exalted");
}

}  // namespace
}  // namespace velmora
