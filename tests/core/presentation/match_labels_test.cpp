// The marriage match's reasons in words: English exactly the sentences the
// match has always written, and in each language full sentences with the
// glossary's signs, nakshatras, planets and classes in the language's
// script, with no English word left.
//
// The pairs and what their kootas name are published:
//  - telugusourabham.blogspot.com, 2012/12/blog-post_20.html ("ashta
//    kootamulu", the worked example): the bride's Moon in Ardra pada 2
//    (Gemini), the groom's in Purva Ashadha pada 3 (Sagittarius).
//  - Nemichandra Shastri, Bharatiya Jyotish, chapter 5 "Melapak", the worked
//    example: the bride's Moon in Krittika (Taurus), the groom's in Revati
//    (Pisces); Tara "her 7th tara, his 4th".
// The classes, from the tables tests/core/analysis/guna_milan_test.cpp
// cites: varnas aadri.in (Gemini Shudra, Sagittarius Kshatriya); vashyas
// ranjanadikshit.com (Gemini Manava, the second half of Sagittarius
// Chatushpada); yonis freehoroscopesonline.in (Ardra Dog, Purva Ashadha
// Monkey); ganas astrolaabh.in (both Manushya); nadis astrologerpanditji.com
// (Ardra Adi, Purva Ashadha Madhya); the taras and their order
// astrologerpanditji.com, "Tara Koot"; the lords' friendship Brihat Parashara
// Hora Shastra, chapter 3. The names in each language are docs/glossary.md's,
// which cites each: the signs, nakshatras and planets from PyJHora's
// list_values_<hi|ta|ka>.txt and Maitreya's te.po and ta.po; the Telugu
// varnas, yonis, ganas, nadis and taras from Maitreya's te.po; the Tamil taras
// and some Kannada ones from PyJHora's msg_strings; the rest the Sanskrit
// forms, unreviewed.

#include "presentation/MatchLabels.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/Nakshatra.h"
#include "analysis/Navamsa.h"

