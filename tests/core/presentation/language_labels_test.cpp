// The presentation's texts in each language: the panchanga's limbs, the
// vargas' labels and the strength tables name the terms as the glossary
// does, and leave the numbers and the moments as they are; English stays
// the program's own text.
//
// The terms are the glossary's, each cited in docs/glossary.md: the
// weekdays, tithis, pakshas and nakshatras from PyJHora's lists
// (DAYS_LIST, TITHI_LIST, PAKSHA_LIST, NAKSHATRA_LIST; Tamil and Telugu
// nakshatras from Maitreya's ta.po and te.po), the yogas, karanas and
// vargas the Sanskrit forms (unreviewed); the planets from PyJHora's
// PLANET_NAMES (hi, kn) and Maitreya (ta, te).

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "presentation/StrengthLabels.h"
#include "presentation/TimeLabels.h"
#include "presentation/VargaPoints.h"

namespace velmora {
namespace {

// A panchanga of a Friday, Krishna Ekadashi (tithi 26), Vishakha (16),
// Dhriti (yoga 8) and Balava (karana 52), its moments numbered 1 … 12.
Panchanga FridayPanchanga() {
    Panchanga p;
    p.vara = {6, "Shukravara", 1, 2, 0.5};
    p.tithi = {26, "Ekadashi", 3, 4, 0.41};
    p.paksha = "Krishna";
    p.nakshatra = {16, "Vishakha", 5, 6, 0.7};
    p.yoga = {8, "Dhriti", 7, 8, 0.44};
    p.karana = {52, "Balava", 9, 10, 0.82};
    p.sunrise = 11;
    p.sunset = 12;
    return p;
}

std::string Moment(double jd, int, MomentPrecision) { return "<" + std::to_string(static_cast<int>(jd)) + ">"; }

struct PanchangaCase {
    Language language;
    const char* weekday;  // "6 <weekday>, "
    const char* tithi;    // "26 <paksha> <tithi>, "
    const char* nakshatra, *yoga, *karana;
};

const PanchangaCase kPanchangas[] = {
    {Language::English, "6 Shukravara (Friday), ", "26 Krishna Ekadashi, ", "16 Vishakha, ", "8 Dhriti, ",
     "52 Balava, "},
    {Language::Hindi, "6 शुक्रवार, ", "26 कृष्ण एकादशी, ", "16 विशाखा, ", "8 धृति, ", "52 बालव, "},
    {Language::Tamil, "6 வெள்ளிக்கிழமை, ", "26 கிருஷ்ண ஏகாதசி, ", "16 விசாகம், ", "8 திருதி, ", "52 பாலவம், "},
    {Language::Telugu, "6 శుక్రవారము, ", "26 కృష్ణ ఏకాదశి, ", "16 విశాఖ, ", "8 ధృతి, ", "52 బాలవ, "},
    {Language::Kannada, "6 ಶುಕ್ರವಾರ, ", "26 ಕೃಷ್ಣ ಏಕಾದಶಿ, ", "16 ವಿಶಾಖ, ", "8 ಧೃತಿ, ", "52 ಬಾಲವ, "},
};

TEST(LanguageLabels, PanchangaLimbsAreNamedInTheLanguage) {
    for (const PanchangaCase& c : kPanchangas) {
        SCOPED_TRACE(InfoOf(c.language).code);
        const std::vector<LabelRow> rows = PanchangaRows(FridayPanchanga(), 0, Moment, c.language);
        ASSERT_EQ(rows.size(), 7u);
        const char* expected[] = {c.weekday, c.tithi, c.nakshatra, c.yoga, c.karana};
        for (std::size_t i = 0; i < 5; ++i) EXPECT_TRUE(rows[i].text.starts_with(expected[i])) << rows[i].text;
        // The moments and the share left, whatever the language.
        EXPECT_NE(rows[1].text.find("<3>"), std::string::npos);
        EXPECT_NE(rows[1].text.find("<4>"), std::string::npos);
        EXPECT_NE(rows[1].text.find("41%"), std::string::npos);
        EXPECT_TRUE(rows[5].text.starts_with("<11> (")) << rows[5].text;
    }
    // English, word for word as before the languages.
    const std::vector<LabelRow> english = PanchangaRows(FridayPanchanga(), 0, Moment);
    EXPECT_EQ(english[0].label, "Weekday (vara)");
    EXPECT_EQ(english[0].text, "6 Shukravara (Friday), sunrise <1> to sunrise <2>");
    EXPECT_EQ(english[1].text, "26 Krishna Ekadashi, <3> to <4>, 41% left at birth");
}

TEST(LanguageLabels, VargaLabelsTakeTheGlossarysNames) {
    struct Case {
        Language language;
        int varga;
        const char* label;
    };
    const Case cases[] = {
        {Language::English, 5, "D9 Navamsa"},       {Language::Hindi, 5, "D9 नवांश"},
        {Language::Tamil, 5, "D9 நவாம்சம்"},        {Language::Telugu, 6, "D10 దశాంశ"},
        {Language::Kannada, 15, "D60 ಷಷ್ಟ್ಯಂಶ"},
    };
    for (const Case& c : cases) EXPECT_EQ(VargaLabel(c.varga, c.language), c.label);
}

TEST(LanguageLabels, StrengthTablesTranslateTheWordsNotTheNumbers) {
    StrengthsOutcome outcome;  // a classic chart's: the vimsopaka bala alone
    outcome.vimsopaka[0][6] = 8.1;
    const std::vector<StrengthTable> english = StrengthTables(outcome);
    ASSERT_EQ(english.size(), 1u);
    struct Case {
        Language language;
        const char* saturn;  // the seventh planet's header
        const char* shadvarga;
    };
    const Case cases[] = {
        {Language::Hindi, "शनि", "षड्वर्ग"},
        {Language::Tamil, "சனி", "ஷட்வர்க்கம்"},
        {Language::Telugu, "శని", "షడ్వర్గ"},
        {Language::Kannada, "ಶನಿ", "ಷಡ್ವರ್ಗ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        const std::vector<StrengthTable> tables = StrengthTables(outcome, c.language);
        ASSERT_EQ(tables.size(), 1u);
        const StrengthTable& t = tables[0];
        EXPECT_NE(t.title, english[0].title);
        EXPECT_NE(t.title.find("(20 "), std::string::npos) << t.title;  // its number kept
        ASSERT_EQ(t.header.size(), 8u);
        EXPECT_EQ(t.header[0], "");
        EXPECT_EQ(t.header[7], c.saturn);
        EXPECT_EQ(t.rows[0][0], c.shadvarga);
        EXPECT_EQ(t.rows[0][7], "8.10");
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            for (std::size_t col = 1; col < t.rows[r].size(); ++col) EXPECT_EQ(t.rows[r][col], english[0].rows[r][col]);
    }
    EXPECT_EQ(english[0].header[7], "Saturn");
}

}  // namespace
}  // namespace velmora
