// The panchanga of a birth against published almanac values.

#include <gtest/gtest.h>

#include <cmath>

#include "chart/AnalysisRun.h"
#include "chart/LocalMoment.h"
#include "chart/Panchanga.h"

namespace velmora {
namespace {

Birth BangaloreBirth(int year, int month, int day, int hour, int minute) {
    Birth b;
    b.name = "PANCHANGA";
    b.clock = {year, month, day, hour, minute, 0};
    b.latitude = JoinCoordinate(12, 58, false);
    b.longitude = JoinCoordinate(77, 35, false);
    b.timeZoneId = "Asia/Kolkata";
    b.mode = ComputationMode::Precise;
    return b;
}

Chart ChartOf(const Birth& birth) {
    const ChartOutcome outcome = ComputeChart(birth, {.report = false, .dashas = {}, .today = {}});
    EXPECT_TRUE(outcome.Computed()) << outcome.refusal.message;
    return outcome.chart ? *outcome.chart : Chart{};
}

// Seconds of the local clock (+5:30) since midnight of the birth's date;
// past midnight counts on (25:03 is 1:03 the next morning), as almanacs write it.
double LocalSeconds(double jd, const Chart& chart) {
    const LocalClock c = LocalClockAt(jd, chart.utcOffsetSeconds);
    const double days = JulianDayOf({c.Year, c.Month, c.Day, 0, 0, 0}, 0) -
                        JulianDayOf({chart.birth.clock.year, chart.birth.clock.month, chart.birth.clock.day, 0, 0, 0}, 0);
    return std::round(days) * 86400 + c.Hour * 3600 + c.Minute * 60 + c.Second;
}

double Hms(int h, int m, int s) { return h * 3600 + m * 60 + s; }

TEST(Panchanga, BangaloreEighteenthJanuary2013) {
    // Bangalore, 18 January 2013, noon IST. Sunrise 06:49:47 and sunset
    // 18:10:25 (the centre of the disc on the horizon, without refraction),
    // tithi 7 (Shukla Saptami, ending at
    // 16:24:04), the Moon in nakshatra 27 (Revati), yoga 21, a Friday:
    // drik-panchanga's tests (github.com/bdsatish/drik-panchanga,
    // tests/test_panchanga.py and the tests of panchanga.py).
    const Chart chart = ChartOf(BangaloreBirth(2013, 1, 18, 12, 0));
    const PanchangaOutcome outcome = ComputePanchanga(chart, SunriseConvention::DiscCentre);
    ASSERT_TRUE(outcome.panchanga) << outcome.refusal;
    const Panchanga& p = *outcome.panchanga;
    EXPECT_NEAR(LocalSeconds(p.sunrise.value(), chart), Hms(6, 49, 47), 60);
    EXPECT_NEAR(LocalSeconds(p.sunset.value(), chart), Hms(18, 10, 25), 60);
    EXPECT_EQ(p.tithi.number, 7);
    EXPECT_EQ(p.tithi.name, "Saptami");
    EXPECT_EQ(p.paksha, "Shukla");
    EXPECT_NEAR(LocalSeconds(p.tithi.end, chart), Hms(16, 24, 4), 60);
    EXPECT_EQ(p.nakshatra.number, 27);
    EXPECT_EQ(p.nakshatra.name, "Revati");
    EXPECT_EQ(p.yoga.number, 21);
    EXPECT_EQ(p.yoga.name, "Siddha");
    EXPECT_EQ(p.vara.number, 6);
    EXPECT_EQ(p.vara.name, "Shukravara");
    // The karana: the second half of the seventh tithi until its end.
    EXPECT_EQ(p.karana.number, 14);
    EXPECT_EQ(p.karana.name, "Vanija");
    EXPECT_NEAR(p.karana.end, p.tithi.end, 1.0 / 86400);
    for (const PanchangaLimb* limb : {&p.vara, &p.tithi, &p.nakshatra, &p.yoga, &p.karana}) {
        EXPECT_LT(limb->start, chart.julianDayUT);
        EXPECT_GT(limb->end, chart.julianDayUT);
        EXPECT_GT(limb->left, 0);
        EXPECT_LT(limb->left, 1);
    }
}

TEST(Panchanga, AlmanacSunriseComesBeforeTheDiscCentres) {
    // The upper limb with refraction stands on the horizon when the centre is
    // 50′ below it (Meeus, Astronomical Algorithms, 2nd ed., ch. 15: h0 =
    // −0° 50′). With the Sun's declination of 18 January 2013, −20.6° (The
    // Astronomical Almanac 2013, C8), the hour angle at Bangalore (12° 58′ N)
    // is then larger by 0.915°: the almanac's sunrise comes 219 s earlier and
    // its sunset 219 s later than the disc centre's, which is the default.
    const Chart chart = ChartOf(BangaloreBirth(2013, 1, 18, 12, 0));
    const PanchangaOutcome almanac = ComputePanchanga(chart);
    const PanchangaOutcome centre = ComputePanchanga(chart, SunriseConvention::DiscCentre);
    ASSERT_TRUE(almanac.panchanga && centre.panchanga);
    EXPECT_EQ(almanac.panchanga->convention, SunriseConvention::UpperLimbRefracted);
    EXPECT_NEAR((centre.panchanga->sunrise.value() - almanac.panchanga->sunrise.value()) * 86400, 219, 30);
    EXPECT_NEAR((almanac.panchanga->sunset.value() - centre.panchanga->sunset.value()) * 86400, 219, 30);
}

TEST(Panchanga, ABirthBeforeSunriseBelongsToTheDayBefore) {
    // 18 January 2013 was a Friday (drik-panchanga's tests, as above); at
    // 05:00, before the sunrise, the Vedic day is still Thursday's, begun at
    // the sunrise of the 17th.
    const Chart chart = ChartOf(BangaloreBirth(2013, 1, 18, 5, 0));
    const PanchangaOutcome outcome = ComputePanchanga(chart, SunriseConvention::DiscCentre);
    ASSERT_TRUE(outcome.panchanga) << outcome.refusal;
    EXPECT_EQ(outcome.panchanga->vara.number, 5);
    EXPECT_EQ(outcome.panchanga->vara.name, "Guruvara");
    EXPECT_EQ(LocalClockAt(outcome.panchanga->sunrise.value(), chart.utcOffsetSeconds).Day, 17);
    EXPECT_NEAR(LocalSeconds(outcome.panchanga->vara.end, chart), Hms(6, 49, 47), 60);
}

TEST(Panchanga, ClassicChartsAreRefused) {
    Birth birth = BangaloreBirth(2013, 1, 18, 12, 0);
    birth.mode = ComputationMode::Classic;
    const PanchangaOutcome outcome = ComputePanchanga(ChartOf(birth));
    EXPECT_FALSE(outcome.panchanga);
    EXPECT_NE(outcome.refusal.find("choose precise positions"), std::string::npos);
}

struct TithiEnds {
    int year, month, day;
    int tithi;
    double end;  // local seconds from midnight, past 24 h for the next morning
};

TEST(Panchanga, TithiEndsOfPublishedDays) {
    // Tithis at sunrise in Bangalore and the moments they end, from
    // drik-panchanga's tests (github.com/bdsatish/drik-panchanga,
    // panchanga.py and tests/test_panchanga.py): 15 July 2009 Krishna
    // Ashtami to 27:07:09; 9 June 1985 Krishna Saptami to 25:03:22; 24 April
    // 2010 tithi 10 to 06:09:29 (so a birth at 06:30 is in tithi 11, to
    // 27:33:58); 3 February 2013 tithi 22 to 08:14:06.
    const TithiEnds days[] = {
        {2009, 7, 15, 23, Hms(27, 7, 9)},
        {1985, 6, 9, 22, Hms(25, 3, 22)},
        {2013, 2, 3, 22, Hms(8, 14, 6)},
    };
    for (const TithiEnds& d : days) {
        const Chart chart = ChartOf(BangaloreBirth(d.year, d.month, d.day, 7, 0));
        const PanchangaOutcome outcome = ComputePanchanga(chart);
        ASSERT_TRUE(outcome.panchanga) << outcome.refusal;
        EXPECT_EQ(outcome.panchanga->tithi.number, d.tithi) << d.year;
        EXPECT_NEAR(LocalSeconds(outcome.panchanga->tithi.end, chart), d.end, 60) << d.year;
    }
    const Chart april = ChartOf(BangaloreBirth(2010, 4, 24, 6, 30));
    const PanchangaOutcome outcome = ComputePanchanga(april);
    ASSERT_TRUE(outcome.panchanga);
    EXPECT_EQ(outcome.panchanga->tithi.number, 11);
    EXPECT_NEAR(LocalSeconds(outcome.panchanga->tithi.start, april), Hms(6, 9, 29), 60);
    EXPECT_NEAR(LocalSeconds(outcome.panchanga->tithi.end, april), Hms(27, 33, 58), 60);
}

// A place's birth on the clock of Europe/Oslo (CET, CEST in summer).
Birth NorthernBirth(int latDeg, int latMin, int year, int month, int day, int hour, int minute) {
    Birth b = BangaloreBirth(year, month, day, hour, minute);
    b.latitude = JoinCoordinate(latDeg, latMin, false);
    b.longitude = JoinCoordinate(18, 57, false);
    b.timeZoneId = "Europe/Oslo";
    return b;
}

// Meeus, Astronomical Algorithms, 2nd ed.: the Sun's apparent place by the
// low-accuracy formulas of ch. 25, the sidereal time of ch. 12, and the upper
// limb with refraction on the horizon when the centre stands 50′ below it
// (ch. 15). The first minute of the UT day `jd0` (0 h) at which the Sun is up
// at the place, or -1.
int MeeusFirstSunUp(double jd0, double latitude, double longitude) {
    constexpr double kRad = 3.14159265358979323846 / 180;
    for (int minute = 0; minute < 1440; ++minute) {
        const double jd = jd0 + minute / 1440.0, t = (jd - 2451545.0) / 36525;
        const double m = (357.52911 + 35999.05029 * t) * kRad;
        const double c = (1.914602 - 0.004817 * t) * std::sin(m) + 0.019993 * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
        const double omega = (125.04 - 1934.136 * t) * kRad;
        const double lambda = (280.46646 + 36000.76983 * t + c - 0.00569 - 0.00478 * std::sin(omega)) * kRad;
        const double eps = (23.4392911 - 0.0130042 * t + 0.00256 * std::cos(omega)) * kRad;
        const double ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda));
        const double dec = std::asin(std::sin(eps) * std::sin(lambda));
        const double hourAngle = (280.46061837 + 360.98564736629 * (jd - 2451545.0) + longitude) * kRad - ra;
        const double altitude = std::asin(std::sin(latitude * kRad) * std::sin(dec) +
                                          std::cos(latitude * kRad) * std::cos(dec) * std::cos(hourAngle));
        if (altitude > -50.0 / 60 * kRad) return minute;
    }
    return -1;
}

