// The chart's notes in each language: how the positions were computed, the
// zone's clock as it was read, the days without a sunrise or a sunset, and
// why a classic chart lacks a panchanga, transits, strengths or the
// birth-time sensitivity. In English they are the chart's own texts word for
// word; in the other languages they are made of the same facts, in the
// language's script but for the names that are no words of any language
// (a time-zone id, "UTC", an ayanamsa's name).
//
// Zones (the tz database, tzdata's "asia" and "northamerica" files):
// Asia/Kolkata kept +5:30 (IST) in 1990 and war time +6:30 from 1 September
// 1942, and Madras Mean Time (MMT, +5:21:10) from 1870 to 1906; New York
// kept its local mean time (LMT, −4:56:02) until 18 November 1883, and its
// clocks went back from 02:00 EDT to 01:00 EST on 7 November 2021, so that
// 01:30 was shown twice.
// Days: Tromsø, 69° 39′ N 18° 57′ E (GeoNames 3133880), has the midnight sun
// from 20 May to 22 July and the polar night from 27 November to 15 January
// (the Norwegian almanacs).
// Month names: CLDR 42, gregorian wide format months (as in
// local_format_test.cpp).

#include "presentation/ChartNotes.h"

#include <gtest/gtest.h>

#include <string>

#include "birth/ZoneTable.h"
#include "chart/ComputeChart.h"
#include "chart/Sensitivity.h"
#include "chart/Transits.h"

