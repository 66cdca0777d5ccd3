#include "presentation/ChartNotes.h"

#include "birth/FormFields.h"
#include "birth/ZoneHistory.h"
#include "birth/ZonePreview.h"
#include "chart/LocalMoment.h"
#include "ephemeris/PreciseEphemeris.h"
#include "birth/ZoneTable.h"
#include "presentation/LocalFormat.h"
#include "presentation/Phrases.h"
#include "text/Quoted.h"

namespace velmora {

std::string LongDateIn(const LocalClock& clock, Language language) {
    std::string text = std::to_string(clock.Day);
    text += ' ';
    text += MonthNamesOf(language)[static_cast<std::size_t>((clock.Month + 11) % 12)];
    text += ' ';
    text += std::to_string(clock.Year);
    return text;
}

std::string ModeTextIn(const Chart& chart, Language language) {
    if (chart.mode != ComputationMode::Precise) return {};
    std::string text(chart.analyticalEphemeris ? Say(language, "Precise: Swiss Ephemeris (Moshier)")
                                               : Say(language, "Precise: Swiss Ephemeris"));
    text += ", ";
    text += chart.ayanamsaLabel;
    if (chart.positions == PositionKind::True) {
        text += ", ";
        text += Say(language, "true positions");
    }
    text += ", ";
    text += chart.node == NodeKind::True ? Say(language, "true node") : Say(language, "mean node");
    return text;
}

std::string PositionsNoteIn(const Chart& chart, Language language) {
    if (chart.mode == ComputationMode::Precise) return ModeTextIn(chart, language);
    return std::string(Say(language, "Classic positions (the program's own model)"));
}

namespace {

// "Asia/Kolkata: UTC+05:30 on 20 June 1990 at 10:00" and what follows it
// (a mean time's owner, the repeated hour's choice), from the zone's facts.
std::string ZoneLineIn(const std::string& zoneId, std::string_view offset, bool dst, std::string_view abbreviation,
                       const LocalClock& clock, RepeatedHour repeated, Language language) {
    std::string text = zoneId + ": UTC";
    text += offset;
    if (dst) text = Say(language, "%1, daylight saving", {text});
    // Before 1901 the line names the database's entry and whose time it is.
    const bool early = clock.Year < kMeanTimesBefore;
    if (early) {
        text += " (";
        text += abbreviation;
        text += ')';
    }
    std::string time = TwoDigits(clock.Hour);
    time += ':';
    time += TwoDigits(clock.Minute);
    text = Say(language, "%1 on %2 at %3", {text, LongDateIn(clock, language), time});
    if (early) {
        text = Say(language, "%1, as the tz database gives it before %2", {text, std::to_string(kMeanTimesBefore)});
        if (abbreviation == "LMT")
            text = Say(language, "%1: the local mean time of %2, not of the birth place", {text, ZoneCity(zoneId)});
        else if (CityMeanTime(abbreviation))
            text = Say(language, "%1: a city's mean time, not the birth place's", {text});
    }
    if (repeated == RepeatedHour::Earlier)
        text = Say(language, "%1, the earlier of the two (the clocks showed this time twice)", {text});
    else if (repeated == RepeatedHour::Later)
        text = Say(language, "%1, the later of the two (the clocks showed this time twice)", {text});
    return text;
}

}  // namespace

std::string ZoneTextIn(const ChartBirth& b, Language language) {
    if (b.zoneEntry >= 0 || b.timeZone.empty()) return {};
    const LocalClock clock{b.clock.year, b.clock.month, b.clock.day, b.clock.hour, b.clock.minute, b.second};
    return ZoneLineIn(b.timeZone, b.utcOffset, b.dst, b.zoneAbbreviation, clock, b.repeated, language);
}

std::string ZoneLookupIn(const ZoneLookup& lookup, Language language) {
    const auto period = [language](const ZoneMoment& m) {
        const std::string utc = "UTC" + UtcOffsetText(m.OffsetSeconds);
        return m.DaylightSaving ? Say(language, "%1 (daylight saving)", {utc}) : utc;
    };
    switch (lookup.Problem) {
        case ZoneProblem::UnknownZone:
            return Say(language,
                       "time zone: no zone is named %1 in the time-zone database (give an id such as Asia/Kolkata "
                       "or Europe/London)",
                       {Quoted(lookup.ZoneId)});
        case ZoneProblem::Skipped:
            return Say(language, "%1 did not exist in %2: the clocks went from %3 (%4) straight to %5 (%6)",
                       {lookup.ClockText, lookup.ZoneId, lookup.From, period(lookup.Before), lookup.To,
                        period(lookup.After)});
        case ZoneProblem::Repeated:
            return Say(language, "%1 happened twice in %2: first at %3, then at %4; say which (earlier or later)",
                       {lookup.ClockText, lookup.ZoneId, period(lookup.Before), period(lookup.After)});
        case ZoneProblem::None:
        case ZoneProblem::Other: break;
    }
    return lookup.Message;
}

std::string ChartRefusalIn(const ChartRefusal& refusal, Language language) {
    if (refusal.zone) return ZoneLookupIn(*refusal.zone, language);
    return RefusalIn(refusal.message, language);
}

std::string ZonePreviewIn(const ZonePreview& preview, Language language) {
    const ZoneLookup& lookup = preview.lookup;
    if (!lookup.Found) return ZoneLookupIn(lookup, language);
    std::string text = ZoneLineIn(lookup.Moment.ZoneId, UtcOffsetText(lookup.Moment.OffsetSeconds),
                                  lookup.Moment.DaylightSaving, lookup.Moment.Abbreviation, preview.clock,
                                  RepeatedHour::Unresolved, language);
    if (preview.unlistedOffsetSeconds)
        text = Say(language,
                   "%1. The zone list has no entry for UTC%2; tick \"Precise positions\" to compute with the exact "
                   "offset.",
                   {text, UtcOffsetText(*preview.unlistedOffsetSeconds)});
    return text;
}

std::string ZoneUsedIn(const ChartBirth& b, Language language) {
    if (b.zoneEntry < 0) return ZoneTextIn(b, language);
    std::string text(kZoneTable[static_cast<std::size_t>(b.zoneEntry)].DisplayText);
    text += ": UTC";
    text += b.utcOffset;
    if (b.dst) text = Say(language, "%1, daylight saving", {text});
    return text;
}

std::string PanchangaNoteIn(const Panchanga& p, Language language) {
    const std::string day = LongDateIn(p.noteDay, language);
    const std::string_view why = p.midnightSun ? Say(language, "the midnight sun") : Say(language, "the polar night");
    switch (p.sunMissing) {
        case SunMissing::None: return {};
        case SunMissing::Rise:
            return Say(language, "The Sun does not rise at this place on %1 (%2); the day begins at local midnight",
                       {day, why});
        case SunMissing::RiseAndSet:
            return Say(language,
                       "The Sun neither rises nor sets at this place on %1 (%2); the day begins at local midnight",
                       {day, why});
        case SunMissing::Set:
            return Say(language, "The Sun does not set at this place in the day begun at the sunrise of %1 (%2)",
                       {day, why});
    }
    return {};
}

std::string StrengthsNoteIn(const ShadbalaAndBhavaBala& balas, Language language) {
    if (balas.sunRises) return {};
    const std::string day = LongDateIn(balas.noteDay, language);
    if (balas.daylight)
        return Say(language,
                   "The Sun does not set at this place in the birth's day (%1); tribhaga bala divides the whole day "
                   "as daytime and the hours count from the day's start",
                   {day});
    return Say(language,
               "The Sun does not rise at this place in the birth's day (%1); tribhaga bala divides the whole day as "
               "night and the hours count from the day's start",
               {day});
}

std::string SensitivityNoteIn(const Sensitivity& s, Language language) {
    // Unless cut, the window runs the whole minutes asked either side; cut at
    // both ends (it never is: the years span centuries) the end is said.
    const bool cutBefore = s.firstSecond > -60 * s.windowMinutes, cutAfter = s.lastSecond < 60 * s.windowMinutes;
    if (!cutBefore && !cutAfter) return {};
    const YearRange years = YearsFor(ComputationMode::Precise);
    const int away = cutAfter ? s.lastSecond : -s.firstSecond;
    const std::string moment = cutAfter ? LocalDateTimeText(s.lastJulianDay, s.lastOffsetSeconds)
                                        : LocalDateTimeText(s.firstJulianDay, s.firstOffsetSeconds);
    const std::string minutes = std::to_string(away / 60), seconds = std::to_string(away % 60);
    const std::string first = std::to_string(years.first), last = std::to_string(years.last);
    if (cutAfter)
        return Say(language,
                   "The window ends at %1, %2 min %3 s after the given time: precise positions are computed for the "
                   "years %4 to %5",
                   {moment, minutes, seconds, first, last});
    return Say(language,
               "The window begins at %1, %2 min %3 s before the given time: precise positions are computed for the "
               "years %4 to %5",
               {moment, minutes, seconds, first, last});
}

std::string HousesNoteIn(const Chart& chart, Language language) {
    if (chart.housesNote.empty()) return {};
    return Say(language,
               "Placidus houses cannot be drawn at %1, where some degrees of the ecliptic never rise or set; the "
               "houses are equal houses from the ascendant",
               {LatitudeText(chart.latitude)});
}

std::string RefusalIn(std::string_view refusal, Language language) {
    return std::string(SayIfPhrase(language, refusal));
}

}  // namespace velmora
