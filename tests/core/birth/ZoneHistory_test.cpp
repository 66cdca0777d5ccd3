// Offsets at birth moments, as the IANA time-zone database (tzdata, the
// files under /usr/share/zoneinfo) records them: zones asia, northamerica,
// europe and australasia of the tz source.

#include "birth/ZoneHistory.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

struct ZoneCase {
    const char* zone;
    LocalClock clock;
    const char* offset;  // UTC offset text
    bool dst;
};

TEST(ZoneHistory, OffsetsAsTheDatabaseRecordsThem) {
    const ZoneCase cases[] = {
        {"Asia/Kolkata", {1942, 9, 1, 12, 0, 0}, "+06:30", true},      // war time, 1942-09-01 to 1945-10-15
        {"Asia/Kolkata", {1980, 3, 5, 9, 5, 0}, "+05:30", false},
        {"America/New_York", {1976, 7, 4, 9, 15, 0}, "-04:00", true},
        {"Europe/London", {1968, 6, 1, 12, 0, 0}, "+01:00", true},     // summer time before the 1968 change
        {"Europe/London", {1969, 6, 1, 12, 0, 0}, "+01:00", false},    // British Standard Time, 1968-10-27 to 1971-10-31
        {"Asia/Kathmandu", {1985, 6, 1, 12, 0, 0}, "+05:30", false},
        {"Asia/Kathmandu", {1986, 6, 1, 12, 0, 0}, "+05:45", false},
        {"Australia/Sydney", {1988, 1, 15, 12, 0, 0}, "+11:00", true},
        {"Asia/Kolkata", {1900, 1, 1, 12, 0, 0}, "+05:21:10", false},  // local mean time of Madras
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.clock.Year << "-" << c.clock.Month);
        const ZoneLookup found = LookUpZone(c.zone, c.clock);
        ASSERT_TRUE(found.Found) << found.Message;
        EXPECT_EQ(UtcOffsetText(found.Moment.OffsetSeconds), c.offset);
        EXPECT_EQ(found.Moment.DaylightSaving, c.dst);
        if (!c.dst) {
            EXPECT_EQ(found.Moment.StandardOffsetSeconds, found.Moment.OffsetSeconds);
        }
    }
}

TEST(ZoneHistory, PeriodsFollowTheClockThroughUniversalTime) {
    // Seconds since 1970-01-01 00:00 UT of a Universal Time.
    const auto unix = [](LocalClock ut) { return std::llround((JulianDayOf(ut, 0) - 2440587.5) * 86400); };
    struct PeriodCase {
        const char* zone;
        LocalClock ut;
        int offset;
        bool dst;
        LocalClock until;  // the Universal Time the clock next changes
    };
    const PeriodCase cases[] = {
        // New York went to EDT at 07:00 UTC on 14 March 2021 and back to
        // EST at 06:00 UTC on 7 November 2021 (US rule since 2007).
        {"America/New_York", {2021, 3, 14, 6, 59, 59}, -5 * 3600, false, {2021, 3, 14, 7, 0, 0}},
        {"America/New_York", {2021, 3, 14, 7, 0, 0}, -4 * 3600, true, {2021, 11, 7, 6, 0, 0}},
        // London went back from BST to GMT at 01:00 UTC on 25 October 2020.
        {"Europe/London", {2020, 10, 25, 0, 59, 59}, 3600, true, {2020, 10, 25, 1, 0, 0}},
        // After the files' listed changes, by their closing rule: the second
        // Sunday of March 2040 is the 11th.
        {"America/New_York", {2040, 1, 1, 0, 0, 0}, -5 * 3600, false, {2040, 3, 11, 7, 0, 0}},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.ut.Year << "-" << c.ut.Month << "-" << c.ut.Day);
        const ZonePeriod p = ZonePeriodAt(c.zone, unix(c.ut));
        ASSERT_TRUE(p.Found) << p.Message;
        EXPECT_EQ(p.Moment.OffsetSeconds, c.offset);
        EXPECT_EQ(p.Moment.DaylightSaving, c.dst);
        EXPECT_EQ(p.UntilUnixSeconds, unix(c.until));
    }
    EXPECT_FALSE(ZonePeriodAt("Nowhere/Atlantis", 0).Found);
}

