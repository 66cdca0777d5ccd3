#pragma once
// A computed chart as numbers and flags: what every front end reads. It is
// made once per birth (ComputeChart) and never changed afterwards; captions,
// position texts and marks are labels made from it (presentation/), never
// read back.

#include <array>
#include <string>

#include "analysis/ChartState.h"
#include "analysis/Nakshatra.h"
#include "analysis/Vimshottari.h"
#include "birth/ChartMode.h"
#include "engine/Calendar.h"
#include "engine/NameTables.h"
#include "report/ReportPiece.h"

namespace velmora {

// One point of the chart: a graha (body numbers 0 Sun … 8 Ketu) or the
// ascendant (9).
struct ChartPoint {
    double longitude = 0;     // sidereal degrees, 0 ≤ λ < 360
    double speed = 0;         // degrees a day; 0 where not known
    bool speedKnown = false;  // the classic engine computes no speeds
    bool retrograde = false;
    int sign = 0;  // 0 Aries … 11 Pisces
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// The clock and place a chart was computed for, as the birth gave them.
struct ChartBirth {
    std::string name;
    CivilMoment clock;  // the local date and clock time (minutes)
    int second = 0;
    // The place as the engine took it: whole degrees and minutes, the
    // hemispheres as flags.
    int latitudeDegrees = 0, latitudeMinutes = 0;
    int longitudeDegrees = 0, longitudeMinutes = 0;
    bool south = false, east = false;
    std::string city, state, country, place;
    // The zone: an IANA id (empty for a list entry), the offset east of
    // Greenwich with daylight saving ("+05:30"), whether daylight saving was
    // in force, and in one line what was used ("Europe/Paris: UTC+02:00,
    // daylight saving" or "Indian Time, IST, +5.3: UTC+05:30").
    std::string timeZone, utcOffset, zoneText, zoneUsed;
    bool dst = false;
};

struct Chart {
    ComputationMode mode = ComputationMode::Classic;
    std::string modeText;  // how a precise chart was computed; empty for a classic one
    ChartBirth birth;
    std::array<ChartPoint, kBodyCount> points{};
    double ayanamsa = 0;  // degrees subtracted from the tropical longitudes
    std::array<int, kArudhaCount> arudhaSigns{};  // sign index by arudha number (0 = AL)
    std::array<NakshatraPlace, kBodyCount> nakshatras{};
    std::array<int, kBodyCount> navamsaSigns{};
    VimshottariDasha dasha;  // empty when not asked for
    Report report;           // empty when not asked for
    // The instant and place as an ephemeris takes them: Universal Time as a
    // Julian Date, the clock's offset east of Greenwich at the birth in
    // seconds, the place in degrees (north and east positive) and the node.
    double julianDayUT = 0;
    int utcOffsetSeconds = 0;
    double latitude = 0, longitude = 0;
    NodeKind node = NodeKind::Mean;
};

}  // namespace velmora
