// The 32 Nabhasa yogas of BPHS ch. 35, read from the seven planets (the Sun
// to Saturn; the nodes take no part): 3 Ashraya (by the kind of the signs
// held), 2 Dala (benefics or malefics in the kendras), 20 Akriti (the shape
// the planets make in the houses) and 7 Sankhya (how many signs they hold).
//
// Where a shape names houses, every house named holds a planet and no
// planet stands elsewhere (so the seven planets in the seven houses from the
// 1st are Nauka, and not also Yupa). The Sankhya yogas are given beside any
// other; the texts read them where no other Nabhasa yoga is present.

#include <bit>
#include <initializer_list>

#include "analysis/YogaRules.h"

namespace velmora::yoga {

namespace {

using HouseSet = unsigned;  // bit h − 1 for house h

constexpr HouseSet Houses(std::initializer_list<int> houses) {
    HouseSet set = 0;
    for (int h : houses) set |= 1u << (h - 1);
    return set;
}

// The houses from `first`, `count` of them, every `step`.
constexpr HouseSet Run(int first, int count, int step = 1) {
    HouseSet set = 0;
    for (int i = 0; i < count; ++i) set |= 1u << ((first - 1 + i * step) % 12);
    return set;
}

HouseSet Occupied(const YogaChart& c, BodySet among = kSevenPlanetSet) {
    HouseSet set = 0;
    for (int b = 0; b < 7; ++b)
        if (among & BodyBit(b)) set |= 1u << (c.House(b) - 1);
    return set;
}

YogaHit AllIn(const YogaChart& c, HouseSet houses) {
    return Occupied(c) == houses ? Present(kSevenPlanetSet) : kAbsent;
}

YogaHit AllInOneOf(const YogaChart& c, std::initializer_list<HouseSet> choices) {
    const HouseSet occupied = Occupied(c);
    for (HouseSet houses : choices)
        if (occupied == houses) return Present(kSevenPlanetSet);
    return kAbsent;
}

YogaHit AllInKind(const YogaChart& c, SignKind kind) {
    for (int b = 0; b < 7; ++b)
        if (KindOfSign(c.Sign(b)) != kind) return kAbsent;
    return Present(kSevenPlanetSet);
}

constexpr HouseSet kKendras = Houses({1, 4, 7, 10});

// The kendras holding a planet of `set`.
int KendrasHolding(const YogaChart& c, BodySet set) { return std::popcount(Occupied(c, set) & kKendras); }

YogaHit SignCountIs(const YogaChart& c, int count) {
    unsigned signs = 0;
    for (int b = 0; b < 7; ++b) signs |= 1u << c.Sign(b);
    return std::popcount(signs) == count ? Present(kSevenPlanetSet) : kAbsent;
}

// Only the planets of `set` in `house`, and at least one.
bool OnlyIn(const YogaChart& c, int house, BodySet set) {
    const BodySet there = c.InHouse(house, kSevenPlanetSet);
    return there != 0 && (there & ~set) == 0;
}

}  // namespace

// Ashraya: all in movable, fixed or dual signs.
YogaHit Rajju(const YogaChart& c) { return AllInKind(c, SignKind::Movable); }
YogaHit Musala(const YogaChart& c) { return AllInKind(c, SignKind::Fixed); }
YogaHit Nala(const YogaChart& c) { return AllInKind(c, SignKind::Dual); }

// Dala: benefics in three kendras and no malefic in any (Mala, or Srik), or
// malefics in three kendras and no benefic in any (Sarpa).
YogaHit Mala(const YogaChart& c) {
    const BodySet benefics = c.Benefics() & kSevenPlanetSet, malefics = c.Malefics() & kSevenPlanetSet;
    return KendrasHolding(c, benefics) >= 3 && KendrasHolding(c, malefics) == 0 ? Present(benefics) : kAbsent;
}
YogaHit Sarpa(const YogaChart& c) {
    const BodySet benefics = c.Benefics() & kSevenPlanetSet, malefics = c.Malefics() & kSevenPlanetSet;
    return KendrasHolding(c, malefics) >= 3 && KendrasHolding(c, benefics) == 0 ? Present(malefics) : kAbsent;
}

// Akriti. Gada: two kendras next to each other.
YogaHit Gada(const YogaChart& c) {
    return AllInOneOf(c, {Houses({1, 4}), Houses({4, 7}), Houses({7, 10}), Houses({10, 1})});
}
// Sakata: the 1st and 7th. Vihaga (Pakshi): the 4th and 10th.
YogaHit NabhasaSakata(const YogaChart& c) { return AllIn(c, Houses({1, 7})); }
YogaHit Vihaga(const YogaChart& c) { return AllIn(c, Houses({4, 10})); }
// Shringataka: the trikonas 1, 5, 9. Hala: one of the other three trines.
YogaHit Shringataka(const YogaChart& c) { return AllIn(c, Houses({1, 5, 9})); }
YogaHit Hala(const YogaChart& c) {
    return AllInOneOf(c, {Houses({2, 6, 10}), Houses({3, 7, 11}), Houses({4, 8, 12})});
}
// Vajra: benefics in the 1st and 7th, malefics in the 4th and 10th; Yava the
// other way round.
YogaHit Vajra(const YogaChart& c) {
    const BodySet b = c.Benefics(), m = c.Malefics();
    return Occupied(c) == kKendras && OnlyIn(c, 1, b) && OnlyIn(c, 7, b) && OnlyIn(c, 4, m) && OnlyIn(c, 10, m)
               ? Present(kSevenPlanetSet)
               : kAbsent;
}
YogaHit Yava(const YogaChart& c) {
    const BodySet b = c.Benefics(), m = c.Malefics();
    return Occupied(c) == kKendras && OnlyIn(c, 1, m) && OnlyIn(c, 7, m) && OnlyIn(c, 4, b) && OnlyIn(c, 10, b)
               ? Present(kSevenPlanetSet)
               : kAbsent;
}
// Kamala (Abja): the four kendras. Vapi: the four panapharas or the four apoklimas.
YogaHit Kamala(const YogaChart& c) { return AllIn(c, kKendras); }
YogaHit Vapi(const YogaChart& c) { return AllInOneOf(c, {Houses({2, 5, 8, 11}), Houses({3, 6, 9, 12})}); }
// Four houses on from each kendra: Yupa from the 1st, Shara (Ishu) from the
// 4th, Shakti from the 7th, Danda from the 10th.
YogaHit Yupa(const YogaChart& c) { return AllIn(c, Run(1, 4)); }
YogaHit Shara(const YogaChart& c) { return AllIn(c, Run(4, 4)); }
YogaHit Shakti(const YogaChart& c) { return AllIn(c, Run(7, 4)); }
YogaHit Danda(const YogaChart& c) { return AllIn(c, Run(10, 4)); }
// Seven houses on from each kendra: Nauka from the 1st, Kuta from the 4th,
// Chhatra from the 7th, Chapa (Dhanus) from the 10th; Ardha Chandra from any
// house that is not a kendra.
YogaHit Nauka(const YogaChart& c) { return AllIn(c, Run(1, 7)); }
YogaHit Kuta(const YogaChart& c) { return AllIn(c, Run(4, 7)); }
YogaHit Chhatra(const YogaChart& c) { return AllIn(c, Run(7, 7)); }
YogaHit Chapa(const YogaChart& c) { return AllIn(c, Run(10, 7)); }
YogaHit ArdhaChandra(const YogaChart& c) {
    const HouseSet occupied = Occupied(c);
    for (int first = 2; first <= 12; ++first)
        if (!Kendra(first) && occupied == Run(first, 7)) return Present(kSevenPlanetSet);
    return kAbsent;
}
// Chakra: the six odd houses from the 1st; Samudra: the six even houses.
YogaHit Chakra(const YogaChart& c) { return AllIn(c, Run(1, 6, 2)); }
YogaHit Samudra(const YogaChart& c) { return AllIn(c, Run(2, 6, 2)); }

// Sankhya: the seven planets in 7, 6, 5, 4, 3, 2 or 1 signs.
YogaHit Vallaki(const YogaChart& c) { return SignCountIs(c, 7); }
YogaHit Dama(const YogaChart& c) { return SignCountIs(c, 6); }
YogaHit Pasha(const YogaChart& c) { return SignCountIs(c, 5); }
YogaHit Kedara(const YogaChart& c) { return SignCountIs(c, 4); }
YogaHit Shula(const YogaChart& c) { return SignCountIs(c, 3); }
YogaHit Yuga(const YogaChart& c) { return SignCountIs(c, 2); }
YogaHit Gola(const YogaChart& c) { return SignCountIs(c, 1); }

}  // namespace velmora::yoga
