#include "presentation/SensitivityLabels.h"

#include <cmath>
#include <cstdio>

#include "birth/LocalClock.h"
#include "birth/ZoneHistory.h"

namespace velmora {

namespace {

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

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

std::string DurationText(int seconds) {
    seconds = std::abs(seconds);
    std::string text;
    if (seconds >= 3600) text = std::to_string(seconds / 3600) + " h ";
    if (seconds >= 60) text += std::to_string(seconds / 60 % 60) + " min ";
    return text + std::to_string(seconds % 60) + " s";
}

std::string SpanText(const Sensitivity& s, const SensitivityItem& item, const SensitivitySpan& span) {
    const std::string value = SensitivityValueText(item, span.value);
    const std::string start = SensitivityClockText(s, span.startJulianDay, span.startOffset);
    const std::string end = SensitivityClockText(s, span.endJulianDay, span.endOffset);
    if (span.openStart && span.openEnd) return value + " throughout the window, " + start + " to " + end;
    return value + " from " + (span.openStart ? "before " : "") + start + " to " + (span.openEnd ? "after " : "") + end;
}

std::string SensitivitySummary(const Sensitivity& s, const SensitivityItem& item) {
    const SensitivitySpan span = GivenSpan(s, item);
    std::string text = item.name + " is " + SpanText(s, item, span);
    if (span.openStart && span.openEnd) return text;
    // The nearer edge the window shows.
    const int toEarlier = -span.first, toLater = span.last + 1;
    const bool earlier = !span.openStart && (span.openEnd || toEarlier <= toLater);
    return text + "; the given " + SensitivityClockText(s, s.julianDayUT, s.utcOffsetSeconds) + " lies " +
           DurationText(earlier ? toEarlier : toLater) + " from the " + (earlier ? "earlier" : "later") + " edge";
}

std::string CrossingText(const Sensitivity& s, const SensitivityItem& item, const SensitivityCrossing& c) {
    return SensitivityClockText(s, c.julianDayUT, c.utcOffsetSeconds) + "  " + SensitivityValueText(item, c.from) +
           " \u2192 " + SensitivityValueText(item, c.to);
}

std::string SensitivityWindowText(const Sensitivity& s) {
    return "\u00B1" + std::to_string(s.windowMinutes) + " minutes: " +
           SensitivityClockText(s, s.firstJulianDay, s.firstOffsetSeconds) + " to " +
           SensitivityClockText(s, s.lastJulianDay, s.lastOffsetSeconds) + " on the zone's clock (UTC" +
           UtcOffsetText(s.utcOffsetSeconds) + " at the given time)";
}

std::string DashaShiftText(const Sensitivity& s) {
    char days[32];
    std::snprintf(days, sizeof days, "%.2f", std::fabs(s.dashaShiftDaysPerMinute));
    return std::string("Every Vimshottari major and sub-period start moves ") + days + " days " +
           (s.dashaShiftDaysPerMinute < 0 ? "earlier" : "later") + " for each minute the birth is later";
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
