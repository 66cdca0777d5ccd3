#pragma once
// The full position table of a chart: for each of the ten points its
// longitude, sign and degrees in it, nakshatra with pada and lord, speed and
// retrograde flag, dignity, combustion and planetary war. Worked out from the
// Chart when asked (the window's Positions page, the PDF, --point-details);
// the rules and their sources are in core/analysis (Dignity, Combustion,
// PlanetaryWar) and docs/positions.md.

#include <array>
#include <vector>

#include "analysis/Dignity.h"
#include "analysis/Nakshatra.h"
#include "analysis/PlanetaryWar.h"
#include "chart/Chart.h"

namespace velmora {

struct PointDetail {
    int body = 0;
    double longitude = 0;       // sidereal degrees
    int sign = 0;
    double degreesInSign = 0;
    NakshatraPlace nakshatra;
    bool speedKnown = false;    // a classic chart has no speeds
    double speed = 0;           // degrees a day
    bool retrograde = false;
    Dignity dignity = Dignity::None;
    bool combust = false;
    double fromSun = 0;         // degrees of longitude from the Sun (0 … 180); 0 for the Sun
    // The wars this planet is in (planets less than a degree apart), with the
    // other planet and whether this one won.
    struct War {
        int other = 0;
        bool won = false;
        double separation = 0;
    };
    std::vector<War> wars;
};

using PointDetails = std::array<PointDetail, kBodyCount>;

PointDetails PointDetailsOf(const Chart& chart);

// Each war once, from the chart (the victor by latitude: a precise chart's
// own, a classic chart's from the Swiss Ephemeris at its instant).
std::vector<PlanetaryWar> WarsOf(const Chart& chart);

}  // namespace velmora
