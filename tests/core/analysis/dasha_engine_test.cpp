// The dasha engine with its three tables: every level's periods sum to their
// parent exactly, the cycle's years with each choice of the year, a
// five-level Vimshottari path worked from a published example and the
// pratyantar dates of another program's published table, Yogini's
// first yogini and a published worked example, and Ashtottari's 108 years,
// groups, worked examples and another program's published dates.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/AshtottariDasha.h"
#include "analysis/DashaEngine.h"
#include "analysis/Nakshatra.h"
#include "analysis/Vimshottari.h"
#include "analysis/YoginiDasha.h"
#include "birth/DashaChoice.h"

namespace velmora {
namespace {

constexpr std::int64_t kDayMicroseconds = 86'400'000'000;

// Ages at a moment as dasha tables print them: years, months of 30 days and
// days, of years of the timeline's length.
YearsMonthsDays Age(const DashaTimeline& t, DashaTime at) {
    return SplitYears(static_cast<double>(at - t.birth) / static_cast<double>(t.yearMicroseconds));
}

// Checks that the children of `parent` tile it: the first starts where it
// starts, each where the one before ends, the last ends where it ends; and so
// on down to `levels`. Returns the periods seen.
int CheckTiling(const DashaTable& table, const DashaNode& parent, int level, int levels) {
    if (level == levels) return 1;
    const DashaChildren children = SubPeriods(table, parent);
    EXPECT_EQ(children.count, static_cast<int>(table.sequence.size()));
    EXPECT_EQ(children.nodes[0].start, parent.start);
    EXPECT_EQ(children.nodes[0].position, parent.position);  // each period opens with its own lord
    EXPECT_EQ(children.nodes[static_cast<std::size_t>(children.count - 1)].end, parent.end);
    int seen = 1;
    for (int i = 0; i < children.count; ++i) {
        const DashaNode& child = children.nodes[static_cast<std::size_t>(i)];
        if (i > 0) {
            EXPECT_EQ(child.start, children.nodes[static_cast<std::size_t>(i - 1)].end);
        }
        EXPECT_LT(child.start, child.end);
        seen += CheckTiling(table, child, level + 1, levels);
    }
    return seen;
}

TEST(DashaEngine, EveryLevelSumsToItsParentExactly) {
    const struct {
        const DashaTable* table;
        int periods;  // to the table's depth, over one major period
    } tables[] = {{&VimshottariTable(), 1 + 9 + 81 + 729 + 6561}, {&YoginiTable(), 1 + 8 + 64}, {&AshtottariTable(), 1 + 8 + 64}};
    for (const auto& c : tables) {
        for (const DashaYearInfo& year : kDashaYearChoices) {
            SCOPED_TRACE(std::string(c.table->name) + " " + std::string(year.key));
            const DashaTimeline t = ComputeDashaTimeline(*c.table, 211.123456, {1969, 7, 20, 20, 17}, year.microseconds);
            for (const DashaNode& major : t.Majors()) {
                // The whole tree below a major period: five levels for
                // Vimshottari (9^4 prana periods under each), three for the others.
                EXPECT_EQ(CheckTiling(*c.table, major, 1, c.table->levels), c.periods);
            }
        }
    }
}

TEST(DashaEngine, TheCycleWithEachYear) {
    // 120 Vimshottari years of 365.25 days are 43 830 days; of 365.2425 days
    // 43 829.1; of 360 days 43 200; of 365.256364 days 43 830.763 68.
    // Ashtottari's 108 years of 365.25 days: 39 447 days; Yogini's three
    // turns of 36 years of 360 days: 38 880 days.
    const struct {
        const DashaTable* table;
        DashaYear year;
        double days;
    } cases[] = {
        {&VimshottariTable(), DashaYear::Julian, 43'830},     {&VimshottariTable(), DashaYear::Gregorian, 43'829.1},
        {&VimshottariTable(), DashaYear::Savana, 43'200},     {&VimshottariTable(), DashaYear::Sidereal, 43'830.76368},
        {&AshtottariTable(), DashaYear::Julian, 39'447},      {&YoginiTable(), DashaYear::Savana, 38'880},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.table->name) + " " + std::string(DashaYearOf(c.year).key));
        const DashaTimeline t = ComputeDashaTimeline(*c.table, 100.0, {1985, 6, 18, 9, 5}, DashaYearOf(c.year).microseconds);
        const std::int64_t span = t.majors[static_cast<std::size_t>(t.majorCount - 1)].end - t.majors[0].start;
        EXPECT_EQ(span, std::llround(c.days * static_cast<double>(kDayMicroseconds)));
        for (int m = 1; m < t.majorCount; ++m)
            EXPECT_EQ(t.majors[static_cast<std::size_t>(m)].start, t.majors[static_cast<std::size_t>(m - 1)].end);
    }
    // The year choices as the command line and birth files spell them.
    EXPECT_EQ(ParseDashaYear("365.25"), DashaYear::Julian);
    EXPECT_EQ(ParseDashaYear("365.2425"), DashaYear::Gregorian);
    EXPECT_EQ(ParseDashaYear("360"), DashaYear::Savana);
    EXPECT_EQ(ParseDashaYear("sidereal"), DashaYear::Sidereal);
    EXPECT_EQ(ParseDashaYear("365"), std::nullopt);
}

