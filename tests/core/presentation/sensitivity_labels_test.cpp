// The birth-time sensitivity in words. The issue's own example: a D9 lagna
// in Leo from 05:52:10 to 06:09:47 around a given 06:00 lies 7 min 50 s
// from the earlier edge. Clock offsets as the tz database gives them:
// America/New_York is UTC-05:00 before and UTC-04:00 after 07:00 UTC on
// 14 March 2021.

#include <gtest/gtest.h>

#include "birth/LocalClock.h"
#include "presentation/SensitivityLabels.h"
#include "tests/support/ScriptCheck.h"

namespace velmora {
namespace {

constexpr int kIst = 5 * 3600 + 30 * 60;

// A window of ± `minutes` around `given` on a clock `offset` east of
// Greenwich, with one item holding `crossings` (seconds from the given time,
// values as sign numbers).
Sensitivity Window(LocalClock given, int offset, int minutes, std::vector<std::pair<int, int>> crossings,
                   int firstValue, int changeAt = 1 << 30, int offsetAfter = 0) {
    Sensitivity s;
    s.windowMinutes = minutes;
    s.julianDayUT = JulianDayOf(given, offset);
    s.utcOffsetSeconds = offset;
    const auto offsetAt = [&](int second) { return second >= changeAt ? offsetAfter : offset; };
    s.firstSecond = -60 * minutes;
    s.lastSecond = 60 * minutes;
    s.firstJulianDay = s.julianDayUT + s.firstSecond / 86400.0;
    s.lastJulianDay = s.julianDayUT + s.lastSecond / 86400.0;
    s.firstOffsetSeconds = offsetAt(s.firstSecond);
    s.lastOffsetSeconds = offsetAt(s.lastSecond);
    SensitivityItem item;
    item.name = "D9 lagna";
    item.index = 5;
    int value = firstValue;
    for (const auto& [second, to] : crossings) {
        item.crossings.push_back({second, s.julianDayUT + second / 86400.0, offsetAt(second), value, to});
        if (second <= 0) item.value = to;
        value = to;
    }
    if (crossings.empty() || crossings.front().first > 0) item.value = firstValue;
    s.items.push_back(item);
    return s;
}

TEST(SensitivityLabels, Sentences) {
    struct Case {
        const char* what;
        Sensitivity s;
        const char* summary;
    };
    const LocalClock six{1990, 5, 1, 6, 0, 0};
    const Case cases[] = {
        {"the issue's example", Window(six, kIst, 30, {{-470, 4}, {587, 5}}, 3),
         "D9 lagna is Leo from 05:52:10 to 06:09:47; the given 06:00:00 lies 7 min 50 s from the earlier edge"},
        {"the later edge nearer", Window(six, kIst, 30, {{-1000, 4}, {45, 5}}, 3),
         "D9 lagna is Leo from 05:43:20 to 06:00:45; the given 06:00:00 lies 45 s from the later edge"},
        {"no change before", Window(six, kIst, 30, {{1510, 5}}, 4),
         "D9 lagna is Leo from before 05:30:00 to 06:25:10; the given 06:00:00 lies 25 min 10 s from the later "
         "edge"},
        {"no change at all", Window(six, kIst, 30, {}, 4),
         "D9 lagna is Leo throughout the window, 05:30:00 to 06:30:00"},
        {"over midnight", Window({1990, 5, 1, 23, 50, 0}, kIst, 30, {{-120, 4}, {900, 5}}, 3),
         "D9 lagna is Leo from 23:48:00 to 1990-05-02 00:05:00; the given 23:50:00 lies 2 min 0 s from the "
         "earlier edge"},
        {"the clocks go forward in the window",
         Window({2021, 3, 14, 1, 50, 0}, -5 * 3600, 30, {{-300, 4}, {1200, 5}}, 3, 600, -4 * 3600),
         "D9 lagna is Leo from 01:45:00 to 03:10:00 (UTC-04:00); the given 01:50:00 lies 5 min 0 s from the "
         "earlier edge"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SensitivitySummary(c.s, c.s.items[0]), c.summary);
    }
}

TEST(SensitivityLabels, SpansCoverTheWindow) {
    const Sensitivity s = Window({1990, 5, 1, 6, 0, 0}, kIst, 30, {{-470, 4}, {587, 5}}, 3);
    const std::vector<SensitivitySpan> spans = SensitivitySpans(s, s.items[0]);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_TRUE(spans[0].openStart);
    EXPECT_EQ(spans[0].first, -1800);
    EXPECT_EQ(spans[0].last, -471);
    EXPECT_EQ(spans[1].first, -470);
    EXPECT_EQ(spans[1].last, 586);
    EXPECT_EQ(spans[2].first, 587);
    EXPECT_EQ(spans[2].last, 1800);
    EXPECT_TRUE(spans[2].openEnd);
    EXPECT_EQ(GivenSpan(s, s.items[0]).value, 4);
    EXPECT_EQ(CrossingText(s, s.items[0], s.items[0].crossings[1]), "06:09:47  Leo \u2192 Virgo");
    EXPECT_EQ(SensitivityWindowText(s),
              "\u00B130 minutes: 05:30:00 to 06:30:00 on the zone's clock (UTC+05:30 at the given time)");
}

TEST(SensitivityLabels, Durations) {
    const std::pair<int, const char*> cases[] = {{0, "0 s"},         {45, "45 s"},
                                                 {470, "7 min 50 s"}, {3600, "1 h 0 min 0 s"},
                                                 {-7384, "2 h 3 min 4 s"}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(DurationText(seconds), text);
}

// The same sentences in each language: the sentence the phrase table's
// (unreviewed), Leo and Virgo the glossary's (PyJHora's RAASI_LIST for hi
// and kn, Maitreya's ta.po and te.po; docs/glossary.md), the clock times
// and numbers as they are, no English word left but the varga's "D" and
// "UTC".
TEST(SensitivityLabels, SentencesInEachLanguage) {
    const LocalClock six{1990, 5, 1, 6, 0, 0};
    const Sensitivity s = Window(six, kIst, 30, {{-470, 4}, {587, 5}}, 3);
    const Sensitivity steady = Window(six, kIst, 30, {}, 4);
    struct Case {
        Language language;
        const char* summary, *steady, *crossing, *window, *duration;
    };
    const Case cases[] = {
        {Language::Hindi,
         "D9 लग्न की स्थिति: सिंह, 05:52:10 से 06:09:47 तक; दिया गया 06:00:00 पहली सीमा से 7 मिनट 50 सेकंड दूर है",
         "D9 लग्न की स्थिति: सिंह पूरे अंतराल में, 05:30:00 से 06:30:00 तक", "06:09:47  सिंह \u2192 कन्या",
         "\u00B130 मिनट: क्षेत्र की घड़ी पर 05:30:00 से 06:30:00 तक (दिए गए समय पर UTC+05:30)", "2 घंटे 3 मिनट 4 सेकंड"},
        {Language::Tamil,
         "D9 லக்னம் நிலை: சிம்மம், 05:52:10 முதல் 06:09:47 வரை; கொடுக்கப்பட்ட 06:00:00 முந்தைய எல்லையிலிருந்து 7 "
         "நிமிடம் 50 வினாடி தொலைவில் உள்ளது",
         "D9 லக்னம் நிலை: சிம்மம் இடைவெளி முழுவதும், 05:30:00 முதல் 06:30:00 வரை", "06:09:47  சிம்மம் \u2192 கன்னி",
         "\u00B130 நிமிடங்கள்: மண்டலக் கடிகாரத்தில் 05:30:00 முதல் 06:30:00 வரை (கொடுக்கப்பட்ட நேரத்தில் UTC+05:30)",
         "2 மணி 3 நிமிடம் 4 வினாடி"},
        {Language::Telugu,
         "D9 లగ్నం స్థితి: సింహ, 05:52:10 నుండి 06:09:47 వరకు; ఇచ్చిన 06:00:00 ముందరి అంచు నుండి 7 నిమిషాలు 50 "
         "సెకన్లు దూరంలో ఉంది",
         "D9 లగ్నం స్థితి: సింహ వ్యవధి అంతటా, 05:30:00 నుండి 06:30:00 వరకు", "06:09:47  సింహ \u2192 కన్య",
         "\u00B130 నిమిషాలు: మండల గడియారంలో 05:30:00 నుండి 06:30:00 వరకు (ఇచ్చిన సమయంలో UTC+05:30)",
         "2 గంటలు 3 నిమిషాలు 4 సెకన్లు"},
        {Language::Kannada,
         "D9 ಲಗ್ನ ಸ್ಥಿತಿ: ಸಿಂಹ, 05:52:10 ರಿಂದ 06:09:47 ರವರೆಗೆ; ನೀಡಿದ 06:00:00 ಹಿಂದಿನ ಅಂಚಿನಿಂದ 7 ನಿಮಿಷ 50 ಸೆಕೆಂಡು "
         "ದೂರದಲ್ಲಿದೆ",
         "D9 ಲಗ್ನ ಸ್ಥಿತಿ: ಸಿಂಹ ಅವಧಿಯುದ್ದಕ್ಕೂ, 05:30:00 ರಿಂದ 06:30:00 ರವರೆಗೆ", "06:09:47  ಸಿಂಹ \u2192 ಕನ್ಯಾ",
         "\u00B130 ನಿಮಿಷಗಳು: ವಲಯದ ಗಡಿಯಾರದಲ್ಲಿ 05:30:00 ರಿಂದ 06:30:00 ರವರೆಗೆ (ನೀಡಿದ ಸಮಯದಲ್ಲಿ UTC+05:30)",
         "2 ಗಂಟೆ 3 ನಿಮಿಷ 4 ಸೆಕೆಂಡು"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        const std::string texts[] = {SensitivitySummary(s, s.items[0], c.language),
                                     SensitivitySummary(steady, steady.items[0], c.language),
                                     CrossingText(s, s.items[0], s.items[0].crossings[1], c.language),
                                     SensitivityWindowText(s, c.language), DurationText(-7384, c.language)};
        const char* expected[] = {c.summary, c.steady, c.crossing, c.window, c.duration};
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            EXPECT_EQ(texts[i], expected[i]);
            EXPECT_TRUE(test::InItsScript(c.language, texts[i])) << texts[i];
            for (const std::string& word : test::LatinWords(texts[i])) EXPECT_TRUE(word == "D" || word == "UTC") << word;
        }
    }
}

// Every item's name and values in each language, as the glossary names the
// points, signs, nakshatras and the dasha system: the Sun in D1, the Moon's
// nakshatra quarter (Rohini 2), the Vimshottari lords (the Moon's period,
// Mars's sub-period: the Moon is 4th in the cycle from Ketu, so 9 × 3 + 1),
// a bhava, a cusp; English the items' own names.
TEST(SensitivityLabels, ItemsAndValuesInEachLanguage) {
    struct Item {
        SensitivityKind kind;
        int body, index, value;
        const char* english;
    };
    const Item items[] = {
        {SensitivityKind::VargaSign, 0, 0, 0, "Sun in D1"},       {SensitivityKind::VargaSign, 9, 0, 4, "Lagna"},
        {SensitivityKind::MoonNakshatra, 1, 0, 13, "Moon nakshatra"}, {SensitivityKind::Vimshottari, 1, 0, 28, "Vimshottari at birth"},
        {SensitivityKind::Bhava, 6, 0, 7, "Saturn bhava"},         {SensitivityKind::CuspSign, 9, 3, 11, "Cusp 4"},
    };
    struct Case {
        Language language;
        const char* names[6];
        const char* values[6];
    };
    const Case cases[] = {
        {Language::English,
         {"Sun in D1", "Lagna", "Moon nakshatra", "Vimshottari at birth", "Saturn bhava", "Cusp 4"},
         {"Aries", "Leo", "Rohini 2", "Moon\u2013Mars", "house 7", "Pisces"}},
        {Language::Hindi,
         {"सूर्य D1 में", "लग्न", "चंद्रमा नक्षत्र", "जन्म के समय विंशोत्तरी", "शनि भाव", "भाव संधि 4"},
         {"मेष", "सिंह", "रोहिणी 2", "चंद्र\u2013मंगल", "भाव 7", "मीन"}},
        {Language::Tamil,
         {"சூரியன் D1 இல்", "லக்னம்", "சந்திரன் நட்சத்திரம்", "பிறப்பில் விம்சோத்தரி", "சனி பாவம்", "பாவ சந்தி 4"},
         {"மேஷம்", "சிம்மம்", "ரோகிணி 2", "சந்திரன்\u2013செவ்வாய்", "பாவம் 7", "மீனம்"}},
        {Language::Telugu,
         {"రవి D1 లో", "లగ్నం", "చంద్ర నక్షత్రం", "జననంలో వింశోత్తరి", "శని భావం", "భావ సంధి 4"},
         {"మేష", "సింహ", "రోహిణి 2", "చంద్ర\u2013కుజ", "భావం 7", "మీన"}},
        {Language::Kannada,
         {"ಸೂರ್ಯ D1 ರಲ್ಲಿ", "ಲಗ್ನ", "ಚಂದ್ರ ನಕ್ಷತ್ರ", "ಜನನದಲ್ಲಿ ವಿಂಶೋತ್ತರಿ", "ಶನಿ ಭಾವ", "ಭಾವ ಸಂಧಿ 4"},
         {"ಮೇಷ", "ಸಿಂಹ", "ರೋಹಿಣಿ 2", "ಚಂದ್ರ\u2013ಮಂಗಳ", "ಭಾವ 7", "ಮೀನ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.language).code);
        for (std::size_t i = 0; i < std::size(items); ++i) {
            SensitivityItem item;
            item.kind = items[i].kind;
            item.body = items[i].body;
            item.index = items[i].index;
            item.name = items[i].english;
            EXPECT_EQ(SensitivityItemName(item, c.language), c.names[i]);
            EXPECT_EQ(SensitivityValueText(item, items[i].value, c.language), c.values[i]);
        }
    }
}

}  // namespace
}  // namespace velmora
