#pragma once
// Whether Mercury … Saturn were retrograde on the birth date, from built-in
// tables of stations 1900–2051, and the " (R) " mark on their names.

#include <array>
#include <span>
#include <string_view>

#include "engine/BirthData.h"
#include "engine/Calendar.h"
#include "engine/NameTables.h"
#include "engine/RetrogradeStations.h"

namespace velmora {

// The planets that can be retrograde, in the order of the flags; planet k is
// body k + 2.
inline constexpr std::array<std::string_view, 5> kRetrogradePlanets = {
    "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

// Appended to the name of a retrograde planet.
inline constexpr std::string_view kRetrogradeMark = " (R) ";

class Retrogrades {
public:
    // Mercury, Venus, Mars, Jupiter, Saturn: flag k belongs to body k + 2.
    std::array<bool, 5> Flags{};

    // True when one of the planet's periods has
    // start date < birth date < end date, compared as calendar dates.
    // An unknown planet name gives false.
    static bool IsRetrograde(std::string_view planet, const CivilMoment& birth);

    // The retrograde periods of "Mercury", "Venus", "Mars", "Jupiter" or
    // "Saturn"; none for any other name.
    static std::span<const RetrogradePeriod> Periods(std::string_view planet);

    // Rewrites the ten plain names and appends " (R) " to every retrograde planet.
    void MarkRetrograde(const BirthData& birth, NameTables& names);

    // The same from the planets' speeds in longitude at the birth instant (by
    // body number): a planet moving backwards is retrograde.
    void MarkRetrogradeFromSpeeds(const std::array<double, kBodyCount>& speeds, NameTables& names);

private:
    void WriteNames(NameTables& names) const;  // the plain names, marked by Flags
};

}  // namespace velmora
