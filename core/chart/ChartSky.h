#pragma once
// A precise chart's positions at any other moment: the same ephemeris,
// ayanamsa, kind of positions, node and place, so what is compared with the
// birth chart was computed as it was.

#include <array>
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
        bodyAt_.fill(NAN);
    }

    // The positions at the Universal Time `jd` (to the second); false with
    // Error() when they cannot be computed.
    bool At(double jd) {
        if (jd == last_) return true;
        if (!ephemeris_.CalculatePositions(InstantAt(jd), chart_.latitude, chart_.longitude, chart_.node,
                                           options_))
            return false;
        longitudes_ = ephemeris_.Result().longitudes;
        speeds_ = ephemeris_.Result().speeds;
        last_ = jd;
        bodyAt_.fill(jd);
        return true;
    }
    // One body (0 Sun … 8 Ketu) at `jd`, the others left where they were:
    // for following one body through many moments.
    bool BodyAt(double jd, int body) {
        const auto b = static_cast<std::size_t>(body);
        if (jd == bodyAt_[b]) return true;
        if (!ephemeris_.CalculateBody(InstantAt(jd).UniversalJulianDate(), body, chart_.node, options_,
                                      longitudes_[b], speeds_[b]))
            return false;
        bodyAt_[b] = jd;
        last_ = NAN;
        return true;
    }
    double Longitude(int body) const { return longitudes_[static_cast<std::size_t>(body)]; }
    double Speed(int body) const { return speeds_[static_cast<std::size_t>(body)]; }
    int Sign(int body) const { return SignOfLongitude(Longitude(body)); }
    const std::string& Error() const { return ephemeris_.Error(); }

private:
    const Chart& chart_;
    PreciseEphemeris ephemeris_;
    ChartOptions options_;
    std::array<double, kBodyCount> longitudes_{};
    std::array<double, kBodyCount> speeds_{};
    double last_ = NAN;                     // all the positions are at this moment
    std::array<double, kBodyCount> bodyAt_{};  // each body at its own moment
};

}  // namespace velmora
