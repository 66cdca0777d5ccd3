#include "presentation/TimeLabels.h"

#include <cmath>

#include "analysis/PanchangaNames.h"
#include "chart/LocalMoment.h"
#include "engine/NameTables.h"
#include "ephemeris/PreciseEphemeris.h"
#include "presentation/ChartNotes.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

namespace velmora {

namespace {

// A moment by `write`, or as MomentLabel writes it without one.
std::string Write(const MomentWriter& write, double jd, int offset, MomentPrecision precision) {
    return write ? write(jd, offset, precision) : MomentLabel(jd, offset);
}

// "3 Shukla Tritiya, <start> to <end>, 42% left at birth": `name` is the
// limb's own in English, the glossary's in another language.
std::string LimbText(const PanchangaLimb& limb, std::string_view name, int offset, const MomentWriter& write,
                     Language language) {
    return std::to_string(limb.number) + " " + std::string(name) + ", " +
           Say(language, "%1 to %2",
               {Write(write, limb.start, offset, MomentPrecision::Second),
                Write(write, limb.end, offset, MomentPrecision::Second)}) +
           ", " + Say(language, "%1% left at birth", {std::to_string(static_cast<int>(std::lround(limb.left * 100)))});
}

std::string SignName(int sign, Language language) {
    return std::string(GlossaryOf(language).signShort[static_cast<std::size_t>(sign)]);
}

std::string PointName(int body, Language language) {
    return std::string(GlossaryOf(language).pointNames[static_cast<std::size_t>(body)]);
}

const PhraseKey kPhaseNames[3] = {"rising (Saturn in the 12th from the Moon)", "peak (Saturn over the Moon's sign)",
                                  "setting (Saturn in the 2nd from the Moon)"};

}  // namespace

std::string MomentLabel(double jdUT, int offsetSeconds) {
    std::string text = LocalDateTimeText(jdUT, offsetSeconds);
    text[10] = ' ';
    return text;
}

std::vector<LabelRow> PanchangaRows(const Panchanga& p, int offset, const MomentWriter& write, Language language) {
    const auto moment = [&](double jd) { return Write(write, jd, offset, MomentPrecision::Second); };
    const Glossary& glossary = GlossaryOf(language);
    const bool english = language == Language::English;
    std::vector<LabelRow> rows;
    const auto boundary = [&](DayBoundary kind, double at) {
        return kind == DayBoundary::Sunrise ? Say(language, "sunrise %1", {moment(at)})
                                            : Say(language, "local midnight %1", {moment(at)});
    };
    const std::string weekday =
        english ? p.vara.name + " (" + std::string(kWeekdayNames[static_cast<std::size_t>(p.vara.number - 1)]) + ")"
                : std::string(glossary.weekdays[static_cast<std::size_t>(p.vara.number - 1)]);
    rows.push_back({std::string(Say(language, "Weekday (vara)")),
                    std::to_string(p.vara.number) + " " + weekday + ", " +
                        Say(language, "%1 to %2", {boundary(p.dayBegins, p.vara.start), boundary(p.dayEnds, p.vara.end)})});
    const std::string tithi = english ? p.paksha + " " + p.tithi.name
                                      : std::string(PakshaName(glossary, p.tithi.number)) + " " +
                                            std::string(TithiName(glossary, p.tithi.number));
    // English keeps the limb's own name; another language looks its number
    // up only then.
    const auto named = [&](const PanchangaLimb& limb, auto translated) {
        return english ? std::string_view(limb.name) : std::string_view(translated());
    };
    rows.push_back({std::string(Say(language, "Tithi")), LimbText(p.tithi, tithi, offset, write, language)});
    rows.push_back({std::string(Say(language, "Nakshatra")),
                    LimbText(p.nakshatra,
                             named(p.nakshatra,
                                   [&] { return glossary.nakshatras[static_cast<std::size_t>(p.nakshatra.number - 1)]; }),
                             offset, write, language)});
    rows.push_back({std::string(Say(language, "Yoga")),
                    LimbText(p.yoga,
                             named(p.yoga, [&] { return glossary.yogas[static_cast<std::size_t>(p.yoga.number - 1)]; }),
                             offset, write, language)});
    rows.push_back({std::string(Say(language, "Karana")),
                    LimbText(p.karana, named(p.karana, [&] { return KaranaName(glossary, p.karana.number); }), offset,
                             write, language)});
    const std::string convention = " (" + std::string(SayIfPhrase(language, SunriseConventionName(p.convention))) + ")";
    const std::string none(Say(language, "none in this day"));
    rows.push_back({std::string(Say(language, "Sunrise")), p.sunrise ? moment(*p.sunrise) + convention : none});
    rows.push_back({std::string(Say(language, "Sunset")), p.sunset ? moment(*p.sunset) + convention : none});
    if (p.sunMissing != SunMissing::None) rows.push_back({std::string(Say(language, "Note")), PanchangaNoteIn(p, language)});
    return rows;
}

std::vector<LabelRow> TransitPositionRows(const Transits& t, const MomentWriter& write, Language language) {
    std::vector<LabelRow> rows;
    rows.push_back({std::string(Say(language, "Moment")),
                    write ? write(t.moment, t.utcOffsetSeconds, MomentPrecision::Minute)
                          : IsoMomentText(t.moment, t.utcOffsetSeconds)});
    for (int body = 0; body < kBodyCount; ++body) {
        const ChartPoint& p = t.points[static_cast<std::size_t>(body)];
        std::string text = SignName(p.sign, language) + " " + DegreesMinutesSeconds(std::fmod(p.longitude, 30.0));
        if (p.retrograde) text.append(" ").append(Say(language, "retrograde"));
        text += ", " + Say(language, "house %1 from the Moon, house %2 from the ascendant",
                           {std::to_string(t.housesFromMoon[static_cast<std::size_t>(body)]),
                            std::to_string(t.housesFromAscendant[static_cast<std::size_t>(body)])});
        rows.push_back({PointName(body, language), text});
    }
    return rows;
}

std::vector<LabelRow> SadeSatiRows(const Transits& t, const MomentWriter& write, Language language) {
    const SadeSati& s = t.sadeSati;
    const int offset = t.utcOffsetSeconds;
    const auto moment = [&](double jd, int at) { return Write(write, jd, at, MomentPrecision::Minute); };
    const std::string title(Say(language, "Sade sati"));
    std::vector<LabelRow> rows;
    if (s.start == 0) {
        rows.push_back({title, std::string(Say(language, "no passage found within 31 years"))});
        return rows;
    }
    const std::string state =
        s.running ? Say(language, "running, phase %1 %2", {std::to_string(s.phase), Say(language, kPhaseNames[s.phase - 1])})
                  : std::string(Say(language, "not running; the next passage"));
    rows.push_back({title, state + ": " + Say(language, "%1 to %2", {moment(s.start, offset), moment(s.end, offset)})});
    for (int i = 0; i < 3; ++i) {
        const double end = i < 2 ? s.phaseStarts[static_cast<std::size_t>(i + 1)] : s.end;
        rows.push_back({Say(language, "Phase %1", {std::to_string(i + 1)}),
                        std::string(Say(language, kPhaseNames[i])) + ": " +
                            Say(language, "%1 to %2",
                                {moment(s.phaseStarts[static_cast<std::size_t>(i)], offset), moment(end, offset)})});
    }
    return rows;
}

std::vector<LabelRow> NextChangeRows(const Transits& t, const MomentWriter& write, Language language) {
    const int offset = t.utcOffsetSeconds;
    const auto moment = [&](double jd, int at) { return Write(write, jd, at, MomentPrecision::Minute); };
    std::vector<LabelRow> rows;
    for (std::size_t body = 0; body < t.nextIngress.size(); ++body) {
        std::string text;
        if (const auto& ingress = t.nextIngress[body]) {
            text = Say(language, "enters %1 %2", {SignName(ingress->sign, language), moment(ingress->moment, offset)});
        } else {
            text = Say(language, "stays in its sign for a year");
        }
        if (const auto& r = t.nextRetrogradeStation[body])
            text += "; " + Say(language, "turns retrograde %1", {moment(*r, offset)});
        if (const auto& d = t.nextDirectStation[body]) text += "; " + Say(language, "turns direct %1", {moment(*d, offset)});
        rows.push_back({PointName(static_cast<int>(body), language), text});
    }
    return rows;
}

}  // namespace velmora
