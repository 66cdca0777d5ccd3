// The dashas: one Vimshottari timeline with its running path to five levels
// (what every chart with a dasha works out), the Yogini and Ashtottari
// timelines asked for besides, and the whole five-level tree (59 049 prana
// periods) walked as --dasha-levels 5 writes it.

#include <benchmark/benchmark.h>

#include "analysis/AshtottariDasha.h"
#include "analysis/DashaEngine.h"
#include "analysis/Vimshottari.h"
#include "analysis/YoginiDasha.h"
#include "birth/DashaChoice.h"

namespace {

using namespace velmora;

constexpr std::int64_t kYear = DashaYearOf(DashaYear::Julian).microseconds;

double Moon(int n) { return (n * 47.123) - 360.0 * static_cast<int>(n * 47.123 / 360.0); }

void BM_VimshottariWithPath(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        DashaTimeline t = ComputeDashaTimeline(VimshottariTable(), Moon(n++), {1985, 6, 18, 9, 5}, kYear);
        MarkRunningPath(t, {2026, 12, 9}, kMaxDashaLevels);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_VimshottariWithPath);

void BM_TwoLevelsAsDates(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        const DashaTimeline t = ComputeDashaTimeline(VimshottariTable(), Moon(n++), {1985, 6, 18, 9, 5}, kYear);
        benchmark::DoNotOptimize(VimshottariFromTimeline(t, 365.25));
    }
}
BENCHMARK(BM_TwoLevelsAsDates);

void BM_YoginiAndAshtottari(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        DashaTimeline y = ComputeDashaTimeline(YoginiTable(), Moon(n), {1985, 6, 18, 9, 5}, kYear);
        DashaTimeline a = ComputeDashaTimeline(AshtottariTable(), Moon(n++), {1985, 6, 18, 9, 5}, kYear);
        MarkRunningPath(y, {2026, 12, 9}, 3);
        MarkRunningPath(a, {2026, 12, 9}, 3);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_YoginiAndAshtottari);

std::int64_t Walk(const DashaNode& node, int level) {
    if (level == kMaxDashaLevels) return node.end;
    std::int64_t sum = 0;
    for (const DashaNode& child : SubPeriods(VimshottariTable(), node)) sum += Walk(child, level + 1);
    return sum;
}

void BM_FiveLevelTree(benchmark::State& state) {
    const DashaTimeline t = ComputeDashaTimeline(VimshottariTable(), 100.0, {1985, 6, 18, 9, 5}, kYear);
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const DashaNode& major : t.Majors()) sum += Walk(major, 1);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 66'429);  // periods of the five levels
}
BENCHMARK(BM_FiveLevelTree);

}  // namespace