TEST(DashaEngine, FiveLevelPathOfAPublishedExample) {
    // saravali.de, "Dasa Balance" (Vimsottari, time method): birth 6 July
    // 1935, 5:38:16 UT, Moon in Purva Phalguni with 0.54631589 of it passed;
    // the Sun's major period "will begin on Aug 1 1944" (checked to the day
    // in vimshottari_test). From there, the path running at noon of
    // 1 January 1950 worked by hand with the rule of the sub-periods (each
    // period divided among the nine lords from its own, in proportion to
    // their years out of 120: B. V. Raman, "A Manual of Hindu Astrology";
    // BPHS, the chapter on the Vimshottari antardashas), exactly, in
    // microseconds after the Sun's period begins (365.25-day years):
    //   Sun 6 years: 0 … 189 345 600 000 000
    //   Venus antar (after Sun 0.3, Moon 0.5, Mars 0.35, Rahu 0.9, Jupiter 0.8,
    //     Saturn 0.95, Mercury 0.85, Ketu 0.35 = 5 years): 157 788 000 000 000 … 189 345 600 000 000
    //   Rahu pratyantar (after Venus 1/6, Sun 1/20, Moon 1/12, Mars 7/120 of
    //     a year): 169 096 140 000 000 … 173 829 780 000 000
    //   Saturn sookshma (after Rahu, Jupiter of the 0.15-year pratyantar):
    //     170 437 338 000 000 … 171 186 831 000 000
    //   Rahu prana (after Saturn, Mercury, Ketu, Venus, Sun, Moon, Mars):
    //     170 974 474 650 000 … 171 086 898 600 000
    // that is 1950-01-01 06:26:34.65 to 1950-01-02 13:40:18.6.
    const double moon = 400.0 / 3 + 0.54631589 * 40.0 / 3;
    DashaTimeline t =
        ComputeDashaTimeline(VimshottariTable(), moon, {1935, 7, 6, 5, 38}, DashaYearOf(DashaYear::Julian).microseconds);
    const DashaNode sun = t.majors[1];
    ASSERT_EQ(t.Lord(sun), 0);
    EXPECT_EQ(DashaMoment(sun.start).year, 1944);
    EXPECT_EQ(DashaMoment(sun.start).month, 8);
    EXPECT_EQ(DashaMoment(sun.start).day, 1);
    MarkRunningPath(t, {1950, 1, 1}, kMaxDashaLevels);
    ASSERT_EQ(t.runningLevels, 5);
    const struct {
        int lord;
        std::int64_t start, end;
    } path[] = {
        {0, 0, 189'345'600'000'000},
        {3, 157'788'000'000'000, 189'345'600'000'000},
        {7, 169'096'140'000'000, 173'829'780'000'000},
        {6, 170'437'338'000'000, 171'186'831'000'000},
        {7, 170'974'474'650'000, 171'086'898'600'000},
    };
    for (int level = 0; level < 5; ++level) {
        SCOPED_TRACE(level + 1);
        const DashaNode& node = t.running[static_cast<std::size_t>(level)];
        EXPECT_EQ(t.Lord(node), path[level].lord);
        EXPECT_EQ(node.start - sun.start, path[level].start);
        EXPECT_EQ(node.end - sun.start, path[level].end);
        EXPECT_TRUE(t.Running(node, level + 1));
    }
    // The prana to the nearest minute, on the birth's clock.
    EXPECT_EQ(DashaMoment(t.running[4].start), (CivilMoment{1950, 1, 1, 6, 27}));
    EXPECT_EQ(DashaMoment(t.running[4].end), (CivilMoment{1950, 1, 2, 13, 40}));
    // Fewer levels asked, fewer marked; a day outside the cycle marks none.
    MarkRunningPath(t, {1950, 1, 1}, 3);
    EXPECT_EQ(t.runningLevels, 3);
    MarkRunningPath(t, {1900, 1, 1}, 5);
    EXPECT_EQ(t.runningLevels, 0);
}

