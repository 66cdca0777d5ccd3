#pragma once
// The result form's texts as the run wrote them before they became labels
// made from the chart's numbers, rebuilt here from the engine's own texts:
// the short position texts the engine writes, each body's sign read from
// characters 4 to 6 of its text, the engine's body names with their
// retrograde marks, and the arudhas by the text-reading calls. The labels
// must equal them byte for byte.

#include <array>
#include <string>

#include "tests/support/TextArudhas.h"
#include "chart/AnalysisRun.h"
#include "tests/support/FormRun.h"

namespace velmora::testing {

struct EngineCaptions {
    PositionList planet;
    std::array<std::string, kSignCount> signBoxes, navamsaBoxes;
    ArudhaCaptions arudhaBoxes;
    std::string dateOfBirth, timeOfBirth, latitude, longitude;
};

inline EngineCaptions EngineCaptionsOf(const FormRun& formRun, const MonthNames& months = EnglishMonthNames()) {
    const AnalysisRun& run = formRun.Engine();
    const PositionList& positions = formRun.chart.mode == ComputationMode::Precise ? run.Precise.Result().positionLabels
                                                                                    : run.PlanetPosition.PositionLabels;
    EngineCaptions c;
    c.planet = positions;
    const BodySignNumbers signs = ReadBodySignNumbers(positions);
    for (int i = 0; i < kBodyCount; ++i) {
        const std::string& name = run.Names.BodyNames[static_cast<std::size_t>(i)];
        if (signs[static_cast<std::size_t>(i)] > 0) c.signBoxes[signs[static_cast<std::size_t>(i)] - 1] += "\r\n" + name;
        c.navamsaBoxes[static_cast<std::size_t>(formRun.chart.navamsaSigns[static_cast<std::size_t>(i)])] += "\r\n" + name;
    }
    GrahaArudha arudha;
    ChartState chart{};
    ComputeArudhas(arudha, positions, run.Names.SignLords, chart, c.arudhaBoxes);
    // "March/5/1980", "9:5", "12° 58'": the details as the form's result has
    // always shown them.
    const BirthData& b = run.BirthValues;
    c.dateOfBirth = months[static_cast<std::size_t>(b.BirthMonth - 1)] + "/" + std::to_string(b.BirthDay) + "/" +
                    std::to_string(b.BirthYear);
    c.timeOfBirth = std::to_string(b.BirthClockHour) + ":" + std::to_string(b.BirthClockMinute);
    c.latitude = std::to_string(b.LatitudeDegrees) + "\u00B0 " + std::to_string(b.LatitudeMinutes) + "'";
    c.longitude = std::to_string(b.LongitudeDegrees) + "\u00B0 " + std::to_string(b.LongitudeMinutes) + "'";
    return c;
}

}  // namespace velmora::testing
