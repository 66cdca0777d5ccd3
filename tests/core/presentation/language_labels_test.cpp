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

#include "chart/JaiminiReading.h"
#include "presentation/BhavaPoints.h"
#include "presentation/KujaLabels.h"
#include "presentation/PointDetailLabels.h"
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

// The full position table's notes: Mars combust 3° 12′ from the Sun and at
// war with Venus, won at 0° 42′. The Venus of each language is the
// glossary's (PyJHora's PLANET_NAMES for hi and kn, Maitreya's ta.po and
// te.po); the word for combust the same as the table's column heading.
TEST(LanguageLabels, CombustionAndWarNotesAreWrittenInTheLanguage) {
    PointDetails details{};
    for (int i = 0; i < kBodyCount; ++i) details[static_cast<std::size_t>(i)].body = i;
    PointDetail& mars = details[4];
    mars.combust = true;
    mars.fromSun = 3.2;
    mars.wars = {{3, true, 0.7}, {2, false, 0.9}};
    struct Case {
        Language language;
        const char* combust;
        const char* war;
    };
    const Case cases[] = {
        {Language::English, "combust (3° 12′ from the Sun)",
         "at war with Venus, won (0° 42′ apart); at war with Mercury, lost (0° 54′ apart)"},
        {Language::Hindi, "अस्त (सूर्य से 3° 12′)",
         "शुक्र से ग्रह युद्ध, विजयी (0° 42′ की दूरी); बुध से ग्रह युद्ध, पराजित (0° 54′ की दूरी)"},
        {Language::Tamil, "அஸ்தங்கம் (சூரியனிலிருந்து 3° 12′)",
         "சுக்கிரன் உடன் கிரக யுத்தம், வெற்றி (0° 42′ இடைவெளி); புதன் உடன் கிரக யுத்தம், தோல்வி (0° 54′ இடைவெளி)"},
        {Language::Telugu, "అస్తంగత (రవి నుండి 3° 12′)",
         "శుక్ర తో గ్రహ యుద్ధం, గెలుపు (0° 42′ దూరం); బుధ తో గ్రహ యుద్ధం, ఓటమి (0° 54′ దూరం)"},
        {Language::Kannada, "ಅಸ್ತಂಗತ (ಸೂರ್ಯನಿಂದ 3° 12′)",
         "ಶುಕ್ರ ಜೊತೆ ಗ್ರಹ ಯುದ್ಧ, ಗೆಲುವು (0° 42′ ಅಂತರ); ಬುಧ ಜೊತೆ ಗ್ರಹ ಯುದ್ಧ, ಸೋಲು (0° 54′ ಅಂತರ)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        const auto rows = PointDetailRows(details, c.language);
        EXPECT_EQ(rows[4].combust, c.combust);
        EXPECT_EQ(rows[4].war, c.war);
        // Only the planet that is combust or at war has a note.
        EXPECT_EQ(rows[0].combust, "");
        EXPECT_EQ(rows[0].war, "");
    }
    // Without a language, as before the languages.
    EXPECT_EQ(PointDetailRows(details)[4].combust, "combust (3° 12′ from the Sun)");
}

// The karakas' lines, the argala lines and the bhavas' heading: the planets
// the glossary's (sources as above), the words and the house systems' names
// the phrase table's (Placidus, after Placidus de Titis, transliterated), the
// numbers kept; English word for word as before the languages.
TEST(LanguageLabels, JaiminiLinesAndTheBhavasHeadingAreWrittenInTheLanguage) {
    JaiminiReading reading;
    reading.scheme = KarakaScheme::Eight;
    reading.karakas8.scheme = KarakaScheme::Eight;
    reading.karakas8.count = 8;
    reading.karakas8.bodies = {5, 0, 1, 2, 3, 4, 6, 7};  // Jupiter the atmakaraka, Rahu the darakaraka
    reading.argala[0] = {ArgalaEntry{2, 12, {0, 2}, {4}, true}, ArgalaEntry{11, 3, {6}, {1, 3}, false}};
    reading.argala[1] = {ArgalaEntry{4, 10, {1}, {}, false}};
    Chart placidus;
    placidus.houses = HouseSystem::Placidus;
    Chart whole;
    whole.houses = HouseSystem::WholeSign;
    struct Case {
        Language language;
        const char* atmakaraka;  // the first karaka line
        const char* darakaraka;  // the last
        const char* house1, *house2, *house3;
        const char* placidus, *whole;
    };
    const Case cases[] = {
        {Language::English, "AK Jupiter (Atmakaraka)", "DK Rahu (Darakaraka)",
         "House 1: Sun and Mercury in the 2nd, obstructed by Mars in the 12th: argala prevails; Saturn in the "
         "11th, obstructed by Moon and Venus in the 3rd: obstructed",
         "House 2: Moon in the 4th, unobstructed", "House 3: none",
         "Bhavas: Placidus houses (each cusp where its house begins)", "Bhavas: Whole sign houses"},
        {Language::Hindi, "AK बृहस्पति (आत्मकारक)", "DK राहु (दारकारक)",
         "भाव 1: 2वें भाव में सूर्य और बुध, 12वें भाव में मंगल से विरोध: अर्गला प्रबल; 11वें भाव में शनि, 3वें "
         "भाव में चंद्रमा और शुक्र से विरोध: अर्गला बाधित",
         "भाव 2: 4वें भाव में चंद्रमा, निर्बाध", "भाव 3: कोई नहीं",
         "भाव: प्लासिडस भाव पद्धति (प्रत्येक संधि वहाँ जहाँ उसका भाव आरंभ होता है)", "भाव: संपूर्ण राशि भाव पद्धति"},
        {Language::Tamil, "AK குரு (ஆத்மகாரகன்)", "DK ராகு (தாரகாரகன்)",
         "பாவம் 1: 2-ஆம் பாவத்தில் சூரியன் மற்றும் புதன், 12-ஆம் பாவத்தில் செவ்வாய் தடை: அர்கலா வெல்கிறது; "
         "11-ஆம் பாவத்தில் சனி, 3-ஆம் பாவத்தில் சந்திரன் மற்றும் சுக்கிரன் தடை: அர்கலா தடைபட்டது",
         "பாவம் 2: 4-ஆம் பாவத்தில் சந்திரன், தடையில்லை", "பாவம் 3: இல்லை",
         "பாவங்கள்: பிளாசிடஸ் பாவ முறை (ஒவ்வொரு சந்தியும் அதன் பாவம் தொடங்கும் இடம்)",
         "பாவங்கள்: முழு ராசி பாவ முறை"},
        {Language::Telugu, "AK గురు (ఆత్మకారకుడు)", "DK రాహు (దారకారకుడు)",
         "భావం 1: 2వ భావంలో రవి మరియు బుధ, 12వ భావంలో కుజ అడ్డు: అర్గళ గెలుస్తుంది; 11వ భావంలో శని, 3వ భావంలో "
         "చంద్ర మరియు శుక్ర అడ్డు: అర్గళ ఆగింది",
         "భావం 2: 4వ భావంలో చంద్ర, అడ్డు లేదు", "భావం 3: ఏదీ లేదు",
         "భావాలు: ప్లాసిడస్ భావ పద్ధతి (ప్రతి సంధి దాని భావం మొదలయ్యే చోట)", "భావాలు: పూర్ణ రాశి భావ పద్ధతి"},
        {Language::Kannada, "AK ಗುರು (ಆತ್ಮಕಾರಕ)", "DK ರಾಹು (ದಾರಕಾರಕ)",
         "ಭಾವ 1: 2ನೇ ಭಾವದಲ್ಲಿ ಸೂರ್ಯ ಮತ್ತು ಬುಧ, 12ನೇ ಭಾವದಲ್ಲಿ ಮಂಗಳ ತಡೆ: ಅರ್ಗಳ ಮೇಲುಗೈ; 11ನೇ ಭಾವದಲ್ಲಿ ಶನಿ, 3ನೇ "
         "ಭಾವದಲ್ಲಿ ಚಂದ್ರ ಮತ್ತು ಶುಕ್ರ ತಡೆ: ಅರ್ಗಳ ತಡೆಯಲ್ಪಟ್ಟಿದೆ",
         "ಭಾವ 2: 4ನೇ ಭಾವದಲ್ಲಿ ಚಂದ್ರ, ತಡೆಯಿಲ್ಲ", "ಭಾವ 3: ಯಾವುದೂ ಇಲ್ಲ",
         "ಭಾವಗಳು: ಪ್ಲಾಸಿಡಸ್ ಭಾವ ಪದ್ಧತಿ (ಪ್ರತಿ ಸಂಧಿ ಅದರ ಭಾವ ಆರಂಭವಾಗುವ ಸ್ಥಳ)", "ಭಾವಗಳು: ಪೂರ್ಣ ರಾಶಿ ಭಾವ ಪದ್ಧತಿ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        const std::vector<std::string> karakas = KarakaLines(reading.karakas8, c.language);
        ASSERT_EQ(karakas.size(), 8u);
        EXPECT_EQ(karakas.front(), c.atmakaraka);
        EXPECT_EQ(karakas.back(), c.darakaraka);
        const std::vector<std::string> argala = ArgalaLines(reading, c.language);
        ASSERT_EQ(argala.size(), 12u);
        EXPECT_EQ(argala[0], c.house1);
        EXPECT_EQ(argala[1], c.house2);
        EXPECT_EQ(argala[2], c.house3);
        EXPECT_EQ(BhavaHeading(placidus, c.language), c.placidus);
        EXPECT_EQ(BhavaHeading(whole, c.language), c.whole);
    }
    // The defaults are English.
    EXPECT_EQ(ArgalaLines(reading)[1], "House 2: Moon in the 4th, unobstructed");
    EXPECT_EQ(BhavaHeading(whole), "Bhavas: Whole sign houses");
}

// The Mars dosha's reasons with both kinds of exception: the ascendant in
// Aries and Mars in Libra with Jupiter (the 7th, cancelled by Jupiter), the
// Moon in Capricorn (the 10th: none), Venus in Scorpio (the 12th, cancelled
// as the 12th in Libra) — the exceptions as "Kuja or Mangal Dosh"
// (horoscopevedic.com, 2009) lists them. The planets and Libra the
// glossary's (PyJHora's PLANET_NAMES and RAASI_LIST for hi and kn,
// Maitreya's ta.po and te.po); the sentences the phrase table's.
TEST(LanguageLabels, MarsDoshaReasonsAreWrittenInTheLanguage) {
    std::array<int, kBodyCount> signs{};
    signs[4] = 6;  // Mars in Libra
    signs[5] = 6;  // Jupiter with it
    signs[1] = 9;  // the Moon in Capricorn
    signs[3] = 7;  // Venus in Scorpio
    signs[9] = 0;  // the ascendant in Aries
    const KujaDosha dosha = FindKujaDosha(signs);
    ASSERT_FALSE(dosha.present);
    struct Case {
        Language language;
        const char* fromAscendant, *fromMoon, *fromVenus, *summary;
    };
    const Case cases[] = {
        {Language::English, "Mars is in the 7th from the ascendant, but Mars is with Jupiter: cancelled.",
         "Mars is in the 10th from the Moon: no dosha.",
         "Mars is in the 12th from Venus, but Mars in the 12th in Libra gives no dosha: cancelled.", "No Mars dosha."},
        {Language::Hindi, "मंगल लग्न से 7वें भाव में है, परंतु मंगल बृहस्पति के साथ है: निरस्त।",
         "मंगल चंद्रमा से 10वें भाव में है: दोष नहीं।",
         "मंगल शुक्र से 12वें भाव में है, परंतु 12वें भाव में तुला में मंगल दोष नहीं देता: निरस्त।", "मंगल दोष नहीं।"},
        {Language::Tamil, "செவ்வாய் லக்னம் இலிருந்து 7-ஆம் பாவத்தில், ஆனால் செவ்வாய் குரு உடன் உள்ளது: நீங்கியது.",
         "செவ்வாய் சந்திரன் இலிருந்து 10-ஆம் பாவத்தில்: தோஷம் இல்லை.",
         "செவ்வாய் சுக்கிரன் இலிருந்து 12-ஆம் பாவத்தில், ஆனால் 12-ஆம் பாவத்தில் துலாம் இல் செவ்வாய் தோஷம் தராது: "
         "நீங்கியது.",
         "செவ்வாய் தோஷம் இல்லை."},
        {Language::Telugu, "కుజ లగ్నం నుండి 7వ భావంలో ఉంది, కానీ కుజ గురు తో ఉంది: రద్దు.",
         "కుజ చంద్ర నుండి 10వ భావంలో ఉంది: దోషం లేదు.",
         "కుజ శుక్ర నుండి 12వ భావంలో ఉంది, కానీ 12వ భావంలో తుల లో కుజ దోషం ఇవ్వదు: రద్దు.", "కుజ దోషం లేదు."},
        {Language::Kannada, "ಮಂಗಳ ಲಗ್ನ ರಿಂದ 7ನೇ ಭಾವದಲ್ಲಿದೆ, ಆದರೆ ಮಂಗಳ ಗುರು ಜೊತೆ ಇದೆ: ರದ್ದು.",
         "ಮಂಗಳ ಚಂದ್ರ ರಿಂದ 10ನೇ ಭಾವದಲ್ಲಿದೆ: ದೋಷವಿಲ್ಲ.",
         "ಮಂಗಳ ಶುಕ್ರ ರಿಂದ 12ನೇ ಭಾವದಲ್ಲಿದೆ, ಆದರೆ 12ನೇ ಭಾವದಲ್ಲಿ ತುಲಾ ರಲ್ಲಿ ಮಂಗಳ ದೋಷ ನೀಡುವುದಿಲ್ಲ: ರದ್ದು.",
         "ಕುಜ ದೋಷವಿಲ್ಲ."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        EXPECT_EQ(KujaReasonText(dosha, 0, c.language), c.fromAscendant);
        EXPECT_EQ(KujaReasonText(dosha, 1, c.language), c.fromMoon);
        EXPECT_EQ(KujaReasonText(dosha, 2, c.language), c.fromVenus);
        EXPECT_EQ(KujaSummaryText(dosha, c.language), c.summary);
    }
    // The analysis's own English sentences are what English shows.
    EXPECT_EQ(dosha.from[0].reason, cases[0].fromAscendant);
    EXPECT_EQ(dosha.from[2].reason, cases[0].fromVenus);
}

// The sunrise convention's name beside the panchanga's sunrise and in the
// strengths' line of conventions, in the language (the phrase table's,
// unreviewed); the book's title stays as published.
TEST(LanguageLabels, SunriseConventionsAreNamedInTheLanguage) {
    struct Case {
        Language language;
        const char* upperLimb, *discCentre;
        const char* strengthsStart;  // the line of conventions begins
    };
    const Case cases[] = {
        {Language::English, "upper limb with refraction", "disc centre without refraction",
         "After Brihat Parashara Hora Shastra ch. 27"},
        {Language::Hindi, "अपवर्तन सहित ऊपरी किनारा", "अपवर्तन रहित बिंब केंद्र", "बृहत् पराशर होरा शास्त्र अध्याय 27"},
        {Language::Tamil, "ஒளிவிலகலுடன் மேல் விளிம்பு", "ஒளிவிலகல் இல்லாமல் வட்டத்தின் மையம்",
         "பிருஹத் பராசர ஹோரா சாஸ்திரம் அத். 27"},
        {Language::Telugu, "వక్రీభవనంతో పై అంచు", "వక్రీభవనం లేకుండా బింబ కేంద్రం", "బృహత్ పరాశర హోరా శాస్త్రం అ. 27"},
        {Language::Kannada, "ವಕ್ರೀಭವನದೊಂದಿಗೆ ಮೇಲಿನ ಅಂಚು", "ವಕ್ರೀಭವನವಿಲ್ಲದೆ ಬಿಂಬ ಕೇಂದ್ರ", "ಬೃಹತ್ ಪರಾಶರ ಹೋರಾ ಶಾಸ್ತ್ರ ಅ. 27"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        Panchanga p = FridayPanchanga();
        const std::vector<LabelRow> upper = PanchangaRows(p, 0, Moment, c.language);
        EXPECT_EQ(upper[5].text, "<11> (" + std::string(c.upperLimb) + ")");
        p.convention = SunriseConvention::DiscCentre;
        EXPECT_EQ(PanchangaRows(p, 0, Moment, c.language)[6].text, "<12> (" + std::string(c.discCentre) + ")");
        StrengthsOutcome outcome;
        outcome.balas.emplace();
        outcome.balas->convention = SunriseConvention::DiscCentre;
        const std::vector<std::string> notes = StrengthNotes(outcome, c.language);
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_TRUE(notes[0].starts_with(c.strengthsStart)) << notes[0];
        EXPECT_NE(notes[0].find(c.discCentre), std::string::npos) << notes[0];
    }
    StrengthsOutcome outcome;
    outcome.balas.emplace();
    EXPECT_EQ(StrengthNotes(outcome).back(),
              "After Brihat Parashara Hora Shastra ch. 27 as B. V. Raman works it out (Graha and Bhava Balas): houses by "
              "whole signs for kendradi bala, the ascendant and midheaven for dig bala, Sripati's house middles for "
              "bhava bala, the sunrise by the upper limb with refraction");
}

}  // namespace
}  // namespace velmora
