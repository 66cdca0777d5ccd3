#pragma once
// One analysis run: the form's fields in, the chart's numbers and the report
// out. The window, the command line and the benchmark all
// drive this one object; it holds every program-wide value a run writes, and a
// run overwrites them all, so nothing of one run reaches the next.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/ChartState.h"
#include "chart/Chart.h"
#include "analysis/GrahaArudha.h"
#include "analysis/Nakshatra.h"
#include "analysis/Varga.h"
#include "report/ReportPiece.h"
#include "report/ReportTables.h"
#include "analysis/Vimshottari.h"
#include "engine/BirthData.h"
#include "birth/Birth.h"
#include "birth/ChartMode.h"
#include "engine/NameTables.h"
#include "ephemeris/PreciseEphemeris.h"
#include "engine/Retrogrades.h"
#include "engine/VedicEphemeris.h"
#include "engine/VedicPlanetPosition.h"
#include "birth/FormFields.h"
#include "birth/InputValidation.h"

namespace velmora {

using MonthNames = std::array<std::string, 12>;
MonthNames EnglishMonthNames();

// What a run works out besides the positions, as numbers and flags (texts
// only where they describe the zone and the computation): MakeChart puts it
// into the Chart, and the texts every window shows are labels made from that
// (presentation/ResultTexts).
struct RunResult {
    // Each body's sign index, its retrograde flag, and each arudha's sign
    // index by arudha number.
    std::array<int, kBodyCount> bodySigns{};
    std::array<bool, kBodyCount> retrograde{};
    std::array<int, kArudhaCount> arudhaSigns{};
    std::string modeText;  // how a precise chart was computed; empty for a classic one
    // The place's names as typed or chosen.
    std::string city, state, country;
    // The clock the chart takes: the place chosen (empty when typed), its
    // time zone (empty for a list entry), the offset east of Greenwich with
    // daylight saving ("+06:30"), whether daylight saving was in force, and
    // in words what the zone's history gave (empty for a list entry).
    std::string place, timeZone, utcOffset, zoneText;
    bool dst = false;
    // The zone as used, in one line for the result window: the zone's words
    // above, or the list entry with its offset ("Indian Time, IST, +5.3:
    // UTC+05:30"). A local time shown twice names the reading taken.
    std::string zoneUsed;
    Report report;
    // Beyond the arudhas, from the ten sidereal longitudes: each point's
    // nakshatra and pada, its Navamsa sign and the Vimshottari dasha from the
    // Moon.
    std::array<NakshatraPlace, kBodyCount> nakshatras{};
    std::array<int, kBodyCount> navamsaSigns{};
    VimshottariDasha dasha;
    // Each point's sign in the sixteen vargas ([varga][body number], in the
    // order of AllVargas()) and whether it is vargottama.
    VargaSigns vargas{};
    std::array<bool, kBodyCount> vargottama{};
    // The dashas on the dasha engine (see Chart): the year they were reckoned
    // in, Vimshottari with the running path, Yogini and Ashtottari when asked.
    DashaYear dashaYear = DashaYear::Julian;
    DashaSystem dashaSystem = DashaSystem::Vimshottari;
    DashaTimeline vimshottari, yogini, ashtottari;
};

class AnalysisRun {
public:
    AnalysisRun();  // fills the name tables, as the form's load does

    // Program-wide values.
    BirthData Birth;
    ZoneOffset Zone;
    NameTables Names;
    ChartState Chart;
    ReportTables Tables;

    // The modules with their working values.
    VedicPlanetPosition PlanetPosition;
    VedicEphemeris Ephemeris;
    Retrogrades Retrograde;
    GrahaArudha Arudha;
    PreciseEphemeris Precise;

    // How the last chart was computed, and the numbers its texts are cut from.
    ComputationMode Mode = ComputationMode::Classic;
    std::array<double, kBodyCount> Degrees{};  // sidereal longitudes by body number
    double Ayanamsa = 0;  // subtracted from the tropical longitudes (classic: the ascendant's and the planets')

    RunResult Result;

