#include "presentation/TimeLabels.h"

#include <cmath>

#include "analysis/PanchangaNames.h"
#include "chart/LocalMoment.h"
#include "engine/NameTables.h"
#include "ephemeris/PreciseEphemeris.h"

namespace velmora {

namespace {

// A moment by `write`, or as MomentLabel writes it without one.
std::string Write(const MomentWriter& write, double jd, int offset, MomentPrecision precision) {
    return write ? write(jd, offset, precision) : MomentLabel(jd, offset);
}

std::string LimbText(const PanchangaLimb& limb, int offset, const MomentWriter& write, const std::string& extra = {}) {
    std::string text = std::to_string(limb.number) + " " + extra + limb.name + ", " +
                       Write(write, limb.start, offset, MomentPrecision::Second) + " to " +
                       Write(write, limb.end, offset, MomentPrecision::Second) + ", ";
    text += std::to_string(static_cast<int>(std::lround(limb.left * 100))) + "% left at birth";
    return text;
}

std::string SignName(int sign) { return std::string(kSignNames[static_cast<std::size_t>(sign)]); }

constexpr const char* kPhaseNames[3] = {"rising (Saturn in the 12th from the Moon)",
                                        "peak (Saturn over the Moon's sign)",
                                        "setting (Saturn in the 2nd from the Moon)"};

}  // namespace

std::string MomentLabel(double jdUT, int offsetSeconds) {
    std::string text = LocalDateTimeText(jdUT, offsetSeconds);
    text[10] = ' ';
    return text;
}

std::vector<LabelRow> PanchangaRows(const Panchanga& p, int offset, const MomentWriter& write) {
    const auto moment = [&](double jd) { return Write(write, jd, offset, MomentPrecision::Second); };
    std::vector<LabelRow> rows;
    const auto boundary = [&](DayBoundary kind, double at) {
        return (kind == DayBoundary::Sunrise ? "sunrise " : "local midnight ") + moment(at);
    };
    rows.push_back({"Weekday (vara)", std::to_string(p.vara.number) + " " + p.vara.name + " (" +
                                          std::string(kWeekdayNames[static_cast<std::size_t>(p.vara.number - 1)]) +
                                          "), " + boundary(p.dayBegins, p.vara.start) + " to " +
                                          boundary(p.dayEnds, p.vara.end)});
    rows.push_back({"Tithi", LimbText(p.tithi, offset, write, p.paksha + " ")});
    rows.push_back({"Nakshatra", LimbText(p.nakshatra, offset, write)});
    rows.push_back({"Yoga", LimbText(p.yoga, offset, write)});
    rows.push_back({"Karana", LimbText(p.karana, offset, write)});
    const std::string convention = " (" + std::string(SunriseConventionName(p.convention)) + ")";
    rows.push_back({"Sunrise", p.sunrise ? moment(*p.sunrise) + convention : "none in this day"});
    rows.push_back({"Sunset", p.sunset ? moment(*p.sunset) + convention : "none in this day"});
    if (!p.note.empty()) rows.push_back({"Note", p.note});
    return rows;
}

std::vector<LabelRow> TransitPositionRows(const Transits& t, const MomentWriter& write) {
    std::vector<LabelRow> rows;
    rows.push_back({"Moment", write ? write(t.moment, t.utcOffsetSeconds, MomentPrecision::Minute)
                                    : IsoMomentText(t.moment, t.utcOffsetSeconds)});
    for (int body = 0; body < kBodyCount; ++body) {
        const ChartPoint& p = t.points[static_cast<std::size_t>(body)];
        std::string text = SignName(p.sign) + " " + DegreesMinutesSeconds(std::fmod(p.longitude, 30.0));
        if (p.retrograde) text += " retrograde";
        text += ", house " + std::to_string(t.housesFromMoon[static_cast<std::size_t>(body)]) +
                " from the Moon, house " + std::to_string(t.housesFromAscendant[static_cast<std::size_t>(body)]) +
                " from the ascendant";
        rows.push_back({std::string(kPointNames[static_cast<std::size_t>(body)]), text});
    }
    return rows;
}

std::vector<LabelRow> SadeSatiRows(const Transits& t, const MomentWriter& write) {
    const SadeSati& s = t.sadeSati;
    const int offset = t.utcOffsetSeconds;
    const auto moment = [&](double jd, int at) { return Write(write, jd, at, MomentPrecision::Minute); };
    std::vector<LabelRow> rows;
    if (s.start == 0) {
        rows.push_back({"Sade sati", "no passage found within 31 years"});
        return rows;
    }
    std::string state = s.running ? "running, phase " + std::to_string(s.phase) + " " + kPhaseNames[s.phase - 1]
                                  : "not running; the next passage";
    rows.push_back({"Sade sati", state + ": " + moment(s.start, offset) + " to " + moment(s.end, offset)});
    for (int i = 0; i < 3; ++i) {
        const double end = i < 2 ? s.phaseStarts[static_cast<std::size_t>(i + 1)] : s.end;
        rows.push_back({"Phase " + std::to_string(i + 1),
                        std::string(kPhaseNames[i]) + ": " + moment(s.phaseStarts[static_cast<std::size_t>(i)], offset) +
                            " to " + moment(end, offset)});
    }
    return rows;
}

std::vector<LabelRow> NextChangeRows(const Transits& t, const MomentWriter& write) {
    const int offset = t.utcOffsetSeconds;
    const auto moment = [&](double jd, int at) { return Write(write, jd, at, MomentPrecision::Minute); };
    std::vector<LabelRow> rows;
    for (std::size_t body = 0; body < t.nextIngress.size(); ++body) {
        std::string text;
        if (const auto& ingress = t.nextIngress[body]) {
            text = "enters " + SignName(ingress->sign) + " " + moment(ingress->moment, offset);
        } else {
            text = "stays in its sign for a year";
        }
        if (const auto& r = t.nextRetrogradeStation[body]) text += "; turns retrograde " + moment(*r, offset);
        if (const auto& d = t.nextDirectStation[body]) text += "; turns direct " + moment(*d, offset);
        rows.push_back({std::string(kPointNames[body]), text});
    }
    return rows;
}

}  // namespace velmora
