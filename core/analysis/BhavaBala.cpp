#include "analysis/BhavaBala.h"

#include <cmath>

#include "analysis/Nakshatra.h"

namespace velmora {

// Bhava dig bala: by the sign the middle falls in, a third of its distance
// from the point where that kind of sign is weakest: the human signs
// (Gemini, Virgo, Libra, Aquarius, the first half of Sagittarius) are strong
// rising and weakest at the descendant; the watery ones (Cancer, Pisces, the
// second half of Capricorn) strong at the lower midheaven and weakest at the
// midheaven; Scorpio strong setting and weakest at the ascendant; the
// four-footed ones (Aries, Taurus, Leo, the second half of Sagittarius, the
// first half of Capricorn) strong at the midheaven and weakest at the lower
// midheaven.
double BhavaDigBala(double middle, double ascendant, double midheaven) {
    const double x = FoldLongitude(middle);
    const int sign = static_cast<int>(x / 30) % 12;
    const bool firstHalf = x - 30.0 * sign < 15;
    double weakest = midheaven + 180;  // four-footed
    switch (sign) {
        case 2: case 5: case 6: case 10: weakest = ascendant + 180; break;
        case 3: case 11: weakest = midheaven; break;
        case 7: weakest = ascendant; break;
        case 8: weakest = firstHalf ? ascendant + 180 : midheaven + 180; break;
        case 9: weakest = firstHalf ? midheaven + 180 : midheaven; break;
        default: break;
    }
    return ShorterArc(x, weakest) / 3;
}

// Bhavadhipati bala: the shadbala total of the lord of the sign the house's
// middle falls in. Bhava drishti bala: the aspects on the middle (as in drik
// bala, with the special aspects), the benefics' added and the malefics'
// taken away, a quarter of each, but Mercury's and Jupiter's whole.
BhavaBala ComputeBhavaBala(const std::array<double, 12>& middles, const ShadbalaSky& sky, const Shadbala& shadbala) {
    const std::array<bool, kSevenPlanets> benefic = Benefics(sky);
    BhavaBala houses{};
    for (std::size_t h = 0; h < houses.size(); ++h) {
        HouseStrength& house = houses[h];
        const int sign = static_cast<int>(FoldLongitude(middles[h]) / 30) % 12;
        house.adhipati = shadbala[static_cast<std::size_t>(kSignLordBody[static_cast<std::size_t>(sign)])].total;
        house.dig = BhavaDigBala(middles[h], sky.ascendant, sky.midheaven);
        for (std::size_t p = 0; p < kSevenPlanets; ++p) {
            const double aspect = AspectValue(static_cast<int>(p), middles[h] - sky.longitudes[p]);
            const double share = (p == 2 || p == 5) ? aspect : aspect / 4;  // Mercury, Jupiter
            house.drishti += benefic[p] ? share : -share;
        }
        house.total = house.adhipati + house.dig + house.drishti;
        house.rupas = house.total / 60;
    }
    return houses;
}

}  // namespace velmora
