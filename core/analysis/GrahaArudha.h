#pragma once
// The arudha pada of each house, one house per call, in house order from the
// ascendant's sign.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "analysis/ChartState.h"
#include "engine/LongitudeText.h"

namespace velmora {

// One caption per sign index; each arudha appends "\r\n" and its label.
using ArudhaCaptions = std::array<std::string, kSignCount>;

// Sign index 0 … 11 of a short position text ("05 Sag 12": characters 4 to 6),
// or −1 when those characters name no sign.
int PositionSignIndex(std::string_view position);

// Sign numbers 1 … 12 of the ten bodies as their position texts give them,
// 0 where a text names no sign.
using BodySignNumbers = std::array<std::int8_t, kBodyCount>;
BodySignNumbers ReadBodySignNumbers(const PositionList& positions);

// Body number of a planet named by its plain name ("Mars"), −1 for no body.
int BodyNumberOf(std::string_view plainName);

class GrahaArudha {
public:
    std::int16_t HouseCounter = 0;  // house of the latest call, 1 … 12; the run sets it to 0
    std::int16_t LordSign = 0;      // sign number 1 … 12 of the house lord
    std::int16_t HouseSign = 0;     // ascendant's sign number + house − 1, not reduced

    // `signIndex` is passed as the run passes it and not used; `lord` names the
    // lord of the house's sign ("Mars", …). Reads the bodies' signs from
    // characters 4 to 6 of `positions`.
    void ComputeNextArudha(std::int16_t signIndex, std::string_view lord,
                           const PositionList& positions, ChartState& chart,
                           ArudhaCaptions& lblArudha);

    // The same call with the texts already read and the lord already found.
    void ComputeNextArudha(const BodySignNumbers& signs, int lordBody, ChartState& chart,
                           ArudhaCaptions& lblArudha);
    // And without captions: the arudha's sign only (chart.ArudhaSigns).
    void ComputeNextArudha(const BodySignNumbers& signs, int lordBody, ChartState& chart);

private:
    // The sign index of this house's arudha, or -1 when there is none to write.
    int NextArudhaSign(const BodySignNumbers& signs, int lordBody);
};

// The twelve calls of one run: `HouseCounter` back to 0, then houses 1 to 12
// from the ascendant's sign (from Aries should the ascendant's text name no
// sign), each with the lord of its sign from `signLords` (by sign index). The
// captions are appended to, so the caller clears them first.
void ComputeArudhas(GrahaArudha& arudha, const PositionList& positions,
                    std::span<const std::string> signLords, ChartState& chart,
                    ArudhaCaptions& lblArudha);

// The same with the bodies' signs already read from their position texts.
void ComputeArudhas(GrahaArudha& arudha, const BodySignNumbers& signs,
                    std::span<const std::string> signLords, ChartState& chart,
                    ArudhaCaptions& lblArudha);

// The same from the bodies' signs, numbers only: chart.ArudhaSigns.
void ComputeArudhas(GrahaArudha& arudha, const BodySignNumbers& signs,
                    std::span<const std::string> signLords, ChartState& chart);

// The twelve arudhas' sign indices (AL … A12) of any chart whose points stand
// in `signs` (sign indices by body number: a varga's), by the same rule and
// lords as the birth chart's.
std::array<int, kArudhaCount> ArudhaSignsOf(const std::array<int, kBodyCount>& signs);

}  // namespace velmora
