#include "engine/Retrogrades.h"

#include <algorithm>

namespace velmora {

namespace {

// A calendar date as one number that orders like the date: 1900-03-15 is 19000315.
constexpr int DateKey(const CivilMoment& m) { return (m.year * 100 + m.month) * 100 + m.day; }

// A period's first and last dates as date keys: eight bytes a period, so that
// a planet's whole list stays in the nearest cache while it is searched.
struct PeriodKeys {
    int start;
    int end;
};

struct AllPeriodKeys {
    std::array<PeriodKeys, kMercuryPeriodCount> mercury;
    std::array<PeriodKeys, kVenusPeriodCount> venus;
    std::array<PeriodKeys, kMarsPeriodCount> mars;
    std::array<PeriodKeys, kJupiterPeriodCount> jupiter;
    std::array<PeriodKeys, kSaturnPeriodCount> saturn;
};

template <std::size_t N>
void FillKeys(const std::array<RetrogradePeriod, N>& periods, std::array<PeriodKeys, N>& keys) {
    for (std::size_t i = 0; i < N; ++i) keys[i] = {DateKey(periods[i].start.moment), DateKey(periods[i].end.moment)};
}

// The keys of planet k of kRetrogradePlanets; none for any other k. Built from
// the station tables on first use and only read after that.
std::span<const PeriodKeys> KeysOfPlanet(std::size_t k) {
    static const AllPeriodKeys keys = [] {
        AllPeriodKeys all;
        FillKeys(kMercuryPeriods, all.mercury);
        FillKeys(kVenusPeriods, all.venus);
        FillKeys(kMarsPeriods, all.mars);
        FillKeys(kJupiterPeriods, all.jupiter);
        FillKeys(kSaturnPeriods, all.saturn);
        return all;
    }();
    switch (k) {
        case 0: return keys.mercury;
        case 1: return keys.venus;
        case 2: return keys.mars;
        case 3: return keys.jupiter;
        case 4: return keys.saturn;
        default: return {};
    }
}

// The periods are in order and do not overlap, so their end dates rise: only
// the first period that ends after the birth date can hold it.
bool InSomePeriod(std::span<const PeriodKeys> periods, int birthDate) {
    const auto candidate = std::upper_bound(periods.begin(), periods.end(), birthDate,
                                            [](int date, const PeriodKeys& period) { return date < period.end; });
    return candidate != periods.end() && candidate->start < birthDate;
}

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
    const auto known = std::find(kRetrogradePlanets.begin(), kRetrogradePlanets.end(), planet);
    return InSomePeriod(KeysOfPlanet(static_cast<std::size_t>(known - kRetrogradePlanets.begin())), DateKey(birth));
}

void Retrogrades::MarkRetrograde(const BirthData& birth, NameTables& names) {
    // The local calendar date is compared as it is: no zone, no daylight saving.
    const int birthDate = DateKey({birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthClockHour,
                                   birth.BirthClockMinute});
    for (std::size_t k = 0; k < kRetrogradePlanets.size(); ++k) Flags[k] = InSomePeriod(KeysOfPlanet(k), birthDate);
    WriteNames(names);
}

void Retrogrades::MarkRetrogradeFromSpeeds(const std::array<double, kBodyCount>& speeds, NameTables& names) {
    for (std::size_t k = 0; k < kRetrogradePlanets.size(); ++k) Flags[k] = speeds[k + 2] < 0;
    WriteNames(names);
}

void Retrogrades::WriteNames(NameTables& names) const {
    for (int body = 0; body < kBodyCount; ++body) names.BodyNames[body] = kPlainBodyNames[body];
    for (std::size_t k = 0; k < kRetrogradePlanets.size(); ++k) {
        if (Flags[k]) names.BodyNames[k + 2] += kRetrogradeMark;
    }
}

}  // namespace velmora
