#include "engine/Retrogrades.h"

#include <algorithm>

namespace velmora {

namespace {

// A calendar date as one number that orders like the date: 1900-03-15 is 19000315.
constexpr int DateKey(const CivilMoment& m) { return (m.year * 100 + m.month) * 100 + m.day; }

}  // namespace

std::span<const RetrogradePeriod> Retrogrades::Periods(std::string_view planet) {
    if (planet == "Mercury") return kMercuryPeriods;
    if (planet == "Venus") return kVenusPeriods;
    if (planet == "Mars") return kMarsPeriods;
    if (planet == "Jupiter") return kJupiterPeriods;
    if (planet == "Saturn") return kSaturnPeriods;
    return {};
}

bool Retrogrades::IsRetrograde(std::string_view planet, const CivilMoment& birth) {
    // The periods are in order and do not overlap, so their end dates rise:
    // only the first period that ends after the birth date can hold it.
    const std::span<const RetrogradePeriod> periods = Periods(planet);
    const int birthDate = DateKey(birth);
    const auto candidate = std::upper_bound(
        periods.begin(), periods.end(), birthDate,
        [](int date, const RetrogradePeriod& period) { return date < DateKey(period.end.moment); });
    return candidate != periods.end() && DateKey(candidate->start.moment) < birthDate;
}

void Retrogrades::MarkRetrograde(const BirthData& birth, NameTables& names) {
    // The local calendar date is compared as it is: no zone, no daylight saving.
    const CivilMoment moment{birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthClockHour,
                             birth.BirthClockMinute};
    for (std::size_t k = 0; k < kRetrogradePlanets.size(); ++k) {
        Flags[k] = IsRetrograde(kRetrogradePlanets[k], moment);
    }
    for (int body = 0; body < kBodyCount; ++body) names.BodyNames[body] = kPlainBodyNames[body];
    for (std::size_t k = 0; k < kRetrogradePlanets.size(); ++k) {
        if (Flags[k]) names.BodyNames[k + 2] += kRetrogradeMark;
    }
}

}  // namespace velmora
