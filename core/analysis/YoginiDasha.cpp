#include "analysis/YoginiDasha.h"

#include "analysis/Nakshatra.h"

namespace velmora {

namespace {

constexpr std::array<DashaLordYears, 8> kYoginiSequence = {{
    {0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8},
}};

DashaStart YoginiStart(double moonLongitude) {
    return {FirstYogini(NakshatraOf(moonLongitude).index), NakshatraFractionPassed(moonLongitude)};
}

std::string_view YoginiName(int yogini) { return kYoginiNames[static_cast<std::size_t>(yogini)]; }

int YoginiPlanet(int yogini) { return kYoginiPlanets[static_cast<std::size_t>(yogini)]; }

constexpr DashaTable kYogini = {"Yogini", kYoginiSequence, 36, 3, 3, &YoginiStart, &YoginiName, &YoginiPlanet};

}  // namespace

int FirstYogini(int nakshatraIndex) {
    // (number + 3) mod 8, 1 Mangala … 7 Siddha, 0 Sankata: with the number
    // counted from 1, the position from Mangala is that remainder less one.
    return (nakshatraIndex + 1 + 3 + 7) % 8;
}

const DashaTable& YoginiTable() { return kYogini; }

}  // namespace velmora
