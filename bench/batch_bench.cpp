// The batch at scale: one line with chosen fields against the Swiss
// Ephemeris alone computing the same ten points, and a whole batch on one
// and on two threads.

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cmath>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli/BatchPipeline.h"
#include "cli/BatchRunner.h"

namespace {

using velmora::cli::BatchOutput;
using velmora::cli::BatchRunner;

constexpr int kCharts = 64;

std::string BatchLine(int n) {
    char line[256];
    std::snprintf(line, sizeof line,
                  R"({"name":"bench mark","date":"%04d-%02d-%02d","time":"%d:%02d","lon":"%d:%02d%c",)"
                  R"("lat":"%d:%02d%c","zone":%d,"dst":%s,"city":"City","state":"State","country":"Country",)"
                  R"("precise":false})",
                  1901 + (n * 37) % 150, 1 + (n * 5) % 12, 1 + (n * 11) % 28, (n * 7) % 24, (n * 13) % 60,
                  (n * 29) % 180, (n * 17) % 60, n % 2 == 0 ? 'E' : 'W', (n * 23) % 90, (n * 31) % 60,
                  n % 3 == 0 ? 'S' : 'N', (n * 19) % 71, n % 4 == 0 ? "true" : "false");
    return line;
}

BatchOutput Output(const char* fields, velmora::cli::BatchFormat format = velmora::cli::BatchFormat::Jsonl) {
    BatchOutput output;
    output.format = format;
    if (*fields) {
        const std::string refusal = velmora::cli::ParseFieldList(fields, output.fields);
        if (!refusal.empty()) std::abort();
    }
    return output;
}

// One --batch line with the chosen fields: parse, run, write.
void BatchLineWith(benchmark::State& state, const BatchOutput& output) {
    std::array<std::string, kCharts> lines;
    for (int n = 0; n < kCharts; ++n) lines[n] = BatchLine(n);
    BatchRunner runner(output);
    int n = 0;
    for (auto _ : state) {
        bool refused = false;
        const std::string_view out = runner.RunLine(lines[n], refused);
        if (refused) state.SkipWithError(std::string(out).c_str());
        benchmark::DoNotOptimize(out.data());
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_BatchLinePositions(benchmark::State& state) { BatchLineWith(state, Output("positions")); }
BENCHMARK(BM_BatchLinePositions);

void BM_BatchLineStudy(benchmark::State& state) {
    BatchLineWith(state, Output("positions,degrees,bodySigns,arudhaSigns"));
}
BENCHMARK(BM_BatchLineStudy);

void BM_BatchLineStudyCsv(benchmark::State& state) {
    BatchLineWith(state, Output("positions,degrees,bodySigns,arudhaSigns", velmora::cli::BatchFormat::Csv));
}
BENCHMARK(BM_BatchLineStudyCsv);

// The Swiss Ephemeris alone, analytical (Moshier's series, no files), for the
// ten points of a chart: seven planets and the mean node with swe_calc_ut
// (Ketu is the node's opposite) and the ascendant with swe_houses_ex, over
// the same spread of instants and places.
void BM_SwissEphemerisAlone(benchmark::State& state) {
    std::array<double, kCharts> jd{}, lat{}, lon{};
    for (int n = 0; n < kCharts; ++n) {
        jd[n] = swe_julday(1901 + (n * 37) % 150, 1 + (n * 5) % 12, 1 + (n * 11) % 28,
                           (n * 7) % 24 + ((n * 13) % 60) / 60.0, SE_GREG_CAL);
        lon[n] = ((n * 29) % 180 + ((n * 17) % 60) / 60.0) * (n % 2 == 0 ? 1 : -1);
        lat[n] = ((n * 23) % 90 + ((n * 31) % 60) / 60.0) * (n % 3 == 0 ? -1 : 1);
    }
    static constexpr int kBodies[] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN,
                                      SE_MEAN_NODE};
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    char serr[AS_MAXCH];
    int n = 0;
    for (auto _ : state) {
        double sum = 0, x[6], cusps[13], ascmc[10];
        for (int body : kBodies) {
            if (swe_calc_ut(jd[n], body, SEFLG_MOSEPH | SEFLG_SIDEREAL, x, serr) < 0) state.SkipWithError(serr);
            sum += x[0];
        }
        swe_houses_ex(jd[n], SEFLG_SIDEREAL, lat[n], lon[n], 'W', cusps, ascmc);
        sum += ascmc[0];
        benchmark::DoNotOptimize(sum);
        n = (n + 1) % kCharts;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SwissEphemerisAlone);

// Takes everything and keeps nothing.
class NullBuffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return c; }
};

// A batch of 20 000 lines through RunBatch on range(0) threads, the study's
// fields (range(1) 0) or the whole object (1); wall time, as a user sees it.
void BM_BatchJobs(benchmark::State& state) {
    constexpr int kLines = 20'000;
    std::string input;
    for (int n = 0; n < kLines; ++n) input += BatchLine(n % 997) + "\n";
    const int jobs = static_cast<int>(state.range(0));
    const BatchOutput output = Output(state.range(1) == 0 ? "positions,degrees,bodySigns,arudhaSigns" : "");
    NullBuffer null;
    std::ostream out(&null);
    for (auto _ : state) {
        std::istringstream in(input);
        velmora::cli::StreamLines lines(in);
        const velmora::cli::BatchOutcome outcome = velmora::cli::RunBatch(lines, out, output, jobs);
        if (outcome.refusedLines != 0) state.SkipWithError("refused lines");
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.SetLabel(state.range(1) == 0 ? "study fields" : "whole object");
}
BENCHMARK(BM_BatchJobs)->Args({1, 0})->Args({2, 0})->Args({1, 1})->Args({2, 1})->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
