#include "ephemeris/EquatorialFrame.h"

#include <swephexp.h>

#include "ephemeris/EphemerisDirectory.h"

#include <cmath>

namespace velmora {

namespace {

void Fail(std::string* error, const std::string& what, const char* serr) {
    if (!error) return;
    *error = "The Swiss Ephemeris could not compute " + what;
    if (serr[0] != '\0') *error += std::string(": ") + serr;
}

}  // namespace

std::optional<EquatorialFrame> EquatorialFrameAt(double jdUT, double latitude, double longitude,
                                                 const std::string& dataDirectory, std::string* error) {
    const auto fail = [error](const std::string& what, const char* serr) -> std::optional<EquatorialFrame> {
        Fail(error, what, serr);
        return std::nullopt;
    };
    UseEphemerisDirectory(dataDirectory);
    EquatorialFrame frame;
    char serr[AS_MAXCH] = "";
    double cusps[13] = {};
    double ascmc[10] = {};
    // Porphyry's houses are drawn at every latitude the ascendant is defined at.
    if (swe_houses_ex(jdUT, SEFLG_SWIEPH, latitude, longitude, 'O', cusps, ascmc) < 0 ||
        !std::isfinite(ascmc[0]) || !std::isfinite(ascmc[1]) || !std::isfinite(ascmc[2]))
        return fail("the ascendant and the midheaven", serr);
    frame.ascendant = ascmc[0];
    frame.midheaven = ascmc[1];
    frame.siderealTime = ascmc[2];
    for (int house = 0; house < 12; ++house) {
        if (!std::isfinite(cusps[house + 1])) return fail("the houses", serr);
        frame.porphyryCusps[static_cast<std::size_t>(house)] = cusps[house + 1];
    }
    double nutation[6] = {};
    if (swe_calc_ut(jdUT, SE_ECL_NUT, 0, nutation, serr) < 0 || !std::isfinite(nutation[0]))
        return fail("the obliquity of the ecliptic", serr);
    frame.obliquity = nutation[0];
    return frame;
}

std::optional<std::array<double, kFramePlanets>> DeclinationsAt(double jdUT, const std::string& dataDirectory,
                                                                std::string* error) {
    UseEphemerisDirectory(dataDirectory);
    static constexpr const char* kNames[kFramePlanets] = {"the Sun", "the Moon", "Mercury", "Venus",
                                                          "Mars",    "Jupiter",  "Saturn"};
    static constexpr int kCodes[kFramePlanets] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN};
    std::array<double, kFramePlanets> declinations{};
    char serr[AS_MAXCH] = "";
    for (std::size_t p = 0; p < kFramePlanets; ++p) {
        double x[6] = {};
        if (swe_calc_ut(jdUT, kCodes[p], SEFLG_SWIEPH | SEFLG_EQUATORIAL, x, serr) < 0 || !std::isfinite(x[1])) {
            Fail(error, std::string("the declination of ") + kNames[p], serr);
            return std::nullopt;
        }
        declinations[p] = x[1];
    }
    return declinations;
}

}  // namespace velmora
