// The built-in station tables: counts, fixed end rows, order, lengths, and
// the reading of a row's text.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/RetrogradeStations.h"
#include "engine/Retrogrades.h"
#include "tests/core/engine/RetrogradeTestDays.h"

namespace velmora {
namespace {

using velmora::retrograde_test::DayNumber;

std::int64_t MinuteNumber(const CivilMoment& m) {
    return DayNumber(m.year, m.month, m.day) * 1440 + m.hour * 60 + m.minute;
}

struct TableCase {
    std::string_view planet;
    std::size_t count;
    std::string_view firstStart, firstEnd, lastStart, lastEnd;
    int minDays, maxDays;  // whole elapsed days from station retrograde to station direct
    double synodicDays;    // mean time from one station retrograde to the next
};

const TableCase kTables[] = {
    {"Mercury", 476, "3,15,1900,13,19,", "4,7,1900,18,42,", "12,1,2050,17,17,", "12,21,2050,11,33,", 19, 24,
     115.88},
    {"Venus", 95, "6,16,1900,22,56,", "7,30,1900,2,44,", "9,25,2050,22,15,", "11,6,2050,19,4,", 40, 43, 583.92},
    {"Mars", 71, "1,13,1901,6,16,", "4,4,1901,7,21,", "7,15,2050,5,50,", "9,13,2050,9,41,", 59, 81, 779.94},
    {"Jupiter", 139, "3,27,1900,20,39,", "7,29,1900,1,35,", "12,21,2050,13,21,", "4,21,2051,23,46,", 116, 124,
     398.88},
    {"Saturn", 146, "4,14,1900,6,2,", "9,2,1900,14,39,", "5,18,2050,13,6,", "10,6,2050,11,5,", 133, 141, 378.09},
};

class StationTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(StationTable, HasItsCountAndFixedFirstAndLastRows) {
    const TableCase& c = GetParam();
    const auto periods = Retrogrades::Periods(c.planet);
    ASSERT_EQ(periods.size(), c.count);
    EXPECT_EQ(periods.front().start.text, c.firstStart);
    EXPECT_EQ(periods.front().end.text, c.firstEnd);
    EXPECT_EQ(periods.back().start.text, c.lastStart);
    EXPECT_EQ(periods.back().end.text, c.lastEnd);
}

TEST_P(StationTable, EveryRowTextReadsAsItsMoment) {
    for (const RetrogradePeriod& p : Retrogrades::Periods(GetParam().planet)) {
        for (const StationRow& row : {p.start, p.end}) {
            const std::optional<CivilMoment> parsed = ParseStationRow(row.text);
            ASSERT_TRUE(parsed.has_value()) << row.text;
            EXPECT_EQ(*parsed, row.moment) << row.text;
            EXPECT_GE(row.moment.day, 1);
            EXPECT_LE(row.moment.day, 31);
        }
    }
}

TEST_P(StationTable, PeriodsAreChronologicalSeparateAndOfPlausibleLength) {
    const TableCase& c = GetParam();
    const auto periods = Retrogrades::Periods(c.planet);
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const RetrogradePeriod& p = periods[i];
        SCOPED_TRACE(std::string(p.start.text) + " " + std::string(p.end.text));
        const std::int64_t start = MinuteNumber(p.start.moment);
        const std::int64_t end = MinuteNumber(p.end.moment);
        ASSERT_LT(start, end);
        const std::int64_t wholeDays = (end - start) / 1440;
        EXPECT_GE(wholeDays, c.minDays);
        EXPECT_LE(wholeDays, c.maxDays);
        // A period belongs to the table by the year of its station retrograde.
        EXPECT_GE(p.start.moment.year, 1900);
        EXPECT_LE(p.start.moment.year, 2050);
        if (i + 1 < periods.size()) {
            const std::int64_t nextStart = MinuteNumber(periods[i + 1].start.moment);
            EXPECT_LT(end, nextStart);
            // A missed or doubled station would halve or double this spacing.
            const double spacing = static_cast<double>(nextStart - start) / 1440.0;
            EXPECT_GT(spacing, 0.9 * c.synodicDays);
            EXPECT_LT(spacing, 1.1 * c.synodicDays);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Planets, StationTable, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.planet); });

TEST(StationTables, OtherNamesHaveNoPeriods) {
    for (std::string_view name : {"Sun", "Moon", "Rahu", "Ketu", "Asc", "mercury", "MARS", "Saturn ", "", "Venus (R) "}) {
        EXPECT_TRUE(Retrogrades::Periods(name).empty()) << '"' << name << '"';
    }
}

struct RowCase {
    std::string_view text;
    std::optional<CivilMoment> expected;
};

const RowCase kRows[] = {
    {"3,15,1900,13,19,", CivilMoment{1900, 3, 15, 13, 19}},
    {"12,31,2051,23,59,", CivilMoment{2051, 12, 31, 23, 59}},
    {"1,1,1900,0,0,", CivilMoment{1900, 1, 1, 0, 0}},
    {"11,6,2050,19,4,", CivilMoment{2050, 11, 6, 19, 4}},
    {"", std::nullopt},
    {"3,15,1900,13,19", std::nullopt},     // no trailing comma
    {"3,15,1900,13,19,,", std::nullopt},   // a sixth, empty field
    {"3,15,1900,13,", std::nullopt},       // four fields
    {"03,15,1900,13,19,", std::nullopt},   // leading zero
    {"3,15,1900,00,19,", std::nullopt},
    {"3,,1900,13,19,", std::nullopt},
    {"3, 15,1900,13,19,", std::nullopt},
    {"3,15,-1900,13,19,", std::nullopt},
    {"3,15,19000,13,19,", std::nullopt},
    {"a,15,1900,13,19,", std::nullopt},
    {"0,15,1900,13,19,", std::nullopt},    // month out of range
    {"13,15,1900,13,19,", std::nullopt},
    {"3,0,1900,13,19,", std::nullopt},     // day out of range
    {"3,32,1900,13,19,", std::nullopt},
    {"3,15,1899,13,19,", std::nullopt},    // year out of range
    {"3,15,2052,13,19,", std::nullopt},
    {"3,15,1900,24,19,", std::nullopt},    // hour out of range
    {"3,15,1900,13,60,", std::nullopt},    // minute out of range
};

class StationRowText : public ::testing::TestWithParam<RowCase> {};

TEST_P(StationRowText, ReadsOnlyWellFormedRows) {
    const RowCase& c = GetParam();
    EXPECT_EQ(ParseStationRow(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Rows, StationRowText, ::testing::ValuesIn(kRows));

TEST(StationRowText, MismatchedDateIsCaught) {
    constexpr std::array<RetrogradePeriod, 1> good = {{
        {{"3,15,1900,13,19,", {1900, 3, 15, 13, 19}}, {"4,7,1900,18,42,", {1900, 4, 7, 18, 42}}},
    }};
    constexpr std::array<RetrogradePeriod, 1> wrongEnd = {{
        {{"3,15,1900,13,19,", {1900, 3, 15, 13, 19}}, {"4,7,1900,18,42,", {1900, 4, 7, 18, 24}}},
    }};
    static_assert(RowsMatchTheirDates(good));
    EXPECT_TRUE(RowsMatchTheirDates(good));
    EXPECT_FALSE(RowsMatchTheirDates(wrongEnd));
}

}  // namespace
}  // namespace velmora
