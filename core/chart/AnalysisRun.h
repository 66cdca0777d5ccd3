#pragma once
// The analysis run behind ComputeChart: the engine's program-wide values
// (the birth data, the zone offset, the name tables, the chart state and the
// report tables) and the modules with their working values, driven in their
// fixed order, and the chart written from them. Private to core/chart: every
// front end calls ComputeChart; only this folder's tests look inside a run.

#include <array>
#include <optional>
#include <string>

#include "analysis/ChartState.h"
#include "analysis/GrahaArudha.h"
#include "birth/Birth.h"
#include "birth/ChartMode.h"
#include "chart/Chart.h"
#include "chart/ComputeChart.h"
#include "engine/BirthData.h"
#include "engine/NameTables.h"
#include "engine/Retrogrades.h"
#include "engine/VedicEphemeris.h"
#include "engine/VedicPlanetPosition.h"
#include "ephemeris/PreciseEphemeris.h"
#include "report/ReportTables.h"

namespace velmora {

class AnalysisRun {
public:
    AnalysisRun();  // fills the name tables, as the form's load does

    // The program-wide values a run writes and the engine reads.
    BirthData BirthValues;
    ZoneOffset Zone;
    NameTables Names;
    ChartState State;
    ReportTables Tables;

    // The modules with their working values.
    VedicPlanetPosition PlanetPosition;
    VedicEphemeris Ephemeris;
    Retrogrades Retrograde;
    GrahaArudha Arudha;
    PreciseEphemeris Precise;

    // Computes the chart of `birth` in its mode with what `wants` asks for
    // into `chart`, a fresh one. On a refusal the refusal is returned, and
    // the birth data and `chart` may be partly written.
    std::optional<ChartRefusal> Run(const Birth& birth, const ChartWants& wants, Chart& chart);

    // The ten long texts of the last chart in body order: PlanetTexts for
    // Sun … Saturn, MoonText, RahuText, KetuText, AscendantText.
    std::array<std::string, kBodyCount> LongTexts() const;

private:
    bool ComputePrecise(const Birth& birth, const ZoneMoment* moment, Chart& chart);
    void ComputeClassic(Chart& chart);
    void ComputeBeyondArudhas(const Birth& birth, const ChartWants& wants, Chart& chart);

    ComputationMode mode_ = ComputationMode::Classic;
    unsigned ephemerisChoice_ = 0;  // the choice of data folder Precise was made with
};

}  // namespace velmora