TEST(DashaEngine, PratyantarDatesOfAPublishedTable) {
    // Another program's published table to three levels: Prokerala's
    // astrology API, as its PHP SDK's tests print it
    // (github.com/prokerala/astrology-sdk,
    // tests/Api/Astrology/Service/KundliTest.php, "dasha_periods"): Mumbai,
    // 29 August 1967, 09:00 +05:30, the Moon in Rohini, pada 4. Its major
    // period of the Moon runs 1958-09-08 08:16:52 to 1968-09-07 20:16:52,
    // 3 652.5 days: years of 365.25 days, the convention here.
    //
    // The table's Moon is the one its start implies: 3 277.0 days (8.972019
    // years) of the Moon's 10 before birth, 0.8972019 of Rohini passed, the
    // Moon at 51.96269°. The Swiss Ephemeris' Lahiri Moon for that moment
    // (swe_calc_ut, SE_SIDM_LAHIRI) is 2.5″ further on, 51.96339°, which
    // starts the cycle 4.6 hours earlier; the table's ayanamsa differs by
    // that much, and the dates below would then move a pratyantar that begins
    // at 01:00 to the day before. With the table's own Moon every start
    // below falls within a minute of the published one (the part passed at
    // birth is taken to the minute).
    const double moonLongitude = 40.0 + (3277.0 + 43.0 / 1440 + 8.0 / 86400) / (10 * 365.25) * 40.0 / 3;
    DashaTimeline t = ComputeDashaTimeline(VimshottariTable(), moonLongitude, {1967, 8, 29, 9, 0},
                                           DashaYearOf(DashaYear::Julian).microseconds);
    struct Moment {
        int year, month, day, hour, minute, second;
        DashaTime Time() const {
            return DashaTimeOf({year, month, day, hour, minute}) + std::int64_t{second} * 1'000'000;
        }
    };
    const auto expectNear = [](DashaTime time, const Moment& published) {
        EXPECT_LE(std::llabs(time - published.Time()), 60'000'000)
            << published.year << "-" << published.month << "-" << published.day;
    };
    const DashaNode moon = t.majors[0];
    ASSERT_EQ(t.Lord(moon), 1);
    expectNear(moon.start, {1958, 9, 8, 8, 16, 52});
    expectNear(moon.end, {1968, 9, 7, 20, 16, 52});
    // The pratyantar periods of two sub-periods of the Moon's period, by
    // their start; each sub-period ends where its last pratyantar ends.
    const struct {
        int antar;
        int lords[9];
        Moment starts[9];
        Moment end;
    } published[] = {
        {1,  // the Moon's own sub-period: Moon, Mars, Rahu, Jupiter, Saturn, Mercury, Ketu, Venus, Sun
         {1, 4, 7, 5, 6, 2, 8, 3, 0},
         {{1958, 9, 8, 8, 16, 52},
          {1958, 10, 3, 17, 1, 52},
          {1958, 10, 21, 11, 9, 22},
          {1958, 12, 6, 2, 54, 22},
          {1959, 1, 15, 16, 54, 22},
          {1959, 3, 4, 21, 31, 52},
          {1959, 4, 17, 0, 24, 22},
          {1959, 5, 4, 18, 31, 52},
          {1959, 6, 24, 12, 1, 52}},
         {1959, 7, 9, 17, 16, 52}},
        {7,  // Rahu's: Rahu, Jupiter, Saturn, Mercury, Ketu, Venus, Sun, Moon, Mars
         {7, 5, 6, 2, 8, 3, 0, 1, 4},
         {{1960, 2, 7, 18, 46, 52},
          {1960, 4, 29, 23, 7, 52},
          {1960, 7, 12, 0, 19, 52},
          {1960, 10, 6, 18, 15, 22},
          {1960, 12, 23, 9, 1, 52},
          {1961, 1, 24, 8, 3, 22},
          {1961, 4, 25, 15, 33, 22},
          {1961, 5, 23, 1, 0, 22},
          {1961, 7, 7, 16, 45, 22}},
         {1961, 8, 8, 15, 46, 52}},
    };
    const DashaChildren antars = SubPeriods(VimshottariTable(), moon);
    for (const auto& p : published) {
        SCOPED_TRACE(p.antar);
        const DashaNode* antar = nullptr;
        for (const DashaNode& a : antars)
            if (t.Lord(a) == p.antar) antar = &a;
        ASSERT_NE(antar, nullptr);
        expectNear(antar->start, p.starts[0]);
        expectNear(antar->end, p.end);
        const DashaChildren pratyantars = SubPeriods(VimshottariTable(), *antar);
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(i);
            const DashaNode& pd = pratyantars.nodes[static_cast<std::size_t>(i)];
            EXPECT_EQ(t.Lord(pd), p.lords[i]);
            expectNear(pd.start, p.starts[i]);
        }
    }
}

