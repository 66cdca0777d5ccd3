#include "analysis/Jaimini.h"

#include <algorithm>

#include "analysis/SignFacts.h"

namespace velmora {

std::string_view KarakaSchemeKey(KarakaScheme scheme) {
    return kKarakaSchemes[static_cast<std::size_t>(scheme)].key;
}

bool ParseKarakaScheme(std::string_view key, KarakaScheme& scheme) {
    for (const KarakaSchemeInfo& info : kKarakaSchemes)
        if (info.key == key) {
            scheme = info.scheme;
            return true;
        }
    return false;
}

std::string_view CharaKarakas::Label(int rank) const {
    return scheme == KarakaScheme::Eight ? kKarakaLabels8[static_cast<std::size_t>(rank)]
                                         : kKarakaLabels7[static_cast<std::size_t>(rank)];
}

std::string_view CharaKarakas::Name(int rank) const {
    // The seven-karaka scheme has no pitri karaka: its ranks from the fifth
    // on are the eight-karaka scheme's from the sixth.
    const int at = scheme == KarakaScheme::Seven && rank >= 4 ? rank + 1 : rank;
    return kKarakaNames8[static_cast<std::size_t>(at)];
}

double KarakaDegrees(int body, double longitude) {
    const double degrees = DegreesInSign(longitude);
    return body == body::kRahu ? 30.0 - degrees : degrees;
}

CharaKarakas CharaKarakasOf(const std::array<double, kBodyCount>& longitudes, KarakaScheme scheme) {
    CharaKarakas k;
    k.scheme = scheme;
    k.count = scheme == KarakaScheme::Eight ? 8 : 7;
    for (int i = 0; i < k.count; ++i) k.bodies[static_cast<std::size_t>(i)] = i;  // Sun … Saturn, then Rahu (7)
    std::array<double, 8> degrees{};
    for (int i = 0; i < k.count; ++i) degrees[static_cast<std::size_t>(i)] = KarakaDegrees(i, longitudes[static_cast<std::size_t>(i)]);
    std::stable_sort(k.bodies.begin(), k.bodies.begin() + k.count, [&degrees](int a, int b) {
        return degrees[static_cast<std::size_t>(a)] > degrees[static_cast<std::size_t>(b)];
    });
    return k;
}

std::array<int, 3> RashiDrishti(int sign) {
    std::array<int, 3> aspected{};
    int n = 0;
    for (int offset = 1; offset < kSignCount; ++offset) {
        const int to = Wrapped(sign + offset);
        if (AspectsSign(sign, to)) aspected[static_cast<std::size_t>(n++)] = to;
    }
    return aspected;
}

bool AspectsSign(int from, int to) {
    if (from == to) return false;
    const SignKind a = KindOfSign(from), b = KindOfSign(to);
    switch (a) {
        case SignKind::Movable: return b == SignKind::Fixed && to != Wrapped(from + 1);
        case SignKind::Fixed: return b == SignKind::Movable && to != Wrapped(from - 1);
        case SignKind::Dual: return b == SignKind::Dual;
    }
    return false;
}

std::vector<ArgalaEntry> ArgalaOn(int sign, const std::array<int, kBodyCount>& signs) {
    constexpr std::array<std::array<int, 2>, 4> kHouses = {{{2, 12}, {4, 10}, {11, 3}, {5, 9}}};
    std::vector<ArgalaEntry> entries;
    for (const auto& [offset, obstruction] : kHouses) {
        ArgalaEntry e;
        e.offset = offset;
        e.obstructionOffset = obstruction;
        const int at = NthSign(sign, offset), against = NthSign(sign, obstruction);
        for (int b = 0; b < kBodyCount - 1; ++b) {
            if (signs[static_cast<std::size_t>(b)] == at) e.planets.push_back(b);
            if (signs[static_cast<std::size_t>(b)] == against) e.obstructing.push_back(b);
        }
        if (e.planets.empty()) continue;
        e.prevails = e.planets.size() > e.obstructing.size();
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace velmora
