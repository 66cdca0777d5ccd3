#pragma once
// A precise chart's positions at any other moment: the same ephemeris,
// ayanamsa, kind of positions, node and place, so what is compared with the
// birth chart was computed as it was.

#include <cmath>
#include <string>

#include "analysis/SignOf.h"
#include "chart/Chart.h"
#include "chart/LocalMoment.h"
#include "ephemeris/PreciseEphemeris.h"

namespace velmora {

class ChartSky {
public:
    ChartSky(const Chart& chart, const std::string& dataDirectory) : chart_(chart), ephemeris_(dataDirectory) {
        // The houses are not wanted at other moments: whole signs cost least.
        options_.ayanamsa = chart.ayanamsaKind;
        options_.custom = chart.customAyanamsa;
        options_.positions = chart.positions;
    }

    // The positions at the Universal Time `jd` (to the second); false with
    // Error() when they cannot be computed.
    bool At(double jd) {
        if (jd == last_) return true;
        if (!ephemeris_.CalculatePositions(InstantAt(jd), chart_.latitude, chart_.longitude, chart_.node,
                                           options_))
            return false;
        last_ = jd;
        return true;
    }
    double Longitude(int body) const { return ephemeris_.Longitudes[body]; }
    double Speed(int body) const { return ephemeris_.Speeds[body]; }
    int Sign(int body) const { return SignOfLongitude(ephemeris_.Longitudes[body]); }
    const std::string& Error() const { return ephemeris_.Error; }

private:
    const Chart& chart_;
    PreciseEphemeris ephemeris_;
    ChartOptions options_;
    double last_ = NAN;
};

}  // namespace velmora
