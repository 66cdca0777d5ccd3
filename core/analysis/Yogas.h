#pragma once
// The catalogue of classical yogas: one row a yoga (YogaCatalogue.cpp), with
// its key, its name, its family, the book and chapter it is taken from and
// its rule, read from the points' signs of one varga (YogaChart). A new yoga
// is one row there and one rule function in the file of its family. The
// rules are stated in words, with their sources, in docs/yogas.md.
//
// BPHS is Brihat Parashara Hora Shastra in the chapters of R. Santhanam's
// translation; Phaladeepika is Mantreswara's, in V. Subrahmanya Sastri's
// translation; Saravali is Kalyana Varma's.

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "analysis/YogaChart.h"

namespace velmora {

enum class YogaFamily { Mahapurusha, Lunar, Solar, Nabhasa, Raja, Dhana, Viparita, Parivartana, Other };
inline constexpr std::size_t kYogaFamilyCount = 9;

// "Pancha Mahapurusha", "Chandra (lunar)", …
std::string_view YogaFamilyName(YogaFamily family);

// What a rule finds: whether the yoga is present and the points that form it.
struct YogaHit {
    bool present = false;
    BodySet planets = 0;
};

inline constexpr YogaHit Present(BodySet planets) { return {true, planets}; }
inline constexpr YogaHit kAbsent{};

struct YogaRule {
    std::string_view id;      // a key: lower case, words joined by "_"
    std::string_view name;    // as the books spell it, in plain Latin letters
    YogaFamily family;
    std::string_view source;  // the book and chapter
    YogaHit (*rule)(const YogaChart&);
};

// Every yoga of the catalogue, in its order.
std::span<const YogaRule> YogaCatalogue();

// A yoga found: its row in the catalogue and the points that form it.
struct YogaFound {
    int rule = 0;
    BodySet planets = 0;
    const YogaRule& Rule() const { return YogaCatalogue()[static_cast<std::size_t>(rule)]; }
};

// The yogas present in `chart`, in the catalogue's order.
std::vector<YogaFound> YogasIn(const YogaChart& chart);

}  // namespace velmora
