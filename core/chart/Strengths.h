#pragma once
// A chart's strengths: the shadbala of the Sun … Saturn and the bhava bala
// of the twelve houses (analysis/Shadbala.h, analysis/BhavaBala.h), with
// what they need of the sky gathered here from the chart and the Swiss
// Ephemeris (the birth's Vedic day with its sunrise and sunset, the
// midheaven, the Sun's hour angle, the planets' declinations), and the
// vimsopaka bala in its four schemes (analysis/Vimsopaka.h).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/BhavaBala.h"
#include "analysis/Shadbala.h"
#include "analysis/Vimsopaka.h"
#include "birth/LocalClock.h"
#include "chart/Chart.h"
#include "ephemeris/PreciseEphemeris.h"
#include "ephemeris/SunriseSunset.h"

namespace velmora {

struct ShadbalaAndBhavaBala {
    Shadbala shadbala{};
    BhavaBala bhavaBala{};
    // The houses' middles the bhava bala is of (sidereal degrees, [0] the
    // ascendant): the Sripati houses' middles, whatever houses the chart shows.
    std::array<double, 12> bhavaMiddles{};
    double midheaven = 0;  // sidereal degrees
    SunriseConvention convention = SunriseConvention::UpperLimbRefracted;
    // Said where the birth's day has no sunrise or no sunset (tribhaga bala
    // then divides the whole day); empty otherwise.
    std::string note;
    // What `note` says, as facts: whether the Sun rose in the day, whether
    // it stayed up (it then does not set) or down, and the day (its clock at
    // local noon).
    bool sunRises = true;
    bool daylight = false;
    LocalClock noteDay;
};

struct StrengthsOutcome {
    // The vimsopaka bala needs the longitudes alone: every chart has it.
    Vimsopaka vimsopaka{};
    // Precise charts only; none with `refusal` saying why.
    std::optional<ShadbalaAndBhavaBala> balas;
    std::string refusal;
};

// Why a classic chart has no shadbala and no bhava bala.
inline constexpr std::string_view kStrengthsNeedPrecise =
    "Shadbala and bhava bala need precise positions: kala bala needs the sunrise and sunset, chesta bala the "
    "moment in Universal Time, dig and bhava bala the midheaven, which the classic engine does not compute; "
    "choose precise positions (the vimsopaka bala is shown)";

StrengthsOutcome ComputeStrengths(const Chart& chart,
                                  SunriseConvention convention = SunriseConvention::UpperLimbRefracted,
                                  const std::string& dataDirectory = PreciseEphemeris::DefaultDataDirectory());

}  // namespace velmora
