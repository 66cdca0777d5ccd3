#include "analysis/KujaDosha.h"

#include "analysis/Ordinal.h"

namespace velmora {

namespace {

constexpr int kMoon = 1, kVenus = 3, kMars = 4, kJupiter = 5, kAscendant = 9;

bool IsDoshaHouse(int house) {
    return house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
}

std::string SignName(int sign) { return std::string(kSignEnglishNames[static_cast<std::size_t>(sign)]); }

// The exception of the house and Mars's sign, or an empty text.
std::string HouseSignException(int house, int marsSign) {
    auto in = [marsSign](int a, int b) { return marsSign == a || marsSign == b; };
    constexpr int kTaurus = 1, kGemini = 2, kCancer = 3, kVirgo = 5, kLibra = 6, kSagittarius = 8,
                  kCapricorn = 9, kPisces = 11;
    const bool applies = (house == 2 && in(kGemini, kVirgo)) || ((house == 4 || house == 12) && in(kTaurus, kLibra)) ||
                         (house == 7 && in(kCapricorn, kCancer)) || (house == 8 && in(kSagittarius, kPisces));
    return applies ? "Mars in the " + EnglishOrdinal(house) + " in " + SignName(marsSign) + " gives no dosha" : std::string();
}

}  // namespace

KujaDosha FindKujaDosha(const std::array<int, kBodyCount>& signs) {
    const int mars = signs[kMars];
    KujaException chartKind = KujaException::None;
    if (signs[kJupiter] == mars) chartKind = KujaException::MarsWithJupiter;
    else if (signs[kMoon] == mars) chartKind = KujaException::MarsWithMoon;
    else if (signs[kVenus] == signs[kAscendant]) chartKind = KujaException::VenusInAscendant;
    else if (signs[kJupiter] == signs[kAscendant]) chartKind = KujaException::JupiterInAscendant;
    constexpr std::string_view kChartExceptions[] = {"", "", "Mars is with Jupiter", "Mars is with the Moon",
                                                     "Venus is in the ascendant", "Jupiter is in the ascendant"};
    const std::string chartException(kChartExceptions[static_cast<std::size_t>(chartKind)]);

    KujaDosha k;
    const int references[3] = {signs[kAscendant], signs[kMoon], signs[kVenus]};
    for (std::size_t r = 0; r < 3; ++r) {
        KujaFrom& f = k.from[r];
        f.house = (mars - references[r] + kSignCount) % kSignCount + 1;
        f.dosha = IsDoshaHouse(f.house);
        f.marsSign = mars;
        const std::string where = "Mars is in the " + EnglishOrdinal(f.house) + " from " + std::string(kKujaReferenceNames[r]);
        if (!f.dosha) {
            f.reason = where + ": no dosha.";
            continue;
        }
        std::string exception = HouseSignException(f.house, mars);
        f.exception = exception.empty() ? chartKind : KujaException::HouseSign;
        if (exception.empty()) exception = chartException;
        f.cancelled = !exception.empty();
        f.reason = f.cancelled ? where + ", but " + exception + ": cancelled." : where + ": dosha.";
        k.present = k.present || !f.cancelled;
    }
    std::string counted;
    for (std::size_t r = 0; r < 3; ++r) {
        if (!k.from[r].dosha || k.from[r].cancelled) continue;
        if (!counted.empty()) counted += ", ";
        counted += kKujaReferenceNames[r];
    }
    k.summary = k.present ? "Mars dosha from " + counted + "." : "No Mars dosha.";
    return k;
}

}  // namespace velmora
