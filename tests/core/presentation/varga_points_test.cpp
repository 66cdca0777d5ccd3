// Any varga as a chart to draw: the bodies in their signs of that varga, the
// arudhas in D1 alone; the vargas' labels and names.

#include <gtest/gtest.h>

#include "analysis/Varga.h"
#include "presentation/VargaPoints.h"

namespace velmora {
namespace {

Chart SomeChart() {
    Chart chart;
    for (int i = 0; i < kBodyCount; ++i) {
        chart.points[static_cast<std::size_t>(i)].sign = i;
        chart.points[static_cast<std::size_t>(i)].retrograde = i == 2;
    }
    for (int a = 0; a < kArudhaCount; ++a) chart.arudhaSigns[static_cast<std::size_t>(a)] = 11 - a;
    for (int v = 0; v < kVargaCount; ++v)
        for (int i = 0; i < kBodyCount; ++i) chart.vargas[static_cast<std::size_t>(v)][static_cast<std::size_t>(i)] = (v + i) % 12;
    return chart;
}

TEST(VargaPoints, BodiesInTheVargasSignsAndArudhasOnlyInD1) {
    const Chart chart = SomeChart();
    const PlacedPoints d1 = VargaPoints(chart, 0);
    EXPECT_EQ(d1.signs, BirthChartPoints(chart).signs);
    EXPECT_EQ(d1.arudhaSigns.size(), 12u);
    for (int v = 1; v < kVargaCount; ++v) {
        SCOPED_TRACE(v);
        const PlacedPoints points = VargaPoints(chart, v);
        EXPECT_EQ(points.signs, chart.vargas[static_cast<std::size_t>(v)]);
        EXPECT_TRUE(points.arudhaSigns.empty());
        EXPECT_TRUE(points.retrograde[2]);  // the retrograde mark goes with the body
        EXPECT_FALSE(points.retrograde[3]);
    }
}

TEST(VargaPoints, LabelsAndNames) {
    const struct {
        int factor;
        const char* label;
    } cases[] = {{1, "D1 Rasi"}, {2, "D2 Hora"}, {9, "D9 Navamsa"}, {10, "D10 Dasamsa"}, {30, "D30 Trimsamsa"},
                 {60, "D60 Shashtiamsa"}};
    for (const auto& c : cases) {
        const int v = VargaIndexOfFactor(c.factor);
        EXPECT_EQ(VargaLabel(v), c.label);
        EXPECT_EQ(VargaShortLabel(v), std::string("D").append(std::to_string(c.factor)));
        EXPECT_EQ(VargaFromName(std::string("D").append(std::to_string(c.factor))), v);
        EXPECT_EQ(VargaFromName(std::string("d").append(std::to_string(c.factor))), v);
    }
    for (const char* bad : {"", "D", "d", "D11", "D0", "D09", "D+9", "D-9", "D9 ", " D9", "9", "DD9", "D99999999999"})
        EXPECT_EQ(VargaFromName(bad), -1) << bad;
    EXPECT_EQ(VargaNames(), "D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40, D45, D60");
}

}  // namespace
}  // namespace velmora
