#include "chart/PointDetails.h"

#include "analysis/Combustion.h"
#include "analysis/SignFacts.h"
#include "ephemeris/PreciseEphemeris.h"

namespace velmora {

std::vector<PlanetaryWar> WarsOf(const Chart& chart) {
    std::array<double, kBodyCount> longitudes{}, latitudes{};
    for (std::size_t i = 0; i < longitudes.size(); ++i) {
        longitudes[i] = chart.points[i].longitude;
        latitudes[i] = chart.points[i].latitude;
    }
    std::vector<PlanetaryWar> wars = PlanetaryWars(longitudes, latitudes);
    if (wars.empty() || chart.points[2].latitudeKnown) return wars;
    // The classic engine computes no latitudes: the Swiss Ephemeris gives
    // them at the chart's instant, for the planets at war only.
    thread_local PreciseEphemeris ephemeris;
    for (PlanetaryWar& war : wars) {
        double a = 0, b = 0;
        if (ephemeris.CalculateLatitude(chart.julianDayUT, war.first, a) &&
            ephemeris.CalculateLatitude(chart.julianDayUT, war.second, b)) {
            latitudes[static_cast<std::size_t>(war.first)] = a;
            latitudes[static_cast<std::size_t>(war.second)] = b;
        }
    }
    return PlanetaryWars(longitudes, latitudes);
}

PointDetails PointDetailsOf(const Chart& chart) {
    PointDetails details{};
    const std::array<int, kBodyCount> signs = PointSigns(chart);
    const double sun = chart.points[0].longitude;
    for (int i = 0; i < kBodyCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const ChartPoint& p = chart.points[at];
        PointDetail& d = details[at];
        d.body = i;
        d.longitude = p.longitude;
        d.sign = p.sign;
        d.degreesInSign = DegreesInSign(p.longitude);
        d.nakshatra = chart.nakshatras[at];
        d.speedKnown = p.speedKnown;
        d.speed = p.speed;
        d.retrograde = p.retrograde;
        d.dignity = DignityOf(i, p.longitude, signs);
        d.combust = Combust(i, p.longitude, p.retrograde, sun);
        d.fromSun = i == 0 || i == body::kAscendant ? 0 : ArcBetween(p.longitude, sun);
    }
    for (const PlanetaryWar& war : WarsOf(chart)) {
        details[static_cast<std::size_t>(war.first)].wars.push_back({war.second, war.winner == war.first, war.separation});
        details[static_cast<std::size_t>(war.second)].wars.push_back({war.first, war.winner == war.second, war.separation});
    }
    return details;
}

}  // namespace velmora
