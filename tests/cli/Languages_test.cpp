// velmora-cli --lang: the chart's terms in Hindi, Tamil, Telugu or Kannada,
// the layout kept in terminal columns, English untouched and the JSON's
// English fields kept with a "labels" object beside them.
//
// The chart is the reviewed Greenwich chart of 2000-01-01 12:00 (the golden
// file tests/cli/golden/greenwich-2000.txt): Sun 16 Sag 31, Saturn
// retrograde at 16 Ari 21, ascendant 17 Pis 31. The names are the
// glossary's (docs/glossary.md), which cites each one: the signs from
// PyJHora's RAASI_LIST (hi, ta, kn) and Maitreya's te.po, the planets from
// PyJHora's PLANET_NAMES (hi, kn) and Maitreya's ta.po and te.po.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"
#include "tests/support/ScriptCheck.h"
#include "text/TextWidth.h"

namespace velmora::cli::test {
namespace {

using Args = std::vector<std::string>;

Args Greenwich(Args extra) {
    Args args = {"--classic", "--name", "Greenwich", "--date", "2000-01-01", "--time", "12:00",
                 "--lon",     "0:00E",  "--lat",     "0:00N", "--today", "2026-12-09"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines between a heading and the next empty line.
std::vector<std::string> Section(const std::string& text, const std::string& heading) {
    const std::vector<std::string> lines = Lines(text);
    std::vector<std::string> section;
    bool in = false;
    for (const std::string& line : lines) {
        if (line == heading) {
            in = true;
            continue;
        }
        if (in && line.empty()) break;
        if (in) section.push_back(line);
    }
    return section;
}

struct LanguageCase {
    const char* code;
    const char* sunRow;     // the Sun's row of the position table, as written
    const char* saturn;     // Saturn retrograde
    const char* ascendant;  // the ascendant's row, from its name on
    const char* sagittarius, *pisces;  // the signs' names over their cells
    // The headings of the position table and the birth chart (the phrase
    // table's, unreviewed; docs/glossary.md).
    const char* positionsHeading, *chartHeading;
};

// The rows' columns are counted as a terminal counts them: a nonspacing mark
// (Unicode general category Mn) takes none, every other letter one.
const LanguageCase kCases[] = {
    {"hi", "  सूर्य              सूर्य          16 धनु 31   16° 31' 32\" धनु", "शनि (व)",
     "लग्न              लग्न          17 मीन 31", "धनु", "मीन", "वैदिक ग्रह स्थिति", "होरा"},
    {"ta", "  சூரியன்           சூரியன்       16 தனு 31  16° 31' 32\" தனு", "சனி (வ)",
     "லக்னம்             லக்னம்         17 மீன 31", "தனுசு", "மீனம்", "வேத கிரக நிலை", "ஹோரை"},
    {"te", "  రవి               రవి           16 ధను 31  16° 31' 32\" ధను", "శని (వ)",
     "లగ్నం             లగ్నం         17 మీన 31", "ధను", "మీన", "వైదిక గ్రహ స్థితి", "హోర"},
    {"kn", "  ಸೂರ್ಯ             ಸೂರ್ಯ         16 ಧನು 31  16° 31' 32\" ಧನು", "ಶನಿ (ವ)",
     "ಲಗ್ನ              ಲಗ್ನ          17 ಮೀನ 31", "ಧನು", "ಮೀನ", "ವೈದಿಕ ಗ್ರಹ ಸ್ಥಿತಿ", "ಹೋರಾ"},
};

TEST(CliLanguages, ThePositionTableInEachLanguage) {
    for (const LanguageCase& c : kCases) {
        SCOPED_TRACE(c.code);
        const CliResult r = RunCliWith(Greenwich({"--lang", c.code}));
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> rows = Section(r.out, c.positionsHeading);
        ASSERT_EQ(rows.size(), 10u);
        EXPECT_EQ(rows[0], c.sunRow);
        EXPECT_NE(rows[6].find(c.saturn), std::string::npos) << rows[6];
        EXPECT_NE(rows[9].find(c.ascendant), std::string::npos) << rows[9];
        // The columns start at the same terminal column on every row.
        for (const std::string& row : rows) EXPECT_EQ(TerminalWidth(FirstColumns(row, 32)), 32u) << row;
    }
}

TEST(CliLanguages, TheChartsCellsInEachLanguageKeepTheirColumns) {
    for (const LanguageCase& c : kCases) {
        for (const char* style : {"south", "north"}) {
            SCOPED_TRACE(std::string(c.code) + " " + style);
            const CliResult r = RunCliWith(Greenwich({"--lang", c.code, "--chart-style", style}));
            ASSERT_EQ(r.status, 0) << r.err;
            const std::vector<std::string> chart = Section(r.out, c.chartHeading);
            ASSERT_GT(chart.size(), 20u);
            const std::size_t width = TerminalWidth(chart.front());
            for (const std::string& line : chart) {
                if (line.starts_with("  ")) continue;  // the North chart's legend
                EXPECT_EQ(TerminalWidth(line), width) << line;
            }
            if (std::string(style) == "south") {
                const std::string all = r.out;
                EXPECT_NE(all.find(std::string("│ ") + c.sagittarius), std::string::npos);
                EXPECT_NE(all.find(std::string("│ ") + c.pisces), std::string::npos);
            }
        }
    }
}

TEST(CliLanguages, EnglishIsAsWithoutTheOption) {
    for (const char* style : {"south", "north"}) {
        const CliResult plain = RunCliWith(Greenwich({"--chart-style", style}));
        const CliResult english = RunCliWith(Greenwich({"--chart-style", style, "--lang", "en"}));
        EXPECT_EQ(english.status, 0);
        EXPECT_EQ(english.out, plain.out);
    }
}

TEST(CliLanguages, AnUnknownLanguageIsRefusedNamingTheChoices) {
    for (const char* code : {"ka", "ml", "", "Hindi", "HI"}) {
        const CliResult r = RunCliWith(Greenwich({std::string("--lang=") + code}));
        EXPECT_EQ(r.status, 2) << code;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "--lang: \"" + std::string(code) +
                             "\" is not a language velmora-cli writes; give one of en, hi, ta, te or kn\n");
    }
}

TEST(CliLanguages, JsonKeepsItsEnglishFieldsAndAddsLabels) {
    const nlohmann::json plain = nlohmann::json::parse(RunCliWith(Greenwich({"--json"})).out);
    const nlohmann::json te = nlohmann::json::parse(RunCliWith(Greenwich({"--json", "--lang", "te"})).out);
    nlohmann::json withoutLabels = te;
    withoutLabels.erase("labels");
    EXPECT_EQ(withoutLabels, plain);
    const nlohmann::json& labels = te.at("labels");
    EXPECT_EQ(labels.at("language"), "te");
    EXPECT_EQ(labels.at("signs").at(0), "మేష");          // Maitreya te.po, Aries
    EXPECT_EQ(labels.at("points").at(4), "కుజ");         // Maitreya te.po, Mars
    EXPECT_EQ(labels.at("bodyNames").at(6), "శని (వ)");  // Saturn retrograde
    EXPECT_EQ(labels.at("bodySigns").at(0), "ధను");      // the Sun in Sagittarius
    EXPECT_EQ(labels.at("positions").at(0), "16 ధను 31");
    EXPECT_EQ(labels.at("nakshatras").size(), 10u);
}

// The sections after the chart, in each language: the Greenwich chart's
// Sun in Purva Ashadha pada 1, lord Venus, and its Moon in Swati pada 4,
// 8 months 21 days of Rahu's period left at birth (the golden file's
// English). The terms are the glossary's, which cites each one
// (docs/glossary.md): hi and kn from PyJHora's NAKSHATRA_LIST and
// PLANET_NAMES, ta and te from Maitreya's ta.po and te.po; the month from
// the Unicode consortium's CLDR 42 (common/main/<code>.xml, gregorian months,
// format wide). The headings and words around them are the phrase table's
// (unreviewed translations, docs/glossary.md).
struct SectionCase {
    const char* code;
    const char* birthDate;          // the details' date of birth, January in the locale's name
    const char* nakshatrasHeading;  // the section's heading
    const char* sunNakshatra;       // the Sun's row: its name, nakshatra, "pada 1", "lord Venus" (blanks collapsed)
    const char* dashaHeading;       // begins with the glossary's Vimshottari
    const char* moonLine;           // "Moon in Swati, pada 4: Rahu period, …"
    const char* periodHeader;       // "Period From To" (blanks collapsed)
};

// The line with each run of blanks as one (the columns are checked apart).
std::string Collapsed(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] != ' ' || i < 2 || line[i - 1] != ' ') out += line[i];
    return out;
}

const SectionCase kSections[] = {
    {"hi", "जनवरी/1/2000", "नक्षत्र", "  सूर्य पूर्वाषाढ़ा पाद 1 स्वामी शुक्र", "विंशोत्तरी दशा (",
     "  चंद्र स्वाति में, पाद 4: राहु दशा, जन्म के समय 0 वर्ष 8 माह 21 दिन शेष", "  दशा से तक"},
    {"ta", "ஜனவரி/1/2000", "நட்சத்திரங்கள்", "  சூரியன் பூராடம் பாதம் 1 அதிபதி சுக்கிரன்",
     "விம்சோத்தரி தசை (", "  சந்திரன் சுவாதி இல், பாதம் 4: ராகு தசை, பிறப்பின்போது 0 ஆண்டு 8 மாதம் 21 நாள் மீதம்",
     "  தசை முதல் வரை"},
    {"te", "జనవరి/1/2000", "నక్షత్రాలు", "  రవి పూర్వాషాఢ పాదం 1 అధిపతి శుక్ర", "వింశోత్తరి దశ (",
     "  చంద్ర స్వాతి లో, పాదం 4: రాహు దశ, జననం నాటికి 0 సంవత్సరాలు 8 నెలలు 21 రోజులు మిగిలింది",
     "  దశ నుండి వరకు"},
    {"kn", "ಜನವರಿ/1/2000", "ನಕ್ಷತ್ರಗಳು", "  ಸೂರ್ಯ ಪೂರ್ವಾಷಾಢ ಪಾದ 1 ಅಧಿಪತಿ ಶುಕ್ರ", "ವಿಂಶೋತ್ತರಿ ದಶೆ (",
     "  ಚಂದ್ರ ಸ್ವಾತಿ ರಲ್ಲಿ, ಪಾದ 4: ರಾಹು ದಶೆ, ಜನನದಲ್ಲಿ 0 ವರ್ಷ 8 ತಿಂಗಳು 21 ದಿನ ಉಳಿದಿದೆ",
     "  ದಶೆ ಇಂದ ವರೆಗೆ"},
};

TEST(CliLanguages, TheSectionsAfterTheChartInEachLanguage) {
    for (const SectionCase& c : kSections) {
        SCOPED_TRACE(c.code);
        const CliResult r = RunCliWith(Greenwich({"--lang", c.code}));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(std::string(": ") + c.birthDate + "\n"), std::string::npos);
        const std::vector<std::string> nakshatras = Section(r.out, c.nakshatrasHeading);
        ASSERT_EQ(nakshatras.size(), 10u);
        EXPECT_EQ(Collapsed(nakshatras[0]), c.sunNakshatra);
        // Each row's "pada" starts at the same terminal column.
        for (const std::string& row : nakshatras) EXPECT_EQ(TerminalWidth(FirstColumns(row, 32)), 32u) << row;
        const std::vector<std::string> lines = Lines(r.out);
        const auto heading = std::find_if(lines.begin(), lines.end(),
                                          [&](const std::string& line) { return line.starts_with(c.dashaHeading); });
        ASSERT_NE(heading, lines.end());
        ASSERT_GT(lines.end() - heading, 4);
        EXPECT_EQ(heading[1], c.moonLine);
        EXPECT_EQ(Collapsed(heading[3]), c.periodHeader);
        // No English heading is left among the sections before the report.
        for (const char* english : {"Your details", "Vedic Planetary Position", "Nakshatras", "Navamsa", "Vimshottari"})
            EXPECT_EQ(r.out.find(english), std::string::npos) << english;
    }
}

