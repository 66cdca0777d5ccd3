#include "analysis/GrahaArudha.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::uint32_t Packed(std::string_view three) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(three[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(three[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(three[2])) << 16;
}

constexpr std::array<std::uint32_t, kSignCount> kPackedSigns = [] {
    std::array<std::uint32_t, kSignCount> packed{};
    for (int j = 0; j < kSignCount; ++j) packed[j] = Packed(kSignNames[j]);
    return packed;
}();

// "\r\n" and the label of each house, as its caption entry reads.
constexpr std::array<std::string_view, kArudhaCount> kCaptionEntries = {
    "\r\nAL", "\r\nA2", "\r\nA3", "\r\nA4", "\r\nA5",  "\r\nA6",
    "\r\nA7", "\r\nA8", "\r\nA9", "\r\nA10", "\r\nA11", "\r\nA12"};

std::int16_t Reduced(int x) {
    while (x > 12) x -= 12;
    return static_cast<std::int16_t>(x);
}

}  // namespace

int PositionSignIndex(std::string_view position) {
    if (position.size() < 6) return -1;
    const std::uint32_t sign = Packed(position.substr(3, 3));
    for (int j = 0; j < kSignCount; ++j) {
        if (kPackedSigns[j] == sign) return j;
    }
    return -1;
}

BodySignNumbers ReadBodySignNumbers(const PositionList& positions) {
    BodySignNumbers signs{};
    for (int k = 0; k < kBodyCount; ++k) signs[k] = static_cast<std::int8_t>(PositionSignIndex(positions[k]) + 1);
    return signs;
}

int BodyNumberOf(std::string_view plainName) {
    if (plainName.empty()) return -1;
    for (int k = 0; k < kBodyCount; ++k) {
        const std::string_view name = kPlainBodyNames[k];
        if (name.size() == plainName.size() && name[0] == plainName[0] && name == plainName) return k;
    }
    return -1;
}

void GrahaArudha::ComputeNextArudha(std::int16_t /*signIndex*/, std::string_view lord,
                                    const PositionList& positions, ChartState& chart,
                                    ArudhaCaptions& lblArudha) {
    // The lord is found by its plain name, so a retrograde mark never hides it.
    constexpr std::string_view kRetrogradeMark = " (R) ";
    if (lord.ends_with(kRetrogradeMark)) lord.remove_suffix(kRetrogradeMark.size());
    ComputeNextArudha(ReadBodySignNumbers(positions), BodyNumberOf(lord), chart, lblArudha);
}

int GrahaArudha::NextArudhaSign(const BodySignNumbers& signs, int lordBody) {
    HouseCounter = static_cast<std::int16_t>(HouseCounter + 1);
    const std::int16_t house = HouseCounter;

    // A body whose text names no sign leaves the value from before.
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
    return x - 1;
}

void GrahaArudha::ComputeNextArudha(const BodySignNumbers& signs, int lordBody, ChartState& chart,
                                    ArudhaCaptions& lblArudha) {
    const int sign = NextArudhaSign(signs, lordBody);
    if (sign < 0) return;
    lblArudha[static_cast<std::size_t>(sign)] += kCaptionEntries[HouseCounter - 1];
    chart.ArudhaSigns[HouseCounter - 1] = static_cast<std::int16_t>(sign);
}

void GrahaArudha::ComputeNextArudha(const BodySignNumbers& signs, int lordBody, ChartState& chart) {
    const int sign = NextArudhaSign(signs, lordBody);
    if (sign >= 0) chart.ArudhaSigns[HouseCounter - 1] = static_cast<std::int16_t>(sign);
}

void ComputeArudhas(GrahaArudha& arudha, const PositionList& positions,
                    std::span<const std::string> signLords, ChartState& chart,
                    ArudhaCaptions& lblArudha) {
    ComputeArudhas(arudha, ReadBodySignNumbers(positions), signLords, chart, lblArudha);
}

namespace {

// HouseCounter back to 0, then each house from the ascendant's sign with the
// body number of its sign's lord.
template <typename Next>
void EachHouse(GrahaArudha& arudha, const BodySignNumbers& signs, std::span<const std::string> signLords,
               Next next) {
    arudha.HouseCounter = 0;
    const int first = std::max(0, signs[kBodyCount - 1] - 1);
    for (int h = 0; h < kSignCount; ++h) {
        const int j = (first + h) % kSignCount;
        next(j < static_cast<int>(signLords.size()) ? BodyNumberOf(signLords[j]) : -1);
    }
}

}  // namespace

void ComputeArudhas(GrahaArudha& arudha, const BodySignNumbers& signs,
                    std::span<const std::string> signLords, ChartState& chart,
                    ArudhaCaptions& lblArudha) {
    EachHouse(arudha, signs, signLords,
              [&](int lordBody) { arudha.ComputeNextArudha(signs, lordBody, chart, lblArudha); });
}

void ComputeArudhas(GrahaArudha& arudha, const BodySignNumbers& signs,
                    std::span<const std::string> signLords, ChartState& chart) {
    EachHouse(arudha, signs, signLords, [&](int lordBody) { arudha.ComputeNextArudha(signs, lordBody, chart); });
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
