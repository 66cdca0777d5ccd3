// The rule at the end of a compiled zone file (a POSIX TZ string, RFC 8536).

#include "birth/PosixTz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace velmora {
namespace {

struct Reading {
    int offset;
    bool dst;
    const char* abbreviation;
};

struct ChangeCase {
    const char* rule;
    long long at;  // Universal Time, seconds since 1970
    Reading before, after;
};

// The change-overs as the C library reads the same strings (glibc's tzset and
// localtime through Python's time module, an implementation independent of
// this one), in a leap year and the year after:
//     python3 tools/posix-tz-table.py > tests/entry/PosixTzChanges.inc
const ChangeCase kChanges[] = {
#include "PosixTzChanges.inc"
};

void ExpectReading(const date::sys_info& info, const Reading& r) {
    EXPECT_EQ(info.offset.count(), r.offset);
    EXPECT_EQ(info.save.count() != 0, r.dst);
    EXPECT_EQ(info.abbrev, r.abbreviation);
}

TEST(PosixTz, ChangeOversAsTheCLibraryReadsThem) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(testing::Message() << c.rule << " at " << c.at);
        const std::optional<PosixTz> tz = ParsePosixTz(c.rule);
        ASSERT_TRUE(tz.has_value());
        const date::sys_seconds at{std::chrono::seconds{c.at}};
        const date::sys_info before = PosixTzPeriod(*tz, at - std::chrono::seconds{1});
        const date::sys_info after = PosixTzPeriod(*tz, at);
        ExpectReading(before, c.before);
        ExpectReading(after, c.after);
        EXPECT_EQ(before.end, at);
        EXPECT_EQ(after.begin, at);
    }
}

TEST(PosixTz, ZonesWithoutDaylightSavingAndAllYearDaylightSaving) {
    const struct {
        const char* rule;
        Reading reading;  // the whole of 2040
    } cases[] = {
        {"IST-5:30", {19800, false, "IST"}},
        {"<+0545>-5:45", {20700, false, "+0545"}},
        {"<-01>1", {-3600, false, "-01"}},
        {"UTC0", {0, false, "UTC"}},
        // Daylight saving all year, RFC 8536 section 3.3.1's example.
        {"EST5EDT,0/0,J365/25", {-14400, true, "EDT"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const std::optional<PosixTz> tz = ParsePosixTz(c.rule);
        ASSERT_TRUE(tz.has_value());
        for (const date::year_month_day day : {date::year{2040} / 1 / 1, date::year{2040} / 6 / 15,
                                               date::year{2040} / 12 / 31}) {
            ExpectReading(PosixTzPeriod(*tz, date::sys_seconds{date::sys_days{day}} + std::chrono::hours{12}),
                          c.reading);
        }
    }
}

TEST(PosixTz, MalformedStringsAreRefused) {
    for (const char* text : {"", "EST", "ES5", "<AB>5", "EST+", "EST25", "EST5EDT", "EST5EDT,M3.2.0",
                             "EST5EDT,M13.1.0,M11.1.0", "EST5EDT,M3.6.0,M11.1.0", "EST5EDT,M3.2.7,M11.1.0",
                             "EST5EDT,M3.0.0,M11.1.0", "EST5EDT,J0,J365", "EST5EDT,366,1", "EST5EDT,M3.2.0/168,M11.1.0",
                             "EST5EDT,M3.2.0,M11.1.0x", "EST5:60", "<A/B>5", "EST5EDT4,M3.2.0/2:60,M11.1.0"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParsePosixTz(text).has_value());
    }
}

// The zone file's own last line is its rule (RFC 8536 section 3.3).
TEST(PosixTz, FooterOfACompiledZoneFile) {
    std::ifstream in("/usr/share/zoneinfo/Europe/Madrid", std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(contents.empty());
    EXPECT_EQ(TzifFooter(contents), "CET-1CEST,M3.5.0,M10.5.0/3");
    // Cut short, not a zone file, or a version 1 file: no rule.
    EXPECT_FALSE(TzifFooter(contents.substr(0, contents.size() - 5)).has_value());
    EXPECT_FALSE(TzifFooter(contents.substr(0, 60)).has_value());
    EXPECT_FALSE(TzifFooter("TZjf" + contents.substr(4)).has_value());
    std::string versionOne = contents;
    versionOne[4] = '\0';
    EXPECT_FALSE(TzifFooter(versionOne).has_value());
}

}  // namespace
}  // namespace velmora