// Every section the options add, in each language: its heading in the
// language (none of the English ones left), its rows' captions padded to
// the same terminal column.
TEST(CliLanguages, EverySectionAskedForIsInTheLanguage) {
    const char* englishHeadings[] = {"Panchanga at birth", "Transits (T-)", "Sade sati", "Next sign changes",
                                     "Strengths", "Shadbala", "Positions in full", "Jaimini", "Yogas in",
                                     "Doshas", "Ashtakavarga (Parashara)", "Birth time:", "Bhava chart",
                                     // the lines and notes inside the sections
                                     "Bhavas:", "Atmakaraka", "Darakaraka", "House 1:", "obstructed", "argala prevails",
                                     "combust (", "at war with", "upper limb with refraction", "After Brihat"};
    // The words each language's sections must show: the bhavas' heading and
    // the atmakaraka's name (the phrase table's, unreviewed), and the argala
    // lines' first house.
    struct Expected {
        const char* code;
        const char* bhavas, *atmakaraka, *argala;
    };
    const Expected expected[] = {
        {"hi", "भाव: प्लासिडस भाव पद्धति", "(आत्मकारक)", "    भाव 1:"},
        {"ta", "பாவங்கள்: பிளாசிடஸ் பாவ முறை", "(ஆத்மகாரகன்)", "    பாவம் 1:"},
        {"te", "భావాలు: ప్లాసిడస్ భావ పద్ధతి", "(ఆత్మకారకుడు)", "    భావం 1:"},
        {"kn", "ಭಾವಗಳು: ಪ್ಲಾಸಿಡಸ್ ಭಾವ ಪದ್ಧತಿ", "(ಆತ್ಮಕಾರಕ)", "    ಭಾವ 1:"},
    };
    for (const Expected& e : expected) {
        const char* code = e.code;
        SCOPED_TRACE(code);
        const CliResult r = RunCliWith({"--name", "Greenwich", "--date", "2000-01-01", "--time", "12:00", "--lon",
                                        "0:00E", "--lat", "51:28N", "--zone", "0", "--today", "2026-12-09",
                                        "--panchanga", "--transit", "2026-12-09T12:00", "--strengths",
                                        "--point-details", "--jaimini", "--yogas", "--ashtakavarga", "--sensitivity",
                                        "5", "--houses", "placidus", "--lang", code});
        ASSERT_EQ(r.status, 0) << r.err;
        for (const char* english : englishHeadings) EXPECT_EQ(r.out.find(english), std::string::npos) << english;
        for (const char* text : {e.bhavas, e.atmakaraka, e.argala}) EXPECT_NE(r.out.find(text), std::string::npos) << text;
        // The panchanga's and the transits' rows: the texts from the 19th column.
        for (const std::string& line : Lines(r.out)) {
            const std::size_t colon = line.find(":  ");
            if (!line.starts_with("  ") || colon == std::string::npos || colon > 80) continue;
            const std::size_t text = line.find_first_not_of(' ', colon + 1);
            if (TerminalWidth(line.substr(0, colon + 1)) < 18)
                EXPECT_EQ(TerminalWidth(line.substr(0, text)), 19u) << line;
        }
    }
}

