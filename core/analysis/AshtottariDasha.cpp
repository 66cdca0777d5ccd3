#include "analysis/AshtottariDasha.h"

#include <array>

#include "analysis/Nakshatra.h"

namespace velmora {

namespace {

constexpr std::array<DashaLordYears, 8> kAshtottariSequence = {{
    {0, 6}, {1, 15}, {4, 8}, {2, 17}, {6, 10}, {5, 19}, {7, 12}, {3, 21},
}};

// How many nakshatras each lord's group holds, in the sequence's order from Ardra.
constexpr std::array<int, 8> kGroupSizes = {4, 3, 4, 3, 3, 3, 4, 3};
constexpr int kArdra = 5;

DashaStart AshtottariStart(double moonLongitude) {
    int fromArdra = (NakshatraOf(moonLongitude).index - kArdra + kNakshatraCount) % kNakshatraCount;
    int group = 0;
    while (fromArdra >= kGroupSizes[static_cast<std::size_t>(group)])
        fromArdra -= kGroupSizes[static_cast<std::size_t>(group++)];
    const double passed = (fromArdra + NakshatraFractionPassed(moonLongitude)) / kGroupSizes[static_cast<std::size_t>(group)];
    return {group, passed};
}

constexpr DashaTable kAshtottari = {"Ashtottari", kAshtottariSequence, 108, 1, 3, &AshtottariStart, &DashaBodyName};

}  // namespace

const DashaTable& AshtottariTable() { return kAshtottari; }

}  // namespace velmora
