// The sixteen vargas in a computed chart: a worked chart's published D10 and
// D60 (tests/support/Chennai1996.h says where they are published and why the
// node is the mean one), and every varga filled in both modes from the
// chart's own longitudes.

#include <gtest/gtest.h>

#include "analysis/Varga.h"
#include "birth/ZoneTable.h"
#include "chart/AnalysisRun.h"
#include "tests/support/Chennai1996.h"

namespace velmora {
namespace {

using testing::ChennaiBirth;
using testing::kChennaiD10;
using testing::kChennaiD60;

Birth Chennai(ComputationMode mode) {
    Birth birth = ChennaiBirth();
    birth.mode = mode;
    return birth;
}

TEST(VargaChart, ChennaiD10AndD60AsPublished) {
    const ChartOutcome outcome = ComputeChart(Chennai(ComputationMode::Precise), {false, {}, {}});
    ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
    const Chart& chart = *outcome.chart;
    EXPECT_EQ(chart.vargas[static_cast<std::size_t>(VargaIndexOfFactor(10))], kChennaiD10);
    EXPECT_EQ(chart.vargas[static_cast<std::size_t>(VargaIndexOfFactor(60))], kChennaiD60);
}

TEST(VargaChart, EveryVargaInBothModesFromTheLongitudes) {
    for (const ComputationMode mode : {ComputationMode::Precise, ComputationMode::Classic}) {
        Birth birth = Chennai(mode);
        if (mode == ComputationMode::Classic) {
            birth.timeZoneId.clear();
            birth.zoneEntry = 0;
            for (int entry = 0; entry < kZoneItems; ++entry)
                if (ZoneAbbreviation(kZoneTable[entry]) == "IST") birth.zoneEntry = entry;
        }
        const ChartOutcome outcome = ComputeChart(birth, {false, {}, {}});
        ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
        const Chart& chart = *outcome.chart;
        for (int i = 0; i < kBodyCount; ++i) {
            SCOPED_TRACE(i);
            const auto at = static_cast<std::size_t>(i);
            // D1 is the chart's own sign, D9 its Navamsa.
            EXPECT_EQ(chart.vargas[0][at], chart.points[at].sign);
            EXPECT_EQ(chart.vargas[static_cast<std::size_t>(VargaIndexOfFactor(9))][at], chart.navamsaSigns[at]);
            EXPECT_EQ(chart.vargottama[at], chart.points[at].sign == chart.navamsaSigns[at]);
            for (int v = 0; v < kVargaCount; ++v)
                EXPECT_EQ(chart.vargas[static_cast<std::size_t>(v)][at], VargaSign(v, chart.points[at].longitude));
        }
    }
}

}  // namespace
}  // namespace velmora
