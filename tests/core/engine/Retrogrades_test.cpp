// Whether a planet was retrograde on a birth date, and the " (R) " marks.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Retrogrades.h"
#include "tests/core/engine/RetrogradeTestDays.h"

namespace velmora {
namespace {

using velmora::retrograde_test::DayNumber;

std::int64_t DayNumber(const std::array<int, 5>& fields) {
    return DayNumber(fields[2], fields[0], fields[1]);
}

// Splits a row "month,day,year,hour,minute," at its commas.
std::array<int, 5> SplitRow(std::string_view row) {
    std::array<int, 5> fields{};
    std::size_t pos = 0;
    for (int& field : fields) {
        const std::size_t comma = row.find(',', pos);
        field = std::stoi(std::string(row.substr(pos, comma - pos)));
        pos = comma + 1;
    }
    return fields;
}

// The plain lookup: every period in turn, from its text rows, by counting
// the days from the birth date to each station.
struct PlainScan {
    struct Days {
        std::int64_t start, end;
    };
    std::vector<Days> periods;

    explicit PlainScan(std::string_view planet) {
        for (const RetrogradePeriod& p : Retrogrades::Periods(planet)) {
            periods.push_back({DayNumber(SplitRow(p.start.text)), DayNumber(SplitRow(p.end.text))});
        }
    }

    bool operator()(const CivilMoment& birth) const {
        const std::int64_t birthDay = DayNumber(birth.year, birth.month, birth.day);
        for (const Days& p : periods) {
            if (p.start - birthDay < 0 && p.end - birthDay > 0) return true;
        }
        return false;
    }
};

bool LinearScan(std::string_view planet, const CivilMoment& birth) { return PlainScan(planet)(birth); }

BirthData Birth(int year, int month, int day, int hour = 12, int minute = 0) {
    BirthData b;
    b.BirthName = "TEST";
    b.BirthYear = static_cast<std::int16_t>(year);
    b.BirthMonth = static_cast<std::int16_t>(month);
    b.BirthDay = static_cast<std::int16_t>(day);
    b.BirthClockHour = static_cast<std::int16_t>(hour);
    b.BirthClockMinute = static_cast<std::int16_t>(minute);
    return b;
}

struct LookupCase {
    std::string_view planet;
    CivilMoment birth;  // year, month, day, hour, minute
    bool retrograde;
};

const LookupCase kLookups[] = {
    // Mercury's first period, 1900-03-15 13:19 to 1900-04-07 18:42: the
    // station days themselves never count, whatever the clock says.
    {"Mercury", {1900, 3, 14, 23, 59}, false},
    {"Mercury", {1900, 3, 15, 0, 0}, false},
    {"Mercury", {1900, 3, 15, 23, 0}, false},
    {"Mercury", {1900, 3, 16, 0, 0}, true},
    {"Mercury", {1900, 3, 20, 0, 0}, true},
    {"Mercury", {1900, 3, 20, 23, 59}, true},
    {"Mercury", {1900, 4, 6, 23, 59}, true},
    {"Mercury", {1900, 4, 7, 0, 1}, false},
    {"Mercury", {1900, 4, 7, 23, 59}, false},
    {"Mercury", {1900, 4, 8, 0, 0}, false},
    // Mercury's last period, 2050-12-01 to 2050-12-21.
    {"Mercury", {2050, 12, 2, 0, 0}, true},
    {"Mercury", {2050, 12, 20, 23, 59}, true},
    {"Mercury", {2050, 12, 21, 0, 0}, false},
    {"Mercury", {2050, 12, 22, 12, 0}, false},
    {"Mercury", {1899, 12, 31, 12, 0}, false},
    // Jupiter's last period crosses the year: 2050-12-21 to 2051-04-21.
    {"Jupiter", {2050, 12, 21, 23, 0}, false},
    {"Jupiter", {2050, 12, 22, 0, 0}, true},
    {"Jupiter", {2050, 12, 31, 23, 59}, true},
    {"Jupiter", {2051, 1, 1, 0, 0}, true},
    {"Jupiter", {2051, 1, 10, 12, 0}, true},
    {"Jupiter", {2051, 4, 20, 23, 59}, true},
    {"Jupiter", {2051, 4, 21, 23, 59}, false},
    // First periods of the others.
    {"Venus", {1900, 6, 16, 23, 0}, false},
    {"Venus", {1900, 6, 17, 0, 0}, true},
    {"Venus", {1900, 7, 29, 0, 0}, true},
    {"Venus", {1900, 7, 30, 0, 0}, false},
    {"Mars", {1901, 1, 13, 12, 0}, false},
    {"Mars", {1901, 1, 14, 12, 0}, true},
    {"Mars", {1901, 4, 3, 12, 0}, true},
    {"Mars", {1901, 4, 4, 12, 0}, false},
    {"Saturn", {1900, 4, 15, 0, 0}, true},
    {"Saturn", {1900, 9, 1, 23, 59}, true},
    {"Saturn", {1900, 9, 2, 0, 0}, false},
    // Last periods of the others.
    {"Venus", {2050, 10, 1, 0, 0}, true},
    {"Mars", {2050, 9, 12, 0, 0}, true},
    {"Mars", {2050, 9, 13, 0, 0}, false},
    {"Saturn", {2050, 10, 5, 0, 0}, true},
    {"Saturn", {2050, 10, 6, 0, 0}, false},
    // Names that are not one of the five planets.
    {"Sun", {1900, 3, 20, 12, 0}, false},
    {"mercury", {1900, 3, 20, 12, 0}, false},
    {"Mercury ", {1900, 3, 20, 12, 0}, false},
    {"", {1900, 3, 20, 12, 0}, false},
};

class Lookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, ComparesCalendarDatesOnly) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(Retrogrades::IsRetrograde(c.planet, c.birth), c.retrograde)
        << c.planet << " " << c.birth.year << "-" << c.birth.month << "-" << c.birth.day << " " << c.birth.hour
        << ":" << c.birth.minute;
    EXPECT_EQ(LinearScan(c.planet, c.birth), c.retrograde);
}

