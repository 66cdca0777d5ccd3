#include "ephemeris/SunriseSunset.h"

#include <swephexp.h>

#include <cmath>

namespace velmora {

std::optional<double> NextSunEvent(double jdUT, double latitude, double longitude, bool rise,
                                   SunriseConvention convention, const std::string& dataDirectory) {
    swe_set_ephe_path(dataDirectory.c_str());
    double place[3] = {longitude, latitude, 0};  // height above the sea: none known
    std::int32_t how = rise ? SE_CALC_RISE : SE_CALC_SET;
    if (convention == SunriseConvention::DiscCentre) how |= SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
    double when = 0;
    char serr[AS_MAXCH] = "";
    // Pressure and temperature 0: the library's standard atmosphere.
    const std::int32_t found = swe_rise_trans(jdUT, SE_SUN, nullptr, SEFLG_SWIEPH, how, place, 0, 0, &when, serr);
    if (found != 0 || !std::isfinite(when)) return std::nullopt;  // -2: circumpolar, -1: failure
    return when;
}

}  // namespace velmora
