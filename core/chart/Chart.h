#pragma once
// A computed chart as numbers and flags: what every front end reads. It is
// made once per birth (ComputeChart) and never changed afterwards; captions,
// position texts and marks are labels made from it (presentation/), never
// read back.

#include <array>
#include <string>

#include "analysis/Ashtakavarga.h"
#include "analysis/AshtakavargaReduction.h"
#include "analysis/ChartState.h"
#include "analysis/Nakshatra.h"
#include "analysis/SignOf.h"
#include "analysis/Varga.h"
#include "analysis/DashaEngine.h"
#include "birth/Birth.h"
#include "birth/ChartMode.h"
#include "birth/ChartOptions.h"
#include "birth/DashaChoice.h"
#include "engine/Calendar.h"
#include "engine/NameTables.h"
#include "report/ReportPiece.h"

namespace velmora {

// One point of the chart: a graha (body numbers 0 Sun … 8 Ketu) or the
// ascendant (9).
struct ChartPoint {
    double longitude = 0;     // sidereal degrees, 0 ≤ λ < 360
    double speed = 0;         // degrees a day; 0 where not known
    bool speedKnown = false;  // the classic engine computes no speeds, nor the precise one the ascendant's
    bool retrograde = false;
    double latitude = 0;  // ecliptic degrees north; 0 where not known
    bool latitudeKnown = false;  // the classic engine computes no latitudes
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
    int zoneEntry = -1;  // the zone list's entry the clock was read by; -1 for a time zone's history
    // What those lines say besides, for a time zone's history: the zone's
    // abbreviation then ("IST", "LMT") and which reading of a time the
    // clocks showed twice was taken (Unresolved: the time was shown once).
    std::string zoneAbbreviation;
    RepeatedHour repeated = RepeatedHour::Unresolved;
};

struct Chart {
    ComputationMode mode = ComputationMode::Classic;
    std::string modeText;  // how a precise chart was computed; empty for a classic one
    bool analyticalEphemeris = false;  // computed by Moshier's series, the data files missing
    ChartBirth birth;
    std::array<ChartPoint, kBodyCount> points{};
    double ayanamsa = 0;  // degrees subtracted from the tropical longitudes
    std::array<int, kArudhaCount> arudhaSigns{};  // sign index by arudha number (0 = AL)
    std::array<NakshatraPlace, kBodyCount> nakshatras{};
    std::array<int, kBodyCount> navamsaSigns{};
    Report report;  // empty when not asked for
    // The astrologer's choices and the houses beside the signs (precise
    // charts; a classic chart leaves them empty): the ayanamsa's name
    // ("True Chitra") and label with its true value ("True Chitra 23° 50′ 2″"),
    // the kind of positions, the house system the cusps are of, the twelve
    // cusps (sidereal degrees where each house begins), each point's house
    // 1–12, and why the system chosen could not be drawn (empty when it was).
    std::string ayanamsaName;
    std::string ayanamsaLabel;
    PositionKind positions = PositionKind::Apparent;
    // The ayanamsa as chosen (a custom one with its value and date), so that
    // positions at other moments (transits, the panchanga) take the same.
    AyanamsaKind ayanamsaKind = AyanamsaKind::Lahiri;
    CustomAyanamsa customAyanamsa;
    HouseSystem houses = HouseSystem::WholeSign;
    std::array<double, 12> cusps{};
    std::array<int, kBodyCount> bhavas{};
    std::string housesNote;
    // The sixteen divisional charts: each point's sign in each varga, in the
    // order of AllVargas() ([varga][body number]), and whether it stands in
    // the same sign in D1 and D9 (vargottama).
    VargaSigns vargas{};
    std::array<bool, kBodyCount> vargottama{};
    // The dashas on the dasha engine, by system (DashaSystem), each with the
    // path running on the day asked for to every level: those asked for
    // (ChartWants::dashas) are computed, the others left empty
    // (DashaTimeline::Computed). Deeper periods are worked out from a period
    // when wanted (SubPeriods).
    DashaYear dashaYear = DashaYear::Julian;
    DashaSystem dashaSystem = DashaSystem::Vimshottari;  // the system the window opens with
    std::array<DashaTimeline, kDashaSystemCount> dashas{};
    const DashaTimeline& Dasha(DashaSystem system) const { return dashas[static_cast<std::size_t>(system)]; }
    // Parashara's ashtakavarga from the points' signs in both readings of
    // its tables, each with its reductions and pindas; all zero when not
    // asked for.
    std::array<AshtakavargaTables, std::size(kAshtakavargaReadings)> ashtakavargas{};
    const AshtakavargaTables& AshtakavargaIn(AshtakavargaReading reading) const {
        return ashtakavargas[static_cast<std::size_t>(reading)];
    }
    // The instant and place as an ephemeris takes them: Universal Time as a
    // Julian Date, the clock's offset east of Greenwich at the birth in
    // seconds, the place in degrees (north and east positive: for a precise
    // chart the birth's own, for a classic one its whole arc minutes, as the
    // engine took them) and the node.
    double julianDayUT = 0;
    int utcOffsetSeconds = 0;
    double latitude = 0, longitude = 0;
    NodeKind node = NodeKind::Mean;
    // The birth as given to ComputeChart, so that the charts of other moments
    // (the neighbouring charts of the birth-time sensitivity) are computed
    // from the same choices.
    Birth given;
};

// The chart's points' signs by body number, as the analyses take them.
inline std::array<int, kBodyCount> PointSigns(const Chart& chart) {
    std::array<int, kBodyCount> signs{};
    for (std::size_t i = 0; i < signs.size(); ++i) {
        const ChartPoint& p = chart.points[i];
        signs[i] = p.sign >= 0 ? p.sign : SignOfLongitude(p.longitude);
    }
    return signs;
}

}  // namespace velmora