TEST(DashaEngine, TheOldTwoLevelsComeFromTheEngineUnchanged) {
    // The major and sub-periods of ComputeVimshottari are the engine's, to the minute.
    const double moon = 211.123456;
    const CivilMoment birth{1969, 7, 20, 20, 17};
    const VimshottariDasha d = ComputeVimshottari(moon, birth);
    const DashaTimeline t = ComputeDashaTimeline(VimshottariTable(), moon, birth, DashaYearOf(DashaYear::Julian).microseconds);
    for (int m = 0; m < 9; ++m) {
        const DashaNode& major = t.majors[static_cast<std::size_t>(m)];
        EXPECT_EQ(d.majors[static_cast<std::size_t>(m)].period.start, DashaMoment(major.start));
        const DashaChildren subs = SubPeriods(VimshottariTable(), major);
        for (int s = 0; s < 9; ++s) {
            EXPECT_EQ(d.majors[static_cast<std::size_t>(m)].sub[static_cast<std::size_t>(s)].lord,
                      t.Lord(subs.nodes[static_cast<std::size_t>(s)]));
            EXPECT_EQ(d.majors[static_cast<std::size_t>(m)].sub[static_cast<std::size_t>(s)].end,
                      DashaMoment(subs.nodes[static_cast<std::size_t>(s)].end));
        }
    }
}

