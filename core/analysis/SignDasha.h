#pragma once
// What the sign dashas (Chara, Narayana) share: the chart as signs and
// degrees, the years of a sign counted to its lord, and the names of the
// signs as a dasha table's lords.

#include <array>
#include <span>
#include <string_view>

#include "analysis/DashaEngine.h"
#include "engine/NameTables.h"

namespace velmora {

struct SignSky {
    std::array<double, kBodyCount> longitudes{};
    std::array<int, kBodyCount> signs{};  // by body number
    explicit SignSky(const std::array<double, kBodyCount>& longitudes);
    int SignOf(int body) const { return signs[static_cast<std::size_t>(body)]; }
    // How many of the nine grahas stand in `sign`, and how many besides `body` stand with it.
    int PlanetsIn(int sign) const;
    int Companions(int body) const { return PlanetsIn(SignOf(body)) - 1; }
    double DegreesOf(int body) const;
};

// The years of `sign` counted to its lord standing in `lordSign`: the count
// forward from an odd-footed sign, backward from an even-footed one, less
// one; twelve when the lord stands in the sign itself.
int YearsToLord(int sign, int lordSign);

// The lord a sign's years are counted to: its own; for Scorpio and Aquarius
// a lord standing in the sign is passed over for the other, both there give
// −1 (twelve years), and of two elsewhere `stronger` chooses.
int LordCountedTo(const SignSky& sky, int sign, int (*stronger)(const SignSky& sky, int a, int b));

// A sign dasha's table: the twelve signs as its lords (by their English
// names), two turns of 144 years, two levels, its plan and its reading.
DashaTable SignDashaTable(std::string_view name, SignDashaPlan (*plan)(const std::array<double, kBodyCount>&),
                          std::string_view method);

// Which way a sign's sequence runs as Jaimini reads it: forward when the 9th
// sign from it is odd-footed.
bool RunsForward(int sign);

}  // namespace velmora
