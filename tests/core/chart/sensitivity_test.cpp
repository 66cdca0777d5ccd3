// The birth-time sensitivity. Every crossing it reports is checked against
// charts computed through the one entry for the second before it, the second
// itself and the middle of every stretch between two crossings, the births
// built here from Universal Time and the zone's offsets as the tz database
// gives them, never from the search's own clock. Published moments:
// - Drik Panchang, New Delhi, 22 November 2025 (drikpanchang.com, daily
//   panjika): the Moon in Jyeshtha's third pada "upto 10:05 AM", in Jyeshtha
//   "upto 04:47 PM" and in Vrishchika "upto 04:47 PM", then Mula and Dhanu;
//   10upon10.com's panchang of the day gives Jyeshtha's end as 16:47:40.
// - tz database: America/New_York went from 02:00 EST (UTC-05:00) to 03:00
//   EDT on 14 March 2021, at 07:00 UTC (US rule since 2007: the second
//   Sunday of March); Europe/London from 02:00 BST back to 01:00 GMT on
//   25 October 2020, at 01:00 UTC (EU rule: the last Sunday of October),
//   so that 01:00-01:59 was shown twice.

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "analysis/SignOf.h"
#include "chart/ComputeChart.h"
#include "chart/Sensitivity.h"

namespace velmora {
namespace {

constexpr int kIst = 5 * 3600 + 30 * 60;

struct Site {
    const char* what;
    const char* zone;
    double latitude, longitude;
    LocalClock clock;
    HouseSystem houses;
    int minutes;
    // The zone's offset before and from a change of the clock inside the
    // window (its Universal Time), or the same offset twice.
    int offsetBefore, offsetAfter;
    LocalClock changeUt;
};

Birth BirthOf(const Site& site) {
    Birth b;
    b.name = site.what;
    b.clock = site.clock;
    b.latitude = site.latitude;
    b.longitude = site.longitude;
    b.timeZoneId = site.zone;
    b.repeated = RepeatedHour::Earlier;
    b.options.houses = site.houses;
    return b;
}

// A birth in India at 13° N, 77° 36′ E.
Birth IndianBirth(LocalClock clock) {
    Birth b;
    b.clock = clock;
    b.timeZoneId = "Asia/Kolkata";
    b.latitude = 13;
    b.longitude = 77.6;
    return b;
}

const ChartWants kWants{.report = false, .dashas = {DashaSystem::Vimshottari}, .today = {}, .vargas = true,
                        .ashtakavarga = false};

// The charts of a site's seconds, each computed once from a birth made here.
class Charts {
public:
    Charts(const Site& site, const Chart& given) : site_(site), given_(given) {}

