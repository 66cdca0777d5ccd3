#pragma once
// The birth-time sensitivity in words, the same in the window, the printed
// page and the command line's text: each item's stretches of one value
// across the window, the sentence saying how far the given time lies from
// the nearer edge of its own ("D9 lagna is Leo from 05:52:10 to 06:09:47;
// the given 06:00:00 lies 7 min 50 s from the earlier edge"), and the move
// of the dasha dates. Clock times are the zone's at each moment: a time on
// another clock than the given one (daylight saving began or ended within
// the window) carries its offset, one on another day its date.
//
// In another language the sentences are the phrase table's, the items'
// names and values the glossary's signs, nakshatras, points and dasha
// system; the clock times and numbers stay as they are.

#include <string>
#include <vector>

#include "chart/Sensitivity.h"
#include "text/Language.h"

namespace velmora {

// A stretch of one value: from its first second to the second the next
// value begins (`last` + 1), within the window. An open end is the
// window's edge, where the value may run on.
struct SensitivitySpan {
    int first = 0, last = 0;  // seconds from the given time
    int value = 0;
    bool openStart = false, openEnd = false;
    double startJulianDay = 0, endJulianDay = 0;  // the moments of `first` and of `last` + 1
    int startOffset = 0, endOffset = 0;           // the zone's clock then
};

std::vector<SensitivitySpan> SensitivitySpans(const Sensitivity& s, const SensitivityItem& item);

// The span holding the given time.
SensitivitySpan GivenSpan(const Sensitivity& s, const SensitivityItem& item);

// "05:52:10"; "2021-03-14 03:10:00" on another day; "03:10:00 (UTC-04:00)"
// on another clock than the given time's.
std::string SensitivityClockText(const Sensitivity& s, double julianDayUT, int utcOffsetSeconds);

// "7 min 50 s", "45 s", "2 h 3 min 0 s".
std::string DurationText(int seconds, Language language = Language::English);

// An item's name: "D9 lagna", "Sun in D1", "Moon nakshatra"; in Hindi "D9 लग्न".
std::string SensitivityItemName(const SensitivityItem& item, Language language = Language::English);

// A value of the item: "Leo", "Rohini 2", "Moon–Mars", "house 4".
std::string SensitivityValueText(const SensitivityItem& item, int value, Language language);

// "Leo from 05:52:10 to 06:09:47"; "Leo from before 05:30:00 to 06:09:47";
// "Leo throughout the window, 05:30:00 to 06:30:00".
std::string SpanText(const Sensitivity& s, const SensitivityItem& item, const SensitivitySpan& span,
                     Language language = Language::English);

// "D9 lagna is Leo from 05:52:10 to 06:09:47; the given 06:00:00 lies 7 min
// 50 s from the earlier edge"; an item that keeps its value: "Sun in D1 is
// Aries throughout the window, 05:30:00 to 06:30:00".
std::string SensitivitySummary(const Sensitivity& s, const SensitivityItem& item,
                               Language language = Language::English);

// "06:09:47  Leo → Virgo".
std::string CrossingText(const Sensitivity& s, const SensitivityItem& item, const SensitivityCrossing& c,
                         Language language = Language::English);

// "±30 minutes: 05:30:00 to 06:30:00 on the zone's clock (UTC+05:30)".
std::string SensitivityWindowText(const Sensitivity& s, Language language = Language::English);

// "Every Vimshottari major and sub-period start moves 4.93 days earlier for
// each minute the birth is later".
std::string DashaShiftText(const Sensitivity& s, Language language = Language::English);

// The items the printed summary names: the lagna, its nakshatra quarter,
// every varga's lagna, the Moon's nakshatra quarter and the Vimshottari
// lords at birth.
bool SummaryItem(const SensitivityItem& item);

}  // namespace velmora