TEST(ZoneHistory, SkippedAndRepeatedHours) {
    const ZoneLookup skipped = LookUpZone("America/New_York", {2021, 3, 14, 2, 30, 0});
    EXPECT_FALSE(skipped.Found);
    EXPECT_EQ(skipped.Message,
              "2021-03-14 02:30 did not exist in America/New_York: the clocks went from 02:00 (UTC-05:00) straight "
              "to 03:00 (UTC-04:00 (daylight saving))");

    const LocalClock twice{2021, 11, 7, 1, 30, 0};
    const ZoneLookup unresolved = LookUpZone("America/New_York", twice);
    EXPECT_FALSE(unresolved.Found);
    EXPECT_NE(unresolved.Message.find("happened twice"), std::string::npos) << unresolved.Message;
    const ZoneLookup earlier = LookUpZone("America/New_York", twice, RepeatedHour::Earlier);
    const ZoneLookup later = LookUpZone("America/New_York", twice, RepeatedHour::Later);
    ASSERT_TRUE(earlier.Found && later.Found);
    EXPECT_EQ(UtcOffsetText(earlier.Moment.OffsetSeconds), "-04:00");
    EXPECT_EQ(UtcOffsetText(later.Moment.OffsetSeconds), "-05:00");

    const ZoneLookup unknown = LookUpZone("Asia/Atlantis", {2000, 1, 1, 0, 0, 0});
    EXPECT_FALSE(unknown.Found);
    EXPECT_NE(unknown.Message.find("no zone is named \"Asia/Atlantis\""), std::string::npos);
}

TEST(ZoneHistory, TextsAndMinutes) {
    const ZoneLookup lmt = LookUpZone("Asia/Kolkata", {1900, 1, 1, 12, 0, 0});
    ASSERT_TRUE(lmt.Found);
    EXPECT_EQ(lmt.Moment.OffsetMinutes(), 5 * 60 + 21);  // +5:21:10 to the minute
    const ZoneLookup war = LookUpZone("Asia/Kolkata", {1942, 9, 1, 12, 0, 0});
    EXPECT_EQ(DescribeZoneMoment(war.Moment, {1942, 9, 1, 12, 0, 0}),
              "Asia/Kolkata: UTC+06:30, daylight saving on 1 September 1942 at 12:00");
    EXPECT_EQ(war.Moment.StandardOffsetSeconds, 5 * 3600 + 30 * 60);
    EXPECT_EQ(UtcOffsetText(-(3 * 3600 + 30 * 60)), "-03:30");
    // Summer time in London, 1968: GMT underneath.
    const ZoneLookup summer = LookUpZone("Europe/London", {1968, 6, 1, 12, 0, 0});
    EXPECT_EQ(summer.Moment.StandardOffsetSeconds, 0);
    const ZoneLookup newYork = LookUpZone("America/New_York", {1976, 7, 4, 9, 15, 0});
    EXPECT_EQ(newYork.Moment.StandardOffsetSeconds, -5 * 3600);
}

