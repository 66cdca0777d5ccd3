#include "analysis/Doshas.h"

#include <cmath>
#include <utility>

#include "analysis/SignFacts.h"
#include "analysis/YogaChart.h"

namespace velmora {

namespace {

// Degrees from `from` onwards in the zodiac's order to `to`, 0 ≤ d < 360.
double Onwards(double from, double to) { return std::fmod(std::fmod(to - from, 360.0) + 360.0, 360.0); }

std::string PlanetList(BodySet set) {
    std::string text;
    for (int b = 0; b < kBodyCount; ++b) {
        if (!(set & BodyBit(b))) continue;
        if (!text.empty()) text += ", ";
        text += kPlainBodyNames[static_cast<std::size_t>(b)];
    }
    return text;
}

}  // namespace

KalaSarpa FindKalaSarpa(const std::array<double, kBodyCount>& longitudes) {
    KalaSarpa k;
    const double rahu = longitudes[body::kRahu], ketu = longitudes[body::kKetu];
    const double span = Onwards(rahu, ketu);  // 180° for the mean and true nodes
    bool allAfterRahu = true, allAfterKetu = true;
    for (int p = body::kSun; p <= body::kSaturn; ++p) {
        const double fromRahu = Onwards(rahu, longitudes[static_cast<std::size_t>(p)]);
        const bool rahuSide = fromRahu > 0 && fromRahu < span;
        const bool ketuSide = fromRahu > span;
        allAfterRahu = allAfterRahu && rahuSide;
        allAfterKetu = allAfterKetu && ketuSide;
    }
    k.present = allAfterRahu || allAfterKetu;
    k.fromRahu = allAfterRahu;
    k.rahuHouse = SignCount(SignOfDegrees(longitudes[body::kAscendant]), SignOfDegrees(rahu));
    if (!k.present) {
        k.summary = "No Kala Sarpa: the planets lie on both sides of the nodes.";
        return k;
    }
    k.kind = kKalaSarpaKinds[static_cast<std::size_t>(k.rahuHouse - 1)];
    k.summary = std::string("Kala Sarpa (") + std::string(k.kind) + ", Rahu in house " + std::to_string(k.rahuHouse) +
                "): the seven planets lie from " + (k.fromRahu ? "Rahu onwards to Ketu." : "Ketu onwards to Rahu.");
    return k;
}

KemadrumaDosha FindKemadrumaDosha(const std::array<int, kBodyCount>& signs) {
    const YogaChart c = MakeYogaChart(signs, true);
    KemadrumaDosha k;
    const BodySet around = static_cast<BodySet>(c.InHouseFrom(body::kMoon, 2, kTaraPlanets) |
                                                c.InHouseFrom(body::kMoon, 12, kTaraPlanets));
    k.yoga = around == 0;
    k.beside = around;
    if (!k.yoga) {
        k.summary = "No Kemadruma: " + PlanetList(around) + " beside the Moon.";
        return k;
    }
    BodySet fromMoon = 0, fromAscendant = 0;
    for (int h : {1, 4, 7, 10}) {
        fromMoon |= c.InHouseFrom(body::kMoon, h, kTaraPlanets);
        fromAscendant |= c.InHouse(h, kTaraPlanets);
    }
    const BodySet withMoon = c.InHouseFrom(body::kMoon, 1, kTaraPlanets);
    const auto cancel = [&k](KemadrumaCancel kind, BodySet planets, std::string words) {
        k.cancelledBy.push_back({kind, planets});
        k.cancellations.push_back(std::move(words));
    };
    if (withMoon) cancel(KemadrumaCancel::WithMoon, withMoon, PlanetList(withMoon) + " with the Moon");
    if (const BodySet others = static_cast<BodySet>(fromMoon & ~withMoon))
        cancel(KemadrumaCancel::KendraFromMoon, others, PlanetList(others) + " in a kendra from the Moon");
    if (fromAscendant)
        cancel(KemadrumaCancel::KendraFromAscendant, fromAscendant,
               PlanetList(fromAscendant) + " in a kendra from the ascendant");
    if (Kendra(c.House(body::kMoon)))
        cancel(KemadrumaCancel::MoonInKendra, 0, "the Moon in a kendra from the ascendant");
    k.cancelled = !k.cancellations.empty();
    k.present = !k.cancelled;
    if (k.present) {
        k.summary = "Kemadruma: no planet in the 2nd or 12th from the Moon, and nothing cancels it.";
    } else {
        std::string why;
        for (const std::string& c2 : k.cancellations) why += (why.empty() ? "" : "; ") + c2;
        k.summary = "Kemadruma cancelled: " + why + ".";
    }
    return k;
}

}  // namespace velmora
