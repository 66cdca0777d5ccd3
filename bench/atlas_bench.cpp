// The atlas search as a person types: every prefix of a few names, one
// search per keystroke, ten results each (the place picker's list); then the
// searches that read the most keys: one letter, one letter narrowed to a
// small country (every key of the letter is looked at), and the command
// line's look-up of a name written out in full.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "atlas/Atlas.h"

namespace {

// Every prefix of each name, cut at whole UTF-8 characters.
std::vector<std::string> Keystrokes() {
    std::vector<std::string> typed;
    for (const std::string name : {"springfield, illinois", "sao paulo", "kolkata", "zürich", "bangalore", "new york",
                                   "wien", "münchen", "den haag", "puttaparthi", "मुंबई", "சென்னை"})
        for (std::size_t n = 1; n <= name.size(); ++n)
            if (n == name.size() || (static_cast<unsigned char>(name[n]) & 0xC0) != 0x80)
                typed.push_back(name.substr(0, n));
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

// The widest searches: one letter, its list or every place of it in a
// country of a few places.
void BM_AtlasOneLetter(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::Atlas::Search("s", 10));
}
BENCHMARK(BM_AtlasOneLetter);

void BM_AtlasOneLetterNarrowed(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::Atlas::Search("s, tuvalu", 10));
}
BENCHMARK(BM_AtlasOneLetterNarrowed);

// velmora-cli --place: a whole name, resolved among its namesakes.
void BM_AtlasResolve(benchmark::State& state) {
    velmora::AtlasEntry place;
    std::vector<velmora::AtlasEntry> candidates;
    for (auto _ : state) benchmark::DoNotOptimize(velmora::Atlas::Resolve("Springfield", place, candidates));
}
BENCHMARK(BM_AtlasResolve);

}  // namespace