TEST(YoginiDasha, TheFirstYoginiOfEachNakshatra) {
    // horosoft.net, "Yogini Dasha": the table of the yogini running at birth
    // by the Moon's nakshatra (1 Ashwini): 1-5 Bhramari, Bhadrika, Ulka,
    // Siddha, Sankata; 6-13 and 14-21 Mangala … Sankata; 22-27 Mangala …
    // Ulka. The same as the rule of BPHS: (nakshatra + 3) mod 8 from Mangala.
    const char* expected[kNakshatraCount] = {
        "Bhramari", "Bhadrika", "Ulka",    "Siddha",   "Sankata",  "Mangala", "Pingala", "Dhanya",   "Bhramari",
        "Bhadrika", "Ulka",     "Siddha",  "Sankata",  "Mangala",  "Pingala", "Dhanya",  "Bhramari", "Bhadrika",
        "Ulka",     "Siddha",   "Sankata", "Mangala",  "Pingala",  "Dhanya",  "Bhramari", "Bhadrika", "Ulka"};
    for (int n = 0; n < kNakshatraCount; ++n) {
        SCOPED_TRACE(n + 1);
        EXPECT_EQ(kYoginiNames[static_cast<std::size_t>(FirstYogini(n))], expected[n]);
        // The middle of the nakshatra: its yogini runs first, half of it left.
        const DashaTimeline t = ComputeDashaTimeline(YoginiTable(), (n + 0.5) * 40.0 / 3, {2000, 1, 1, 0, 0},
                                                     DashaYearOf(DashaYear::Julian).microseconds);
        EXPECT_EQ(t.LordName(t.majors[0]), expected[n]);
        EXPECT_NEAR(t.balanceYears, (FirstYogini(n) + 1) / 2.0, 1e-9);
    }
    // The order and the years: 1 … 8, 36 in all, then again from Mangala.
    const DashaTimeline t = ComputeDashaTimeline(YoginiTable(), 5 * 40.0 / 3, {2000, 1, 1, 0, 0},
                                                 DashaYearOf(DashaYear::Julian).microseconds);  // Ardra: Mangala
    ASSERT_EQ(t.majorCount, 24);
    for (int m = 0; m < 24; ++m) {
        const DashaNode& major = t.majors[static_cast<std::size_t>(m)];
        EXPECT_EQ(t.Lord(major), m % 8);
        EXPECT_NEAR(DashaYears(t, major), m % 8 + 1, 1e-12);
    }
    EXPECT_EQ(kYoginiPlanets, (std::array<int, 8>{1, 0, 5, 4, 2, 6, 3, 7}));  // Moon, Sun, Jupiter, Mars, Mercury, Saturn, Venus, Rahu
}

TEST(YoginiDasha, PublishedWorkedExampleToTheDay) {
    // prachinaastrology.com, "Yogini Dasha Calculation" (May 2020): the Moon
    // at 8s 19° 55′ in Purva Ashadha (20): 20 + 3 = 23, remainder 7, Siddha;
    // 6° 45′ of the nakshatra left, 7 × 405′/800′ = "3 Years 6 Month 16
    // Days" of Siddha; then the running totals of the ages at which each
    // period ends: Sankata 11 y 6 m 16 d, Mangala 12 y 6 m 16 d, Pingala
    // 14 y 6 m 16 d, Dhanya 17 y 6 m 16 d.
    const double moon = 8 * 30 + 19 + 55.0 / 60;
    const DashaTimeline t = ComputeDashaTimeline(YoginiTable(), moon, {1990, 3, 14, 10, 0},
                                                 DashaYearOf(DashaYear::Julian).microseconds);
    EXPECT_EQ(NakshatraOf(moon).Name(), "Purva Ashadha");
    EXPECT_EQ(t.LordName(t.majors[0]), "Siddha");
    EXPECT_EQ(SplitYears(t.balanceYears), (YearsMonthsDays{3, 6, 16}));
    const struct {
        const char* yogini;
        YearsMonthsDays endAge;
    } published[] = {
        {"Siddha", {3, 6, 16}}, {"Sankata", {11, 6, 16}}, {"Mangala", {12, 6, 16}},
        {"Pingala", {14, 6, 16}}, {"Dhanya", {17, 6, 16}},
    };
    for (int m = 0; m < 5; ++m) {
        SCOPED_TRACE(published[m].yogini);
        EXPECT_EQ(t.LordName(t.majors[static_cast<std::size_t>(m)]), published[m].yogini);
        EXPECT_EQ(Age(t, t.majors[static_cast<std::size_t>(m)].end), published[m].endAge);
    }
    // The same to the day on the calendar: 3.54375 years of 365.25 days are
    // 1 294.35 days (1 863 871 minutes, the part passed taken to the
    // minute) after 1990-03-14 10:00: 1993-09-28 18:31.
    EXPECT_EQ(DashaMoment(t.majors[0].end), (CivilMoment{1993, 9, 28, 18, 31}));
}