// Before 1901 (precise charts reach 1800) the offsets are the database's
// entries as they stand, and the zone line names them and whose time they
// are. Offsets and abbreviations from Python's zoneinfo on the same tzdata.
TEST(ZoneHistory, BeforeNineteenOhOneTheLineNamesTheDatabasesMeanTimes) {
    const struct {
        const char* zone;
        LocalClock clock;
        int offsetSeconds;  // zoneinfo's utcoffset()
        const char* line;
    } cases[] = {
        {"Asia/Kolkata", {1800, 10, 2, 12, 0, 0}, 5 * 3600 + 53 * 60 + 28,
         "Asia/Kolkata: UTC+05:53:28 (LMT) on 2 October 1800 at 12:00, as the tz database gives it before 1901: "
         "the local mean time of Kolkata, not of the birth place"},
        {"Asia/Kolkata", {1869, 10, 2, 7, 11, 45}, 5 * 3600 + 53 * 60 + 20,
         "Asia/Kolkata: UTC+05:53:20 (HMT) on 2 October 1869 at 07:11, as the tz database gives it before 1901: "
         "a city's mean time, not the birth place's"},
        {"Asia/Kolkata", {1890, 10, 2, 12, 0, 0}, 5 * 3600 + 21 * 60 + 10,
         "Asia/Kolkata: UTC+05:21:10 (MMT) on 2 October 1890 at 12:00, as the tz database gives it before 1901: "
         "a city's mean time, not the birth place's"},
        {"America/Argentina/Buenos_Aires", {1869, 10, 2, 12, 0, 0}, -(3 * 3600 + 53 * 60 + 48),
         "America/Argentina/Buenos_Aires: UTC-03:53:48 (LMT) on 2 October 1869 at 12:00, as the tz database gives "
         "it before 1901: the local mean time of Buenos Aires, not of the birth place"},
        {"Europe/London", {1869, 10, 2, 12, 0, 0}, 0,
         "Europe/London: UTC+00:00 (GMT) on 2 October 1869 at 12:00, as the tz database gives it before 1901"},
        {"America/New_York", {1890, 10, 2, 12, 0, 0}, -5 * 3600,
         "America/New_York: UTC-05:00 (EST) on 2 October 1890 at 12:00, as the tz database gives it before 1901"},
        {"Asia/Tokyo", {1869, 10, 2, 12, 0, 0}, 9 * 3600 + 18 * 60 + 59,
         "Asia/Tokyo: UTC+09:18:59 (LMT) on 2 October 1869 at 12:00, as the tz database gives it before 1901: the "
         "local mean time of Tokyo, not of the birth place"},
        // From 1901 on, the line as ever.
        {"Asia/Kolkata", {1901, 1, 1, 12, 0, 0}, 5 * 3600 + 21 * 60 + 10,
         "Asia/Kolkata: UTC+05:21:10 on 1 January 1901 at 12:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.clock.Year));
        const ZoneLookup found = LookUpZone(c.zone, c.clock);
        ASSERT_TRUE(found.Found) << found.Message;
        EXPECT_EQ(found.Moment.OffsetSeconds, c.offsetSeconds);
        EXPECT_FALSE(found.Moment.DaylightSaving);
        EXPECT_EQ(DescribeZoneMoment(found.Moment, c.clock), c.line);
    }
}

// After the compiled files' last listed change (2037) the rule at each file's
// end governs. The expected readings are Python's zoneinfo on the same tzdata,
// an implementation independent of this one:
//     python3 tools/zoneinfo-table.py > tests/entry/ZoneRuleYears.inc
enum class Shown { Once, Skipped, Twice };

struct Reading {
    int offset;
    bool dst;
    const char* abbreviation;
    int standardOffset;
};

struct RuleYearCase {
    const char* zone;
    LocalClock clock;
    Shown shown;
    Reading first, second;  // before and after the change; earlier and later when shown twice
};

const RuleYearCase kRuleYears[] = {
#include "ZoneRuleYears.inc"
};

void ExpectReading(const ZoneLookup& found, const Reading& r) {
    ASSERT_TRUE(found.Found) << found.Message;
    EXPECT_EQ(UtcOffsetText(found.Moment.OffsetSeconds), UtcOffsetText(r.offset));
    EXPECT_EQ(found.Moment.DaylightSaving, r.dst);
    EXPECT_EQ(found.Moment.Abbreviation, r.abbreviation);
    EXPECT_EQ(found.Moment.StandardOffsetSeconds, r.standardOffset);
}

TEST(ZoneHistory, YearsAfterTheListedChangesFollowTheFilesRule) {
    for (const RuleYearCase& c : kRuleYears) {
        const LocalClock& k = c.clock;
        SCOPED_TRACE(testing::Message() << c.zone << " " << k.Year << "-" << k.Month << "-" << k.Day << " " << k.Hour
                                        << ":" << k.Minute);
        const ZoneLookup unresolved = LookUpZone(c.zone, k);
        switch (c.shown) {
        case Shown::Once:
            ExpectReading(unresolved, c.first);
            break;
        case Shown::Skipped:
            EXPECT_FALSE(unresolved.Found);
            EXPECT_FALSE(unresolved.Repeated);
            EXPECT_NE(unresolved.Message.find("did not exist in " + std::string(c.zone)), std::string::npos)
                << unresolved.Message;
            EXPECT_NE(unresolved.Message.find("(UTC" + UtcOffsetText(c.first.offset)), std::string::npos)
                << unresolved.Message;
            EXPECT_NE(unresolved.Message.find("(UTC" + UtcOffsetText(c.second.offset)), std::string::npos)
                << unresolved.Message;
            break;
        case Shown::Twice:
            EXPECT_FALSE(unresolved.Found);
            EXPECT_TRUE(unresolved.Repeated) << unresolved.Message;
            ExpectReading(LookUpZone(c.zone, k, RepeatedHour::Earlier), c.first);
            ExpectReading(LookUpZone(c.zone, k, RepeatedHour::Later), c.second);
            break;
        }
    }
}

TEST(ZoneHistory, SkippedHourInTheRuleYearsSaysWhereTheClocksWent) {
    // The second Sunday of March 2045, 02:00 EST became 03:00 EDT (the rule
    // "EST5EDT,M3.2.0,M11.1.0" of America/New_York).
    const ZoneLookup skipped = LookUpZone("America/New_York", {2045, 3, 12, 2, 30, 0});
    EXPECT_EQ(skipped.Message,
              "2045-03-12 02:30 did not exist in America/New_York: the clocks went from 02:00 (UTC-05:00) straight "
              "to 03:00 (UTC-04:00 (daylight saving))");
}

}  // namespace
}  // namespace velmora
