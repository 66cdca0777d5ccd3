// The engine's steps one by one and a whole engine pass, for a spread of
// birth moments so that the branch predictor cannot learn one path.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "engine/BirthData.h"
#include "engine/VedicEphemeris.h"
#include "engine/VedicPlanetPosition.h"
#include "engine/WholeTurns.h"

namespace {

using velmora::BirthData;
using velmora::VedicEphemeris;
using velmora::VedicPlanetPosition;
using velmora::ZoneOffset;

struct Sample {
    BirthData birth;
    ZoneOffset zone;
};

std::array<Sample, 64> MakeSamples() {
    std::array<Sample, 64> samples;
    for (int n = 0; n < 64; ++n) {
        BirthData& b = samples[n].birth;
        b.BirthYear = static_cast<std::int16_t>(1901 + (n * 37) % 150);
        b.BirthMonth = static_cast<std::int16_t>(1 + n % 12);
        b.BirthDay = static_cast<std::int16_t>(1 + (n * 7) % 28);
        b.BirthClockHour = static_cast<std::int16_t>((n * 5) % 24);
        b.BirthClockMinute = static_cast<std::int16_t>((n * 13) % 60);
        b.ZoneHoursAbs = static_cast<std::int16_t>(n % 13);
        b.ZoneMinutesAbs = static_cast<std::int16_t>(n % 3 == 0 ? 30 : 0);
        b.LongitudeDegrees = static_cast<std::int16_t>((n * 29) % 180);
        b.LatitudeDegrees = static_cast<std::int16_t>((n * 17) % 70);
        b.EastLongitude = n % 2 == 0;
        b.SouthLatitude = n % 5 == 0;
        b.DaylightSaving = n % 7 == 0;
        const int sign = b.EastLongitude ? -1 : 1;
        samples[n].zone = {static_cast<std::int16_t>(sign * b.ZoneHoursAbs),
                           static_cast<std::int16_t>(sign * b.ZoneMinutesAbs)};
    }
    return samples;
}

const std::array<Sample, 64> kSamples = MakeSamples();

void BM_Ascendant(benchmark::State& state) {
    VedicPlanetPosition engine;
    std::size_t n = 0;
    for (auto _ : state) {
        engine.CalculateAscendant(kSamples[n++ % kSamples.size()].birth);
        benchmark::DoNotOptimize(engine.AscendantText.data());
    }
}
BENCHMARK(BM_Ascendant);

void BM_Moon(benchmark::State& state) {
    VedicEphemeris moon;
    std::size_t n = 0;
    for (auto _ : state) {
        moon.CalculateMoon(kSamples[n++ % kSamples.size()].birth);
        benchmark::DoNotOptimize(moon.MoonText.data());
    }
}
BENCHMARK(BM_Moon);

void BM_Planets(benchmark::State& state) {
    VedicPlanetPosition engine;
    engine.CalculateAscendant(kSamples[0].birth);  // the position list takes its ascendant text
    const std::string moonText = "19\xC2\xB0 27' 44\" Lib";
    std::size_t n = 0;
    for (auto _ : state) {
        const Sample& s = kSamples[n++ % kSamples.size()];
        engine.CalculatePlanets(s.birth, s.zone, moonText);
        benchmark::DoNotOptimize(engine.PositionLabels.data());
    }
}
BENCHMARK(BM_Planets);

void BM_WholeEngine(benchmark::State& state) {
    VedicPlanetPosition engine;
    VedicEphemeris moon;
    std::size_t n = 0;
    for (auto _ : state) {
        const Sample& s = kSamples[n++ % kSamples.size()];
        engine.CalculateAscendant(s.birth);
        moon.CalculateMoon(s.birth);
        engine.CalculatePlanets(s.birth, s.zone, moon.MoonText);
        benchmark::DoNotOptimize(engine.PositionLabels.data());
    }
}
BENCHMARK(BM_WholeEngine);

// The Moon's unreduced longitude: 1900 needs about 1340 turns added.
void BM_TurnsOfUnreducedMoon(benchmark::State& state) {
    double x = -482000.123;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(velmora::AddTurnsWhileBelowZero(x));
    }
}
BENCHMARK(BM_TurnsOfUnreducedMoon);

}  // namespace
