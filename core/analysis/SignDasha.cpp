#include "analysis/SignDasha.h"

#include "analysis/SignFacts.h"

namespace velmora {

namespace {

constexpr std::array<DashaLordYears, kSignCount> kSigns = {{
    {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1},
}};

std::string_view SignLordName(int sign) { return kSignEnglishNames[static_cast<std::size_t>(Wrapped(sign))]; }

}  // namespace

SignSky::SignSky(const std::array<double, kBodyCount>& l) : longitudes(l) {
    for (std::size_t i = 0; i < signs.size(); ++i) signs[i] = SignOfDegrees(l[i]);
}

int SignSky::PlanetsIn(int sign) const {
    int n = 0;
    for (int b = 0; b < kBodyCount - 1; ++b) n += signs[static_cast<std::size_t>(b)] == sign ? 1 : 0;
    return n;
}

double SignSky::DegreesOf(int body) const { return DegreesInSign(longitudes[static_cast<std::size_t>(body)]); }

int YearsToLord(int sign, int lordSign) {
    const int count = SignCount(sign, lordSign, OddFootedSign(sign));
    return count == 1 ? kSignCount : count - 1;
}

int LordCountedTo(const SignSky& sky, int sign, int (*stronger)(const SignSky& sky, int a, int b)) {
    const int lord = kSignLordBodies[static_cast<std::size_t>(sign)];
    const int co = SignCoLord(sign);
    if (co < 0) return lord;
    const bool lordIn = sky.SignOf(lord) == sign, coIn = sky.SignOf(co) == sign;
    if (lordIn && coIn) return -1;
    if (lordIn) return co;
    if (coIn) return lord;
    return stronger(sky, lord, co);
}

DashaTable SignDashaTable(std::string_view name, SignDashaPlan (*plan)(const std::array<double, kBodyCount>&),
                          std::string_view method) {
    // Two turns of twelve signs whose years in both turns make twelve each.
    return {name, kSigns, kSignCount * kSignCount, 2, 2, nullptr, &SignLordName, nullptr, plan, method};
}

bool RunsForward(int sign) { return OddFootedSign(NthSign(sign, 9)); }

}  // namespace velmora
