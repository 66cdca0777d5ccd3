#pragma once
// The arudhas as the result form wrote them before they were made from the
// chart's numbers: each body's sign read from characters 4 to 6 of its short
// position text ("05 Sag 12"), each house lord found by its plain name, and
// one caption per sign to which each arudha appends "\r\n" and its label.
// The tests compare the labels the program makes now with these.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "analysis/GrahaArudha.h"
#include "engine/LongitudeText.h"

namespace velmora {

// One caption per sign index; each arudha appends "\r\n" and its label.
using ArudhaCaptions = std::array<std::string, kSignCount>;

// Sign index 0 … 11 of a short position text ("05 Sag 12": characters 4 to 6),
// or −1 when those characters name no sign.
inline int PositionSignIndex(std::string_view position) {
    if (position.size() < 6) return -1;
    const std::string_view sign = position.substr(3, 3);
    for (int j = 0; j < kSignCount; ++j)
        if (kSignNames[j] == sign) return j;
    return -1;
}

// Sign numbers 1 … 12 of the ten bodies as their position texts give them,
// 0 where a text names no sign.
inline BodySignNumbers ReadBodySignNumbers(const PositionList& positions) {
    BodySignNumbers signs{};
    for (int k = 0; k < kBodyCount; ++k) signs[k] = static_cast<std::int8_t>(PositionSignIndex(positions[k]) + 1);
    return signs;
}

// "\r\nAL", "\r\nA2" … : what house 1 … 12 appends to its arudha's caption.
inline std::string ArudhaCaptionEntry(int house) {
    return house == 1 ? std::string("\r\nAL") : "\r\nA" + std::to_string(house);
}

// The next house's arudha with its lord named ("Mars"; a retrograde mark
// " (R) " after the name is passed over) and the bodies' signs read from
// their position texts.
inline void ComputeNextArudha(GrahaArudha& arudha, std::string_view lord, const PositionList& positions,
                              ChartState& chart, ArudhaCaptions& captions) {
    constexpr std::string_view kRetrogradeMark = " (R) ";
    if (lord.ends_with(kRetrogradeMark)) lord.remove_suffix(kRetrogradeMark.size());
    const int sign = arudha.ComputeNextArudha(ReadBodySignNumbers(positions), BodyNumberOf(lord), chart);
    if (sign >= 0) captions[static_cast<std::size_t>(sign)] += ArudhaCaptionEntry(arudha.HouseCounter);
}

// The twelve houses' arudhas from the position texts, appended to `captions`
// (the caller clears them first).
inline void ComputeArudhas(GrahaArudha& arudha, const PositionList& positions, std::span<const std::string> signLords,
                           ChartState& chart, ArudhaCaptions& captions) {
    EachArudha(arudha, ReadBodySignNumbers(positions), signLords, chart, [&](int house, int sign) {
        captions[static_cast<std::size_t>(sign)] += ArudhaCaptionEntry(house);
    });
}

}  // namespace velmora