// A sign dasha's reading line in each language: the Narayana dasha of the
// Chennai birth starts from Cancer, backward (as tests/cli/Jaimini_test.cpp
// has it in English); Cancer the glossary's (PyJHora's RAASI_LIST for hi and
// kn, Maitreya's ta.po and te.po), the words the phrase table's
// (unreviewed), the book's title as published.
TEST(CliLanguages, ASignDashasReadingIsInTheLanguage) {
    struct Case {
        const char* code;
        const char* line;
    };
    const Case cases[] = {
        {"en", "  Sanjay Rath's reading (Narayana Dasa), as P. V. R. Narasimha Rao states it: from Cancer, the signs "
               "backward, the first period from birth in full\n"},
        {"hi", "  संजय रथ का मत (Narayana Dasa), जैसा पी. वी. आर. नरसिंह राव बताते हैं: कर्क से, राशियाँ पीछे की ओर, "
               "पहली दशा जन्म से पूर्ण\n"},
        {"ta", "  சஞ்சய் ரத் அவர்களின் முறை (Narayana Dasa), பி. வி. ஆர். நரசிம்ம ராவ் கூறுவது போல்: கடகம் இலிருந்து, "
               "ராசிகள் பின்னோக்கி, முதல் தசை பிறப்பிலிருந்து முழுமையாக\n"},
        {"te", "  సంజయ్ రథ్ గారి పద్ధతి (Narayana Dasa), పి. వి. ఆర్. నరసింహ రావు చెప్పినట్లు: కర్కాటక నుండి, రాశులు "
               "వెనుకకు, మొదటి దశ పుట్టుక నుండి పూర్తిగా\n"},
        {"kn", "  ಸಂಜಯ್ ರಥ್ ಅವರ ಪದ್ಧತಿ (Narayana Dasa), ಪಿ. ವಿ. ಆರ್. ನರಸಿಂಹ ರಾವ್ ಹೇಳಿದಂತೆ: ಕರ್ಕ ರಿಂದ, ರಾಶಿಗಳು ಹಿಂದಕ್ಕೆ, "
               "ಮೊದಲ ದಶೆ ಜನನದಿಂದ ಪೂರ್ಣವಾಗಿ\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const CliResult r = RunCliWith({"--name", "chennai", "--date", "1996-12-07", "--time", "10:34", "--lon", "80:17E",
                                        "--lat", "13:05N", "--tz", "Asia/Kolkata", "--today", "2026-12-09",
                                        "--dasha-systems", "narayana", "--lang", c.code});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(c.line), std::string::npos) << r.out;
    }
}

