#pragma once
// The "sensitivity" field: how the chart changes within the window asked
// for around the birth time (--sensitivity MINUTES). JSON: the window, its
// first and last moment, the note on a window cut to the years computed,
// every item with its value at the given time and each crossing (the
// moment on the zone's clock with its offset, the seconds from the given
// time, the values before and after), and the days each Vimshottari period
// start moves per minute. CSV, one row a chart: the window, how many items
// change within it, the dasha dates' move, and for each item the minutes
// from the given time back to the change that began its value and on to
// the change that ends it (empty where none falls within the window), so
// that a chart robust to an error of ± m minutes is one whose cells are all
// empty or larger than m. As the panchanga: {"error": message} when refused,
// null when nobody asked.

#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/LocalMoment.h"
#include "chart/Sensitivity.h"
#include "cli/PanchangaFields.h"

namespace velmora::cli {

// "windowMinutes", "changing", "dashaShiftDaysPerMinute", then
// "<item>_before" and "<item>_after" for every item ("lagnaD9_before").
inline std::span<const std::string_view> SensitivityColumns() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> columns{"windowMinutes", "changing", "dashaShiftDaysPerMinute"};
        for (const SensitivityItem& item : SensitivityItems()) {
            columns.push_back(item.key + "_before");
            columns.push_back(item.key + "_after");
        }
        return columns;
    }();
    static const std::vector<std::string_view> views(texts.begin(), texts.end());
    return views;
}

// Minutes to two decimals.
inline double Minutes(int seconds) { return std::round(seconds / 60.0 * 100) / 100; }

template <typename W>
void WriteSensitivity(const ChartSource& s, W& w) {
    const std::size_t cells = SensitivityColumns().size();
    if (!s.sensitivity) return WriteNone(w, cells);
    if (!s.sensitivity->sensitivity) return WriteError(w, cells, s.sensitivity->refusal);
    const Sensitivity& x = *s.sensitivity->sensitivity;
    const double shift = std::round(x.dashaShiftDaysPerMinute * 1e4) / 1e4;
    if constexpr (std::is_same_v<W, CsvRow>) {
        if (!x.note.empty()) w.Note(x.note);  // the row's error column carries it
        int changing = 0;
        for (const SensitivityItem& item : x.items) changing += item.crossings.empty() ? 0 : 1;
        w.Int(x.windowMinutes);
        w.Int(changing);
        w.Double(shift);
        for (const SensitivityItem& item : x.items) {
            const SensitivityCrossing* before = nullptr;
            const SensitivityCrossing* after = nullptr;
            for (const SensitivityCrossing& c : item.crossings) {
                if (c.second <= 0) before = &c;
                if (c.second > 0 && !after) after = &c;
            }
            if (before) {
                w.Double(Minutes(-before->second));
            } else {
                w.Empty();
            }
            if (after) {
                w.Double(Minutes(after->second));
            } else {
                w.Empty();
            }
        }
    } else {
        w.BeginObject();
        w.KeyInt("windowMinutes", x.windowMinutes);
        w.KeyString("start", IsoMomentText(x.firstJulianDay, x.firstOffsetSeconds));
        w.KeyString("end", IsoMomentText(x.lastJulianDay, x.lastOffsetSeconds));
        w.KeyString("note", x.note);
        w.Key("items");
        w.BeginArray();
        for (const SensitivityItem& item : x.items) {
            w.BeginObject();
            w.KeyString("item", item.name);
            w.KeyString("value", SensitivityValueText(item, item.value));
            w.Key("crossings");
            w.BeginArray();
            for (const SensitivityCrossing& c : item.crossings) {
                w.BeginObject();
                w.KeyString("moment", IsoMomentText(c.julianDayUT, c.utcOffsetSeconds));
                w.KeyInt("seconds", c.second);
                w.KeyString("from", SensitivityValueText(item, c.from));
                w.KeyString("to", SensitivityValueText(item, c.to));
                w.EndObject();
            }
            w.EndArray();
            w.EndObject();
        }
        w.EndArray();
        w.KeyDouble("dashaShiftDaysPerMinute", shift);
        w.EndObject();
    }
}

}  // namespace velmora::cli
