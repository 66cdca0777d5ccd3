#include "chart/Transits.h"

#include <cmath>
#include <vector>

#include "analysis/SignOf.h"
#include "chart/ChartSky.h"
#include "chart/Panchanga.h"

namespace velmora {

namespace {

constexpr int kSaturn = 6, kRahu = 7, kGrahas = kBodyCount - 1;
constexpr double kYear = 365.25;
constexpr double kMinute = 1.0 / 1440.0;

// The moment between `before` (where `test` of `body` is false) and `after`
// (where it is true) at which it turns, to a minute.
template <class Test>
std::optional<double> Turning(ChartSky& sky, int body, double before, double after, Test test) {
    while (after - before > kMinute) {
        const double middle = (before + after) / 2;
        if (!sky.BodyAt(middle, body)) return std::nullopt;
        (test() ? after : before) = middle;
    }
    return after;
}

// Saturn's sign every few days across the span, and the moments it changes.
struct SignSpan {
    double start, end;
    int sign;
};

std::optional<std::vector<SignSpan>> SaturnSigns(ChartSky& sky, double from, double to) {
    constexpr double kStep = 4;  // days; Saturn turns back for months, never for less than a few days in a sign
    std::vector<SignSpan> spans;
    if (!sky.BodyAt(from, kSaturn)) return std::nullopt;
    int sign = sky.Sign(kSaturn);
    double start = from;
    for (double t = from + kStep; t <= to; t += kStep) {
        if (!sky.BodyAt(t, kSaturn)) return std::nullopt;
        const int now = sky.Sign(kSaturn);
        if (now == sign) continue;
        const auto change = Turning(sky, kSaturn, t - kStep, t, [&] { return sky.Sign(kSaturn) != sign; });
        if (!change) return std::nullopt;
        spans.push_back({start, *change, sign});
        sign = now;
        start = *change;
    }
    spans.push_back({start, to, sign});
    return spans;
}

std::optional<SadeSati> SadeSatiAround(ChartSky& sky, int moonSign, double moment) {
    // A passage lasts about seven and a half years; the next begins within one
    // turn of Saturn (29.5 years).
    const auto spans = SaturnSigns(sky, moment - 10 * kYear, moment + 31 * kYear);
    if (!spans) return std::nullopt;
    auto house = [&](const SignSpan& s) { return HouseFrom(s.sign, moonSign); };
    auto inside = [&](const SignSpan& s) { return house(s) == 12 || house(s) <= 2; };
    const std::vector<SignSpan>& all = *spans;
    SadeSati found;
    bool have = false;
    std::size_t i = 1;
    while (i < all.size() && !have) {
        // A passage begins where Saturn enters the 12th sign from the 11th.
        if (house(all[i]) != 12 || house(all[i - 1]) != 11) {
            ++i;
            continue;
        }
        SadeSati passage;
        passage.start = all[i].start;
        passage.phaseStarts = {NAN, NAN, NAN};
        std::size_t last = i, k = i;
        for (; k < all.size(); ++k) {
            const SignSpan& s = all[k];
            if (inside(s)) {
                last = k;
                double& phaseStart = passage.phaseStarts[house(s) == 12 ? 0 : house(s)];
                if (std::isnan(phaseStart)) phaseStart = s.start;
            } else if (s.end - s.start >= kYear) {
                break;
            }
        }
        if (k == all.size()) break;  // it runs beyond the years looked at
        passage.end = all[last].end;
        const bool whole = !std::isnan(passage.phaseStarts[1]) && !std::isnan(passage.phaseStarts[2]);
        if (whole && passage.end > moment) {
            found = passage;
            have = true;
        }
        i = k;
    }
    if (!have) return std::nullopt;
    found.running = found.start <= moment && moment < found.end;
    if (found.running)
        found.phase = moment < found.phaseStarts[1] ? 1 : (moment < found.phaseStarts[2] ? 2 : 3);
    return found;
}

}  // namespace

PlaceMoment MomentOnPlaceClock(const Chart& chart, const std::optional<LocalClock>& clock, double nowUT) {
    PlaceMoment m;
    const std::string& zone = chart.birth.timeZone;
    m.utcOffsetSeconds = chart.utcOffsetSeconds;
    if (clock) {
        if (!zone.empty()) {
            const ZoneLookup lookup = LookUpZone(zone, *clock, RepeatedHour::Earlier);
            if (!lookup.Found) {
                m.refusal = lookup.Message;
                return m;
            }
            m.utcOffsetSeconds = lookup.Moment.OffsetSeconds;
        }
        m.julianDayUT = JulianDayOf(*clock, m.utcOffsetSeconds);
        return m;
    }
    m.julianDayUT = nowUT;
    // The zone's offset at the clock the moment shows, read twice: the
    // birth's offset may put the clock on the other side of a change.
    for (int reading = 0; !zone.empty() && reading < 2; ++reading) {
        const ZoneLookup lookup =
            LookUpZone(zone, LocalClockAt(nowUT, m.utcOffsetSeconds), RepeatedHour::Earlier);
        if (lookup.Found) m.utcOffsetSeconds = lookup.Moment.OffsetSeconds;
    }
    return m;
}

TransitOutcome ComputeTransits(const Chart& natal, double momentUT, int utcOffsetSeconds,
                               const std::string& dataDirectory) {
    TransitOutcome outcome;
    if (natal.mode != ComputationMode::Precise) {
        outcome.refusal = "Transits need" + std::string(kNeedsPreciseMessage);
        return outcome;
    }
    ChartSky sky(natal, dataDirectory);
    auto failed = [&] {
        outcome.refusal = sky.Error();
        return outcome;
    };
    if (!sky.At(momentUT)) return failed();
    Transits t;
    t.moment = momentUT;
    t.utcOffsetSeconds = utcOffsetSeconds;
    const int moonSign = natal.points[1].sign;
    const int ascendantSign = natal.points[kBodyCount - 1].sign;
    for (int body = 0; body < kBodyCount; ++body) {
        ChartPoint& p = t.points[body];
        p.longitude = sky.Longitude(body);
        p.sign = SignOfLongitude(p.longitude);
        p.speedKnown = body < kGrahas;
        p.speed = sky.Speed(body);
        p.retrograde = body >= 2 && body < kRahu && p.speed < 0;  // the nodes unmarked, as in the birth chart
        t.housesFromMoon[body] = HouseFrom(p.sign, moonSign);
        t.housesFromAscendant[body] = HouseFrom(p.sign, ascendantSign);
    }

    // A day at a time for a year: the first sign change and stations of each
    // graha (the Moon changes sign every two or three days, so a quarter day
    // for it), each found to a minute between the samples.
    std::array<int, kGrahas> sign{};
    std::array<double, kGrahas> speed{};
    for (int body = 0; body < kGrahas; ++body) {
        sign[body] = t.points[body].sign;
        speed[body] = t.points[body].speed;
    }
    constexpr int kStepsPerDay = 4;
    for (int n = 1; n <= kYear * kStepsPerDay; ++n) {
        const double at = momentUT + static_cast<double>(n) / kStepsPerDay;
        for (int body = 0; body < kGrahas; ++body) {
            if (body != 1 && n % kStepsPerDay != 0) continue;
            if (!sky.BodyAt(at, body)) return failed();
            const double step = body == 1 ? 1.0 / kStepsPerDay : 1.0;
            const int nowSign = sky.Sign(body);
            const double nowSpeed = sky.Speed(body);
            if (!t.nextIngress[body] && nowSign != sign[body]) {
                const int was = sign[body];
                const auto when = Turning(sky, body, at - step, at, [&] { return sky.Sign(body) != was; });
                if (!when) return failed();
                t.nextIngress[body] = SignChange{*when, nowSign};
            }
            const bool retrograde = nowSpeed < 0;
            auto& station = retrograde ? t.nextRetrogradeStation[body] : t.nextDirectStation[body];
            if (body >= 2 && body < kRahu && retrograde != (speed[body] < 0) && !station) {
                const auto when =
                    Turning(sky, body, at - step, at, [&] { return (sky.Speed(body) < 0) == retrograde; });
                if (!when) return failed();
                station = *when;
            }
            speed[body] = nowSpeed;
        }
    }
    const auto sadeSati = SadeSatiAround(sky, moonSign, momentUT);
    if (!sadeSati) {
        if (!sky.Error().empty()) return failed();
    } else {
        t.sadeSati = *sadeSati;
    }
    outcome.transits = t;
    return outcome;
}

}  // namespace velmora
