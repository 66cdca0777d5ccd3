#pragma once
// Synthetic charts for the analysis tests: bodies placed by sign index, the
// arudhas computed as a run computes them.

#include <array>
#include <initializer_list>
#include <string>

#include "analysis/ChartState.h"
#include "tests/support/TextArudhas.h"
#include "report/ReportTables.h"
#include "report/ReportWriter.h"
#include "engine/LongitudeText.h"
#include "engine/NameTables.h"

namespace velmora::testing {

// Sign index by body number: Sun … Ketu, then the ascendant.
using BodyPlacement = std::array<int, kBodyCount>;

// Short position texts "12 Sgn 34" with the given signs.
inline PositionList PositionsFor(const BodyPlacement& signs) {
    PositionList positions;
    for (int i = 0; i < kBodyCount; ++i) {
        positions[i] = "12 ";
        positions[i] += kSignNames[signs[i]];
        positions[i] += " 34";
    }
    return positions;
}

struct Computed {
    ChartState chart;
    ArudhaCaptions captions;
    GrahaArudha arudha;
    ReportTables tables;
};

// Bodies placed, the twelve arudhas computed, the tables and report rows filled.
inline Computed ComputeChart(const BodyPlacement& signs) {
    NameTables names;
    FillNameTables(names);
    Computed c;
    for (int i = 0; i < kBodyCount; ++i) c.chart.BodySigns[i] = static_cast<std::int16_t>(signs[i]);
    ComputeArudhas(c.arudha, PositionsFor(signs), names.SignLords, c.chart, c.captions);
    FillReportTables(c.tables);
    FillArudhaReportRows(c.tables, c.chart);
    return c;
}

// The report a chart with these placements gets.
inline Report ExpectedReport(const Computed& c) {
    Report report;
    WriteReport(c.chart, c.tables, report);
    return report;
}

// Sign indices by name, for readable tables.
enum SignIndex { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

// The worked chart: ascendant in Aries, Sun Leo, Moon Taurus, Mercury Virgo,
// Venus Libra, Mars Capricorn, Jupiter Cancer, Saturn Aquarius, Rahu Gemini,
// Ketu Sagittarius.
inline constexpr BodyPlacement kWorkedChart = {Leo, Tau, Vir, Lib, Cap, Can, Aqu, Gem, Sag, Ari};

// A chart in which no rule holds: every arudha in Aries, the bodies in its
// 4th, 5th, 10th and 12th signs (Sun Leo, Moon Cancer, Mercury Leo, Venus and
// Mars Pisces, Jupiter, Saturn and Ketu Capricorn, Rahu Leo, ascendant Cancer).
// Cases move single bodies or arudhas from here.
inline ChartState QuietChart() {
    ChartState chart;
    const std::array<int, kBodyCount> bodies = {Leo, Can, Leo, Pis, Pis, Cap, Cap, Leo, Cap, Can};
    for (int i = 0; i < kBodyCount; ++i) chart.BodySigns[i] = static_cast<std::int16_t>(bodies[i]);
    chart.ArudhaSigns.fill(Ari);
    return chart;
}

// A move of one body or one arudha to a sign.
struct Move {
    enum Kind { Body, Arudha } kind;
    int index;
    int sign;
};

inline ChartState WithMoves(ChartState chart, std::initializer_list<Move> moves) {
    for (const Move& m : moves) {
        auto& slot = m.kind == Move::Body ? chart.BodySigns[m.index] : chart.ArudhaSigns[m.index];
        slot = static_cast<std::int16_t>(m.sign);
    }
    return chart;
}

inline Move BodyTo(int body, int sign) { return {Move::Body, body, sign}; }
inline Move ArudhaTo(int arudha, int sign) { return {Move::Arudha, arudha, sign}; }

// Body numbers by name.
enum BodyNumber { kSun, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn, kRahu, kKetu, kAsc };

}  // namespace velmora::testing
