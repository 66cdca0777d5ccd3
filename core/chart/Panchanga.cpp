#include "chart/Panchanga.h"

#include <cmath>

#include "analysis/Nakshatra.h"
#include "analysis/PanchangaNames.h"
#include "chart/ChartSky.h"
#include "chart/LocalMoment.h"
#include "birth/ZoneHistory.h"
#include "engine/BirthTime.h"

namespace velmora {

namespace {

constexpr int kSun = 0, kMoon = 1;
constexpr double kHalfSecond = 0.5 / 86400.0;  // days
constexpr int kMostSteps = 40;

// The signed difference a − b folded into −180° … 180°.
double Signed(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d;
}

// An angle made linearly of the Sun's and the Moon's longitudes that only
// grows (the Moon is always faster than the Sun); its speed is made of their
// speeds the same way.
struct Angle {
    double (*of)(double sun, double moon);
};
const Angle kElongation{[](double s, double m) { return m - s; }};
const Angle kMoonAlone{[](double, double m) { return m; }};
const Angle kSum{[](double s, double m) { return s + m; }};

// The Sun and the Moon alone: all the limbs are made of.
bool SunAndMoonAt(ChartSky& sky, double jd) { return sky.BodyAt(jd, kSun) && sky.BodyAt(jd, kMoon); }

// The moment near `guess` at which `angle` reaches `target` (degrees).
std::optional<double> Reaching(ChartSky& sky, const Angle& angle, double target, double guess) {
    double t = guess;
    for (int step = 0; step < kMostSteps; ++step) {
        if (!SunAndMoonAt(sky, t)) return std::nullopt;
        const double off = Signed(target, angle.of(sky.Longitude(kSun), sky.Longitude(kMoon)));
        const double rate = angle.of(sky.Speed(kSun), sky.Speed(kMoon));
        if (!(rate > 0)) return std::nullopt;
        const double move = off / rate;
        t += move;
        if (std::fabs(move) < kHalfSecond) return t;
    }
    return std::nullopt;
}

// The limb of `size` degrees of `angle` the birth stands in: its start and end.
std::optional<PanchangaLimb> LimbAround(ChartSky& sky, const Angle& angle, double size, int count, double birth) {
    if (!SunAndMoonAt(sky, birth)) return std::nullopt;
    const double now = FoldLongitude(angle.of(sky.Longitude(kSun), sky.Longitude(kMoon)));
    const double rate = angle.of(sky.Speed(kSun), sky.Speed(kMoon));
    int part = static_cast<int>(std::floor(now / size));
    if (part >= count) part = count - 1;
    const double lower = part * size, upper = (part + 1) * size;
    const auto start = Reaching(sky, angle, lower, birth - (now - lower) / rate);
    const auto end = Reaching(sky, angle, upper, birth + (upper - now) / rate);
    if (!start || !end) return std::nullopt;
    PanchangaLimb limb;
    limb.number = part + 1;
    limb.start = std::min(*start, birth);
    limb.end = std::max(*end, birth);
    limb.left = limb.end > limb.start ? (limb.end - birth) / (limb.end - limb.start) : 0;
    return limb;
}

// What the day of `date` (its Julian Day Number) lacks: the facts in `p`,
// said plainly in its note.
void NoteMissingSun(const Chart& chart, SunriseConvention convention, const std::string& dataDirectory,
                    long long date, Panchanga& p) {
    if (p.sunrise && p.sunset) return;
    const double noon = LocalMidnight(chart, date) + 0.5;
    p.noteDay = LocalClockAt(noon, chart.utcOffsetSeconds);
    p.midnightSun = SunAboveHorizon(noon, chart.latitude, chart.longitude, convention, dataDirectory);
    p.sunMissing = p.sunrise ? SunMissing::Set : p.sunset ? SunMissing::Rise : SunMissing::RiseAndSet;
    const std::string day = LongDateText(p.noteDay);
    const std::string why = p.midnightSun ? " (the midnight sun)" : " (the polar night)";
    if (!p.sunrise)
        p.note = std::string(p.sunset ? "The Sun does not rise" : "The Sun neither rises nor sets") +
                 " at this place on " + day + why + "; the day begins at local midnight";
    else
        p.note = "The Sun does not set at this place in the day begun at the sunrise of " + day + why;
}

}  // namespace

PanchangaOutcome ComputePanchanga(const Chart& chart, SunriseConvention convention,
                                  const std::string& dataDirectory) {
    PanchangaOutcome outcome;
    if (chart.mode != ComputationMode::Precise) {
        outcome.refusal = "The panchanga needs" + std::string(kNeedsPreciseMessage);
        return outcome;
    }
    const double birth = chart.julianDayUT;
    Panchanga p;
    p.convention = convention;

    ChartSky sky(chart, dataDirectory);
    const auto tithi = LimbAround(sky, kElongation, kTithiDegrees, kTithiCount, birth);
    const auto nakshatra = LimbAround(sky, kMoonAlone, 360.0 / kNakshatraCount, kNakshatraCount, birth);
    const auto yoga = LimbAround(sky, kSum, kYogaDegrees, kYogaCount, birth);
    const auto karana = LimbAround(sky, kElongation, kKaranaDegrees, kKaranaCount, birth);
    if (!tithi || !nakshatra || !yoga || !karana) {
        outcome.refusal = sky.Error().empty() ? "The panchanga's moments could not be found" : sky.Error();
        return outcome;
    }

    // The birth's day.
    std::string error;
    const std::optional<VedicDay> day = VedicDayAt(chart, birth, convention, dataDirectory, error);
    if (!day) {
        outcome.refusal = error;
        return outcome;
    }
    p.sunrise = day->sunrise;
    p.sunset = day->sunset;
    p.dayBegins = day->begins;
    p.dayEnds = day->ends;
    NoteMissingSun(chart, convention, dataDirectory, day->date, p);
    p.vara.number = day->Weekday() + 1;
    p.vara.name = VaraName(p.vara.number);
    p.vara.start = day->start;
    p.vara.end = day->end;
    p.vara.left = (day->end - birth) / (day->end - day->start);
    p.tithi = *tithi;
    p.tithi.name = TithiName(p.tithi.number);
    p.paksha = PakshaName(p.tithi.number);
    p.nakshatra = *nakshatra;
    p.nakshatra.name = kNakshatraNames[static_cast<std::size_t>(p.nakshatra.number - 1)];
    p.yoga = *yoga;
    p.yoga.name = YogaName(p.yoga.number);
    p.karana = *karana;
    p.karana.name = KaranaName(p.karana.number);
    outcome.panchanga = p;
    return outcome;
}

}  // namespace velmora
