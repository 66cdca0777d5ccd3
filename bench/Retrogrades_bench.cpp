// One MarkRetrograde per analysis run: the five look-ups and the name rewrite.

#include <benchmark/benchmark.h>

#include "engine/Retrogrades.h"

namespace {

void BM_MarkRetrograde(benchmark::State& state) {
    velmora::Retrogrades retrogrades;
    velmora::NameTables names;
    velmora::BirthData birth;
    int day = 0;
    for (auto _ : state) {
        // Walk through the years so that every part of the tables is visited.
        birth.BirthYear = static_cast<std::int16_t>(1901 + day % 150);
        birth.BirthMonth = static_cast<std::int16_t>(1 + day % 12);
        birth.BirthDay = static_cast<std::int16_t>(1 + day % 28);
        ++day;
        retrogrades.MarkRetrograde(birth, names);
        benchmark::DoNotOptimize(names.BodyNames.data());
    }
}
BENCHMARK(BM_MarkRetrograde);

void BM_IsRetrogradeMercury(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        const velmora::CivilMoment birth{1901 + day % 150, 1 + day % 12, 1 + day % 28, 12, 0};
        ++day;
        benchmark::DoNotOptimize(velmora::Retrogrades::IsRetrograde("Mercury", birth));
    }
}
BENCHMARK(BM_IsRetrogradeMercury);

}  // namespace
