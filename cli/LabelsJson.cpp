#include "cli/LabelsJson.h"

#include "presentation/Glossary.h"
#include "presentation/PositionLabels.h"
#include "presentation/YogaLabels.h"
#include "presentation/YogaNames.h"

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
    if (source.yogas) {
        // The yogas' names in the order of the "yogas" field, and the doshas' lines.
        const YogaReading reading = YogasOf(chart, source.yogaVargas);
        nlohmann::ordered_json yogas = nlohmann::ordered_json::array();
        for (const YogasInVarga& v : reading.vargas)
            for (const YogaFound& f : v.yogas) yogas.push_back(YogaName(f.Rule(), source.language));
        labels["yogas"] = yogas;
        labels["doshas"] = DoshaLines(reading, source.language);
    }
    return labels;
}

}  // namespace velmora::cli
