#pragma once
// The arudha pada of each house, one house per call, in house order from the
// ascendant's sign.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "analysis/ChartState.h"

namespace velmora {

// Sign numbers 1 … 12 of the ten bodies, 0 for a body whose sign is not known.
using BodySignNumbers = std::array<std::int8_t, kBodyCount>;

// Body number of a planet named by its plain name ("Mars"), −1 for no body.
int BodyNumberOf(std::string_view plainName);

class GrahaArudha {
public:
    std::int16_t HouseCounter = 0;  // house of the latest call, 1 … 12; the run sets it to 0
    std::int16_t LordSign = 0;      // sign number 1 … 12 of the house lord
    std::int16_t HouseSign = 0;     // ascendant's sign number + house − 1, not reduced

    // The next house's arudha, its lord the body `lordBody` (−1 for none):
    // its sign index goes to chart.ArudhaSigns[HouseCounter − 1] and is
    // returned; −1, and nothing written, when there is none to write (a
    // thirteenth call, a house sign never known).
    int ComputeNextArudha(const BodySignNumbers& signs, int lordBody, ChartState& chart);
};

// The twelve calls of one run: `HouseCounter` back to 0, then houses 1 to 12
// from the ascendant's sign (from Aries should the ascendant's sign not be
// known), each with the lord of its sign from `signLords` (by sign index),
// calling `each(house, sign)` for every arudha written (house 1 … 12, sign
// index 0 … 11).
template <typename Each>
void EachArudha(GrahaArudha& arudha, const BodySignNumbers& signs, std::span<const std::string> signLords,
                ChartState& chart, Each each) {
    arudha.HouseCounter = 0;
    const int first = signs[kBodyCount - 1] > 0 ? signs[kBodyCount - 1] - 1 : 0;
    for (int h = 0; h < kSignCount; ++h) {
        const int j = (first + h) % kSignCount;
        const int lord = j < static_cast<int>(signLords.size()) ? BodyNumberOf(signLords[static_cast<std::size_t>(j)]) : -1;
        const int sign = arudha.ComputeNextArudha(signs, lord, chart);
        if (sign >= 0) each(static_cast<int>(arudha.HouseCounter), sign);
    }
}

// The same, the signs in chart.ArudhaSigns only.
void ComputeArudhas(GrahaArudha& arudha, const BodySignNumbers& signs,
                    std::span<const std::string> signLords, ChartState& chart);

// The twelve arudhas' sign indices (AL … A12) of any chart whose points stand
// in `signs` (sign indices by body number: a varga's), by the same rule and
// lords as the birth chart's.
std::array<int, kArudhaCount> ArudhaSignsOf(const std::array<int, kBodyCount>& signs);

}  // namespace velmora
