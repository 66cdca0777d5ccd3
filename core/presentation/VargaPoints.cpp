#include "presentation/VargaPoints.h"

#include "presentation/Glossary.h"

#include <charconv>

#include "analysis/GrahaArudha.h"
#include "analysis/Varga.h"

namespace velmora {

PlacedPoints VargaPoints(const Chart& chart, int varga) {
    PlacedPoints points = BirthChartPoints(chart);
    if (varga == 0) return points;  // D1 is the birth chart, with its arudhas
    points.signs = chart.vargas[static_cast<std::size_t>(varga)];
    points.arudhaSigns.clear();
    return points;
}

PlacedPoints VargaPointsWithArudhas(const Chart& chart, int varga) {
    PlacedPoints points = VargaPoints(chart, varga);
    if (varga == 0) return points;
    const std::array<int, kArudhaCount> arudhas = ArudhaSignsOf(chart.vargas[static_cast<std::size_t>(varga)]);
    points.arudhaSigns.assign(arudhas.begin(), arudhas.end());
    return points;
}

std::string VargaShortLabel(int varga) {
    // Appended rather than "D" + …: GCC 12's optimiser warns (-Wrestrict)
    // on a literal prepended to a temporary string.
    std::string label = "D";
    label += std::to_string(AllVargas()[static_cast<std::size_t>(varga)].factor);
    return label;
}

std::string VargaLabel(int varga, Language language) {
    const std::string_view name = language == Language::English
                                      ? AllVargas()[static_cast<std::size_t>(varga)].name
                                      : GlossaryOf(language).vargas[static_cast<std::size_t>(varga)];
    return VargaShortLabel(varga) + " " + std::string(name);
}

int VargaFromName(std::string_view name) {
    if (name.size() < 2 || (name[0] != 'D' && name[0] != 'd')) return -1;
    const std::string_view digits = name.substr(1);
    if (digits[0] == '0' || digits[0] == '+') return -1;  // "D010", "D+9"
    int factor = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), factor);
    if (error != std::errc{} || end != digits.data() + digits.size()) return -1;
    return VargaIndexOfFactor(factor);
}

std::string VargaNames() {
    std::string names;
    for (int v = 0; v < kVargaCount; ++v) {
        if (v > 0) names += ", ";
        names += VargaShortLabel(v);
    }
    return names;
}

}  // namespace velmora
