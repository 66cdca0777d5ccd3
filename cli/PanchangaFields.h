#pragma once
// The "panchanga" field: the birth's weekday, tithi, nakshatra, yoga and
// karana (each its number counted from 1, name, start and end on the birth's
// clock, and the share left at the birth), the sunrise and sunset, and the
// sunrise convention; what each day begins and ends with ("sunrise", or
// "midnight" on a date the Sun does not rise) and the note saying why a
// sunrise or sunset is null (in CSV the line's error column carries the
// note). A chart the panchanga was refused for writes {"error": message}
// (empty cells in CSV, the message in the error column); one nobody asked it
// for, null.

#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <type_traits>
#include <utility>

#include "chart/LocalMoment.h"
#include "chart/Panchanga.h"
#include "cli/ChartSource.h"
#include "cli/CsvRow.h"

namespace velmora::cli {

inline constexpr std::array<std::string_view, 31> kPanchangaColumns = {
    "vara",           "vara_name",      "vara_start",      "vara_end",      "vara_left",
    "tithi",          "tithi_name",     "tithi_paksha",    "tithi_start",   "tithi_end",
    "tithi_left",     "nakshatra",      "nakshatra_name",  "nakshatra_start", "nakshatra_end",
    "nakshatra_left", "yoga",           "yoga_name",       "yoga_start",    "yoga_end",
    "yoga_left",      "karana",         "karana_name",     "karana_start",  "karana_end",
    "karana_left",    "sunrise",        "sunset",          "convention",    "day_begins",
    "day_ends"};

// Writes nothing but empty cells in CSV, or `json` otherwise.
template <typename W, typename Json>
void EmptyCellsOr(W& w, std::size_t cells, Json json) {
    if constexpr (std::is_same_v<W, CsvRow>) {
        for (std::size_t i = 0; i < cells; ++i) w.Empty();
    } else {
        json();
    }
}

// Why a part is not given: {"error": message} in JSON; in CSV empty cells,
// and the message in the row's error column.
template <typename W>
void WriteError(W& w, std::size_t cells, std::string_view message) {
    w.Note(message);
    EmptyCellsOr(w, cells, [&] {
        w.BeginObject();
        w.KeyString("error", message);
        w.EndObject();
    });
}

// No answer: null in JSON, empty cells in CSV.
template <typename W>
void WriteNone(W& w, std::size_t cells) {
    if constexpr (std::is_same_v<W, CsvRow>) {
        for (std::size_t i = 0; i < cells; ++i) w.Empty();
    } else {
        w.Double(std::numeric_limits<double>::quiet_NaN());  // null
    }
}

template <typename W>
void WritePanchangaLimb(W& w, std::string_view key, const PanchangaLimb& limb, int offset,
                        std::string_view paksha = {}) {
    w.Key(key);
    w.BeginObject();
    w.KeyInt("number", limb.number);
    w.KeyString("name", limb.name);
    if (!paksha.empty()) {
        w.KeyString("paksha", paksha);
    }
    w.KeyString("start", LocalDateTimeText(limb.start, offset));
    w.KeyString("end", LocalDateTimeText(limb.end, offset));
    w.KeyDouble("left", std::round(limb.left * 1e4) / 1e4);
    w.EndObject();
}

template <typename W>
void WritePanchanga(const ChartSource& s, W& w) {
    if (!s.panchanga) return WriteNone(w, kPanchangaColumns.size());
    if (!s.panchanga->panchanga) return WriteError(w, kPanchangaColumns.size(), s.panchanga->refusal);
    const Panchanga& p = *s.panchanga->panchanga;
    const int offset = s.chart.utcOffsetSeconds;
    w.BeginObject();
    WritePanchangaLimb(w, "vara", p.vara, offset);
    WritePanchangaLimb(w, "tithi", p.tithi, offset, p.paksha);
    WritePanchangaLimb(w, "nakshatra", p.nakshatra, offset);
    WritePanchangaLimb(w, "yoga", p.yoga, offset);
    WritePanchangaLimb(w, "karana", p.karana, offset);
    for (const auto& [key, moment] : {std::pair{"sunrise", p.sunrise}, std::pair{"sunset", p.sunset}}) {
        if (moment) {
            w.KeyString(key, LocalDateTimeText(*moment, offset));
        } else {
            w.KeyDouble(key, std::numeric_limits<double>::quiet_NaN());  // null
        }
    }
    w.KeyString("convention", SunriseConventionName(p.convention));
    w.KeyString("dayBegins", DayBoundaryName(p.dayBegins));
    w.KeyString("dayEnds", DayBoundaryName(p.dayEnds));
    if constexpr (std::is_same_v<W, CsvRow>) {
        if (!p.note.empty()) w.Note(p.note);  // the row's error column carries it
    } else {
        w.KeyString("note", p.note);
    }
    w.EndObject();
}

}  // namespace velmora::cli
