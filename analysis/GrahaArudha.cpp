#include "analysis/GrahaArudha.h"

#include <algorithm>

namespace velmora {

int PositionSignIndex(std::string_view position) {
    if (position.size() < 6) return -1;
    const std::string_view sign = position.substr(3, 3);
    for (int j = 0; j < kSignCount; ++j) {
        if (kSignNames[j] == sign) return j;
    }
    return -1;
}

void GrahaArudha::ComputeNextArudha(std::int16_t /*signIndex*/, std::string_view lord,
                                    const PositionList& positions, ChartState& chart,
                                    ArudhaCaptions& lblArudha) {
    HouseCounter = static_cast<std::int16_t>(HouseCounter + 1);
    const std::int16_t house = HouseCounter;

    // The lord is found by its plain name, so a retrograde mark never hides it.
    for (int k = 0; k < kBodyCount; ++k) {
        const int index = PositionSignIndex(positions[k]);
        if (index < 0) continue;
        const auto number = static_cast<std::int16_t>(index + 1);
        if (kPlainBodyNames[k] == lord) LordSign = number;
        if (k == kBodyCount - 1) HouseSign = number;
    }

    HouseSign = static_cast<std::int16_t>(HouseSign + house - 1);
    auto x = static_cast<std::int16_t>(2 * (LordSign - HouseSign));
    while (x < 0) x = static_cast<std::int16_t>(x + 12);
    if (x > 12) x = static_cast<std::int16_t>(x - 12);
    if (x == 0 || x == 12) x = 9;  // never in the house itself: the 10th sign from it
    x = static_cast<std::int16_t>(x + HouseSign);
    while (x > 12) x = static_cast<std::int16_t>(x - 12);
    if (((x - HouseSign) % 12 + 12) % 12 == 6) {  // never in the 7th: the 4th from the house
        x = static_cast<std::int16_t>(x + 9);
        while (x > 12) x = static_cast<std::int16_t>(x - 12);
    }

    // A counter that was not reset, or a house sign that was never read, must
    // not write outside the twelve slots.
    if (house < 1 || house > kArudhaCount || x < 1 || x > kSignCount) return;
    std::string& caption = lblArudha[x - 1];
    caption += "\r\n";
    caption += kArudhaLabels[house - 1];
    chart.ArudhaSigns[house - 1] = static_cast<std::int16_t>(x - 1);
}

void ComputeArudhas(GrahaArudha& arudha, const PositionList& positions,
                    std::span<const std::string> signLords, ChartState& chart,
                    ArudhaCaptions& lblArudha) {
    arudha.HouseCounter = 0;
    const int first = std::max(0, PositionSignIndex(positions[kBodyCount - 1]));
    for (int h = 0; h < kSignCount; ++h) {
        const int j = (first + h) % kSignCount;
        const std::string_view lord = j < static_cast<int>(signLords.size()) ? std::string_view(signLords[j])
                                                                             : std::string_view();
        arudha.ComputeNextArudha(static_cast<std::int16_t>(j), lord, positions, chart, lblArudha);
    }
}

}  // namespace velmora
