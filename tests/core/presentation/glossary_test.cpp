// The chart's terms in each language: the names the published lists give,
// none of the errors known in those lists, every term present, distinct and
// written in its language's script, and English exactly the program's own
// texts.
//
// Published lists quoted:
//  PyJHora: github.com/naturalstupid/PyJHora, src/jhora/lang/list_values_<hi|ta|te|ka>.txt
//           at commit e20943c (RAASI_LIST, PLANET_NAMES, NAKSHATRA_LIST, TITHI_LIST, DAYS_LIST).
//  Maitreya: github.com/martin-pe/maitreya8, po/ta.po and po/te.po at commit 549fec9.

#include "presentation/Glossary.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/Varga.h"
#include "chart/DashaSystems.h"
#include "presentation/ChartLabels.h"
#include "presentation/ChartStyle.h"
#include "text/TextWidth.h"

namespace velmora {
namespace {

enum class Term { Sign, Point, Nakshatra, Tithi, NewMoon, Weekday, Varna, Yoni, Gana, Nadi, Tara };

std::string_view TermOf(const Glossary& g, Term term, int index) {
    const auto at = static_cast<std::size_t>(index);
    switch (term) {
        case Term::Sign: return g.signs[at];
        case Term::Point: return g.points[at];
        case Term::Nakshatra: return g.nakshatras[at];
        case Term::Tithi: return g.tithis[at];
        case Term::NewMoon: return g.newMoon;
        case Term::Weekday: return g.weekdays[at];
        case Term::Varna: return g.varnas[at];
        case Term::Yoni: return g.yonis[at];
        case Term::Gana: return g.ganas[at];
        case Term::Nadi: return g.nadis[at];
        case Term::Tara: return g.taras[at];
    }
    return {};
}

TEST(Glossary, TheNamesOfThePublishedLists) {
    // Index: sign 0 Aries; point in Velmora's body order (0 Sun, 2 Mercury,
    // 4 Mars, 5 Jupiter, 7 Rahu); nakshatra 0 Ashwini; tithi 0 Pratipada.
    const struct {
        Language language;
        Term term;
        int index;
        const char* name;
        const char* source;
    } cases[] = {
        {Language::Hindi, Term::Sign, 0, "मेष", "PyJHora RAASI_LIST"},
        {Language::Hindi, Term::Sign, 7, "वृश्चिक", "PyJHora RAASI_LIST"},
        {Language::Hindi, Term::Sign, 10, "कुंभ", "PyJHora RAASI_LIST"},
        {Language::Hindi, Term::Point, 4, "मंगल", "PyJHora PLANET_NAMES"},
        {Language::Hindi, Term::Point, 5, "बृहस्पति", "PyJHora PLANET_NAMES"},
        {Language::Hindi, Term::Point, 7, "राहु", "PyJHora PLANET_NAMES"},
        {Language::Hindi, Term::Nakshatra, 2, "कृत्तिका", "PyJHora NAKSHATRA_LIST"},
        {Language::Hindi, Term::Nakshatra, 19, "पूर्वाषाढ़ा", "PyJHora NAKSHATRA_LIST"},
        {Language::Hindi, Term::Tithi, 14, "पूर्णिमा", "PyJHora TITHI_LIST"},
        {Language::Hindi, Term::NewMoon, 0, "अमावस्या", "PyJHora TITHI_LIST"},
        {Language::Hindi, Term::Weekday, 4, "गुरुवार", "PyJHora DAYS_LIST"},
        {Language::Tamil, Term::Sign, 1, "ரிஷபம்", "PyJHora RAASI_LIST, Maitreya ta.po"},
        {Language::Tamil, Term::Sign, 7, "விருச்சிகம்", "PyJHora RAASI_LIST"},
        {Language::Tamil, Term::Sign, 11, "மீனம்", "PyJHora RAASI_LIST, Maitreya ta.po"},
        {Language::Tamil, Term::Point, 0, "சூரியன்", "PyJHora PLANET_NAMES, Maitreya ta.po"},
        {Language::Tamil, Term::Point, 3, "சுக்கிரன்", "Maitreya ta.po"},
        {Language::Tamil, Term::Point, 9, "லக்னம்", "Maitreya ta.po (Ascendant)"},
        {Language::Tamil, Term::Nakshatra, 4, "மிருகசீரிடம்", "Maitreya ta.po (Mrigasira)"},
        {Language::Tamil, Term::Nakshatra, 21, "திருவோணம்", "PyJHora NAKSHATRA_LIST, Maitreya ta.po"},
        {Language::Tamil, Term::NewMoon, 0, "அமாவாசை", "PyJHora TITHI_LIST"},
        {Language::Tamil, Term::Weekday, 0, "ஞாயிற்றுக்கிழமை", "PyJHora DAYS_LIST"},
        {Language::Telugu, Term::Sign, 3, "కర్కాటక", "Maitreya te.po"},
        {Language::Telugu, Term::Sign, 8, "ధను", "Maitreya te.po"},
        {Language::Telugu, Term::Point, 0, "రవి", "Maitreya te.po"},
        {Language::Telugu, Term::Point, 4, "కుజ", "Maitreya te.po"},
        {Language::Telugu, Term::Point, 9, "లగ్నం", "Maitreya te.po (Ascendant)"},
        {Language::Telugu, Term::Nakshatra, 5, "ఆరుద్ర", "Maitreya te.po (Ardra)"},
        {Language::Telugu, Term::Nakshatra, 24, "పూర్వాభాద్ర", "PyJHora NAKSHATRA_LIST"},
        {Language::Telugu, Term::Tithi, 1, "విదియ", "PyJHora TITHI_LIST"},
        {Language::Telugu, Term::Weekday, 2, "మంగళవారము", "PyJHora DAYS_LIST"},
        {Language::Kannada, Term::Sign, 5, "ಕನ್ಯಾ", "PyJHora RAASI_LIST"},
        {Language::Kannada, Term::Sign, 11, "ಮೀನ", "PyJHora RAASI_LIST"},
        {Language::Kannada, Term::Point, 4, "ಮಂಗಳ", "PyJHora PLANET_NAMES"},
        {Language::Kannada, Term::Point, 8, "ಕೇತು", "PyJHora PLANET_NAMES"},
        {Language::Kannada, Term::Nakshatra, 17, "ಜ್ಯೇಷ್ಠ", "PyJHora NAKSHATRA_LIST"},
        {Language::Kannada, Term::Tithi, 14, "ಹುಣ್ಣಿಮೆ", "PyJHora TITHI_LIST"},
        {Language::Kannada, Term::Weekday, 0, "ಭಾನುವಾರ", "PyJHora DAYS_LIST"},
        // The marriage match's classes (index as analysis/GunaMilan.h's
        // tables: varna 3 Brahmin; yoni 0 Horse, 2 Sheep, 12 Mongoose; gana
        // 1 Manushya; nadi 2 Antya; tara 0 Janma, 5 Sadhaka, 6 Vadha, 8
        // Parama Mitra). PyJHora msg_strings_<code>.txt (janma_str …
        // paramithra_str) and Maitreya te.po (Lang.cpp's and Nakshatra.cpp's
        // entries; its Goat is the Sheep yoni, its Manuj the Manushya gana).
        {Language::Telugu, Term::Varna, 3, "బ్రాహ్మణ", "Maitreya te.po (Brahmin)"},
        {Language::Telugu, Term::Yoni, 0, "అశ్వ", "Maitreya te.po (Horse)"},
        {Language::Telugu, Term::Yoni, 2, "అజ", "Maitreya te.po (Goat)"},
        {Language::Telugu, Term::Yoni, 12, "ముంగీస", "Maitreya te.po (Mongoose)"},
        {Language::Telugu, Term::Gana, 1, "మనుష్య", "Maitreya te.po (Manuj)"},
        {Language::Telugu, Term::Nadi, 2, "అంత్య", "Maitreya te.po (Antya (Kapha))"},
        {Language::Telugu, Term::Tara, 5, "సాధన", "Maitreya te.po (Sadhaka), PyJHora saadhana_str"},
        {Language::Telugu, Term::Tara, 8, "పరమ మిత్ర", "Maitreya te.po (Parma Mitra)"},
        {Language::Tamil, Term::Tara, 0, "ஜன்ம", "PyJHora janma_str"},
        {Language::Tamil, Term::Tara, 8, "பரமித்ரா", "PyJHora paramithra_str"},
        {Language::Kannada, Term::Tara, 3, "ಕ್ಷೇಮ", "PyJHora kshema_str"},
        {Language::Hindi, Term::Tara, 0, "जन्म", "PyJHora janma_str"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TermOf(GlossaryOf(c.language), c.term, c.index), c.name) << c.source << ", index " << c.index;
}

// Every term of a glossary with the name of its table.
std::vector<std::pair<const char*, std::vector<std::string_view>>> TablesOf(const Glossary& g) {
    auto all = [](const auto& names) { return std::vector<std::string_view>(names.begin(), names.end()); };
    return {
        {"signs", all(g.signs)},           {"signShort", all(g.signShort)},   {"points", all(g.points)},
        {"pointNames", all(g.pointNames)}, {"pointShort", all(g.pointShort)}, {"retrograde", {g.retrograde}},
        {"nakshatras", all(g.nakshatras)}, {"tithis", all(g.tithis)},         {"newMoon", {g.newMoon}},
        {"pakshas", all(g.pakshas)},       {"yogas", all(g.yogas)},           {"movingKaranas", all(g.movingKaranas)},
        {"fixedKaranas", all(g.fixedKaranas)}, {"weekdays", all(g.weekdays)}, {"kootas", all(g.kootas)},
        {"dashaSystems", all(g.dashaSystems)}, {"vargas", all(g.vargas)},
        {"varnas", all(g.varnas)},         {"vashyas", all(g.vashyas)},       {"yonis", all(g.yonis)},
        {"ganas", all(g.ganas)},           {"nadis", all(g.nadis)},           {"taras", all(g.taras)},
    };
}

TEST(Glossary, NoneOfTheKnownErrorsOfThePublishedLists) {
    // PyJHora's Hindi म्रृगशीर्षा (a stray र्) and रागु for Rahu (its dasha
    // list), Maitreya's Tamil விருசிச்சிகம் for Scorpio, PyJHora's Telugu
    // పపుష్యమి (a doubled ప) and its stray tab in పూర్వ ఫల్గుని.
    // And PyJHora's misspelt taras: Hindi संपथ, मिथ्र, परमीथ्रा, नैधाना,
    // Kannada ವಿಪಥ, ನೈಧಾನ (docs/glossary.md).
    const char* errors[] = {"म्रृग", "रागु", "விருசிச்சிகம்", "పపు", "\t", "ರಾಗು",
                            "संपथ", "मिथ्र", "परमीथ्रा", "नैधाना", "ವಿಪಥ", "ನೈಧಾನ"};
    for (const LanguageInfo& info : kLanguages)
        for (const auto& [table, terms] : TablesOf(GlossaryOf(info.language)))
            for (std::string_view term : terms)
                for (const char* error : errors)
                    EXPECT_EQ(term.find(error), std::string_view::npos) << info.code << " " << table << ": " << term;
}

// The Unicode block of each language's script (Devanagari U+0900–U+097F,
// Tamil U+0B80–U+0BFF, Telugu U+0C00–U+0C7F, Kannada U+0C80–U+0CFF).
bool InScript(Language language, std::string_view term) {
    const char32_t first[] = {0x0020, 0x0900, 0x0B80, 0x0C00, 0x0C80};
    const char32_t last[] = {0x007E, 0x097F, 0x0BFF, 0x0C7F, 0x0CFF};
    const auto l = static_cast<std::size_t>(language);
    for (std::size_t i = 0; i < term.size();) {
        const std::size_t length = Utf8SequenceLength(term, i);
        if (length == 0) return false;
        const char32_t c = detail::CodePointAt(term, i, length);
        if (c != U' ' && (c < first[l] || c > last[l])) return false;
        i += length;
    }
    return true;
}

TEST(Glossary, EveryTermPresentDistinctAndInItsScript) {
    // Tables whose terms name different things and must differ; the tithis
    // and karanas of two fortnights, the point and koota tables name each
    // thing once as well.
    const std::set<std::string> distinct = {"signs", "signShort", "points", "pointShort", "nakshatras", "tithis",
                                            "pakshas", "yogas", "movingKaranas", "fixedKaranas", "weekdays",
                                            "kootas", "dashaSystems", "vargas", "varnas", "vashyas",
                                            "yonis", "ganas", "nadis", "taras"};
    for (const LanguageInfo& info : kLanguages) {
        const Glossary& g = GlossaryOf(info.language);
        EXPECT_EQ(g.language, info.language);
        for (const auto& [table, terms] : TablesOf(g)) {
            std::set<std::string_view> seen;
            for (std::string_view term : terms) {
                EXPECT_FALSE(term.empty()) << info.code << " " << table;
                EXPECT_EQ(term.front() == ' ' || term.back() == ' ', false) << info.code << " " << table << ": " << term;
                EXPECT_TRUE(InScript(info.language, term)) << info.code << " " << table << ": " << term;
                if (distinct.count(table)) {
                    EXPECT_TRUE(seen.insert(term).second) << info.code << " " << table << ": " << term;
                }
            }
        }
    }
}

TEST(Glossary, EnglishIsTheProgramsOwnTexts) {
    const Glossary& g = GlossaryOf(Language::English);
    for (int v = 0; v < kVargaCount; ++v)
        EXPECT_EQ(g.vargas[static_cast<std::size_t>(v)], AllVargas()[static_cast<std::size_t>(v)].name);
    for (const DashaSystemKeyRow& row : kDashaSystemKeys)
        EXPECT_EQ(g.dashaSystems[static_cast<std::size_t>(row.system)], DashaSystemName(row.system));
    for (int k = 1; k <= kKaranaCount; ++k) EXPECT_EQ(KaranaName(g, k), KaranaName(k)) << k;
    for (int t = 1; t <= kTithiCount; ++t) {
        EXPECT_EQ(TithiName(g, t), TithiName(t)) << t;
        EXPECT_EQ(PakshaName(g, t), PakshaName(t)) << t;
    }
    for (int body = 0; body < kBodyCount; ++body)
        for (bool retrograde : {false, true}) {
            EXPECT_EQ(BodyLabel(g, body, retrograde), BodyLabel(body, retrograde));
            EXPECT_EQ(BodyShortLabel(g, body, retrograde), BodyShortLabel(body, retrograde));
        }
    EXPECT_EQ(WithSignShort(g, "16 Sag 31"), "16 Sag 31");
    // The match's classes: the analysis's own tables.
    EXPECT_EQ(g.varnas, kVarnaNames);
    EXPECT_EQ(g.vashyas, kVashyaNames);
    EXPECT_EQ(g.yonis, kYoniNames);
    EXPECT_EQ(g.ganas, kGanaNames);
    EXPECT_EQ(g.nadis, kNadiNames);
    EXPECT_EQ(g.taras, kTaraNames);
}

TEST(Glossary, PositionTextsAndLabelsInALanguage) {
    // The engine's texts ("16 Sag 31", "10° 16' 6\" Can") with the sign in
    // the language's short form; the retrograde mark is the language's.
    const struct {
        Language language;
        const char* english;
        const char* text;
    } cases[] = {
        {Language::Hindi, "16 Sag 31", "16 धनु 31"},
        {Language::Tamil, "10° 16' 6\" Can", "10° 16' 6\" கட"},
        {Language::Telugu, "07 Sco 43", "07 వృశ్చి 43"},
        {Language::Kannada, "01 Ari 30", "01 ಮೇಷ 30"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithSignShort(GlossaryOf(c.language), c.english), c.text);
    EXPECT_EQ(BodyLabel(GlossaryOf(Language::Hindi), 6, true), "शनि (व)");
    EXPECT_EQ(BodyShortLabel(GlossaryOf(Language::Tamil), 2, true), "புத(வ)");
    EXPECT_EQ(BodyLabel(GlossaryOf(Language::Kannada), 9, false), "ಲಗ್ನ");
    // The position table's row captions: the form's own "Surya/Sun" in
    // English, the planet's name (PyJHora PLANET_NAMES, Maitreya ta.po) in
    // another language, never the English pair.
    EXPECT_EQ(PositionRowCaption(GlossaryOf(Language::English), 0), "Surya/Sun");
    EXPECT_EQ(PositionRowCaption(GlossaryOf(Language::Tamil), 0), "சூரியன்");
    EXPECT_EQ(PositionRowCaption(GlossaryOf(Language::Hindi), 4), "मंगल");
}

}  // namespace
}  // namespace velmora
