#include "presentation/SensitivityLabels.h"

#include <cmath>
#include <cstdio>

#include "analysis/Varga.h"
#include "birth/LocalClock.h"
#include "birth/ZoneHistory.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

namespace velmora {

std::vector<SensitivitySpan> SensitivitySpans(const Sensitivity& s, const SensitivityItem& item) {
    std::vector<SensitivitySpan> spans;
    SensitivitySpan span;
    span.first = s.firstSecond;
    span.openStart = true;
    span.value = item.crossings.empty() ? item.value : item.crossings.front().from;
    span.startJulianDay = s.firstJulianDay;
    span.startOffset = s.firstOffsetSeconds;
    for (const SensitivityCrossing& c : item.crossings) {
        span.last = c.second - 1;
        span.endJulianDay = c.julianDayUT;
        span.endOffset = c.utcOffsetSeconds;
        spans.push_back(span);
        span = {};
        span.first = c.second;
        span.value = c.to;
        span.startJulianDay = c.julianDayUT;
        span.startOffset = c.utcOffsetSeconds;
    }
    span.last = s.lastSecond;
    span.openEnd = true;
    span.endJulianDay = s.lastJulianDay;
    span.endOffset = s.lastOffsetSeconds;
    spans.push_back(span);
    return spans;
}

SensitivitySpan GivenSpan(const Sensitivity& s, const SensitivityItem& item) {
    const std::vector<SensitivitySpan> spans = SensitivitySpans(s, item);
    for (const SensitivitySpan& span : spans)
        if (span.first <= 0 && 0 <= span.last) return span;
    return spans.front();
}

std::string SensitivityClockText(const Sensitivity& s, double julianDayUT, int utcOffsetSeconds) {
    const LocalClock c = LocalClockAt(julianDayUT, utcOffsetSeconds);
    const LocalClock given = LocalClockAt(s.julianDayUT, s.utcOffsetSeconds);
    std::string text;
    if (c.Year != given.Year || c.Month != given.Month || c.Day != given.Day)
        text = std::to_string(c.Year) + "-" + TwoDigits(c.Month) + "-" + TwoDigits(c.Day) + " ";
    text += TwoDigits(c.Hour) + ":" + TwoDigits(c.Minute) + ":" + TwoDigits(c.Second);
    if (utcOffsetSeconds != s.utcOffsetSeconds) text += " (UTC" + UtcOffsetText(utcOffsetSeconds) + ")";
    return text;
}

std::string DurationText(int seconds, Language language) {
    seconds = std::abs(seconds);
    const std::string h = std::to_string(seconds / 3600), min = std::to_string(seconds / 60 % 60),
                      sec = std::to_string(seconds % 60);
    if (seconds >= 3600) return Say(language, "%1 h %2 min %3 s", {h, min, sec});
    if (seconds >= 60) return Say(language, "%1 min %2 s", {min, sec});
    return Say(language, "%1 s", {sec});
}

std::string SensitivityItemName(const SensitivityItem& item, Language language) {
    if (language == Language::English) return item.name;
    const Glossary& glossary = GlossaryOf(language);
    const auto point = [&glossary](int body) { return glossary.pointNames[static_cast<std::size_t>(body)]; };
    const std::string varga = "D" + std::to_string(AllVargas()[static_cast<std::size_t>(item.index)].factor);
    constexpr int kAscendant = 9, kMoon = 1;
    switch (item.kind) {
        case SensitivityKind::VargaSign:
            if (item.body != kAscendant) return Say(language, "%1 in %2", {point(item.body), varga});
            return item.index == 0 ? std::string(point(kAscendant)) : Say(language, "%1 lagna", {varga});
        case SensitivityKind::LagnaNakshatra: return Say(language, "%1 nakshatra", {point(kAscendant)});
        case SensitivityKind::MoonNakshatra: return Say(language, "%1 nakshatra", {point(kMoon)});
        case SensitivityKind::Vimshottari: return Say(language, "%1 at birth", {glossary.dashaSystems[0]});
        case SensitivityKind::Bhava: return Say(language, "%1 bhava", {point(item.body)});
        case SensitivityKind::CuspSign: return Say(language, "Cusp %1", {std::to_string(item.index + 1)});
    }
    return item.name;
}

std::string SensitivityValueText(const SensitivityItem& item, int value, Language language) {
    if (language == Language::English) return SensitivityValueText(item, value);
    const Glossary& glossary = GlossaryOf(language);
    switch (item.kind) {
        case SensitivityKind::VargaSign:
        case SensitivityKind::CuspSign: return std::string(glossary.signs[static_cast<std::size_t>(value % 12)]);
        case SensitivityKind::LagnaNakshatra:
        case SensitivityKind::MoonNakshatra:
            return std::string(glossary.nakshatras[static_cast<std::size_t>(value / 4 % kNakshatraCount)]) + " " +
                   std::to_string(value % 4 + 1);
        case SensitivityKind::Vimshottari: {
            // The lords as the dasha tables write them: the value is the major
            // period's lord (its place in the cycle) times 9 plus the sub-period's
            // distance from it.
            const auto lord = [&glossary](int place) {
                return glossary.points[static_cast<std::size_t>(kVimshottariLords[static_cast<std::size_t>(place % 9)])];
            };
            return std::string(lord(value / 9)) + "\u2013" + std::string(lord(value / 9 + value % 9));
        }
        case SensitivityKind::Bhava: return Say(language, "house %1", {std::to_string(value)});
    }
    return SensitivityValueText(item, value);
}

std::string SpanText(const Sensitivity& s, const SensitivityItem& item, const SensitivitySpan& span, Language language) {
    const std::string value = SensitivityValueText(item, span.value, language);
    const std::string start = SensitivityClockText(s, span.startJulianDay, span.startOffset);
    const std::string end = SensitivityClockText(s, span.endJulianDay, span.endOffset);
    if (span.openStart && span.openEnd) return Say(language, "%1 throughout the window, %2 to %3", {value, start, end});
    if (span.openStart) return Say(language, "%1 from before %2 to %3", {value, start, end});
    if (span.openEnd) return Say(language, "%1 from %2 to after %3", {value, start, end});
    return Say(language, "%1 from %2 to %3", {value, start, end});
}

std::string SensitivitySummary(const Sensitivity& s, const SensitivityItem& item, Language language) {
    const SensitivitySpan span = GivenSpan(s, item);
    const std::string name = SensitivityItemName(item, language);
    const std::string stretch = SpanText(s, item, span, language);
    if (span.openStart && span.openEnd) return Say(language, "%1 is %2", {name, stretch});
    // The nearer edge the window shows.
    const int toEarlier = -span.first, toLater = span.last + 1;
    const bool earlier = !span.openStart && (span.openEnd || toEarlier <= toLater);
    const std::string given = SensitivityClockText(s, s.julianDayUT, s.utcOffsetSeconds);
    const std::string distance = DurationText(earlier ? toEarlier : toLater, language);
    return earlier ? Say(language, "%1 is %2; the given %3 lies %4 from the earlier edge", {name, stretch, given, distance})
                   : Say(language, "%1 is %2; the given %3 lies %4 from the later edge", {name, stretch, given, distance});
}

std::string CrossingText(const Sensitivity& s, const SensitivityItem& item, const SensitivityCrossing& c,
                         Language language) {
    return SensitivityClockText(s, c.julianDayUT, c.utcOffsetSeconds) + "  " +
           SensitivityValueText(item, c.from, language) + " \u2192 " + SensitivityValueText(item, c.to, language);
}

std::string SensitivityWindowText(const Sensitivity& s, Language language) {
    return Say(language, "\u00B1%1 minutes: %2 to %3 on the zone's clock (UTC%4 at the given time)",
               {std::to_string(s.windowMinutes), SensitivityClockText(s, s.firstJulianDay, s.firstOffsetSeconds),
                SensitivityClockText(s, s.lastJulianDay, s.lastOffsetSeconds), UtcOffsetText(s.utcOffsetSeconds)});
}

std::string DashaShiftText(const Sensitivity& s, Language language) {
    char days[32];
    std::snprintf(days, sizeof days, "%.2f", std::fabs(s.dashaShiftDaysPerMinute));
    return s.dashaShiftDaysPerMinute < 0
               ? Say(language,
                     "Every Vimshottari major and sub-period start moves %1 days earlier for each minute the birth is later",
                     {days})
               : Say(language,
                     "Every Vimshottari major and sub-period start moves %1 days later for each minute the birth is later",
                     {days});
}

bool SummaryItem(const SensitivityItem& item) {
    switch (item.kind) {
        case SensitivityKind::VargaSign: return item.body == 9;
        case SensitivityKind::LagnaNakshatra:
        case SensitivityKind::MoonNakshatra:
        case SensitivityKind::Vimshottari: return true;
        case SensitivityKind::Bhava:
        case SensitivityKind::CuspSign: return false;
    }
    return false;
}

}  // namespace velmora
