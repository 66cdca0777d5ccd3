#include "analysis/GrahaArudha.h"

namespace velmora {

namespace {

std::int16_t Reduced(int x) {
    while (x > 12) x -= 12;
    return static_cast<std::int16_t>(x);
}

}  // namespace

int BodyNumberOf(std::string_view plainName) {
    if (plainName.empty()) return -1;
    for (int k = 0; k < kBodyCount; ++k) {
        const std::string_view name = kPlainBodyNames[k];
        if (name.size() == plainName.size() && name[0] == plainName[0] && name == plainName) return k;
    }
    return -1;
}

int GrahaArudha::ComputeNextArudha(const BodySignNumbers& signs, int lordBody, ChartState& chart) {
    HouseCounter = static_cast<std::int16_t>(HouseCounter + 1);
    const std::int16_t house = HouseCounter;

    // A body whose sign is not known leaves the value from before.
    if (lordBody >= 0 && signs[lordBody] != 0) LordSign = signs[lordBody];
    if (signs[kBodyCount - 1] != 0) HouseSign = signs[kBodyCount - 1];

    HouseSign = static_cast<std::int16_t>(HouseSign + house - 1);
    auto x = static_cast<std::int16_t>(2 * (LordSign - HouseSign));
    while (x < 0) x = static_cast<std::int16_t>(x + 12);
    if (x > 12) x = static_cast<std::int16_t>(x - 12);
    if (x == 0 || x == 12) x = 9;  // never in the house itself: the 10th sign from it
    x = Reduced(x + HouseSign);
    if (((x - HouseSign) % 12 + 12) % 12 == 6) x = Reduced(x + 9);  // never the 7th: the 4th

    // A counter that was not reset, or a house sign that was never read, must
    // not write outside the twelve slots.
    if (house < 1 || house > kArudhaCount || x < 1 || x > kSignCount) return -1;
    chart.ArudhaSigns[static_cast<std::size_t>(house - 1)] = static_cast<std::int16_t>(x - 1);
    return x - 1;
}

void ComputeArudhas(GrahaArudha& arudha, const BodySignNumbers& signs,
                    std::span<const std::string> signLords, ChartState& chart) {
    EachArudha(arudha, signs, signLords, chart, [](int, int) {});
}

std::array<int, kArudhaCount> ArudhaSignsOf(const std::array<int, kBodyCount>& signs) {
    static const NameTables names = [] {
        NameTables n;
        FillNameTables(n);
        return n;
    }();
    BodySignNumbers numbers{};
    for (int k = 0; k < kBodyCount; ++k) numbers[k] = static_cast<std::int8_t>(signs[static_cast<std::size_t>(k)] + 1);
    GrahaArudha arudha;
    ChartState state;
    ComputeArudhas(arudha, numbers, names.SignLords, state);
    std::array<int, kArudhaCount> out{};
    for (int a = 0; a < kArudhaCount; ++a) out[static_cast<std::size_t>(a)] = state.ArudhaSigns[static_cast<std::size_t>(a)];
    return out;
}

}  // namespace velmora
