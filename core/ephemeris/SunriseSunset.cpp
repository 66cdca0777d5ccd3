#include "ephemeris/SunriseSunset.h"

#include <swephexp.h>

#include "ephemeris/EphemerisDirectory.h"

#include <cmath>

namespace velmora {

std::optional<double> NextSunEvent(double jdUT, double latitude, double longitude, bool rise,
                                   SunriseConvention convention, const std::string& dataDirectory,
                                   std::string* error) {
    UseEphemerisDirectory(dataDirectory);
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
    UseEphemerisDirectory(dataDirectory);
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

namespace {

constexpr double kRadians = 3.14159265358979323846 / 180;

// The Sun's apparent right ascension and declination, degrees, and its
// distance (AU) when asked.
bool SunPlace(double jdUT, double& rightAscension, double& declination, std::string* error,
              double* distance = nullptr) {
    double x[6] = {};
    char serr[AS_MAXCH] = "";
    if (swe_calc_ut(jdUT, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL, x, serr) < 0 || !std::isfinite(x[0]) ||
        !std::isfinite(x[1])) {
        if (error) *error = std::string("The Swiss Ephemeris could not compute the Sun's place: ") + serr;
        return false;
    }
    rightAscension = x[0];
    declination = x[1];
    if (distance) *distance = x[2];
    return true;
}

}  // namespace

bool SunEventsWithin(double from, double to, double latitude, double longitude, SunriseConvention convention,
                     const std::string& dataDirectory, std::vector<SunEvent>& events, std::string* error) {
    events.clear();
    if (!(to > from)) return true;
    UseEphemerisDirectory(dataDirectory);
    // The Sun's place at the start, middle and end, the right ascensions
    // unwrapped to run on continuously.
    const double span = to - from;
    double ra[3], dec[3], distance = 1;
    for (int i = 0; i < 3; ++i)
        if (!SunPlace(from + span * i / 2, ra[i], dec[i], error, i == 1 ? &distance : nullptr)) return false;
    for (int i = 1; i < 3; ++i)
        while (ra[i] < ra[i - 1] - 180) ra[i] += 360;
    const auto quadratic = [](const double (&y)[3], double u) {  // u = 0, 0.5, 1 at the three moments
        const double a = y[0], b = y[1], c = y[2];
        return a * (2 * u - 1) * (u - 1) + b * 4 * u * (1 - u) + c * u * (2 * u - 1);
    };
    const double startSidereal = swe_sidtime(from) * 15 + longitude;  // degrees
    // The upper limb with refraction: the centre's true altitude when the
    // limb appears on the horizon, as the library's sunrise takes it: the
    // refraction at the horizon, 36.6′ (at its sunrises over a year the
    // centre stands 52.3′ to 52.9′ below), and the disc's semi-diameter
    // (959.63″ at 1 AU).
    double horizon = 0;
    if (convention == SunriseConvention::UpperLimbRefracted) horizon = -(36.6 / 60 + 959.63 / 3600 / distance);
    const double sinLat = std::sin(latitude * kRadians), cosLat = std::cos(latitude * kRadians);
    const double sinHorizon = std::sin(horizon * kRadians);
    // The sine of the altitude less the horizon's: its sign tells above from below.
    const auto heightOf = [&](double t, double rightAscension, double declination) {
        const double hourAngle = (startSidereal + 360.98564736629 * (t - from) - rightAscension) * kRadians;
        const double d = declination * kRadians;
        return sinLat * std::sin(d) + cosLat * std::cos(d) * std::cos(hourAngle) - sinHorizon;
    };
    const auto model = [&](double t) {
        const double u = (t - from) / span;
        return heightOf(t, quadratic(ra, u), quadratic(dec, u));
    };
    constexpr double kStep = 6.0 / 1440;  // six minutes
    double a = from, ha = model(a);
    while (a < to) {
        const double b = std::min(a + kStep, to);
        const double hb = model(b);
        if ((ha <= 0) != (hb <= 0)) {
            // Halve the step to a hundredth of a second on the model.
            double lo = a, hi = b, hlo = ha;
            while (hi - lo > 0.01 / 86400) {
                const double mid = (lo + hi) / 2, hm = model(mid);
                if ((hm <= 0) == (hlo <= 0)) {
                    lo = mid;
                    hlo = hm;
                } else {
                    hi = mid;
                }
            }
            const double t = (lo + hi) / 2;
            if (t >= from && t < to) events.push_back({t, hb > 0});
        }
        a = b;
        ha = hb;
    }
    return true;
}

}  // namespace velmora
