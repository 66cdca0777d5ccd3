// The five great persons, the Moon's yogas and the Sun's yogas.

#include <bit>

#include "analysis/YogaRules.h"

namespace velmora::yoga {

using namespace body;

namespace {

// BPHS ch. 75, Phaladeepika ch. 6: Mars, Mercury, Jupiter, Venus or Saturn
// in its own sign or its exaltation sign, in a kendra from the ascendant.
YogaHit GreatPerson(const YogaChart& c, int planet) {
    const bool dignified = OwnSign(planet, c.Sign(planet)) || ExaltedIn(planet, c.Sign(planet));
    return dignified && Kendra(c.House(planet)) ? Present(BodyBit(planet)) : kAbsent;
}

// The planets of kTaraPlanets in the 2nd and the 12th from `from`.
BodySet Second(const YogaChart& c, int from) { return c.InHouseFrom(from, 2, kTaraPlanets); }
BodySet Twelfth(const YogaChart& c, int from) { return c.InHouseFrom(from, 12, kTaraPlanets); }

BodySet Bit(int b) { return BodyBit(b); }

// Planets in the 2nd from `from`, in the 12th, or on both sides: the
// planets there and `from` itself.
enum Side { kSecond = 1, kTwelfth = 2, kBothSides = 3 };
YogaHit Flanked(const YogaChart& c, int from, int side) {
    const BodySet second = (side & kSecond) ? Second(c, from) : 0;
    const BodySet twelfth = (side & kTwelfth) ? Twelfth(c, from) : 0;
    if (((side & kSecond) && !second) || ((side & kTwelfth) && !twelfth)) return kAbsent;
    return Present(static_cast<BodySet>(second | twelfth | Bit(from)));
}

}  // namespace

YogaHit Ruchaka(const YogaChart& c) { return GreatPerson(c, kMars); }
YogaHit Bhadra(const YogaChart& c) { return GreatPerson(c, kMercury); }
YogaHit Hamsa(const YogaChart& c) { return GreatPerson(c, kJupiter); }
YogaHit Malavya(const YogaChart& c) { return GreatPerson(c, kVenus); }
YogaHit Sasa(const YogaChart& c) { return GreatPerson(c, kSaturn); }

// BPHS ch. 37: a planet other than the Sun (and the nodes) in the 2nd from
// the Moon: Sunapha; in the 12th: Anapha; on both sides: Durudhara; on
// neither: Kemadruma.
YogaHit Sunapha(const YogaChart& c) { return Flanked(c, kMoon, kSecond); }
YogaHit Anapha(const YogaChart& c) { return Flanked(c, kMoon, kTwelfth); }
YogaHit Durudhara(const YogaChart& c) { return Flanked(c, kMoon, kBothSides); }
YogaHit Kemadruma(const YogaChart& c) {
    return !Second(c, kMoon) && !Twelfth(c, kMoon) ? Present(Bit(kMoon)) : kAbsent;
}

constexpr BodySet kThreeBenefics = BodyBit(kMercury) | BodyBit(kJupiter) | BodyBit(kVenus);

// BPHS ch. 37, Phaladeepika ch. 6: the benefics in the 6th, 7th and 8th from
// the Moon. Taken here as two or three of Mercury, Jupiter and Venus within
// those houses (the texts' "benefics" read as more than one; the strictest
// reading wants all three).
YogaHit ChandraAdhi(const YogaChart& c) {
    const BodySet there = static_cast<BodySet>(c.InHouseFrom(kMoon, 6, kThreeBenefics) |
                                               c.InHouseFrom(kMoon, 7, kThreeBenefics) |
                                               c.InHouseFrom(kMoon, 8, kThreeBenefics));
    return std::popcount(static_cast<unsigned>(there)) >= 2 ? Present(static_cast<BodySet>(there | Bit(kMoon))) : kAbsent;
}

// BPHS ch. 36, Phaladeepika ch. 6: Jupiter in a kendra from the Moon.
YogaHit GajaKesari(const YogaChart& c) {
    return Kendra(c.HouseFrom(kMoon, kJupiter)) ? Present(static_cast<BodySet>(Bit(kMoon) | Bit(kJupiter))) : kAbsent;
}

// Phaladeepika ch. 6: the Moon in the 6th, 8th or 12th from Jupiter, unless
// the Moon is in a kendra from the ascendant.
YogaHit Sakata(const YogaChart& c) {
    return Dusthana(c.HouseFrom(kJupiter, kMoon)) && !Kendra(c.House(kMoon))
               ? Present(static_cast<BodySet>(Bit(kMoon) | Bit(kJupiter)))
               : kAbsent;
}

// Phaladeepika ch. 6: the benefics in the upachayas (3rd, 6th, 10th, 11th)
// from the ascendant or from the Moon; two or three of Mercury, Jupiter and
// Venus, counted from the same point (as Adhi; B. V. Raman's example chart in
// Three Hundred Important Combinations has Jupiter and Venus so).
YogaHit Vasumati(const YogaChart& c) {
    for (int from : {kAscendant, kMoon}) {
        BodySet there = 0;
        for (int h : {3, 6, 10, 11}) there |= c.InHouseFrom(from, h, kThreeBenefics);
        if (std::popcount(static_cast<unsigned>(there)) >= 2) return Present(there);
    }
    return kAbsent;
}

// B. V. Raman, Three Hundred Important Combinations: the Moon with Mars.
YogaHit ChandraMangala(const YogaChart& c) {
    return c.Sign(kMoon) == c.Sign(kMars) ? Present(static_cast<BodySet>(Bit(kMoon) | Bit(kMars))) : kAbsent;
}

// BPHS ch. 38: a planet other than the Moon (and the nodes) in the 2nd from
// the Sun: Vesi; in the 12th: Vasi; on both sides: Ubhayachari.
YogaHit Vesi(const YogaChart& c) { return Flanked(c, kSun, kSecond); }
YogaHit Vasi(const YogaChart& c) { return Flanked(c, kSun, kTwelfth); }
YogaHit Ubhayachari(const YogaChart& c) { return Flanked(c, kSun, kBothSides); }

// B. V. Raman, Three Hundred Important Combinations: Mercury with the Sun.
YogaHit BudhaAditya(const YogaChart& c) {
    return c.Sign(kSun) == c.Sign(kMercury) ? Present(static_cast<BodySet>(Bit(kSun) | Bit(kMercury))) : kAbsent;
}

}  // namespace velmora::yoga
