// The yogas and doshas of computed charts:
// - Rajiv Gandhi's chart as P. V. R. Narasimha Rao gives it (Vedic
//   Astrology: An Integrated Approach, ch. 11, chart 14: 20 August 1944,
//   7:11, Bombay 18° 58′ N, 72° 49′ E, +5:30; the birth data as PyJHora's
//   tests transcribe it, src/jhora/tests/book_chart_data.py): the book's
//   signs (Leo rising with the Sun, the Moon, Mercury, Venus and Jupiter,
//   Mars in Virgo, Saturn in Gemini, Rahu in Cancer, Ketu in Capricorn) and
//   the Raja yoga it names, the Sun (lord of the 1st) with Jupiter (lord of
//   the 5th) in the lagna;
// - the Chennai chart (tests/support/Chennai1996.h): the yogas read in D10
//   and D60 are those of the published D10 and D60 signs (PyJHora's tests,
//   which agree with Jagannatha Hora), so every varga reads its own signs;
// - the Mars dosha the yogas' reading gives is the one the match gives.

#include <gtest/gtest.h>

#include "chart/ComputeChart.h"
#include "chart/MarriageMatch.h"
#include "chart/YogaReading.h"
#include "tests/support/Chennai1996.h"

namespace velmora {
namespace {

using namespace body;

bool Has(const YogasInVarga& v, std::string_view id, BodySet planets) {
    for (const YogaFound& f : v.yogas)
        if (f.Rule().id == id) return f.planets == planets;
    return false;
}

TEST(YogasRun, RajivGandhiAsNarasimhaRaoGivesIt) {
    Birth birth = testing::ChennaiBirth();
    birth.name = "RAJIV GANDHI";
    birth.clock = {1944, 8, 20, 7, 11, 0};
    birth.latitude = 18 + 58.0 / 60;
    birth.longitude = 72 + 49.0 / 60;
    const ChartOutcome outcome = ComputeChart(birth);
    ASSERT_TRUE(outcome.Computed()) << outcome.refusal.message;
    constexpr int kGem = 2, kCan = 3, kLeo = 4, kVir = 5, kCap = 9;
    const std::array<int, kBodyCount> published = {kLeo, kLeo, kLeo, kLeo, kVir, kLeo, kGem, kCan, kCap, kLeo};
    EXPECT_EQ(PointSigns(*outcome.chart), published);
    const YogaReading r = YogasOf(*outcome.chart);
    ASSERT_EQ(r.vargas.size(), 1u);
    EXPECT_EQ(r.vargas[0].varga, 0);
    EXPECT_TRUE(Has(r.vargas[0], "raja_1_5", BodyBit(kSun) | BodyBit(kJupiter)));
}

TEST(YogasRun, EachVargaReadsItsOwnSigns) {
    const ChartOutcome outcome = ComputeChart(testing::ChennaiBirth());
    ASSERT_TRUE(outcome.Computed());
    const int d10 = VargaIndexOfFactor(10), d60 = VargaIndexOfFactor(60);
    const YogaReading r = YogasOf(*outcome.chart, YogaVargaBit(0) | YogaVargaBit(d10) | YogaVargaBit(d60));
    ASSERT_EQ(r.vargas.size(), 3u);
    const std::pair<int, const std::array<int, kBodyCount>*> published[] = {{d10, &testing::kChennaiD10},
                                                                            {d60, &testing::kChennaiD60}};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto [varga, signs] = published[i];
        EXPECT_EQ(r.vargas[i + 1].varga, varga);
        const bool waxing = MoonWaxing(outcome.chart->points[0].longitude, outcome.chart->points[1].longitude);
        const std::vector<YogaFound> expected = YogasIn(MakeYogaChart(*signs, waxing));
        ASSERT_EQ(r.vargas[i + 1].yogas.size(), expected.size()) << VargaIndexOfFactor(10);
        for (std::size_t y = 0; y < expected.size(); ++y) {
            EXPECT_EQ(r.vargas[i + 1].yogas[y].rule, expected[y].rule);
            EXPECT_EQ(r.vargas[i + 1].yogas[y].planets, expected[y].planets);
        }
    }
}

TEST(YogasRun, TheMarsDoshaIsTheMatchsOwn) {
    const ChartOutcome chennai = ComputeChart(testing::ChennaiBirth());
    Birth other = testing::ChennaiBirth();
    other.clock = {1944, 8, 20, 7, 11, 0};
    const ChartOutcome groom = ComputeChart(other);
    ASSERT_TRUE(chennai.Computed() && groom.Computed());
    const MarriageMatch m = MatchCharts(*chennai.chart, *groom.chart);
    for (const auto& [chart, kuja] : {std::pair{chennai.chart, &m.brideKuja}, std::pair{groom.chart, &m.groomKuja}}) {
        const KujaDosha mine = YogasOf(*chart).kuja;
        EXPECT_EQ(mine.present, kuja->present);
        EXPECT_EQ(mine.summary, kuja->summary);
    }
}

}  // namespace
}  // namespace velmora
