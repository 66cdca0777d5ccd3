#include "chart/JaiminiReading.h"

#include "analysis/GrahaArudha.h"
#include "analysis/SignFacts.h"

namespace velmora {

JaiminiReading JaiminiOf(const Chart& chart, KarakaScheme scheme) {
    JaiminiReading r;
    r.scheme = scheme;
    std::array<double, kBodyCount> longitudes{};
    for (std::size_t i = 0; i < longitudes.size(); ++i) longitudes[i] = chart.points[i].longitude;
    r.karakas7 = CharaKarakasOf(longitudes, KarakaScheme::Seven);
    r.karakas8 = CharaKarakasOf(longitudes, KarakaScheme::Eight);
    r.karakamsa = chart.navamsaSigns[static_cast<std::size_t>(r.Karakas().Atmakaraka())];
    for (int sign = 0; sign < kSignCount; ++sign) r.rashiDrishti[static_cast<std::size_t>(sign)] = RashiDrishti(sign);
    const std::array<int, kBodyCount> signs = PointSigns(chart);
    const int ascendant = signs[kBodyCount - 1];
    for (int house = 1; house <= kSignCount; ++house)
        r.argala[static_cast<std::size_t>(house - 1)] = ArgalaOn(NthSign(ascendant, house), signs);
    for (int v = 0; v < kVargaCount; ++v) {
        auto& arudhas = r.arudhas[static_cast<std::size_t>(v)];
        if (v == 0) {
            for (int a = 0; a < kArudhaCount; ++a) arudhas[static_cast<std::size_t>(a)] = chart.arudhaSigns[static_cast<std::size_t>(a)];
        } else {
            arudhas = ArudhaSignsOf(chart.vargas[static_cast<std::size_t>(v)]);
        }
    }
    return r;
}

}  // namespace velmora
