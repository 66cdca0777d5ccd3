#include "ephemeris/SunriseSunset.h"

#include <swephexp.h>

#include <cmath>

namespace velmora {

std::optional<double> NextSunEvent(double jdUT, double latitude, double longitude, bool rise,
                                   SunriseConvention convention, const std::string& dataDirectory,
                                   std::string* error) {
    swe_set_ephe_path(dataDirectory.c_str());
    double place[3] = {longitude, latitude, 0};  // height above the sea: none known
    std::int32_t how = rise ? SE_CALC_RISE : SE_CALC_SET;
    if (convention == SunriseConvention::DiscCentre) how |= SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
    double when = 0;
    char serr[AS_MAXCH] = "";
    // Pressure and temperature 0: the library's standard atmosphere.
    const std::int32_t found = swe_rise_trans(jdUT, SE_SUN, nullptr, SEFLG_SWIEPH, how, place, 0, 0, &when, serr);
    if (found == -2) return std::nullopt;  // circumpolar: no such event within the library's look ahead
    if (found != 0 || !std::isfinite(when)) {
        if (error) {
            *error = rise ? "The Swiss Ephemeris could not compute the sunrise" : "The Swiss Ephemeris could not compute the sunset";
            if (serr[0] != '\0') *error += std::string(": ") + serr;
        }
        return std::nullopt;
    }
    return when;
}

std::optional<double> SunEventWithin(double from, double to, double latitude, double longitude, bool rise,
                                     SunriseConvention convention, const std::string& dataDirectory,
                                     std::string* error) {
    // Starting points a quarter of a day apart: an event in the span lies at
    // most six hours after one of them, well within the library's look ahead.
    constexpr double kStep = 0.25;
    for (double start = from; start < to; start += kStep) {
        std::string failed;
        const std::optional<double> event =
            NextSunEvent(start, latitude, longitude, rise, convention, dataDirectory, &failed);
        if (!failed.empty()) {
            if (error) *error = failed;
            return std::nullopt;
        }
        if (event) {
            if (*event < to) return event;
            return std::nullopt;  // the first one after `start` lies beyond the span
        }
    }
    return std::nullopt;
}

bool SunAboveHorizon(double jdUT, double latitude, double longitude, SunriseConvention convention,
                     const std::string& dataDirectory) {
    swe_set_ephe_path(dataDirectory.c_str());
    double sun[6] = {};
    char serr[AS_MAXCH] = "";
    if (swe_calc_ut(jdUT, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL, sun, serr) < 0) return false;
    double place[3] = {longitude, latitude, 0};
    double horizontal[3] = {};
    swe_azalt(jdUT, SE_EQU2HOR, place, 0, 0, sun, horizontal);
    // The true altitude of the centre against the convention's horizon: the
    // upper limb with refraction rises when the centre is 50′ below
    // (Meeus, Astronomical Algorithms, ch. 15).
    const double horizon = convention == SunriseConvention::DiscCentre ? 0.0 : -50.0 / 60;
    return horizontal[1] > horizon;
}

}  // namespace velmora