TEST(AshtottariDasha, TheYearsTheGroupsAndWorkedExamples) {
    // BPHS, the chapter on the dashas (Ashtottari), the "Ardradi" reckoning as
    // tabled in "Complete Astro Book for Beginners" (1library.net, section
    // "Ashtottari"): Sun 6 Ardra-Ashlesha, Moon 15 Magha-U. Phalguni, Mars 8
    // Hasta-Vishakha, Mercury 17 Anuradha-Mula, Saturn 10 P. Ashadha-Shravana
    // (Abhijit inside), Jupiter 19 Dhanishta-P. Bhadrapada, Rahu 12
    // U. Bhadrapada-Bharani, Venus 21 Krittika-Mrigashira; 108 years.
    const int lords[] = {0, 1, 4, 2, 6, 5, 7, 3};
    const int years[] = {6, 15, 8, 17, 10, 19, 12, 21};
    int firstNakshatra[kNakshatraCount];  // the lord each nakshatra starts with
    for (int n = 0; n < kNakshatraCount; ++n) {
        const DashaTimeline t = ComputeDashaTimeline(AshtottariTable(), (n + 0.5) * 40.0 / 3, {2000, 1, 1, 0, 0},
                                                     DashaYearOf(DashaYear::Julian).microseconds);
        firstNakshatra[n] = t.Lord(t.majors[0]);
        int total = 0;
        for (int m = 0; m < 8; ++m) {
            const DashaNode& major = t.majors[static_cast<std::size_t>(m)];
            EXPECT_EQ(t.Lord(major), lords[major.position]);
            EXPECT_NEAR(DashaYears(t, major), years[major.position], 1e-12);
            total += years[major.position];
        }
        EXPECT_EQ(total, 108);
    }
    const int groups[kNakshatraCount] = {7, 7, 3, 3, 3, 0, 0, 0, 0, 1, 1, 1, 4, 4, 4,
                                         4, 2, 2, 2, 6, 6, 6, 5, 5, 5, 7, 7};
    for (int n = 0; n < kNakshatraCount; ++n) {
        SCOPED_TRACE(kNakshatraNames[static_cast<std::size_t>(n)]);
        EXPECT_EQ(firstNakshatra[n], groups[n]);
    }
    // Worked by hand from that rule (the share of the group's arc left, in
    // the lord's years): the Moon at 100° in Pushya, the third of the Sun's
    // four nakshatras from 66° 40′ to 120°: 33° 20′ of 53° 20′ passed, 0.375
    // of 6 years left, 2 y 3 m 0 d; the Moon at 280° in Shravana, Saturn's
    // arc 253° 20′ to 293° 20′: 26° 40′ of 40° passed, 3 y 4 m 0 d of 10
    // years left; the Moon at 0°, Ashwini, the middle of Rahu's arc from
    // 333° 20′ to 26° 40′: 6 of 12 years left.
    const struct {
        double moon;
        int lord;
        YearsMonthsDays balance;
    } examples[] = {{100.0, 0, {2, 3, 0}}, {280.0, 6, {3, 4, 0}}, {0.0, 7, {6, 0, 0}}};
    for (const auto& e : examples) {
        SCOPED_TRACE(e.moon);
        const DashaTimeline t = ComputeDashaTimeline(AshtottariTable(), e.moon, {2000, 1, 1, 0, 0},
                                                     DashaYearOf(DashaYear::Savana).microseconds);
        EXPECT_EQ(t.Lord(t.majors[0]), e.lord);
        EXPECT_EQ(SplitYears(t.balanceYears), e.balance);
        EXPECT_EQ(Age(t, t.majors[0].end), e.balance);  // 360-day years: the end falls on the age exactly
    }
    // The Sun's period of 2000-01-01 with 2.25 years left, in 360-day years:
    // 810 days, ending 2002-03-21; its sub-period of the Sun is 6 × 6 / 108
    // of 6 years, 2 years' worth of months: 4 months = 120 days.
    const DashaTimeline t = ComputeDashaTimeline(AshtottariTable(), 100.0, {2000, 1, 1, 0, 0},
                                                 DashaYearOf(DashaYear::Savana).microseconds);
    EXPECT_EQ(DashaMoment(t.majors[0].end), (CivilMoment{2002, 3, 21, 0, 0}));
    const DashaChildren subs = SubPeriods(AshtottariTable(), t.majors[0]);
    EXPECT_EQ(subs.nodes[0].end - subs.nodes[0].start, 120 * kDayMicroseconds);
}