TEST(CliLanguages, NativeDigitsWhenAsked) {
    struct Case {
        const char* code;
        const char* sunPositions;  // "16 Sag 31  16° 31' 32\" Sag" in the language's digits
    };
    // The digits of The Unicode Standard's code charts (Devanagari U+0966…,
    // Tamil U+0BE6…, Telugu U+0C66…, Kannada U+0CE6…).
    const Case cases[] = {
        {"hi", "१६ धनु ३१   १६° ३१' ३२\" धनु"},
        {"ta", "௧௬ தனு ௩௧  ௧௬° ௩௧' ௩௨\" தனு"},
        {"te", "౧౬ ధను ౩౧  ౧౬° ౩౧' ౩౨\" ధను"},
        {"kn", "೧೬ ಧನು ೩೧  ೧೬° ೩೧' ೩೨\" ಧನು"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const CliResult native = RunCliWith(Greenwich({"--lang", c.code, "--digits", "native"}));
        ASSERT_EQ(native.status, 0) << native.err;
        EXPECT_NE(native.out.find(c.sunPositions), std::string::npos);
        // A Western digit is left only in a Latin name ("A12") or ordinal ("8th").
        const std::string& out = native.out;
        for (std::size_t i = out.find_first_of("0123456789"); i != std::string::npos;
             i = out.find_first_of("0123456789", i + 1)) {
            std::size_t start = i, end = i;
            while (start > 0 && std::isdigit(static_cast<unsigned char>(out[start - 1]))) --start;
            while (end < out.size() && std::isdigit(static_cast<unsigned char>(out[end]))) ++end;
            const bool named = start > 0 && std::isalpha(static_cast<unsigned char>(out[start - 1]));
            const std::string after = out.substr(end, 2);
            const bool ordinal = after == "st" || after == "nd" || after == "rd" || after == "th";
            EXPECT_TRUE(named || ordinal) << out.substr(start > 10 ? start - 10 : 0, 30);
            i = end;
        }
        const CliResult western = RunCliWith(Greenwich({"--lang", c.code, "--digits", "western"}));
        EXPECT_EQ(western.out, RunCliWith(Greenwich({"--lang", c.code})).out);
    }
}

TEST(CliLanguages, DigitsAreRefusedWithoutALanguageThatHasThem) {
    const CliResult english = RunCliWith(Greenwich({"--digits", "native"}));
    EXPECT_EQ(english.status, 2);
    EXPECT_EQ(english.err, "--digits native: English has no other digits; give --lang hi, ta, te or kn with it\n");
    const CliResult bad = RunCliWith(Greenwich({"--lang", "hi", "--digits", "roman"}));
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "--digits: give western (0-9) or native (the language's own), got \"roman\"\n");
    const CliResult json = RunCliWith(Greenwich({"--lang", "hi", "--digits", "native", "--json"}));
    EXPECT_EQ(json.status, 2);
    EXPECT_EQ(json.err, "--digits writes the text's digits; JSON's numbers stay 0-9: leave it out or --json\n");
}