INSTANTIATE_TEST_SUITE_P(Births, Lookup, ::testing::ValuesIn(kLookups));

TEST(Retrogrades, LookupEqualsThePlainScanOnEveryDay) {
    // Every day from 1899 to 2052, for every planet.
    for (std::string_view planet : kRetrogradePlanets) {
        const PlainScan scan(planet);
        int mismatches = 0;
        for (int year = 1899; year <= 2052; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const std::int64_t days = DayNumber(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1) -
                                 DayNumber(year, month, 1);
                for (int day = 1; day <= days; ++day) {
                    const CivilMoment birth{year, month, day, 6, 30};
                    if (Retrogrades::IsRetrograde(planet, birth) != scan(birth)) ++mismatches;
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << planet;
    }
}

TEST(Retrogrades, AnyTimeAfterJupitersLastStationFindsNothing) {
    for (const CivilMoment& birth : {CivilMoment{2051, 4, 22, 0, 0}, CivilMoment{2051, 12, 31, 23, 59},
                                     CivilMoment{2060, 6, 1, 12, 0}, CivilMoment{1850, 6, 1, 12, 0}}) {
        for (std::string_view planet : kRetrogradePlanets) {
            EXPECT_FALSE(Retrogrades::IsRetrograde(planet, birth)) << planet << " " << birth.year;
        }
    }
}

TEST(Retrogrades, MarsIsNeverRetrogradeIn1900) {
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            EXPECT_FALSE(Retrogrades::IsRetrograde("Mars", {1900, month, day, 12, 0})) << month << "/" << day;
        }
    }
}

std::array<std::string, kBodyCount + 1> Names(std::vector<int> marked) {
    std::array<std::string, kBodyCount + 1> names;
    for (int body = 0; body < kBodyCount; ++body) names[body] = kPlainBodyNames[body];
    for (int body : marked) names[body] += " (R) ";
    return names;
}

struct MarkCase {
    const char* label;
    BirthData birth;
    std::array<bool, 5> flags;
    std::array<std::string, kBodyCount + 1> names;
};

