// The yogas in each language: every yoga of the catalogue named in every
// language, in its script, no two alike; the names PyJHora publishes
// (src/jhora/lang/yoga_msgs_<code>.json and raja_yoga_msgs_<code>.json, the
// words before योग/யோகம்/యోగం/ಯೋಗ; the kinds of Kala Sarpa its
// KALA_SARPA_LIST in msg_strings_<code>.txt; github.com/naturalstupid/PyJHora
// at commit e20943c) where it has them, and not its known slips; the yoga
// rows and the doshas' lines written in the language with the glossary's
// planets (docs/glossary.md), English as the catalogue and the analysis
// write it.

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "presentation/YogaLabels.h"
#include "presentation/YogaNames.h"
#include "tests/support/ScriptCheck.h"

namespace velmora {
namespace {

using test::InItsScript;
using test::LatinWords;

const Language kTranslated[] = {Language::Hindi, Language::Tamil, Language::Telugu, Language::Kannada};

const YogaRule& RuleOf(std::string_view id) {
    for (const YogaRule& rule : YogaCatalogue())
        if (rule.id == id) return rule;
    ADD_FAILURE() << "no yoga " << id;
    return YogaCatalogue().front();
}

int IndexOf(std::string_view id) { return static_cast<int>(&RuleOf(id) - YogaCatalogue().data()); }

TEST(YogaNames, EveryYogaHasItsNameInEveryLanguage) {
    for (const Language language : kTranslated) {
        SCOPED_TRACE(InfoOf(language).code);
        const YogaNameTable& table = YogaNamesOf(language);
        EXPECT_EQ(table.language, language);
        std::set<std::string_view> ids, names;
        for (const YogaNameRow& row : table.yogas) ids.insert(row.id);
        for (const YogaRule& rule : YogaCatalogue()) {
            SCOPED_TRACE(rule.id);
            EXPECT_TRUE(ids.contains(rule.id)) << "no row for the yoga";
            const std::string_view name = YogaName(rule, language);
            EXPECT_TRUE(InItsScript(language, name)) << name;
            EXPECT_TRUE(LatinWords(name).empty()) << name;
            EXPECT_TRUE(names.insert(name).second) << "two yogas named " << name;
        }
        // No row for a yoga the catalogue no longer has.
        EXPECT_EQ(table.yogas.size(), YogaCatalogue().size());
        std::set<std::string_view> families, kinds;
        for (const std::string_view family : table.families) {
            EXPECT_TRUE(InItsScript(language, family)) << family;
            EXPECT_TRUE(families.insert(family).second) << family;
        }
        for (const std::string_view kind : table.kalaSarpaKinds) {
            EXPECT_TRUE(InItsScript(language, kind)) << kind;
            EXPECT_TRUE(kinds.insert(kind).second) << kind;
        }
    }
}

TEST(YogaNames, ThePublishedNamesAndNotTheirSlips) {
    struct Case {
        Language language;
        const char* id;
        const char* name;
    };
    // PyJHora's yoga_msgs_<code>.json ("Gaja Kesari" …), raja_yoga_msgs (Dharma
    // Karmadhipati, Viparita Raja).
    const Case published[] = {
        {Language::Hindi, "gaja_kesari", "गज केसरी"},
        {Language::Tamil, "gaja_kesari", "கஜ கேஸரி"},
        {Language::Telugu, "gaja_kesari", "గజ కేసరి"},
        {Language::Kannada, "gaja_kesari", "ಗಜ ಕೇಸರಿ"},
        {Language::Hindi, "hamsa", "हंस"},
        {Language::Tamil, "vallaki", "வல்லகி (வீணா)"},
        {Language::Telugu, "raja_10_9", "ధర్మ కర్మాధిపతి"},
        {Language::Kannada, "harsha", "ಹರ್ಷ (ವಿಪರೀತ ರಾಜ)"},
        {Language::Hindi, "shara", "शर (इषु)"},
        {Language::Kannada, "kahala", "ಕಾಹಳ"},
        {Language::Telugu, "daridra", "దారిద్ర్య"},
    };
    for (const Case& c : published) EXPECT_EQ(YogaName(RuleOf(c.id), c.language), c.name) << c.id;
    // PyJHora's slips, not taken: Hindi भदद्र (Bhadra), Tamil மத்ஸய (Matsya),
    // Kannada ಪಾಸ (Pasha) and ಲಗ್ನಾದಿ (Lagnadhi), Hindi नीचा (Neecha Bhanga);
    // in the kinds of Kala Sarpa, Hindi शंकपाल and काराकोटक, the Tamil and
    // Telugu குளிகை, కులికై (Gulika's name for Kulika) and சங்கல்ப, సంకల్ప
    // (sankalpa for Shankhapala), Kannada ಕುಲಿಕೈ and ಸಂಕಲ್ಪ.
    const char* slips[] = {"भदद्र", "மத்ஸய", "ಪಾಸ", "ಲಗ್ನಾದಿ", "नीचा", "शंकपाल", "काराकोटक",
                           "குளிகை", "కులికై", "சங்கல்ப", "సంకల్ప", "ಕುಲಿಕೈ", "ಸಂಕಲ್ಪ"};
    for (const Language language : kTranslated) {
        const YogaNameTable& table = YogaNamesOf(language);
        for (const char* slip : slips) {
            for (const YogaNameRow& row : table.yogas) EXPECT_EQ(row.name.find(slip), std::string_view::npos) << row.name;
            for (const std::string_view kind : table.kalaSarpaKinds) EXPECT_EQ(kind.find(slip), std::string_view::npos);
        }
    }
    // The kinds by Rahu's house: the 3rd Vasuki, the 5th Padma (KALA_SARPA_LIST).
    const Case kinds[] = {
        {Language::Hindi, "3", "वासुकि"}, {Language::Tamil, "3", "வாசுகி"}, {Language::Telugu, "5", "పద్మ"},
        {Language::Kannada, "5", "ಪದ್ಮ"}, {Language::English, "3", "Vasuki"}, {Language::English, "12", "Sheshanaga"},
    };
    for (const Case& c : kinds) EXPECT_EQ(KalaSarpaKindName(std::stoi(c.id), c.language), c.name);
}

TEST(YogaNames, EnglishIsTheCataloguesOwn) {
    for (const YogaRule& rule : YogaCatalogue()) {
        EXPECT_EQ(YogaName(rule, Language::English), rule.name);
        EXPECT_EQ(YogaFamilyName(rule.family, Language::English), YogaFamilyName(rule.family));
    }
}

// Gaja Kesari formed by the Moon and Jupiter: the name and family in the
// language, the planets the glossary's (PyJHora's PLANET_NAMES for hi and
// kn, Maitreya's ta.po and te.po), the source the books' as published.
TEST(YogaLabels, ARowInEachLanguage) {
    YogasInVarga found;
    found.yogas.push_back({IndexOf("gaja_kesari"), static_cast<BodySet>(BodyBit(1) | BodyBit(5))});
    struct Case {
        Language language;
        YogaRow row;
    };
    const Case cases[] = {
        {Language::English, {"Gaja Kesari", "Moon, Jupiter", "Chandra (the Moon's)", "BPHS ch. 36; Phaladeepika ch. 6"}},
        {Language::Hindi, {"गज केसरी", "चंद्रमा, बृहस्पति", "चंद्र", "BPHS ch. 36; Phaladeepika ch. 6"}},
        {Language::Tamil, {"கஜ கேஸரி", "சந்திரன், குரு", "சந்திர", "BPHS ch. 36; Phaladeepika ch. 6"}},
        {Language::Telugu, {"గజ కేసరి", "చంద్ర, గురు", "చంద్ర", "BPHS ch. 36; Phaladeepika ch. 6"}},
        {Language::Kannada, {"ಗಜ ಕೇಸರಿ", "ಚಂದ್ರ, ಗುರು", "ಚಂದ್ರ", "BPHS ch. 36; Phaladeepika ch. 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        const std::vector<YogaRow> rows = YogaRows(found, c.language);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].name, c.row.name);
        EXPECT_EQ(rows[0].planets, c.row.planets);
        EXPECT_EQ(rows[0].family, c.row.family);
        EXPECT_EQ(rows[0].source, c.row.source);
    }
}

// Signs by body number, Sun … Ketu, then the ascendant (0 Aries … 11 Pisces).
using Signs = std::array<int, kBodyCount>;

// The doshas of three charts: Kala Sarpa with Rahu in the 3rd (the planets
// from Rahu onwards), Kemadruma cancelled three ways, and a chart without
// Kemadruma; in each language no English word left, the planets the
// glossary's; English the analysis's own sentences.
TEST(YogaLabels, TheDoshasLinesInEachLanguage) {
    YogaReading reading;
    reading.kuja = FindKujaDosha({0, 3, 1, 1, 5, 3, 7, 11, 5, 0});
    // Aquarius rising, Rahu at 5° Aries, Ketu at 5° Libra, the planets between.
    reading.kalaSarpa = FindKalaSarpa({10, 20, 30, 40, 50, 60, 70, 5, 185, 300});
    // Aries rising, the Moon and Jupiter in Cancer (the 4th), nothing in
    // Gemini or Leo: Kemadruma, cancelled by Jupiter with the Moon, Jupiter
    // in a kendra from the ascendant, the Moon in one.
    reading.kemadruma = FindKemadrumaDosha(Signs{2, 3, 1, 1, 5, 3, 7, 11, 5, 0});
    const KemadrumaDosha none = FindKemadrumaDosha(Signs{1, 0, 4, 4, 4, 10, 1, 11, 5, 2});  // Saturn in the 2nd
    struct Case {
        Language language;
        const char* kalaSarpa;
        const char* kemadruma;
        const char* noKemadruma;
    };
    const Case cases[] = {
        {Language::English,
         "Kala Sarpa: Kala Sarpa (Vasuki, Rahu in house 3): the seven planets lie from Rahu onwards to Ketu.",
         "Kemadruma: Kemadruma cancelled: Jupiter with the Moon; Jupiter in a kendra from the ascendant; the Moon in a "
         "kendra from the ascendant.",
         "No Kemadruma: Saturn beside the Moon."},
        {Language::Hindi, "काल सर्प: काल सर्प (वासुकि, राहु 3वें भाव में): सातों ग्रह राहु से आगे केतु तक हैं।",
         "केमद्रुम: केमद्रुम भंग: बृहस्पति चंद्रमा के साथ; बृहस्पति लग्न से केंद्र में; चंद्रमा लग्न से केंद्र में।",
         "केमद्रुम नहीं: चंद्रमा के पास शनि।"},
        {Language::Tamil,
         "கால சர்ப்பம்: கால சர்ப்பம் (வாசுகி, ராகு 3-ஆம் பாவத்தில்): ஏழு கிரகங்களும் ராகுவிலிருந்து கேது வரை உள்ளன.",
         "கேமத்ருமம்: கேமத்ருமம் நீங்கியது: குரு சந்திரனுடன்; குரு லக்னத்திலிருந்து கேந்திரத்தில்; சந்திரன் "
         "லக்னத்திலிருந்து கேந்திரத்தில்.",
         "கேமத்ருமம் இல்லை: சந்திரன் அருகில் சனி."},
        {Language::Telugu, "కాల సర్పం: కాల సర్పం (వాసుకి, రాహు 3వ భావంలో): ఏడు గ్రహాలు రాహు నుండి కేతు వరకు ఉన్నాయి.",
         "కేమద్రుమం: కేమద్రుమం రద్దు: గురు చంద్రునితో; గురు లగ్నం నుండి కేంద్రంలో; చంద్రుడు లగ్నం నుండి కేంద్రంలో.",
         "కేమద్రుమం లేదు: చంద్రుని పక్కన శని."},
        {Language::Kannada,
         "ಕಾಲ ಸರ್ಪ: ಕಾಲ ಸರ್ಪ (ವಾಸುಕಿ, ರಾಹು 3ನೇ ಭಾವದಲ್ಲಿ): ಏಳು ಗ್ರಹಗಳು ರಾಹುವಿನಿಂದ ಕೇತುವಿನವರೆಗೆ ಇವೆ.",
         "ಕೇಮದ್ರುಮ: ಕೇಮದ್ರುಮ ರದ್ದು: ಗುರು ಚಂದ್ರನೊಂದಿಗೆ; ಗುರು ಲಗ್ನದಿಂದ ಕೇಂದ್ರದಲ್ಲಿ; ಚಂದ್ರ ಲಗ್ನದಿಂದ ಕೇಂದ್ರದಲ್ಲಿ.",
         "ಕೇಮದ್ರುಮ ಇಲ್ಲ: ಚಂದ್ರನ ಪಕ್ಕದಲ್ಲಿ ಶನಿ."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        const std::vector<std::string> lines = DoshaLines(reading, c.language);
        ASSERT_EQ(lines.size(), 6u);  // the Mars dosha, its three reasons, Kala Sarpa, Kemadruma
        EXPECT_EQ(lines[4], c.kalaSarpa);
        EXPECT_EQ(lines[5], c.kemadruma);
        EXPECT_EQ(KemadrumaText(none, c.language), c.noKemadruma);
        if (c.language == Language::English) continue;
        for (const std::string& line : lines) {
            EXPECT_TRUE(LatinWords(line).empty()) << line;
            EXPECT_TRUE(InItsScript(c.language, line)) << line;
        }
    }
    // English as the analysis writes it, the Mars dosha's lines too.
    const std::vector<std::string> english = DoshaLines(reading);
    EXPECT_EQ(english[0], "Mars dosha: " + reading.kuja.summary);
    for (std::size_t from = 0; from < 3; ++from) EXPECT_EQ(english[1 + from], "  " + reading.kuja.from[from].reason);
}

}  // namespace
}  // namespace velmora
