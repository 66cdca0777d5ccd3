#include "presentation/BhavaPoints.h"

#include "presentation/Glossary.h"
#include "presentation/Phrases.h"
#include "presentation/PositionLabels.h"

namespace velmora {

PlacedPoints BhavaPoints(const Chart& chart) {
    PlacedPoints points = BirthChartPoints(chart);
    const int ascendantSign = chart.points[kBodyCount - 1].sign;
    for (int i = 0; i < kBodyCount; ++i)
        points.signs[static_cast<std::size_t>(i)] =
            SignOfHouse(ascendantSign, chart.bhavas[static_cast<std::size_t>(i)]);
    points.arudhaSigns.clear();
    return points;
}

std::vector<BhavaRow> BhavaRows(const Chart& chart, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    std::vector<BhavaRow> rows(chart.cusps.size());
    for (std::size_t h = 0; h < rows.size(); ++h) {
        BhavaRow& row = rows[h];
        row.house = static_cast<int>(h) + 1;
        ChartPoint cusp;
        cusp.longitude = chart.cusps[h];
        row.cusp = WithSignShort(glossary, LongPositionText(cusp));
        for (int i = 0; i < kBodyCount; ++i) {
            if (chart.bhavas[static_cast<std::size_t>(i)] != row.house) continue;
            if (!row.points.empty()) row.points += ", ";
            row.points += glossary.pointNames[static_cast<std::size_t>(i)];
        }
    }
    return rows;
}

std::string BhavaHeading(const Chart& chart, Language language) {
    const std::string_view system = SayIfPhrase(language, HouseSystemDisplayName(chart.houses));
    return chart.houses == HouseSystem::WholeSign
               ? Say(language, "Bhavas: %1 houses", {system})
               : Say(language, "Bhavas: %1 houses (each cusp where its house begins)", {system});
}

}  // namespace velmora