const MarkCase kMarks[] = {
    {"Mercury only", Birth(1900, 3, 20, 0, 0), {true, false, false, false, false}, Names({2})},
    {"Mercury only, late", Birth(1900, 3, 20, 23, 59), {true, false, false, false, false}, Names({2})},
    {"none", Birth(1900, 3, 15, 23, 0), {false, false, false, false, false}, Names({})},
    {"Jupiter and Saturn", Birth(1900, 5, 1), {false, false, false, true, true}, Names({5, 6})},
    {"after the tables", Birth(2051, 4, 22), {false, false, false, false, false}, Names({})},
    {"Jupiter across the year", Birth(2051, 1, 10), {false, false, false, true, false}, Names({5})},
};

TEST(MarkRetrograde, FlagsAndNamesFollowTheFivePlanets) {
    for (const MarkCase& c : kMarks) {
        SCOPED_TRACE(c.label);
        Retrogrades r;
        NameTables names;
        FillNameTables(names);
        r.MarkRetrograde(c.birth, names);
        EXPECT_EQ(r.Flags, c.flags);
        EXPECT_EQ(names.BodyNames, c.names);
    }
}

TEST(MarkRetrograde, MarkIsExactlySpaceRParenthesesSpace) {
    Retrogrades r;
    NameTables names;
    r.MarkRetrograde(Birth(1900, 3, 20), names);
    EXPECT_EQ(names.BodyNames[2], "Mercury (R) ");
}

TEST(MarkRetrograde, ZoneAndDaylightSavingAreIgnored) {
    BirthData plain = Birth(1900, 4, 6, 23, 59);
    BirthData shifted = plain;
    shifted.ZoneHoursAbs = 12;
    shifted.ZoneMinutesAbs = 30;
    shifted.EastLongitude = false;
    shifted.DaylightSaving = true;
    Retrogrades a, b;
    NameTables na, nb;
    a.MarkRetrograde(plain, na);
    b.MarkRetrograde(shifted, nb);
    EXPECT_EQ(a.Flags, b.Flags);
    EXPECT_EQ(na.BodyNames, nb.BodyNames);
    EXPECT_TRUE(a.Flags[0]);
}

TEST(MarkRetrograde, SecondRunLeavesNoStaleMark) {
    // The same objects serve run after run, as in the program.
    Retrogrades r;
    NameTables names;
    FillNameTables(names);
    const std::vector<std::pair<BirthData, std::vector<int>>> runs = {
        {Birth(1900, 5, 1), {5, 6}},
        {Birth(1900, 5, 1), {5, 6}},
        {Birth(1900, 3, 20), {2}},
        {Birth(1900, 3, 10), {}},
        {Birth(1900, 3, 20), {2}},
    };
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i);
        r.MarkRetrograde(runs[i].first, names);
        EXPECT_EQ(names.BodyNames, Names(runs[i].second));
    }
}

TEST(MarkRetrograde, OnlyThePlanetsEverCarryTheMark) {
    // Sun, Moon, Rahu, Ketu and the ascendant stay plain, and a planet's mark
    // always matches its flag, on the first of every month of the tables.
    Retrogrades r;
    NameTables names;
    FillNameTables(names);
    int marked = 0;
    for (int year = 1900; year <= 2051; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 15}) {
                r.MarkRetrograde(Birth(year, month, day), names);
                for (int body : {0, 1, 7, 8, 9}) ASSERT_EQ(names.BodyNames[body], kPlainBodyNames[body]);
                for (std::size_t k = 0; k < 5; ++k) {
                    const std::string plain(kPlainBodyNames[k + 2]);
                    ASSERT_EQ(names.BodyNames[k + 2], r.Flags[k] ? plain + " (R) " : plain);
                    marked += r.Flags[k] ? 1 : 0;
                }
                ASSERT_TRUE(names.BodyNames[kBodyCount].empty());
            }
        }
    }
    EXPECT_GT(marked, 0);
}

}  // namespace
}  // namespace velmora
