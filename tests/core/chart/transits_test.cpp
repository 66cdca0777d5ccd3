// Transits over a birth chart against published ephemeris dates.

#include <gtest/gtest.h>

#include <cmath>

#include "chart/AnalysisRun.h"
#include "chart/LocalMoment.h"
#include "chart/Transits.h"

namespace velmora {
namespace {

constexpr int kIst = 5 * 3600 + 30 * 60;

Chart DelhiChart(int year, int month, int day, ComputationMode mode = ComputationMode::Precise) {
    Birth b;
    b.name = "GOCHARA";
    b.clock = {year, month, day, 12, 0, 0};
    b.latitude = JoinCoordinate(28, 37, false);
    b.longitude = JoinCoordinate(77, 13, false);
    b.timeZoneId = "Asia/Kolkata";
    b.mode = mode;
    const ChartOutcome outcome = ComputeChart(b, {.report = false, .dashas = {}, .today = {}});
    EXPECT_TRUE(outcome.Computed()) << outcome.refusal.message;
    return outcome.chart ? *outcome.chart : Chart{};
}

// The date of a moment on India's clock, "2024-05-01".
std::string IstDate(double jd) { return LocalDateTimeText(LocalClockAt(jd, kIst)).substr(0, 10); }

std::string UtDate(double jd) { return LocalDateTimeText(LocalClockAt(jd, 0)).substr(0, 10); }

TEST(Transits, IngressesAndStationsOf2024) {
    const Chart natal = DelhiChart(1990, 1, 1);
    const double moment = JulianDayOf({2024, 1, 1, 0, 0, 0}, 0);
    const TransitOutcome outcome = ComputeTransits(natal, moment, kIst);
    ASSERT_TRUE(outcome.transits) << outcome.refusal;
    const Transits& t = *outcome.transits;
    for (int body = 0; body < kBodyCount; ++body) {
        EXPECT_EQ(t.housesFromMoon[body], HouseFrom(t.points[body].sign, natal.points[1].sign));
        EXPECT_EQ(t.housesFromAscendant[body], HouseFrom(t.points[body].sign, natal.points[9].sign));
    }
    // Sidereal (Lahiri) sign ingresses of 2024 on India's clock, as Drik
    // Panchang's transit pages publish them (drikpanchang.com, "Surya
    // Gochar", "Shukra Gochar", "Mangal Gochar", "Guru Gochar" 2024): the Sun
    // into Capricorn on 15 January (Makara Sankranti), Venus into
    // Sagittarius on 18 January, Mars into Capricorn on 5 February, Jupiter
    // into Taurus on 1 May. Saturn stays in Aquarius all the year.
    struct Ingress {
        int body, sign;
        const char* date;
    };
    for (const Ingress& i : {Ingress{0, 9, "2024-01-15"}, Ingress{3, 8, "2024-01-18"}, Ingress{4, 9, "2024-02-05"},
                             Ingress{5, 1, "2024-05-01"}}) {
        ASSERT_TRUE(t.nextIngress[i.body]) << i.body;
        EXPECT_EQ(IstDate(t.nextIngress[i.body]->moment), i.date) << i.body;
        EXPECT_EQ(t.nextIngress[i.body]->sign, i.sign) << i.body;
    }
    EXPECT_FALSE(t.nextIngress[6]);
    // Stations of 2024 in Universal Time, from the retrograde calendar of the
    // year (the tropical stations; sidereal ones differ by hours at most):
    // Mercury direct 2 January and retrograde 1 April, Saturn retrograde
    // 29 June and direct 15 November, Jupiter retrograde 9 October, Mars
    // retrograde 6 December (The Old Farmer's Almanac, "Planets in
    // retrograde 2024"; Astro-Seek's retrograde planets 2024).
    struct Station {
        int body;
        bool retrograde;
        const char* date;
    };
    for (const Station& s : {Station{2, false, "2024-01-02"}, Station{2, true, "2024-04-01"},
                             Station{6, true, "2024-06-29"}, Station{6, false, "2024-11-15"},
                             Station{5, true, "2024-10-09"}, Station{4, true, "2024-12-06"}}) {
        const auto& station = s.retrograde ? t.nextRetrogradeStation[s.body] : t.nextDirectStation[s.body];
        ASSERT_TRUE(station) << s.body;
        EXPECT_EQ(UtDate(*station), s.date) << s.body;
    }
    EXPECT_FALSE(t.nextRetrogradeStation[3]);  // Venus did not turn in 2024
    // Mercury was retrograde at the moment; the nodes, always moving back,
    // are not marked, as in the birth chart.
    EXPECT_TRUE(t.points[2].retrograde);
    EXPECT_FALSE(t.points[7].retrograde || t.points[8].retrograde);
    for (int node : {7, 8}) EXPECT_FALSE(t.nextRetrogradeStation[node] || t.nextDirectStation[node]);
}

TEST(Transits, SadeSatiOfAMoonInAquarius) {
    // The Moon of 1 January 1990 stands in Aquarius (sidereal): Saturn's
    // passage through Capricorn, Aquarius and Pisces is its sade sati.
    // Saturn's sidereal (Lahiri) ingresses as Drik Panchang publishes them
    // ("Shani Gochar"): Capricorn 24 January 2020, Aquarius 29 April 2022
    // (back into Capricorn in July, and again in Aquarius 17 January 2023),
    // Pisces 29 March 2025, Aries 3 June 2027, back into Pisces in October
    // 2027 and finally into Aries on 23 February 2028.
    const Chart natal = DelhiChart(1990, 1, 1);
    ASSERT_EQ(natal.points[1].sign, 10);
    struct Case {
        LocalClock moment;
        bool running;
        int phase;
    };
    for (const Case& c : {Case{{2018, 6, 1, 0, 0, 0}, false, 0}, Case{{2021, 6, 1, 0, 0, 0}, true, 1},
                          Case{{2022, 8, 1, 0, 0, 0}, true, 2}, Case{{2027, 8, 1, 0, 0, 0}, true, 3}}) {
        const TransitOutcome outcome = ComputeTransits(natal, JulianDayOf(c.moment, kIst), kIst);
        ASSERT_TRUE(outcome.transits) << outcome.refusal;
        const SadeSati& s = outcome.transits->sadeSati;
        EXPECT_EQ(s.running, c.running) << c.moment.Year;
        EXPECT_EQ(s.phase, c.phase) << c.moment.Year;
        EXPECT_EQ(IstDate(s.start), "2020-01-24") << c.moment.Year;
        EXPECT_EQ(IstDate(s.phaseStarts[0]), "2020-01-24");
        EXPECT_EQ(IstDate(s.phaseStarts[1]), "2022-04-29");
        EXPECT_EQ(IstDate(s.phaseStarts[2]), "2025-03-29");
        EXPECT_EQ(IstDate(s.end), "2028-02-23");
    }
}

// The sky at the birth moment is the birth chart, whatever the astrologer
// chose: the transits take the chart's own ayanamsa and kind of positions
// (True Chitra is some 3′ from Lahiri, true positions some 20″ from
// apparent ones, so a transit computed with the defaults fails here).
TEST(Transits, AtTheBirthMomentTheyAreTheBirthChart) {
    struct Case {
        const char* ayanamsa;
        PositionKind positions;
    };
    for (const Case c : {Case{"lahiri", PositionKind::Apparent}, Case{"true-chitra", PositionKind::Apparent},
                         Case{"custom:1900-01-01:22.46", PositionKind::True}}) {
        SCOPED_TRACE(c.ayanamsa);
        Birth b;
        b.name = "GOCHARA";
        b.clock = {1990, 1, 1, 12, 0, 0};
        b.latitude = JoinCoordinate(28, 37, false);
        b.longitude = JoinCoordinate(77, 13, false);
        b.timeZoneId = "Asia/Kolkata";
        ASSERT_TRUE(ParseAyanamsa(c.ayanamsa, b.options));
        b.options.positions = c.positions;
        const ChartOutcome natal = ComputeChart(b, {.report = false, .dashas = {}, .today = {}});
        ASSERT_TRUE(natal.Computed());
        const TransitOutcome outcome = ComputeTransits(*natal.chart, natal.chart->julianDayUT, kIst);
        ASSERT_TRUE(outcome.transits) << outcome.refusal;
        for (int body = 0; body < kBodyCount; ++body)
            EXPECT_NEAR(outcome.transits->points[body].longitude, natal.chart->points[body].longitude, 1e-7) << body;
    }
}

TEST(Transits, ClassicChartsAreRefused) {
    const TransitOutcome outcome = ComputeTransits(DelhiChart(1990, 1, 1, ComputationMode::Classic), 2460000.5, kIst);
    EXPECT_FALSE(outcome.transits);
    EXPECT_NE(outcome.refusal.find("choose precise positions"), std::string::npos);
}

}  // namespace
}  // namespace velmora
