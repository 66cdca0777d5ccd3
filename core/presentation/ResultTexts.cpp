#include "presentation/ResultTexts.h"

#include "chart/Panchanga.h"
#include "presentation/ChartLabels.h"
#include "presentation/PositionLabels.h"
#include "presentation/TimeLabels.h"

namespace velmora {

ResultLabels ResultLabelsOf(const Chart& chart, const MonthNames& months) {
    ResultLabels texts;
    texts.planet = ShortPositionTexts(chart);
    texts.signBoxes = BodyCaptions(chart);
    texts.navamsaBoxes = NavamsaCaptions(chart);
    texts.arudhaBoxes = ArudhaSignCaptions(chart);
    const ChartBirth& birth = chart.birth;
    texts.name = birth.name;
    texts.dateOfBirth = BirthDateLabel(birth.clock, months);
    texts.timeOfBirth = BirthTimeLabel(birth.clock);
    texts.monthName = MonthName(birth.clock.month, months);
    texts.latitude = AngleLabel(birth.latitudeDegrees, birth.latitudeMinutes);
    texts.longitude = AngleLabel(birth.longitudeDegrees, birth.longitudeMinutes);
    return texts;
}

std::vector<std::pair<std::string, std::string>> PanchangaLabelRows(const Chart& chart, const MomentWriter& write) {
    std::vector<std::pair<std::string, std::string>> rows;
    const PanchangaOutcome outcome = ComputePanchanga(chart);
    if (!outcome.panchanga) {
        rows.emplace_back("Panchanga", outcome.refusal);
        return rows;
    }
    for (LabelRow& row : PanchangaRows(*outcome.panchanga, chart.utcOffsetSeconds, write))
        rows.emplace_back(std::move(row.label), std::move(row.text));
    return rows;
}

}  // namespace velmora
