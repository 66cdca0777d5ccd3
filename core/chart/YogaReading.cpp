#include "chart/YogaReading.h"

namespace velmora {

YogaChart YogaChartOf(const Chart& chart, int varga) {
    std::array<int, kBodyCount> signs = PointSigns(chart);
    if (varga != 0)
        for (std::size_t b = 0; b < signs.size(); ++b) signs[b] = VargaSign(varga, chart.points[b].longitude);
    return MakeYogaChart(signs, MoonWaxing(chart.points[0].longitude, chart.points[1].longitude));
}

YogaReading YogasOf(const Chart& chart, YogaVargas vargas) {
    YogaReading r;
    for (int v = 0; v < kVargaCount; ++v)
        if (vargas & YogaVargaBit(v)) r.vargas.push_back({v, YogasIn(YogaChartOf(chart, v))});
    const std::array<int, kBodyCount> signs = PointSigns(chart);
    std::array<double, kBodyCount> longitudes{};
    for (std::size_t b = 0; b < longitudes.size(); ++b) longitudes[b] = chart.points[b].longitude;
    r.kuja = FindKujaDosha(signs);
    r.kalaSarpa = FindKalaSarpa(longitudes);
    r.kemadruma = FindKemadrumaDosha(signs);
    return r;
}

}  // namespace velmora
