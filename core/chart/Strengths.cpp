#include "chart/Strengths.h"

#include <cmath>

#include "analysis/Nakshatra.h"
#include "chart/LocalMoment.h"
#include "chart/VedicDay.h"
#include "ephemeris/EquatorialFrame.h"

namespace velmora {

namespace {

std::array<double, kSevenPlanets> PlanetLongitudes(const Chart& chart) {
    std::array<double, kSevenPlanets> l{};
    for (std::size_t p = 0; p < l.size(); ++p) l[p] = chart.points[p].longitude;
    return l;
}

constexpr int kRahu = 7, kKetu = 8, kAscendant = 9;

// The Sun's right ascension from its tropical longitude of date and the
// obliquity (its latitude, below a second of arc, left aside), degrees.
double SunRightAscension(double longitude, double obliquity) {
    constexpr double kRadians = 3.14159265358979323846 / 180;
    const double l = longitude * kRadians;
    return FoldLongitude(std::atan2(std::cos(obliquity * kRadians) * std::sin(l), std::cos(l)) / kRadians);
}

}  // namespace

StrengthsOutcome ComputeStrengths(const Chart& chart, SunriseConvention convention, const std::string& dataDirectory) {
    StrengthsOutcome outcome;
    outcome.vimsopaka = ComputeVimsopaka(PlanetLongitudes(chart));
    if (chart.mode != ComputationMode::Precise) {
        outcome.refusal = std::string(kStrengthsNeedPrecise);
        return outcome;
    }
    const double birth = chart.julianDayUT;
    std::string error;
    const std::optional<EquatorialFrame> frame =
        EquatorialFrameAt(birth, chart.latitude, chart.longitude, dataDirectory, &error);
    const std::optional<VedicDay> day =
        frame ? VedicDayAt(chart, birth, convention, dataDirectory, error, SunSearch::Program) : std::nullopt;
    if (!frame || !day) {
        outcome.refusal = error.empty() ? "The strengths could not be computed" : error;
        return outcome;
    }

    // The frame is tropical and of date; the chart's ascendant is the same
    // point in the chart's zodiac, so their difference carries the frame's
    // longitudes over whatever the ayanamsa and kind of positions.
    const double shift = frame->ascendant - chart.points[kAscendant].longitude;
    ShadbalaSky sky;
    sky.longitudes = PlanetLongitudes(chart);
    sky.rahu = chart.points[kRahu].longitude;
    sky.ketu = chart.points[kKetu].longitude;
    sky.ascendant = chart.points[kAscendant].longitude;
    sky.midheaven = FoldLongitude(frame->midheaven - shift);
    sky.obliquity = frame->obliquity;
    if (AnyPlanetsAtWar(sky.longitudes)) {
        const auto declinations = DeclinationsAt(birth, dataDirectory, &error);
        if (!declinations) {
            outcome.refusal = error;
            return outcome;
        }
        sky.declinations = *declinations;
    }
    sky.ayanamsa = chart.ayanamsa;
    sky.julianDayUT = birth;
    sky.sunHourAngle = FoldLongitude(frame->siderealTime - SunRightAscension(sky.longitudes[0] + chart.ayanamsa, frame->obliquity));
    sky.dayStart = day->start;
    sky.dayEnd = day->end;
    sky.sunRises = day->sunrise && day->sunset;
    sky.sunrise = day->sunrise.value_or(day->start);
    sky.sunset = day->sunset.value_or(day->end);
    if (!sky.sunRises) {
        // No sunrise or no sunset in the day: it is day or night throughout,
        // as the Sun stands at its middle.
        const double middle = (day->start + day->end) / 2;
        sky.daylight = SunAboveHorizon(middle, chart.latitude, chart.longitude, convention, dataDirectory);
    }
    sky.weekday = day->Weekday();
    sky.civilDayNumber = day->date;

    ShadbalaAndBhavaBala balas;
    balas.convention = convention;
    balas.midheaven = sky.midheaven;
    balas.shadbala = ComputeShadbala(sky);
    for (std::size_t h = 0; h < balas.bhavaMiddles.size(); ++h)
        balas.bhavaMiddles[h] = FoldLongitude(frame->porphyryCusps[h] - shift);
    balas.bhavaBala = ComputeBhavaBala(balas.bhavaMiddles, sky, balas.shadbala);
    balas.sunRises = sky.sunRises;
    balas.daylight = sky.daylight;
    if (!sky.sunRises) {
        balas.noteDay = LocalClockAt(LocalMidnight(chart, day->date) + 0.5, chart.utcOffsetSeconds);
        const std::string date = LongDateText(balas.noteDay);
        balas.note = std::string("The Sun ") + (sky.daylight ? "does not set" : "does not rise") +
                     " at this place in the birth's day (" + date + "); tribhaga bala divides the whole day as " +
                     (sky.daylight ? "daytime" : "night") + " and the hours count from the day's start";
    }
    outcome.balas = balas;
    return outcome;
}

}  // namespace velmora
