#include "cli/LabelsJson.h"

#include "presentation/Glossary.h"
#include "presentation/PositionLabels.h"

namespace velmora::cli {

nlohmann::ordered_json LabelsJson(const ChartSource& source) {
    const Chart& chart = source.chart;
    const Glossary& glossary = GlossaryOf(source.language);
    nlohmann::ordered_json labels = nlohmann::ordered_json::object();
    labels["language"] = InfoOf(source.language).code;
    labels["signs"] = glossary.signs;
    labels["points"] = glossary.pointNames;
    nlohmann::ordered_json bodyNames = nlohmann::ordered_json::array(), positions = bodyNames, longitudes = bodyNames,
                           bodySigns = bodyNames, nakshatras = bodyNames;
    for (int body = 0; body < kBodyCount; ++body) {
        const auto at = static_cast<std::size_t>(body);
        const ChartPoint& point = chart.points[at];
        bodyNames.push_back(BodyLabel(glossary, body, point.retrograde));
        positions.push_back(WithSignShort(glossary, ShortPositionText(point)));
        longitudes.push_back(WithSignShort(glossary, LongPositionText(point)));
        bodySigns.push_back(glossary.signs[static_cast<std::size_t>(point.sign)]);
        nakshatras.push_back(glossary.nakshatras[static_cast<std::size_t>(chart.nakshatras[at].index)]);
    }
    labels["bodyNames"] = bodyNames;
    labels["positions"] = positions;
    labels["longitudes"] = longitudes;
    labels["bodySigns"] = bodySigns;
    labels["nakshatras"] = nakshatras;
    return labels;
}

}  // namespace velmora::cli
