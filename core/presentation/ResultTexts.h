#pragma once
// The result window's texts, all made from a Chart's numbers and flags: the
// short position texts, the sign boxes' captions with the retrograde marks,
// the arudhas' captions, the birth's details and the zone as used, and the
// Navamsa's boxes. The windows (the result form, print, PDF, images) are
// given these, never the run that computed the chart.

#include "chart/AnalysisRun.h"
#include "chart/Chart.h"

namespace velmora {

// What the windows show: the chart's numbers and what the run worked out
// (RunResult), and the texts made from them.
struct ResultFormTexts : RunResult {
    std::array<std::string, kBodyCount> planet;     // position texts by body number
    std::array<std::string, kSignCount> signBoxes;  // lblAries … lblPisces by sign index: "\r\nSun\r\nMercury (R) "
    ArudhaCaptions arudhaBoxes;                     // by sign index: "\r\nA2\r\nA4"
    // The details: "ASHA RAO", "March/5/1980", "9:5", "12° 58'", "77° 35'".
    std::string name, dateOfBirth, timeOfBirth, latitude, longitude;
    // The same date and clock as numbers, and the month's name the date was
    // written with, for the labels made from them (the printed pages' header).
    CivilMoment clock{};
    std::string monthName;
    // The Navamsa chart's boxes (bodies only, as signBoxes).
    std::array<std::string, kSignCount> navamsaBoxes;
    // The panchanga at birth as rows of a label and its text, for the printed
    // pages (presentation/TimeLabels: WithPanchangaRows); empty when not made.
    std::vector<std::pair<std::string, std::string>> panchanga;
    // How the printed pages show the ashtakavarga (made from bodySigns):
    // whose reading of the tables, and the reduced tables with the pindas.
    AshtakavargaReading ashtakavargaReading = AshtakavargaReading::Raman;
    bool ashtakavargaReduced = false;
};

// `months` names the months for the date of birth ("March/5/1980"): the
// window passes the system language's, the command line English.
ResultFormTexts ResultTextsOf(const Chart& chart, const MonthNames& months);

}  // namespace velmora