TEST(CliLanguages, BatchLinesCarryLabelsWhenALanguageIsGiven) {
    const std::string line = R"({"name":"G","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"})";
    const CliResult plain = RunCliWith({"--batch", "-", "--quiet", "--fields", "name,positions"}, false, line + "\n");
    const CliResult ta = RunCliWith({"--batch", "-", "--quiet", "--fields", "name,positions", "--lang", "ta"}, false, line + "\n");
    ASSERT_EQ(ta.status, 0) << ta.err;
    nlohmann::json labelled = nlohmann::json::parse(ta.out);
    const nlohmann::json labels = labelled.at("labels");
    labelled.erase("labels");
    EXPECT_EQ(labelled, nlohmann::json::parse(plain.out));  // the English fields as they were
    EXPECT_EQ(labels.at("language"), "ta");
    EXPECT_EQ(labels.at("signs").at(7), "விருச்சிகம்");  // PyJHora's Tamil list, Scorpio
    const CliResult csv = RunCliWith({"--batch", "-", "--quiet", "--format", "csv", "--lang", "ta"}, false, line + "\n");
    EXPECT_EQ(csv.status, 2);
    EXPECT_NE(csv.err.find("--lang adds a \"labels\" object"), std::string::npos);
}

// The yogas, the doshas and the birth time's sensitivity in each language:
// line for line the English sections, with no English word left but the
// books' titles and chapters the yogas cite (kept as published), the
// vargas' "D" and "UTC". The names are the glossary's and YogaNames*.cpp's
// (docs/glossary.md): Gaja Kesari, which this chart has (the Moon and
// Jupiter in kendras from each other), PyJHora's yoga_msgs_<code>.json.
TEST(CliLanguages, TheYogasDoshasAndBirthTimeInEachLanguage) {
    const Args args = {"--name", "Greenwich", "--date", "2000-01-01", "--time",  "12:00",   "--lon",
                       "0:00E",  "--lat",     "51:28N", "--zone", "0",          "--today", "2026-12-09",
                       "--yogas", "--sensitivity", "5"};
    const CliResult english = RunCliWith(args);
    ASSERT_EQ(english.status, 0) << english.err;
    const std::vector<std::string> englishLines = Lines(english.out);
    // The sections' lines in English: from the yogas' heading to the end of
    // the doshas, from the birth time's heading to the next empty line.
    const auto from = [&](const char* heading) {
        return static_cast<std::size_t>(std::find_if(englishLines.begin(), englishLines.end(),
                                                     [&](const std::string& l) { return l.starts_with(heading); }) -
                                        englishLines.begin());
    };
    const auto to = [&](std::size_t start) {
        std::size_t end = start + 1;
        while (end < englishLines.size() && !englishLines[end].empty()) ++end;
        return end;
    };
    const std::size_t yogas = from("Yogas in D1"), doshas = from("Doshas"), birthTime = from("Birth time:");
    ASSERT_LT(doshas, englishLines.size());
    ASSERT_LT(birthTime, englishLines.size());
    ASSERT_EQ(englishLines[doshas + 6].substr(0, 14), "  Kemadruma: N");  // the sections as this test reads them
    const struct {
        const char* code;
        const char* gajaKesari;
    } cases[] = {{"hi", "गज केसरी"}, {"ta", "கஜ கேஸரி"}, {"te", "గజ కేసరి"}, {"kn", "ಗಜ ಕೇಸರಿ"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        Args asked = args;
        asked.insert(asked.end(), {"--lang", c.code});
        const CliResult r = RunCliWith(asked);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = Lines(r.out);
        ASSERT_EQ(lines.size(), englishLines.size());
        bool gajaKesari = false;
        for (std::size_t i = yogas; i < to(doshas); ++i) {
            std::string said = lines[i];
            // A yoga's row ends with its source in parentheses, as published.
            if (i < doshas && said.ends_with(")") && said.starts_with("  ")) {
                const std::size_t source = said.rfind("  (");
                ASSERT_NE(source, std::string::npos) << said;
                EXPECT_EQ(said.substr(source), englishLines[i].substr(englishLines[i].rfind("  (")));
                gajaKesari = gajaKesari || said.starts_with(std::string("  ") + c.gajaKesari + " ");
                said.erase(source);
            }
            for (const std::string& word : velmora::test::LatinWords(said)) EXPECT_EQ(word, "D") << said;
        }
        EXPECT_TRUE(gajaKesari);
        for (std::size_t i = birthTime; i < to(birthTime); ++i)
            for (const std::string& word : velmora::test::LatinWords(lines[i]))
                EXPECT_TRUE(word == "D" || word == "UTC") << lines[i];
        // The JSON keeps the yogas' English fields; its labels name them in
        // the language, in the same order, with the doshas' lines.
        Args json = asked;
        json.push_back("--json");
        const CliResult j = RunCliWith(json);
        ASSERT_EQ(j.status, 0) << j.err;
        const auto parsed = nlohmann::json::parse(j.out);
        const auto& names = parsed.at("labels").at("yogas");
        ASSERT_EQ(names.size(), parsed.at("yogas").size());
        bool named = false;
        for (std::size_t y = 0; y < names.size(); ++y)
            if (parsed.at("yogas").at(y).at("name") == "Gaja Kesari") named = names.at(y) == c.gajaKesari;
        EXPECT_TRUE(named);
        EXPECT_EQ(parsed.at("labels").at("doshas").size(), 6u);  // the Mars dosha, its three reasons, Kala Sarpa, Kemadruma
    }
}

}  // namespace
}  // namespace velmora::cli::test
