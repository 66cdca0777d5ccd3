#include "analysis/AshtakavargaReduction.h"

#include <algorithm>

namespace velmora {

namespace {

// The signs (by index) of each planet owning two: Mars, Venus, Mercury,
// Jupiter, Saturn.
constexpr std::array<std::array<int, 2>, 5> kSameLord = {{{0, 7}, {1, 6}, {2, 5}, {8, 11}, {9, 10}}};

// The multipliers: by sign index, and by body number (Sun, Moon, Mercury,
// Venus, Mars, Jupiter, Saturn).
constexpr std::array<int, kSignCount> kSignMultiplier = {7, 10, 8, 4, 10, 5, 7, 8, 9, 5, 11, 12};
constexpr std::array<int, kAshtakavargaPlanets> kPlanetMultiplier = {5, 5, 5, 7, 8, 10, 5};

constexpr int kAscendant = kBodyCount - 1;

}  // namespace

BinduRow TrikonaShodhana(const BinduRow& bindus) {
    BinduRow out = bindus;
    for (std::size_t first = 0; first < 4; ++first) {
        int& a = out[first];
        int& b = out[first + 4];
        int& c = out[first + 8];
        if ((a == 0) + (b == 0) + (c == 0) >= 2) {
            a = b = c = 0;
            continue;
        }
        const int least = std::min({a, b, c});
        a -= least;
        b -= least;
        c -= least;
    }
    return out;
}

BinduRow EkadhipatyaShodhana(const BinduRow& bindus, const std::array<bool, kSignCount>& occupied) {
    BinduRow out = bindus;
    for (const auto& [first, second] : kSameLord) {
        int& x = out[static_cast<std::size_t>(first)];
        int& y = out[static_cast<std::size_t>(second)];
        const bool xHeld = occupied[static_cast<std::size_t>(first)];
        const bool yHeld = occupied[static_cast<std::size_t>(second)];
        if (x == 0 || y == 0 || (xHeld && yHeld)) continue;
        if (!xHeld && !yHeld) {
            x = y = (x == y ? 0 : std::min(x, y));
            continue;
        }
        const int held = xHeld ? x : y;
        int& empty = xHeld ? y : x;
        empty = empty <= held ? 0 : held;
    }
    return out;
}

ReducedAshtakavarga ReduceAshtakavarga(const Ashtakavarga& a, const std::array<int, kBodyCount>& signs) {
    std::array<bool, kSignCount> occupied{};
    for (int planet = 0; planet < kAshtakavargaPlanets; ++planet)
        occupied[static_cast<std::size_t>(signs[static_cast<std::size_t>(planet)])] = true;
    if (a.reading == AshtakavargaReading::Rao) occupied[static_cast<std::size_t>(signs[kAscendant])] = true;

    ReducedAshtakavarga r;
    for (std::size_t planet = 0; planet < kAshtakavargaPlanets; ++planet) {
        const BinduRow& row = r.bav[planet] = EkadhipatyaShodhana(TrikonaShodhana(a.bav[planet]), occupied);
        for (std::size_t sign = 0; sign < kSignCount; ++sign) r.rasiPinda[planet] += row[sign] * kSignMultiplier[sign];
        for (std::size_t body = 0; body < kAshtakavargaPlanets; ++body)
            r.grahaPinda[planet] += row[static_cast<std::size_t>(signs[body])] * kPlanetMultiplier[body];
        r.shodhyaPinda[planet] = r.rasiPinda[planet] + r.grahaPinda[planet];
    }
    return r;
}

AshtakavargaTables AshtakavargaTablesOf(const std::array<int, kBodyCount>& signs, AshtakavargaReading reading) {
    AshtakavargaTables tables;
    tables.bindus = ComputeAshtakavarga(signs, reading);
    tables.reduced = ReduceAshtakavarga(tables.bindus, signs);
    return tables;
}

}  // namespace velmora