    const Chart& At(int second) {
        auto& chart = charts_[second];
        if (!chart) {
            const double jd = given_.julianDayUT + second / 86400.0;
            const double change = JulianDayOf(site_.changeUt, 0);
            const int offset = jd < change - 0.5 / 86400 ? site_.offsetBefore : site_.offsetAfter;
            Birth b = BirthOf(site_);
            b.clock = LocalClockAt(jd, offset);
            // A time shown twice: the first reading is the one before the change.
            b.repeated = offset == site_.offsetBefore ? RepeatedHour::Earlier : RepeatedHour::Later;
            const ChartOutcome outcome = ComputeChart(b, kWants);
            EXPECT_TRUE(outcome.Computed()) << outcome.refusal.message;
            chart = outcome.chart;
        }
        return *chart;
    }

private:
    const Site& site_;
    const Chart& given_;
    std::map<int, std::shared_ptr<const Chart>> charts_;
};

// An item's value as the chart itself shows it.
int Shown(const SensitivityItem& item, const Chart& c) {
    const auto body = static_cast<std::size_t>(item.body);
    switch (item.kind) {
        case SensitivityKind::VargaSign:
            return item.index == 0 ? c.points[body].sign : c.vargas[static_cast<std::size_t>(item.index)][body];
        case SensitivityKind::LagnaNakshatra:
        case SensitivityKind::MoonNakshatra: return c.nakshatras[body].index * 4 + c.nakshatras[body].pada - 1;
        case SensitivityKind::Vimshottari: {
            const DashaTimeline& t = c.Dasha(DashaSystem::Vimshottari);
            const DashaNode& major = t.majors[0];
            int place = 0;
            for (const DashaNode& sub : SubPeriods(*t.table, major)) {
                if (sub.start <= t.birth && t.birth < sub.end) return major.position * 9 + place;
                ++place;
            }
            return -1;
        }
        case SensitivityKind::Bhava: return c.bhavas[body];
        case SensitivityKind::CuspSign: return static_cast<int>(c.cusps[static_cast<std::size_t>(item.index)] / 30);
    }
    return -1;
}

const Sensitivity& Computed(const Chart& chart, int minutes, SensitivityOutcome& outcome) {
    outcome = ComputeSensitivity(chart, minutes);
    EXPECT_TRUE(outcome.sensitivity) << outcome.refusal;
    static const Sensitivity kNone;
    return outcome.sensitivity ? *outcome.sensitivity : kNone;
}

// Greenwich offsets in seconds.
constexpr int H(int hours) { return hours * 3600; }

TEST(Sensitivity, EveryCrossingIsWhereTheChartsChange) {
    const Site sites[] = {
        {"north of the equator, whole signs", "Asia/Kolkata", 12.9716, 77.5946, {1980, 3, 5, 9, 5, 0},
         HouseSystem::WholeSign, 30, kIst, kIst, {}},
        {"south of the equator, Placidus", "Australia/Sydney", -33.8688, 151.2093, {1995, 7, 14, 18, 30, 0},
         HouseSystem::Placidus, 30, H(10), H(10), {}},
        {"west and south, Sripati", "America/Argentina/Buenos_Aires", -34.6037, -58.3816, {2001, 11, 20, 3, 15, 27},
         HouseSystem::Sripati, 20, -H(3), -H(3), {}},
        {"Tromsø, where the ascendant runs fast", "Europe/Oslo", 69.6492, 18.9553, {1990, 1, 15, 10, 0, 0},
         HouseSystem::WholeSign, 30, H(1), H(1), {}},
        {"60° N, Placidus", "Europe/Helsinki", 60.1699, 24.9384, {1985, 2, 10, 14, 0, 0}, HouseSystem::Placidus,
         30, H(2), H(2), {}},
        {"64° N, equal houses", "Atlantic/Reykjavik", 64.1466, -21.9426, {2010, 6, 21, 23, 40, 0},
         HouseSystem::Equal, 15, 0, 0, {}},
        {"New York, the clocks go forward inside the window", "America/New_York", 40.7128, -74.0060,
         {2021, 3, 14, 1, 50, 0}, HouseSystem::Placidus, 30, -H(5), -H(4), {2021, 3, 14, 7, 0, 0}},
        {"London, the clocks go back inside the window", "Europe/London", 51.5074, -0.1278,
         {2020, 10, 25, 1, 20, 0}, HouseSystem::WholeSign, 60, H(1), 0, {2020, 10, 25, 1, 0, 0}},
    };
    for (const Site& site : sites) {
        SCOPED_TRACE(site.what);
        const ChartOutcome given = ComputeChart(BirthOf(site), kWants);
        ASSERT_TRUE(given.Computed()) << given.refusal.message;
        SensitivityOutcome outcome;
        const Sensitivity& s = Computed(*given.chart, site.minutes, outcome);
        ASSERT_EQ(s.firstSecond, -60 * site.minutes);
        ASSERT_EQ(s.lastSecond, 60 * site.minutes);
        EXPECT_TRUE(s.note.empty());
        Charts charts(site, *given.chart);
        int crossings = 0;
        for (const SensitivityItem& item : s.items) {
            SCOPED_TRACE(item.name);
            EXPECT_EQ(item.value, Shown(item, charts.At(0)));
            // The stretches between crossings, each with its value.
            int from = s.firstSecond;
            int value = Shown(item, charts.At(from));
            for (const SensitivityCrossing& c : item.crossings) {
                ++crossings;
                ASSERT_GT(c.second, from);
                ASSERT_LE(c.second, s.lastSecond);
                EXPECT_EQ(c.from, value);
                EXPECT_NE(c.from, c.to);
                EXPECT_EQ(Shown(item, charts.At(c.second - 1)), c.from) << "one second before " << c.second;
                EXPECT_EQ(Shown(item, charts.At(c.second)), c.to) << "at " << c.second;
                EXPECT_EQ(Shown(item, charts.At((from + c.second - 1) / 2)), value) << "between " << from;
                EXPECT_DOUBLE_EQ(c.julianDayUT, charts.At(c.second).julianDayUT);
                EXPECT_EQ(c.utcOffsetSeconds, charts.At(c.second).utcOffsetSeconds);
                from = c.second;
                value = c.to;
            }
            EXPECT_EQ(Shown(item, charts.At((from + s.lastSecond) / 2)), value) << "after " << from;
            EXPECT_EQ(Shown(item, charts.At(s.lastSecond)), value);
        }
        // The ascendant alone crosses some five boundaries a degree.
        EXPECT_GT(crossings, 30);
    }
}

TEST(Sensitivity, TheShiftedChartIsTheChartOfThatMoment) {
    // Across the change of New York's clocks: 01:50 EST, 20 minutes later
    // (07:10 UTC) is 03:10 EDT; London's repeated hour: 01:20 BST (00:20
    // UTC), 50 minutes later is 01:10 GMT, the second reading.
    struct Shift {
        const char* zone;
        LocalClock given;
        int second;
        LocalClock shown;
        int offset;
    };
    for (const Shift& s : {Shift{"America/New_York", {2021, 3, 14, 1, 50, 0}, 1200, {2021, 3, 14, 3, 10, 0}, -H(4)},
                           Shift{"America/New_York", {2021, 3, 14, 1, 50, 0}, -61, {2021, 3, 14, 1, 48, 59}, -H(5)},
                           Shift{"Europe/London", {2020, 10, 25, 1, 20, 0}, 3000, {2020, 10, 25, 1, 10, 0}, 0},
                           Shift{"Asia/Kolkata", {1980, 3, 5, 23, 55, 0}, 301, {1980, 3, 6, 0, 0, 1}, kIst}}) {
        SCOPED_TRACE(s.zone);
        Birth b;
        b.clock = s.given;
        b.timeZoneId = s.zone;
        b.repeated = RepeatedHour::Earlier;
        b.latitude = 40;
        b.longitude = -30;
        const ChartOutcome given = ComputeChart(b, kWants);
        ASSERT_TRUE(given.Computed()) << given.refusal.message;
        const ChartOutcome shifted = ComputeShiftedChart(*given.chart, s.second, kWants);
        ASSERT_TRUE(shifted.Computed()) << shifted.refusal.message;
        const ChartBirth& c = shifted.chart->birth;
        EXPECT_EQ(c.clock.hour * 3600 + c.clock.minute * 60 + c.second, s.shown.Hour * 3600 + s.shown.Minute * 60 + s.shown.Second);
        EXPECT_EQ(c.clock.day, s.shown.Day);
        EXPECT_EQ(shifted.chart->utcOffsetSeconds, s.offset);
        EXPECT_NEAR((shifted.chart->julianDayUT - given.chart->julianDayUT) * 86400, s.second, 1e-3);
    }
}

TEST(Sensitivity, TheMoonLeavesJyeshthaWhenThePanchangaSays) {
    // New Delhi, 22 November 2025 (Drik Panchang; 10upon10.com: 16:47:40).
    struct Published {
        LocalClock birth;
        int fromQuarter, toQuarter;  // Jyeshtha is the 18th nakshatra (index 17), Mula the 19th
        int hour, minute;
        bool moonChangesSign;
    };
    for (const Published& p : {Published{{2025, 11, 22, 10, 0, 0}, 17 * 4 + 2, 17 * 4 + 3, 10, 5, false},
                               Published{{2025, 11, 22, 16, 40, 0}, 17 * 4 + 3, 18 * 4, 16, 47, true}}) {
        Birth b;
        b.clock = p.birth;
        b.timeZoneId = "Asia/Kolkata";
        b.latitude = 28.6139;
        b.longitude = 77.2090;
        const ChartOutcome given = ComputeChart(b, kWants);
        ASSERT_TRUE(given.Computed());
        SensitivityOutcome outcome;
        const Sensitivity& s = Computed(*given.chart, 30, outcome);
        const auto item = [&s](SensitivityKind kind, int body) -> const SensitivityItem& {
            for (const SensitivityItem& i : s.items)
                if (i.kind == kind && i.body == body && i.index == 0) return i;
            return s.items.front();
        };
        const SensitivityItem& nakshatra = item(SensitivityKind::MoonNakshatra, 1);
        ASSERT_EQ(nakshatra.crossings.size(), 1u);
        const SensitivityCrossing& c = nakshatra.crossings[0];
        EXPECT_EQ(c.from, p.fromQuarter);
        EXPECT_EQ(c.to, p.toQuarter);
        // Within the published minute, give or take the half minute a
        // panchanga's rounding and its ayanamsa's decimals leave.
        const LocalClock at = LocalClockAt(c.julianDayUT, kIst);
        const int published = p.hour * 3600 + p.minute * 60 + 30;
        EXPECT_NEAR(at.Hour * 3600 + at.Minute * 60 + at.Second, published, 60);
        const SensitivityItem& sign = item(SensitivityKind::VargaSign, 1);
        ASSERT_EQ(sign.crossings.size(), p.moonChangesSign ? 1u : 0u);
        if (p.moonChangesSign) {
            EXPECT_EQ(sign.crossings[0].second, c.second);
            EXPECT_EQ(sign.crossings[0].from, 7);  // Vrishchika
            EXPECT_EQ(sign.crossings[0].to, 8);    // Dhanu
        }
    }
}

TEST(Sensitivity, DashaDatesMoveAsTheChartsSay) {
    // The major periods' starts of the charts ten minutes either side.
    for (const LocalClock clock : {LocalClock{1980, 3, 5, 9, 5, 0}, LocalClock{2003, 8, 1, 22, 30, 0}}) {
        const ChartOutcome given = ComputeChart(IndianBirth(clock), kWants);
        ASSERT_TRUE(given.Computed());
        SensitivityOutcome outcome;
        const Sensitivity& s = Computed(*given.chart, 10, outcome);
        Site site{"", "Asia/Kolkata", 13, 77.6, clock, HouseSystem::WholeSign, 10, kIst, kIst, {}};
        Charts charts(site, *given.chart);
        const auto start = [&](int second) {
            return static_cast<double>(charts.At(second).Dasha(DashaSystem::Vimshottari).majors[1].start);
        };
        ASSERT_EQ(charts.At(-600).nakshatras[1].index, charts.At(600).nakshatras[1].index) << "the Moon stays in its nakshatra";
        const double daysPerMinute = (start(600) - start(-600)) / 86400e6 / 20;
        EXPECT_NEAR(s.dashaShiftDaysPerMinute, daysPerMinute, 0.01);
        // Some five days a minute, earlier as the birth is later.
        EXPECT_LT(s.dashaShiftDaysPerMinute, -1);
        EXPECT_GT(s.dashaShiftDaysPerMinute, -10);
    }
}

TEST(Sensitivity, TheWindowIsCutToTheYearsComputed) {
    struct Edge {
        LocalClock clock;
        int first, last;
        const char* said;
    };
    for (const Edge& e : {Edge{{1800, 1, 1, 0, 10, 0}, -600, 1800, "The window begins at 1800-01-01T00:00:00"},
                          Edge{{2399, 12, 31, 23, 45, 0}, -1800, 899, "The window ends at 2399-12-31T23:59:59"}}) {
        const ChartOutcome given = ComputeChart(IndianBirth(e.clock), kWants);
        ASSERT_TRUE(given.Computed()) << given.refusal.message;
        SensitivityOutcome outcome;
        const Sensitivity& s = Computed(*given.chart, 30, outcome);
        EXPECT_EQ(s.firstSecond, e.first);
        EXPECT_EQ(s.lastSecond, e.last);
        EXPECT_EQ(s.note.rfind(e.said, 0), 0u) << s.note;
        EXPECT_NE(s.note.find("1800 to 2399"), std::string::npos) << s.note;
        for (const SensitivityItem& item : s.items)
            for (const SensitivityCrossing& c : item.crossings) {
                EXPECT_GE(c.second, e.first);
                EXPECT_LE(c.second, e.last);
            }
    }
}

TEST(Sensitivity, Refusals) {
    Birth b = IndianBirth({1980, 3, 5, 9, 5, 0});
    const ChartOutcome precise = ComputeChart(b, kWants);
    ASSERT_TRUE(precise.Computed());
    for (int minutes : {0, -5, 181, 100000}) {
        const SensitivityOutcome outcome = ComputeSensitivity(*precise.chart, minutes);
        EXPECT_FALSE(outcome.sensitivity);
        EXPECT_NE(outcome.refusal.find("1 to 180 minutes"), std::string::npos) << outcome.refusal;
    }
    b.mode = ComputationMode::Classic;
    b.timeZoneId.clear();
    b.zoneEntry = 34;  // "Indian Time, IST, +5.3"
    const ChartOutcome classic = ComputeChart(b, kWants);
    ASSERT_TRUE(classic.Computed()) << classic.refusal.message;
    const SensitivityOutcome outcome = ComputeSensitivity(*classic.chart, 30);
    EXPECT_FALSE(outcome.sensitivity);
    EXPECT_NE(outcome.refusal.find("choose precise positions"), std::string::npos) << outcome.refusal;
}

TEST(Sensitivity, ValueTexts) {
    SensitivityItem item;
    struct Case {
        SensitivityKind kind;
        int value;
        const char* text;
    };
    // Quarter 70: Jyeshtha's third pada; 5 × 9 + 2: Rahu's major period
    // (the sequence Ketu, Venus, Sun, Moon, Mars, Rahu, …), Saturn's sub-period.
    for (const Case& c : {Case{SensitivityKind::VargaSign, 4, "Leo"}, Case{SensitivityKind::MoonNakshatra, 70, "Jyeshtha 3"},
                          Case{SensitivityKind::LagnaNakshatra, 0, "Ashwini 1"},
                          Case{SensitivityKind::Vimshottari, 5 * 9 + 2, "Rahu\u2013Saturn"},
                          Case{SensitivityKind::Vimshottari, 8 * 9 + 1, "Mercury\u2013Ketu"},
                          Case{SensitivityKind::Bhava, 7, "house 7"}, Case{SensitivityKind::CuspSign, 11, "Pisces"}}) {
        item.kind = c.kind;
        EXPECT_EQ(SensitivityValueText(item, c.value), c.text);
    }
}

}  // namespace
}  // namespace velmora