namespace velmora {
namespace {

constexpr Language kOtherLanguages[] = {Language::Hindi, Language::Tamil, Language::Telugu, Language::Kannada};

Birth BirthAt(const char* zone, double latitude, double longitude, LocalClock clock) {
    Birth b;
    b.name = "NOTES";
    b.clock = clock;
    b.latitude = latitude;
    b.longitude = longitude;
    b.timeZoneId = zone;
    b.mode = ComputationMode::Precise;
    return b;
}

Chart ChartOf(const Birth& birth) {
    const ChartOutcome outcome = ComputeChart(birth, {.report = false, .dashas = {}, .today = {}, .vargas = false,
                                                      .ashtakavarga = false});
    EXPECT_TRUE(outcome.Computed()) << outcome.refusal.message;
    return outcome.chart ? *outcome.chart : Chart{};
}

int ZoneEntryOf(std::string_view abbreviation) {
    for (int p = 0; p < kZoneItems; ++p)
        if (ZoneAbbreviation(kZoneTable[static_cast<std::size_t>(p)]) == abbreviation) return p;
    return -1;
}

// The text without the names it may carry as they are; what is left must
// hold no Latin letter, so no English word is left in it.
void ExpectNoEnglishLeft(std::string text, std::initializer_list<std::string> names) {
    for (const std::string& name : names) {
        if (name.empty()) continue;
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name)) text.erase(at, name.size());
    }
    for (const char c : text) EXPECT_FALSE((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) << text;
}

const char* JuneIn(Language language) {
    switch (language) {
        case Language::Hindi: return "जून";
        case Language::Tamil: return "ஜூன்";
        case Language::Telugu: return "జూన్";
        case Language::Kannada: return "ಜೂನ್";
        case Language::English: break;
    }
    return "June";
}

struct ZoneCase {
    const char* what;
    Birth birth;
    const char* expectedStart;  // how the English zone line begins (the tz database's facts)
};

std::vector<ZoneCase> ZoneCases() {
    std::vector<ZoneCase> cases;
    cases.push_back({"Kolkata 1990", BirthAt("Asia/Kolkata", 22.57, 88.37, {1990, 6, 20, 10, 0, 0}),
                     "Asia/Kolkata: UTC+05:30 on 20 June 1990 at 10:00"});
    cases.push_back({"Kolkata, war time", BirthAt("Asia/Kolkata", 22.57, 88.37, {1942, 9, 1, 12, 0, 0}),
                     "Asia/Kolkata: UTC+06:30, daylight saving on 1 September 1942 at 12:00"});
    cases.push_back({"Kolkata, Madras Mean Time", BirthAt("Asia/Kolkata", 22.57, 88.37, {1880, 6, 5, 10, 0, 0}),
                     "Asia/Kolkata: UTC+05:21:10 (MMT) on 5 June 1880 at 10:00, as the tz database gives it before "
                     "1901: a city's mean time, not the birth place's"});
    cases.push_back({"New York, local mean time", BirthAt("America/New_York", 40.71, -74.01, {1870, 6, 5, 10, 0, 0}),
                     "America/New_York: UTC-04:56:02 (LMT) on 5 June 1870 at 10:00, as the tz database gives it "
                     "before 1901: the local mean time of New York, not of the birth place"});
    Birth earlier = BirthAt("America/New_York", 40.71, -74.01, {2021, 11, 7, 1, 30, 0});
    earlier.repeated = RepeatedHour::Earlier;
    cases.push_back({"New York, the earlier 01:30", earlier,
                     "America/New_York: UTC-04:00, daylight saving on 7 November 2021 at 01:30, the earlier"});
    Birth later = earlier;
    later.repeated = RepeatedHour::Later;
    cases.push_back({"New York, the later 01:30", later,
                     "America/New_York: UTC-05:00 on 7 November 2021 at 01:30, the later"});
    Birth listed = BirthAt("", 22.57, 88.37, {1990, 6, 20, 10, 0, 0});
    listed.zoneEntry = ZoneEntryOf("IST");
    cases.push_back({"the zone list's IST", listed, ""});
    listed.daylightSaving = true;
    listed.options.positions = PositionKind::True;
    listed.node = NodeKind::True;
    cases.push_back({"IST and the daylight-saving box, true positions and node", listed, ""});
    return cases;
}

TEST(ChartNotes, EnglishIsTheChartsOwnTextAndTheLanguagesLeaveNoEnglishWord) {
    for (const ZoneCase& c : ZoneCases()) {
        SCOPED_TRACE(c.what);
        const Chart chart = ChartOf(c.birth);
        const ChartBirth& b = chart.birth;
        EXPECT_EQ(b.zoneText.rfind(c.expectedStart, 0), 0u) << b.zoneText;
        EXPECT_EQ(ZoneTextIn(b, Language::English), b.zoneText);
        EXPECT_EQ(ZoneUsedIn(b, Language::English), b.zoneUsed);
        EXPECT_EQ(ModeTextIn(chart, Language::English), chart.modeText);
        EXPECT_EQ(PositionsNoteIn(chart, Language::English), chart.modeText);
        for (const Language language : kOtherLanguages) {
            SCOPED_TRACE(std::string(InfoOf(language).code));
            const std::string zone = ZoneUsedIn(b, language), mode = ModeTextIn(chart, language);
            EXPECT_NE(mode, chart.modeText);
            const std::string listName =
                b.zoneEntry >= 0 ? std::string(kZoneTable[static_cast<std::size_t>(b.zoneEntry)].DisplayText) : "";
            ExpectNoEnglishLeft(zone, {b.timeZone, "UTC", "tz", b.zoneAbbreviation, ZoneCity(b.timeZone), listName});
            ExpectNoEnglishLeft(mode, {chart.ayanamsaLabel});
            if (b.dst || b.zoneEntry < 0) {
                EXPECT_NE(zone, b.zoneUsed);
            }
            if (b.zoneEntry < 0 && b.clock.month == 6) {
                EXPECT_NE(zone.find(JuneIn(language)), std::string::npos) << zone;
            }
        }
    }
}

TEST(ChartNotes, AClassicChartSaysItIsTheProgramsOwnModelAndWhyItLacksWhatItLacks) {
    Birth birth = BirthAt("", 22.57, 88.37, {1990, 6, 20, 10, 0, 0});
    birth.zoneEntry = ZoneEntryOf("IST");
    birth.mode = ComputationMode::Classic;
    const Chart chart = ChartOf(birth);
    EXPECT_EQ(PositionsNoteIn(chart, Language::English), kClassicPositionsNote);
    EXPECT_EQ(ModeTextIn(chart, Language::English), "");
    const std::string refusals[] = {ComputePanchanga(chart).refusal,
                                    ComputeTransits(chart, chart.julianDayUT, chart.utcOffsetSeconds).refusal,
                                    ComputeStrengths(chart).refusal, ComputeSensitivity(chart).refusal};
    for (const std::string& refusal : refusals) {
        SCOPED_TRACE(refusal);
        ASSERT_FALSE(refusal.empty());
        EXPECT_EQ(RefusalIn(refusal, Language::English), refusal);
        for (const Language language : kOtherLanguages) {
            SCOPED_TRACE(std::string(InfoOf(language).code));
            ExpectNoEnglishLeft(RefusalIn(refusal, language), {});
            ExpectNoEnglishLeft(PositionsNoteIn(chart, language), {});
        }
    }
    // A refusal the table does not know (an ephemeris' own error) is passed on as it is.
    EXPECT_EQ(RefusalIn("swe_calc: file not found", Language::Tamil), "swe_calc: file not found");
}

TEST(ChartNotes, DaysWithoutASunriseOrSunsetInEveryLanguage) {
    const struct {
        const char* what;
        LocalClock clock;
        const char* panchanga;  // the English note in full
        bool strengthsDaylight;
    } cases[] = {
        {"Tromso, the midnight sun", {1990, 6, 21, 12, 0, 0},
         "The Sun neither rises nor sets at this place on 21 June 1990 (the midnight sun); the day begins at local "
         "midnight",
         true},
        {"Tromso, the polar night", {1990, 1, 10, 12, 0, 0},
         "The Sun neither rises nor sets at this place on 10 January 1990 (the polar night); the day begins at local "
         "midnight",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Chart chart = ChartOf(BirthAt("Europe/Oslo", 69 + 39 / 60.0, 18 + 57 / 60.0, c.clock));
        const PanchangaOutcome panchanga = ComputePanchanga(chart);
        ASSERT_TRUE(panchanga.panchanga) << panchanga.refusal;
        EXPECT_EQ(panchanga.panchanga->note, c.panchanga);
        EXPECT_EQ(PanchangaNoteIn(*panchanga.panchanga, Language::English), c.panchanga);
        const StrengthsOutcome strengths = ComputeStrengths(chart);
        ASSERT_TRUE(strengths.balas) << strengths.refusal;
        EXPECT_FALSE(strengths.balas->sunRises);
        EXPECT_EQ(strengths.balas->daylight, c.strengthsDaylight);
        EXPECT_EQ(StrengthsNoteIn(*strengths.balas, Language::English), strengths.balas->note);
        for (const Language language : kOtherLanguages) {
            SCOPED_TRACE(std::string(InfoOf(language).code));
            const std::string note = PanchangaNoteIn(*panchanga.panchanga, language);
            ExpectNoEnglishLeft(note, {});
            ExpectNoEnglishLeft(StrengthsNoteIn(*strengths.balas, language), {});
            if (c.clock.Month == 6) {
                EXPECT_NE(note.find(JuneIn(language)), std::string::npos) << note;
            }
        }
    }
    // Where the Sun rose and set there is no note.
    const Chart kolkata = ChartOf(BirthAt("Asia/Kolkata", 22.57, 88.37, {1990, 6, 20, 10, 0, 0}));
    const PanchangaOutcome ordinary = ComputePanchanga(kolkata);
    ASSERT_TRUE(ordinary.panchanga);
    EXPECT_EQ(PanchangaNoteIn(*ordinary.panchanga, Language::Hindi), "");
}

// The input form's zone line, before any chart: in English the preview's
// own text, in the other languages the same facts in their words. Paris
// kept summer time (CEST, +2:00) in July 1985 and the Chatham Islands
// +13:45 in January 2000, an offset the zone list lacks (tzdata's "europe"
// and "australasia"); Kolkata and New York as above.
TEST(ChartNotes, TheInputFormsZoneLineInEveryLanguage) {
    const struct {
        const char* zone;
        LocalClock clock;
        ComputationMode mode;
        std::initializer_list<std::string> names;  // left as they are in every language
    } cases[] = {
        {"Europe/Paris", {1985, 7, 1, 12, 0, 0}, ComputationMode::Classic, {"Europe/Paris", "UTC"}},
        {"Pacific/Chatham", {2000, 1, 1, 12, 0, 0}, ComputationMode::Classic, {"Pacific/Chatham", "UTC"}},
        {"Asia/Kolkata", {1900, 1, 1, 12, 0, 0}, ComputationMode::Precise, {"Asia/Kolkata", "UTC", "MMT", "tz"}},
        {"America/New_York", {1880, 6, 1, 12, 0, 0}, ComputationMode::Precise,
         {"America/New_York", "UTC", "LMT", "New York", "tz"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        const ZonePreview preview = PreviewZone(c.zone, c.clock, c.mode);
        ASSERT_TRUE(preview.lookup.Found);
        EXPECT_EQ(ZonePreviewIn(preview, Language::English), preview.text);
        for (const Language language : kOtherLanguages) {
            SCOPED_TRACE(std::string(InfoOf(language).code));
            const std::string line = ZonePreviewIn(preview, language);
            EXPECT_EQ(line.rfind(c.zone, 0), 0u) << line;
            ExpectNoEnglishLeft(line, c.names);
        }
    }
    EXPECT_NE(PreviewZone("Pacific/Chatham", {2000, 1, 1, 12, 0, 0}, ComputationMode::Classic).text.find("zone list"),
              std::string::npos);
    // A zone the database lacks: its name and the examples stay names.
    const ZonePreview unknown = PreviewZone("Mars/Olympus_Mons", {1985, 7, 1, 12, 0, 0}, ComputationMode::Precise);
    ASSERT_FALSE(unknown.lookup.Found);
    EXPECT_EQ(ZonePreviewIn(unknown, Language::English), unknown.text);
    for (const Language language : kOtherLanguages) {
        const std::string line = ZonePreviewIn(unknown, language);
        EXPECT_NE(line.find("Mars/Olympus_Mons"), std::string::npos) << line;
        ExpectNoEnglishLeft(line, {"Mars/Olympus_Mons", "Asia/Kolkata", "Europe/London"});
    }
}

// Why a birth has no chart where the zone's clocks skipped its time or
// showed it twice: Paris went from 02:00 CET to 03:00 CEST on 31 March 1985
// (tzdata "europe", the EU rule of the last Sunday of March), New York
// showed 01:30 twice on 7 November 2021 (above). In English the refusal's
// own message; in the other languages the same facts.
TEST(ChartNotes, AHourSkippedOrShownTwiceInEveryLanguage) {
    const struct {
        const char* zone;
        LocalClock clock;
        ChartRefusalKind kind;
        std::initializer_list<std::string> kept;  // in the text in every language
    } cases[] = {
        {"Europe/Paris", {1985, 3, 31, 2, 30, 0}, ChartRefusalKind::NoZoneOffset,
         {"1985-03-31 02:30", "02:00", "03:00", "UTC+01:00", "UTC+02:00"}},
        {"America/New_York", {2021, 11, 7, 1, 30, 0}, ChartRefusalKind::RepeatedHour,
         {"2021-11-07 01:30", "UTC-04:00", "UTC-05:00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        const ChartOutcome outcome = ComputeChart(
            BirthAt(c.zone, 45, 0, c.clock),
            {.report = false, .dashas = {}, .today = {}, .vargas = false, .ashtakavarga = false});
        ASSERT_FALSE(outcome.Computed());
        EXPECT_EQ(outcome.refusal.kind, c.kind);
        ASSERT_TRUE(outcome.refusal.zone);
        EXPECT_EQ(ChartRefusalIn(outcome.refusal, Language::English), outcome.refusal.message);
        for (const std::string& kept : c.kept)
            EXPECT_NE(outcome.refusal.message.find(kept), std::string::npos) << outcome.refusal.message;
        for (const Language language : kOtherLanguages) {
            SCOPED_TRACE(std::string(InfoOf(language).code));
            const std::string text = ChartRefusalIn(outcome.refusal, language);
            for (const std::string& kept : c.kept) EXPECT_NE(text.find(kept), std::string::npos) << text;
            ExpectNoEnglishLeft(text, {c.zone, "UTC"});
        }
    }
    // A refusal without the zone's facts (a classic chart's, above) is said by its words.
    const ChartOutcome outside = ComputeChart(BirthAt("Asia/Kolkata", 22.57, 88.37, {1700, 1, 1, 12, 0, 0}));
    ASSERT_FALSE(outside.Computed());
    EXPECT_FALSE(outside.refusal.zone);
    EXPECT_EQ(ChartRefusalIn(outside.refusal, Language::Tamil), RefusalIn(outside.refusal.message, Language::Tamil));
}

// Beyond the polar circle Placidus houses cannot be drawn and equal houses
// stand in; the note names the place's latitude in every language.
TEST(ChartNotes, PlacidusBeyondThePolarCircleInEveryLanguage) {
    Birth birth = BirthAt("Europe/Oslo", 69 + 39 / 60.0, 18 + 57 / 60.0, {1990, 6, 21, 12, 0, 0});
    birth.options.houses = HouseSystem::Placidus;
    const Chart chart = ChartOf(birth);
    EXPECT_EQ(chart.houses, HouseSystem::Equal);
    EXPECT_EQ(HousesNoteIn(chart, Language::English), chart.housesNote);
    EXPECT_EQ(chart.housesNote.rfind("Placidus houses cannot be drawn at 69\u00B0 39\u2032 N, ", 0), 0u)
        << chart.housesNote;
    for (const Language language : kOtherLanguages) {
        SCOPED_TRACE(std::string(InfoOf(language).code));
        const std::string note = HousesNoteIn(chart, language);
        EXPECT_NE(note.find("69\u00B0 39\u2032 N"), std::string::npos) << note;
        ExpectNoEnglishLeft(note, {"69\u00B0 39\u2032 N"});
    }
    // Below the polar circle the houses are drawn and there is no note.
    birth.latitude = 22.57;
    birth.longitude = 88.37;
    birth.timeZoneId = "Asia/Kolkata";
    EXPECT_EQ(HousesNoteIn(ChartOf(birth), Language::Tamil), "");
}

// The birth-time window is cut where it leaves the years precise positions
// are computed for (1800 to 2399): at the first second of 1800, at the last
// of 2399.
TEST(ChartNotes, TheWindowCutAtTheYearsComputedInEveryLanguage) {
    const struct {
        LocalClock clock;
        const char* moment;
    } edges[] = {{{1800, 1, 1, 0, 10, 0}, "1800-01-01T00:00:00"}, {{2399, 12, 31, 23, 45, 0}, "2399-12-31T23:59:59"}};
    for (const auto& e : edges) {
        SCOPED_TRACE(e.moment);
        const Chart chart = ChartOf(BirthAt("Asia/Kolkata", 13, 77.6, e.clock));
        const SensitivityOutcome outcome = ComputeSensitivity(chart, 30);
        ASSERT_TRUE(outcome.sensitivity) << outcome.refusal;
        const Sensitivity& s = *outcome.sensitivity;
        ASSERT_FALSE(s.note.empty());
        EXPECT_EQ(SensitivityNoteIn(s, Language::English), s.note);
        for (const Language language : kOtherLanguages) {
            SCOPED_TRACE(std::string(InfoOf(language).code));
            const std::string note = SensitivityNoteIn(s, language);
            EXPECT_NE(note.find(e.moment), std::string::npos) << note;
            EXPECT_NE(note.find("1800"), std::string::npos) << note;
            EXPECT_NE(note.find("2399"), std::string::npos) << note;
            ExpectNoEnglishLeft(note, {e.moment});
        }
    }
    // A window inside the years has no note.
    const Chart kolkata = ChartOf(BirthAt("Asia/Kolkata", 22.57, 88.37, {1990, 6, 20, 10, 0, 0}));
    const SensitivityOutcome inside = ComputeSensitivity(kolkata, 5);
    ASSERT_TRUE(inside.sensitivity);
    EXPECT_EQ(SensitivityNoteIn(*inside.sensitivity, Language::Tamil), "");
}

}  // namespace
}  // namespace velmora
