// The precise run with a chosen ayanamsa and Placidus cusps against a bare
// loop over the same Swiss Ephemeris calls (the data files, the sidereal
// mode, seven planets and the mean node with speeds, the houses, the
// ayanamsa), over the same 64 instants and places.

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>

#include "chart/ComputeChart.h"
#include "ephemeris/PreciseEphemeris.h"

namespace {

using namespace velmora;

constexpr int kBirths = 64;

// Births on Greenwich time (the clock is Universal Time) between 60° S and
// 60° N, where Placidus houses exist.
Birth BenchBirth(int n) {
    Birth birth;
    birth.name = "BENCH";
    birth.clock = {1901 + (n * 37) % 150, 1 + (n * 5) % 12, 1 + (n * 11) % 28, (n * 7) % 24, (n * 13) % 60, 0};
    birth.longitude = ((n * 29) % 180 + ((n * 17) % 60) / 60.0) * (n % 2 == 0 ? 1 : -1);
    birth.latitude = ((n * 23) % 60 + ((n * 31) % 60) / 60.0) * (n % 3 == 0 ? -1 : 1);
    birth.options.ayanamsa = AyanamsaKind::TrueChitra;
    birth.options.houses = HouseSystem::Placidus;
    return birth;
}

// The whole run (positions, cusps, bhavas, arudhas, nakshatras, Navamsa)
// and the Chart value; with range(0) 1 also the report and the dasha.
void BM_PreciseRunWithCusps(benchmark::State& state) {
    std::array<Birth, kBirths> births;
    for (int n = 0; n < kBirths; ++n) births[n] = BenchBirth(n);
    ChartWants wants;
    wants.report = state.range(0) == 1;
    if (state.range(0) != 1) wants.dashas = {};
    int n = 0;
    for (auto _ : state) {
        const ChartOutcome outcome = ComputeChart(births[n], wants);
        if (!outcome.Computed()) state.SkipWithError("refused");
        else benchmark::DoNotOptimize(outcome.chart->bhavas.data());
        n = (n + 1) % kBirths;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PreciseRunWithCusps)->Arg(0)->Arg(1);

void BM_SwissEphemerisCallsAlone(benchmark::State& state) {
    std::array<double, kBirths> jd{}, lat{}, lon{};
    for (int n = 0; n < kBirths; ++n) {
        const Birth birth = BenchBirth(n);
        const LocalClock& c = birth.clock;
        jd[n] = swe_julday(c.Year, c.Month, c.Day, c.Hour + c.Minute / 60.0, SE_GREG_CAL);
        lat[n] = birth.latitude;
        lon[n] = birth.longitude;
    }
    swe_set_ephe_path(PreciseEphemeris::DefaultDataDirectory().c_str());
    static constexpr int kBodies[] = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                      SE_MARS, SE_JUPITER, SE_SATURN,  SE_MEAN_NODE};
    char serr[AS_MAXCH];
    int n = 0;
    for (auto _ : state) {
        swe_set_sid_mode(SE_SIDM_TRUE_CITRA, 0, 0);
        double sum = 0, x[6], cusps[13], ascmc[10], ayanamsa = 0;
        for (int body : kBodies) {
            if (swe_calc_ut(jd[n], body, SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_SIDEREAL, x, serr) < 0)
                state.SkipWithError(serr);
            sum += x[0] + x[3];
        }
        if (swe_houses_ex(jd[n], SEFLG_SIDEREAL, lat[n], lon[n], 'P', cusps, ascmc) < 0) state.SkipWithError("houses");
        swe_get_ayanamsa_ex_ut(jd[n], SEFLG_SWIEPH, &ayanamsa, serr);
        sum += ascmc[0] + cusps[1] + ayanamsa;
        benchmark::DoNotOptimize(sum);
        n = (n + 1) % kBirths;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SwissEphemerisCallsAlone);

}  // namespace
