#pragma once
// The result window's texts, made from a Chart's numbers and flags when a
// window, a printed page or an image is drawn: the short position texts, the
// sign boxes' captions with the retrograde marks, the arudhas' captions, the
// birth's details and the Navamsa's boxes. Nothing here is a number of the
// chart: those are read from the Chart itself.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "chart/Chart.h"
#include "presentation/BirthLabels.h"
#include "presentation/SignCaptions.h"
#include "presentation/TimeLabels.h"

namespace velmora {

struct ResultLabels {
    std::array<std::string, kBodyCount> planet;     // position texts by body number
    SignCaptions signBoxes;                         // lblAries … lblPisces by sign index: "\r\nSun\r\nMercury (R) "
    SignCaptions arudhaBoxes;                       // by sign index: "\r\nA2\r\nA4"
    // The details: "ASHA RAO", "March/5/1980", "9:5", "12° 58'", "77° 35'",
    // and the month's name the date was written with.
    std::string name, dateOfBirth, timeOfBirth, latitude, longitude, monthName;
    // The Navamsa chart's boxes (bodies only, as signBoxes).
    SignCaptions navamsaBoxes;
};

// `months` names the months for the date of birth ("March/5/1980"): the
// window passes the system language's, the command line English.
ResultLabels ResultLabelsOf(const Chart& chart, const MonthNames& months);

// The panchanga at birth as rows of a label and its text, for the printed
// pages (the almanac's sunrise), its moments written by `write`; a chart
// without one has one row saying why.
std::vector<std::pair<std::string, std::string>> PanchangaLabelRows(const Chart& chart, const MomentWriter& write = {});

}  // namespace velmora