    // The day whose running dasha periods a run marks; the front end sets it
    // from its clock. No date: nothing is marked.
    CalendarDate Today;

    // Whether a run writes the report pieces (Result.report). A batch of
    // positions that nobody reads the report of leaves them out; the run then
    // ends with an empty report and everything else as always.
    bool WithReport = true;
    // Whether a run works out the Vimshottari periods (Result.dasha). A batch
    // that writes no dashas leaves them out; Result.dasha is then empty.
    bool WithDasha = true;
    // Whether a run also works out the Yogini and Ashtottari dashas.
    bool WithMoreDashas = false;
    // Whether a run works out the sixteen vargas (Result.vargas and
    // vargottama). A batch that writes no vargas leaves them out; they are
    // then all zero.
    bool WithVargas = true;
    // Whether the chart made from a run holds the ashtakavarga. A batch that
    // writes none leaves it out; its tables are then all zero.
    bool WithAshtakavarga = true;
    // Whose reading of Parashara's ashtakavarga tables the chart's
    // ashtakavarga follows.
    AshtakavargaReading AshtakavargaReadingChoice = AshtakavargaReading::Raman;

    // Validates the form and, when it passes, computes everything above in
    // the form's mode. On a failed check nothing changes and the failure is
    // returned. When the
    // precise positions cannot be computed the result is check
    // kEngineFailure, its message held by this object until the next run,
    // and only the birth data have changed.
    ValidationResult RunAnalysis(const FormFields& form);

    // The same from a birth built elsewhere (the command line, a birth file):
    // no form to check; the zone's and the engine's failures as above.
    ValidationResult Run(const velmora::Birth& birth);

    static constexpr int kEngineFailure = 8;
    static constexpr int kZoneFailure = 9;    // the time zone's history gave no offset
    static constexpr int kRepeatedHour = 10;  // the local time was shown twice: earlier or later?

    // The ten long texts in body order: PlanetTexts for Sun … Saturn, MoonText,
    // RahuText, KetuText, AscendantText.
    std::array<std::string, kBodyCount> LongTexts() const;

    // The last chart as numbers and flags. Only after a run that passed.
    velmora::Chart MakeChart() const;

private:
    ValidationResult Failure(int check, std::string message);
    bool ComputePrecise(const velmora::Birth& birth, const ZoneMoment* moment);
    void ComputeClassic();
    void ComputeBeyondArudhas();

    std::string engineError_;
    int second_ = 0;  // the birth's second
    DashaYear dashaYear_ = DashaYear::Julian;  // the birth's choices for the dashas
    DashaSystem dashaSystem_ = DashaSystem::Vimshottari;
    int offsetSeconds_ = 0;  // the clock's offset east of Greenwich at the birth
    NodeKind node_ = NodeKind::Mean;
};

// What a chart is computed with besides the birth: whether the report and the
// dasha are wanted, and the day whose running dasha periods are marked.
struct ChartWants {
    bool report = true;
    bool dasha = true;
    CalendarDate today;  // no date: nothing is marked
    bool moreDashas = false;  // the Yogini and Ashtottari dashas besides Vimshottari
    bool vargas = true;  // the sixteen vargas' signs
    bool ashtakavarga = true;
    AshtakavargaReading ashtakavargaReading = AshtakavargaReading::Raman;  // whose tables
};

// A chart, or why there is none: the failed check and its message.
struct ChartOutcome {
    ValidationResult check;
    Chart chart;  // meaningful only when check.Passed()
    bool Computed() const { return check.Passed(); }
    // The failed check's message, kept here: check.message would point into
    // the run that made the chart, which is gone (it is left empty).
    std::string message;
};

// The one function that makes a chart: the positions computed in the birth's
// mode, and everything derived from them. Fails only where the zone gives
// no offset or the precise positions cannot be computed.
ChartOutcome ComputeChart(const Birth& birth, const ChartWants& wants = {});

// Sets the chart's ashtakavarga and its reductions to those of `reading`.
void SetAshtakavargaReading(Chart& chart, AshtakavargaReading reading);


}  // namespace velmora