TEST(AshtottariDasha, PublishedDatesOfJagannathaHoraToTheDay) {
    // Another program's published periods: PyJHora's tests
    // (github.com/naturalstupid/PyJHora, src/jhora/tests/pvr_tests.py), which
    // print the values of Jagannatha Hora's Ashtottari table for the same
    // births. Their convention is the sidereal year of 365.256364 days, with
    // the Ardradi groups; neither birth falls in Saturn's group, so the
    // question of Abhijit does not arise. The Moon's Lahiri longitude at each
    // birth is the Swiss Ephemeris' (swe_calc_ut with the sepl/semo_18 files,
    // SE_SIDM_LAHIRI) for the local time given at +05:30.
    const std::int64_t year = DashaYearOf(DashaYear::Sidereal).microseconds;
    struct Start {
        int level;  // 1 major period, 2 sub-period
        int lord;
        CalendarDate day;
    };
    const struct {
        const char* birth;
        double moon;
        CivilMoment at;
        int atBirth;  // the lord running at birth
        std::vector<Start> starts;
    } charts[] = {
        // _ashtothari_test_4, "Own Chart Compared to JHora": Chennai, 7 December
        // 1996, 10:34; the Moon at 186.9593° in Swati, the second of Mars's
        // nakshatras (Hasta to Vishakha). The major periods begin: Mars
        // 1992-11-21, Mercury 2000-11-21, Saturn 2017-11-21, Jupiter
        // 2027-11-22, Rahu 2046-11-22, Venus 2058-11-22, Sun 2079-11-22, Moon
        // 2085-11-22 (the first from before birth, where the cycle begins).
        {"Chennai 1996",
         186.959295,
         {1996, 12, 7, 10, 34},
         4,
         {{1, 4, {1992, 11, 21}},
          {1, 2, {2000, 11, 21}},
          {1, 6, {2017, 11, 21}},
          {1, 5, {2027, 11, 22}},
          {1, 7, {2046, 11, 22}},
          {1, 3, {2058, 11, 22}},
          {1, 0, {2079, 11, 22}},
          {1, 1, {2085, 11, 22}}}},
        // _ashtothari_test_1, B. V. Raman's chart (P. V. R. Narasimha Rao,
        // "Vedic Astrology: An Integrated Approach", ch. 17.3, example 60,
        // chart 23): Bangalore, 8 August 1912, 19:38; the Moon at 53.6352° in
        // Mrigashira, Venus's group, Venus's period running at birth. Within
        // Rahu's period the Moon's sub-period begins 1998-10-12 and Mars's
        // 2000-06-12.
        {"B. V. Raman",
         53.635187,
         {1912, 8, 8, 19, 38},
         3,
         {{2, 1, {1998, 10, 12}}, {2, 4, {2000, 6, 12}}}},
    };
    for (const auto& c : charts) {
        SCOPED_TRACE(c.birth);
        const DashaTimeline t = ComputeDashaTimeline(AshtottariTable(), c.moon, c.at, year);
        EXPECT_EQ(t.Lord(t.majors[0]), c.atBirth);
        for (const Start& s : c.starts) {
            SCOPED_TRACE(s.lord);
            bool found = false;
            for (const DashaNode& major : t.Majors()) {
                if (s.level == 1) {
                    if (t.Lord(major) != s.lord) continue;
                    const CivilMoment start = DashaMoment(major.start);
                    EXPECT_EQ((CalendarDate{start.year, start.month, start.day}), s.day);
                    found = true;
                } else if (t.Lord(major) == 7) {  // the sub-periods of Rahu's period
                    for (const DashaNode& sub : SubPeriods(AshtottariTable(), major)) {
                        if (t.Lord(sub) != s.lord) continue;
                        const CivilMoment start = DashaMoment(sub.start);
                        EXPECT_EQ((CalendarDate{start.year, start.month, start.day}), s.day);
                        found = true;
                    }
                }
            }
            EXPECT_TRUE(found);
        }
    }
}

}  // namespace
}  // namespace velmora