// Where the Sun does not rise, the tithi, nakshatra, yoga and karana are
// given as anywhere; the day begins at local midnight on a date without a
// sunrise and at the sunrise otherwise, so that every moment belongs to one
// day. Weekdays are the calendar's. Tromsø, 69° 39′ N 18° 57′ E (GeoNames
// 3133880), has the midnight sun from 20 May to 22 July and the polar night
// from 27 November to 15 January (the Norwegian almanacs). At 70° N the Sun
// first rose again on 17 January 1990, about 10:33 UT (Meeus, as above).
TEST(Panchanga, WhereTheSunDoesNotRiseTheDayBeginsAtMidnight) {
    const double jan17 = JulianDayOf({1990, 1, 17, 0, 0, 0}, 0);
    const int firstRise = MeeusFirstSunUp(jan17, 70, 18 + 57 / 60.0);
    ASSERT_GT(firstRise, 0);
    ASSERT_EQ(MeeusFirstSunUp(jan17 - 1, 70, 18 + 57 / 60.0), -1);
    const struct {
        const char* what;
        Birth birth;
        int weekday;                   // 1 Sunday … 7 Saturday
        LocalClock begins, ends;       // the day's span: dates, and midnight or sunrise (hour 0 or 1)
        bool sunrise, sunset;          // given
        const char* note;              // how the note begins; nullptr: none
    } cases[] = {
        {"Tromso, midnight sun, Thursday", NorthernBirth(69, 39, 1990, 6, 21, 12, 0), 5, {1990, 6, 21, 0, 0, 0},
         {1990, 6, 22, 0, 0, 0}, false, false,
         "The Sun neither rises nor sets at this place on 21 June 1990 (the midnight sun)"},
        {"Tromso, just after midnight", NorthernBirth(69, 39, 1990, 6, 22, 0, 1), 6, {1990, 6, 22, 0, 0, 0},
         {1990, 6, 23, 0, 0, 0}, false, false, "The Sun neither rises nor sets"},
        {"Tromso, polar night, Wednesday", NorthernBirth(69, 39, 1990, 1, 10, 12, 0), 4, {1990, 1, 10, 0, 0, 0},
         {1990, 1, 11, 0, 0, 0}, false, false,
         "The Sun neither rises nor sets at this place on 10 January 1990 (the polar night)"},
        // 70° N: 16 January (a Tuesday) has no sunrise, so its day runs from
        // its midnight to the first sunrise; from that sunrise on, 17 January
        // (a Wednesday) to the next sunrise.
        {"70 N, the last day without a sunrise", NorthernBirth(70, 0, 1990, 1, 16, 12, 0), 3, {1990, 1, 16, 0, 0, 0},
         {1990, 1, 17, 1, 0, 0}, false, false, "The Sun neither rises nor sets at this place on 16 January 1990"},
        {"70 N, before the first sunrise", NorthernBirth(70, 0, 1990, 1, 17, 9, 0), 3, {1990, 1, 16, 0, 0, 0},
         {1990, 1, 17, 1, 0, 0}, false, false, "The Sun neither rises nor sets"},
        {"70 N, after the first sunrise", NorthernBirth(70, 0, 1990, 1, 17, 12, 0), 4, {1990, 1, 17, 1, 0, 0},
         {1990, 1, 18, 1, 0, 0}, true, true, nullptr},
        {"70 N, late that evening", NorthernBirth(70, 0, 1990, 1, 17, 22, 30), 4, {1990, 1, 17, 1, 0, 0},
         {1990, 1, 18, 1, 0, 0}, true, true, nullptr},
        {"70 N, a minute before midnight", NorthernBirth(70, 0, 1990, 1, 17, 23, 59), 4, {1990, 1, 17, 1, 0, 0},
         {1990, 1, 18, 1, 0, 0}, true, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Chart chart = ChartOf(c.birth);
        const PanchangaOutcome outcome = ComputePanchanga(chart);
        ASSERT_TRUE(outcome.panchanga) << outcome.refusal;
        const Panchanga& p = *outcome.panchanga;
        EXPECT_EQ(p.vara.number, c.weekday);
        EXPECT_EQ(p.sunrise.has_value(), c.sunrise);
        EXPECT_EQ(p.sunset.has_value(), c.sunset);
        if (c.note) {
            EXPECT_EQ(p.note.rfind(c.note, 0), 0u) << p.note;
        } else {
            EXPECT_EQ(p.note, "");
        }
        // A midnight to the second on the birth's clock; a sunrise (of the
        // 17th or 18th of January) against Meeus's first minute of the Sun
        // up, within 15 minutes (the grazing Sun makes the moment sensitive).
        const auto expectAt = [&](double jd, const LocalClock& at, DayBoundary shown) {
            if (at.Hour == 0) {
                EXPECT_EQ(shown, DayBoundary::Midnight);
                EXPECT_NEAR(jd, JulianDayOf(at, chart.utcOffsetSeconds), 1e-9);
            } else {
                EXPECT_EQ(shown, DayBoundary::Sunrise);
                const double day = JulianDayOf({at.Year, at.Month, at.Day, 0, 0, 0}, 0);
                EXPECT_NEAR((jd - day) * 1440, MeeusFirstSunUp(day, 70, 18 + 57 / 60.0), 15);
            }
        };
        expectAt(p.vara.start, c.begins, p.dayBegins);
        expectAt(p.vara.end, c.ends, p.dayEnds);
        EXPECT_LE(p.vara.start, chart.julianDayUT);
        EXPECT_GT(p.vara.end, chart.julianDayUT);
        if (p.sunrise) {
            EXPECT_EQ(*p.sunrise, p.vara.start);
        }
        if (p.sunset) {
            EXPECT_GT(*p.sunset, p.vara.start);
            EXPECT_LT(*p.sunset, p.vara.end);
        }
        for (const PanchangaLimb* limb : {&p.tithi, &p.nakshatra, &p.yoga, &p.karana}) {
            EXPECT_LE(limb->start, chart.julianDayUT);
            EXPECT_GT(limb->end, chart.julianDayUT);
        }
    }
}

TEST(Panchanga, TheLimbsDoNotWaitForASunrise) {
    // The new Moon of 22 June 1990, 18:55 UT (F. Espenak, "Phases of the
    // Moon: 1901 to 2000", NASA), ends tithi 30 (Amavasya): at Tromsø, in
    // the midnight sun, as anywhere.
    const Chart chart = ChartOf(NorthernBirth(69, 39, 1990, 6, 22, 12, 0));
    const PanchangaOutcome outcome = ComputePanchanga(chart);
    ASSERT_TRUE(outcome.panchanga) << outcome.refusal;
    EXPECT_EQ(outcome.panchanga->tithi.number, 30);
    EXPECT_EQ(outcome.panchanga->tithi.name, "Amavasya");
    EXPECT_NEAR((outcome.panchanga->tithi.end - JulianDayOf({1990, 6, 22, 18, 55, 0}, 0)) * 1440, 0, 1.5);
}

}  // namespace
}  // namespace velmora
