#pragma once
// The fixed texts of the report: labels, sign names and natures, what each
// arudha signifies, its alternate names and the planet descriptions.

#include <array>
#include <string_view>

#include "analysis/ChartState.h"

namespace velmora {

struct ReportTables {
    std::array<std::string_view, kArudhaCount> ArudhaLabels{};          // "AL", "A2", … "A12"
    std::array<std::string_view, kSignCount> SignEnglishNames{};        // "Aries" … "Pisces"
    std::array<std::string_view, kSignCount> SignNatures{};             // "Malefic (Male)", "Benefic (Female)"
    std::array<std::string_view, kArudhaCount> ArudhaDescriptions{};
    std::array<std::string_view, kArudhaCount> ArudhaAlternateNames{};
    std::array<std::string_view, kBodyCount> PlanetDescriptions{};      // Moon, Mercury, Venus, Jupiter filled
};

void FillReportTables(ReportTables& tables);

// Each arudha's report row: its alternate names, and the English name and the
// nature of the sign `chart.ArudhaSigns` puts it in.
void FillArudhaReportRows(const ReportTables& tables, ChartState& chart);

}  // namespace velmora