namespace velmora {
namespace {

// A Moon `into` degrees into nakshatra n (0 Ashwini … 26 Revati).
MatchMoon MoonIn(int nakshatra, double into) {
    const double longitude = nakshatra * (40.0 / 3.0) + into;
    return {longitude, NavamsaSign(longitude)};
}
MatchMoon MoonAt(double longitude) { return {longitude, NavamsaSign(longitude)}; }

// Ardra pada 2 and Purva Ashadha pada 3 (telugusourabham.blogspot.com).
GunaMilan ArdraAndPurvaAshadha() { return MatchMoons(MoonIn(5, 5.0), MoonIn(19, 8.0)); }

// Whether the text has a Latin letter: an English word left in it.
bool HasLatinLetter(std::string_view text) {
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    return false;
}

TEST(MatchLabels, EnglishIsTheMatchsOwnSentences) {
    const GunaMilan m = ArdraAndPurvaAshadha();
    const char* expected[kKootaCount] = {
        "The bride's Moon in Gemini is Shudra, the groom's in Sagittarius Kshatriya: the groom's varna is not below "
        "the bride's.",
        "The bride's Moon is Manava, the groom's Chatushpada: the vashya table gives this pair its points.",
        "From the bride's Ardra the groom's Purva Ashadha is the 15th star, Sadhaka (good); from the groom's, the "
        "bride's is the 14th star, Pratyak (bad).",
        "The bride's Ardra is Dog, the groom's Purva Ashadha Monkey: neutral to each other.",
        "The lords of the Moons' signs are Mercury (Gemini) and Jupiter (Sagittarius): Mercury counts Jupiter "
        "neutral, Jupiter counts Mercury an enemy.",
        "The bride's Ardra is of the Manushya gana, the groom's Purva Ashadha of the Manushya gana.",
        "The groom's Moon sign Sagittarius is the 7th from the bride's Gemini and hers the 7th from his: not 2/12, "
        "5/9 or 6/8.",
        "The bride's Moon is in the Adi nadi, the groom's in the Madhya nadi.",
    };
    for (std::size_t k = 0; k < kKootaCount; ++k) {
        EXPECT_EQ(KootaReasonText(m, k), expected[k]) << k;
        EXPECT_EQ(KootaReasonText(m, k, Language::English), expected[k]) << k;
    }
    EXPECT_EQ(NadiDoshaText(m), "");
    EXPECT_EQ(BhakootDoshaText(m), "");
}

// The ordinals of the tara counts: 21st, 22nd, 23rd against 11th, 12th,
// 13th; Bharatiya Jyotish's pair, her 7th tara (the 25th star) and his 4th.
TEST(MatchLabels, EnglishTaraCountsAndTheirOrdinals) {
    const struct {
        int bride, groom;
        const char* reason;
    } cases[] = {
        {0, 20, "From the bride's Ashwini the groom's Uttara Ashadha is the 21st star, Vipat (bad); from the "
                "groom's, the bride's is the 8th star, Mitra (good)."},
        {0, 21, "From the bride's Ashwini the groom's Shravana is the 22nd star, Kshema (good); from the groom's, "
                "the bride's is the 7th star, Vadha (bad)."},
        {0, 22, "From the bride's Ashwini the groom's Dhanishta is the 23rd star, Pratyak (bad); from the groom's, "
                "the bride's is the 6th star, Sadhaka (good)."},
        {0, 10, "From the bride's Ashwini the groom's Purva Phalguni is the 11th star, Sampat (good); from the "
                "groom's, the bride's is the 18th star, Parama Mitra (good)."},
        {0, 12, "From the bride's Ashwini the groom's Hasta is the 13th star, Kshema (good); from the groom's, the "
                "bride's is the 16th star, Vadha (bad)."},
        {2, 26, "From the bride's Krittika the groom's Revati is the 25th star, Vadha (bad); from the groom's, the "
                "bride's is the 4th star, Kshema (good)."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KootaReasonText(MatchMoons(MoonIn(c.bride, 5.0), MoonIn(c.groom, 5.0)), 2), c.reason);
}

// The doshas' sentences for the cancellations the analysis tests cite
// (agastyanadiastro.com and astrotalk.com for Nadi, truthstar.com for
// Bhakoot): in English as always; in each language naming the same sign,
// nakshatra or planets in the glossary's words, with no English left.
TEST(MatchLabels, DoshaSentencesInEveryLanguage) {
    enum class Dosha { Nadi, Bhakoot };
    const struct {
        double bride, groom;
        Dosha dosha;
        const char* english;
        std::vector<const char*> names[4];  // hi, ta, te, kn
    } cases[] = {
        {70.0, 85.0, Dosha::Nadi, "Nadi dosha, cancelled: both Moons are in Gemini but in different nakshatras.",
         {{"मिथुन"}, {"மிதுனம்"}, {"మిథున"}, {"ಮಿಥುನ"}}},
        {27.5, 31.0, Dosha::Nadi, "Nadi dosha, cancelled: both Moons are in Krittika but in different signs.",
         {{"कृत्तिका"}, {"கார்த்திகை"}, {"కృత్తిక"}, {"ಕೃತ್ತಿಕಾ"}}},
        {1.0, 5.0, Dosha::Nadi, "Nadi dosha, cancelled: both Moons are in Ashwini but in different padas.",
         {{"अश्विनी"}, {"அஸ்வினி"}, {"అశ్విని"}, {"ಅಶ್ವಿನಿ"}}},
        {5.0, 70.0, Dosha::Nadi, "Nadi dosha: both Moons are in the Adi nadi, and no exception applies.",
         {{"आदि"}, {"ஆதி"}, {"ఆది"}, {"ಆದಿ"}}},
        {10.0, 215.0, Dosha::Bhakoot, "Bhakoot dosha, cancelled: the Moon signs' lords are both Mars.",
         {{"मंगल"}, {"செவ்வாய்"}, {"కుజ"}, {"ಮಂಗಳ"}}},
        {125.0, 245.0, Dosha::Bhakoot, "Bhakoot dosha, cancelled: the Moon signs' lords Sun and Jupiter are friends.",
         {{"सूर्य", "बृहस्पति"}, {"சூரியன்", "குரு"}, {"రవి", "గురు"}, {"ಸೂರ್ಯ", "ಗುರು"}}},
        {61.0, 97.0, Dosha::Bhakoot,
         "Bhakoot dosha, cancelled: the lords of the Moons' Navamsa signs Venus and Mercury are friends.",
         {{"शुक्र", "बुध"}, {"சுக்கிரன்", "புதன்"}, {"శుక్ర", "బుధ"}, {"ಶುಕ್ರ", "ಬುಧ"}}},
        {121.0, 271.0, Dosha::Bhakoot,
         "Bhakoot dosha: the Moon signs are 6/8 from each other, and neither their lords nor their Navamsa lords "
         "are one planet or friends.",
         {{"6/8"}, {"6/8"}, {"6/8"}, {"6/8"}}},
    };
    const Language languages[] = {Language::Hindi, Language::Tamil, Language::Telugu, Language::Kannada};
    for (const auto& c : cases) {
        const GunaMilan m = MatchMoons(MoonAt(c.bride), MoonAt(c.groom));
        auto text = [&](Language l) { return c.dosha == Dosha::Nadi ? NadiDoshaText(m, l) : BhakootDoshaText(m, l); };
        EXPECT_EQ(text(Language::English), c.english);
        for (std::size_t l = 0; l < 4; ++l) {
            const std::string sentence = text(languages[l]);
            SCOPED_TRACE(std::string(InfoOf(languages[l]).code) + ": " + sentence);
            EXPECT_FALSE(HasLatinLetter(sentence));
            for (const char* name : c.names[l]) EXPECT_NE(sentence.find(name), std::string::npos) << name;
        }
    }
}

// The published pair in each language: every koota's reason names the
// glossary's terms (the signs, nakshatras, classes, taras with the
// language's ordinal, the lords) and holds no English word.
TEST(MatchLabels, ThePublishedPairInEachLanguage) {
    using Names = std::vector<const char*>;
    const struct {
        Language language;
        Names kootas[kKootaCount];  // Varna … Nadi
    } cases[] = {
        {Language::Hindi,
         {{"मिथुन", "शूद्र", "धनु", "क्षत्रिय"},
          {"मानव", "चतुष्पद"},
          {"आर्द्रा", "पूर्वाषाढ़ा", "15वाँ", "साधक", "14वाँ", "प्रत्यक्"},
          {"आर्द्रा", "श्वान", "पूर्वाषाढ़ा", "वानर"},
          {"बुध", "बृहस्पति", "मिथुन", "धनु"},
          {"आर्द्रा", "मनुष्य", "पूर्वाषाढ़ा"},
          {"धनु", "7वीं", "मिथुन"},
          {"आदि", "मध्य"}}},
        {Language::Tamil,
         {{"மிதுனம்", "சூத்திர", "தனுசு", "க்ஷத்திரிய"},
          {"மானவ", "சதுஷ்பாத"},
          {"திருவாதிரை", "பூராடம்", "15-ஆம்", "சாதனா", "14-ஆம்", "பிரத்யகா"},
          {"திருவாதிரை", "நாய்", "பூராடம்", "குரங்கு"},
          {"புதன்", "குரு", "மிதுனம்", "தனுசு"},
          {"திருவாதிரை", "மனித", "பூராடம்"},
          {"தனுசு", "7-ஆம்", "மிதுனம்"},
          {"ஆதி", "மத்திய"}}},
        {Language::Telugu,
         {{"మిథున", "శూద్ర", "ధను", "క్షత్రియ"},
          {"మానవ", "చతుష్పాద"},
          {"ఆరుద్ర", "పూర్వాషాఢ", "15వ", "సాధన", "14వ", "ప్రత్యక్"},
          {"ఆరుద్ర", "శ్వాన", "పూర్వాషాఢ", "వానర"},
          {"బుధ", "గురు", "మిథున", "ధను"},
          {"ఆరుద్ర", "మనుష్య", "పూర్వాషాఢ"},
          {"ధను", "7వ", "మిథున"},
          {"ఆది", "మధ్య"}}},
        {Language::Kannada,
         {{"ಮಿಥುನ", "ಶೂದ್ರ", "ಧನು", "ಕ್ಷತ್ರಿಯ"},
          {"ಮಾನವ", "ಚತುಷ್ಪಾದ"},
          {"ಆರ್ದ್ರಾ", "ಪೂರ್ವಾಷಾಢ", "15ನೇ", "ಸಾಧನ", "14ನೇ", "ಪ್ರತ್ಯಕ"},
          {"ಆರ್ದ್ರಾ", "ಶ್ವಾನ", "ಪೂರ್ವಾಷಾಢ", "ವಾನರ"},
          {"ಬುಧ", "ಗುರು", "ಮಿಥುನ", "ಧನು"},
          {"ಆರ್ದ್ರಾ", "ಮನುಷ್ಯ", "ಪೂರ್ವಾಷಾಢ"},
          {"ಧನು", "7ನೇ", "ಮಿಥುನ"},
          {"ಆದಿ", "ಮಧ್ಯ"}}},
    };
    const GunaMilan m = ArdraAndPurvaAshadha();
    for (const auto& c : cases) {
        for (std::size_t k = 0; k < kKootaCount; ++k) {
            const std::string reason = KootaReasonText(m, k, c.language);
            SCOPED_TRACE(std::string(InfoOf(c.language).code) + " " + std::string(kKootaNames[k]) + ": " + reason);
            EXPECT_FALSE(HasLatinLetter(reason));
            EXPECT_EQ(reason.find('%'), std::string::npos);  // every placeholder filled
            for (const char* name : c.kootas[k]) EXPECT_NE(reason.find(name), std::string::npos) << name;
        }
    }
}

// Every pair of nakshatras, at three places in each, in every language:
// each reason and dosha sentence written, every placeholder filled, and
// in a language other than English no English word left.
TEST(MatchLabels, EveryPairInEveryLanguage) {
    for (const LanguageInfo& info : kLanguages) {
        SCOPED_TRACE(info.code);
        for (int b = 0; b < kNakshatraCount; ++b) {
            for (int g = 0; g < kNakshatraCount; ++g) {
                for (double into : {0.5, 6.0, 12.8}) {
                    const GunaMilan m = MatchMoons(MoonIn(b, into), MoonIn(g, into));
                    std::vector<std::string> texts = {NadiDoshaText(m, info.language),
                                                      BhakootDoshaText(m, info.language)};
                    EXPECT_EQ(texts[0].empty(), !m.nadi.present);
                    EXPECT_EQ(texts[1].empty(), !m.bhakoot.present);
                    for (std::size_t k = 0; k < kKootaCount; ++k) {
                        texts.push_back(KootaReasonText(m, k, info.language));
                        EXPECT_FALSE(texts.back().empty());
                    }
                    for (const std::string& text : texts) {
                        ASSERT_EQ(text.find('%'), std::string::npos) << text;
                        if (info.language != Language::English) {
                            ASSERT_FALSE(HasLatinLetter(text)) << text;
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace velmora
