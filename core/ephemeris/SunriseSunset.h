#pragma once
// Sunrise and sunset at a place from the Swiss Ephemeris (swe_rise_trans),
// by one of two conventions: the upper limb touching the horizon with the
// standard atmospheric refraction (what almanacs print, the default), or the
// centre of the disc on the geometric horizon without refraction (what many
// Indian almanacs take for the Hindu day).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class SunriseConvention { UpperLimbRefracted, DiscCentre };

inline constexpr std::string_view SunriseConventionName(SunriseConvention c) {
    return c == SunriseConvention::DiscCentre ? "disc centre without refraction"
                                              : "upper limb with refraction";
}

// The first sunrise (`rise`) or sunset after the Universal Time `jdUT` at the
// place (degrees, north and east positive), as a Julian Date in Universal
// Time; none where the Sun neither rises nor sets within about a day (polar
// day or night) or the library fails, which `error` (when given) then says.
// `dataDirectory` holds the ephemeris files.
std::optional<double> NextSunEvent(double jdUT, double latitude, double longitude, bool rise,
                                   SunriseConvention convention, const std::string& dataDirectory,
                                   std::string* error = nullptr);

// The first sunrise (`rise`) or sunset in [from, to), a span of at most a
// day; none when there is none in it. The library looks about a day ahead
// and, near the polar day and night, not always that far, so the span is
// searched from several starting moments.
std::optional<double> SunEventWithin(double from, double to, double latitude, double longitude, bool rise,
                                     SunriseConvention convention, const std::string& dataDirectory,
                                     std::string* error = nullptr);

// A sunrise or a sunset.
struct SunEvent {
    double jdUT = 0;
    bool rise = true;
};

// Every sunrise and sunset of the convention in [from, to) (a span of at
// most three days), in order, by the program's own search, where the
// library's is slow (beyond some 60° of latitude it steps through the day):
// the Sun's apparent right ascension and declination at the span's start,
// middle and end from the library, between them by quadratic
// interpolation; its altitude from them and the local sidereal time; each
// crossing of the horizon (for the upper limb with refraction the centre as
// far below as the library's sunrise has it, 36.6′ and the semi-diameter;
// the centre on it without) found to a hundredth of a second. The moments
// are the library's to a tenth of a second below 60° of latitude (to 2.5 s
// for the centre), to some seconds where the Sun grazes the horizon; a crossing that comes and goes
// within six minutes can be missed. False, with `error`, where the library
// fails.
bool SunEventsWithin(double from, double to, double latitude, double longitude, SunriseConvention convention,
                     const std::string& dataDirectory, std::vector<SunEvent>& events, std::string* error = nullptr);

// Whether the Sun stands above the horizon of the convention (its upper limb
// with refraction, or its centre without) at `jdUT`: in the midnight sun, not
// in the polar night.
bool SunAboveHorizon(double jdUT, double latitude, double longitude, SunriseConvention convention,
                     const std::string& dataDirectory);

}  // namespace velmora
