// The atlas search as a person types: every prefix of a few names, one
// search per keystroke, ten results each.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "atlas/Atlas.h"

namespace {

std::vector<std::string> Keystrokes() {
    std::vector<std::string> typed;
    for (const std::string name : {"springfield, illinois", "sao paulo", "kolkata", "zürich", "bangalore", "new york"})
        for (std::size_t n = 1; n <= name.size(); ++n) typed.push_back(name.substr(0, n));
    return typed;
}

void BM_AtlasKeystroke(benchmark::State& state) {
    const auto typed = Keystrokes();
    std::size_t n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::Atlas::Search(typed[n], 10));
        n = (n + 1) % typed.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AtlasKeystroke);

// The widest search: one letter.
void BM_AtlasOneLetter(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::Atlas::Search("s", 10));
}
BENCHMARK(BM_AtlasOneLetter);

}  // namespace
