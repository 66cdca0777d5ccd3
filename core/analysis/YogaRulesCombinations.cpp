// The named combinations of BPHS ch. 36 and Phaladeepika ch. 6, and a few
// of B. V. Raman's Three Hundred Important Combinations.

#include <bit>
#include <initializer_list>

#include "analysis/YogaRules.h"

namespace velmora::yoga {

using namespace body;

namespace {

constexpr BodySet Bit(int b) { return BodyBit(b); }
constexpr BodySet Or(BodySet a, BodySet b) { return static_cast<BodySet>(a | b); }

// The grahas of `set` in house `house` counted from the sign of `from`.
BodySet InFrom(const YogaChart& c, int from, int house, BodySet set) { return c.InHouseFrom(from, house, set); }

// Each of `houses` counted from `from` holds a benefic: the benefics there, or 0.
BodySet BeneficsInEach(const YogaChart& c, int from, std::initializer_list<int> houses) {
    BodySet found = 0;
    for (int h : houses) {
        const BodySet there = InFrom(c, from, h, c.Benefics());
        if (!there) return 0;
        found |= there;
    }
    return found;
}

// Two lords (different planets) in kendras from each other, and the
// ascendant's lord strong: Kahala (4th and 9th), Sankha (5th and 6th).
YogaHit MutualKendraLords(const YogaChart& c, int house, int otherHouse) {
    const int a = c.LordOf(house), b = c.LordOf(otherHouse), lagnaLord = c.LordOf(1);
    if (a == b || !Kendra(c.HouseFrom(a, b)) || !c.Strong(lagnaLord)) return kAbsent;
    return Present(Or(Or(Bit(a), Bit(b)), Bit(lagnaLord)));
}

}  // namespace

// BPHS ch. 36: benefics in the ascendant, or in both the 2nd and the 12th
// (Shubha); malefics so (Ashubha).
YogaHit Shubha(const YogaChart& c) {
    const BodySet b = c.Benefics();
    if (const BodySet first = c.InHouse(1, b)) return Present(first);
    const BodySet second = c.InHouse(2, b), twelfth = c.InHouse(12, b);
    return second && twelfth ? Present(Or(second, twelfth)) : kAbsent;
}
YogaHit Ashubha(const YogaChart& c) {
    const BodySet m = c.Malefics();
    if (const BodySet first = c.InHouse(1, m)) return Present(first);
    const BodySet second = c.InHouse(2, m), twelfth = c.InHouse(12, m);
    return second && twelfth ? Present(Or(second, twelfth)) : kAbsent;
}

// BPHS ch. 36: the 10th from the ascendant or from the Moon holds a benefic
// and no malefic.
YogaHit Amala(const YogaChart& c) {
    for (int from : {kAscendant, kMoon}) {
        const BodySet b = InFrom(c, from, 10, c.Benefics()), m = InFrom(c, from, 10, c.Malefics());
        if (b && !m) return Present(b);
    }
    return kAbsent;
}

// BPHS ch. 36: benefics in the kendras (at least one, and no malefic in
// any), the 6th and 8th empty or held by benefics only.
YogaHit Parvata(const YogaChart& c) {
    BodySet benefics = 0;
    for (int h : {1, 4, 7, 10}) {
        if (c.InHouse(h, c.Malefics())) return kAbsent;
        benefics |= c.InHouse(h, c.Benefics());
    }
    if (!benefics || c.InHouse(6, c.Malefics()) || c.InHouse(8, c.Malefics())) return kAbsent;
    return Present(benefics);
}

// BPHS ch. 36: the lords of the 4th and 9th in kendras from each other, the
// ascendant's lord strong.
YogaHit Kahala(const YogaChart& c) { return MutualKendraLords(c, 4, 9); }

// BPHS ch. 36: the ascendant's lord exalted in a kendra and aspected by
// Jupiter; or two benefics together in the 1st, 7th, 9th or 10th.
YogaHit Chamara(const YogaChart& c) {
    const int lord = c.LordOf(1);
    if (ExaltedIn(lord, c.Sign(lord)) && Kendra(c.House(lord)) && lord != kJupiter && c.Aspects(kJupiter, c.Sign(lord)))
        return Present(Or(Bit(lord), Bit(kJupiter)));
    for (int h : {1, 7, 9, 10}) {
        const BodySet there = c.InHouse(h, c.Benefics());
        if (std::popcount(static_cast<unsigned>(there)) >= 2) return Present(there);
    }
    return kAbsent;
}

// BPHS ch. 36: the lords of the 5th and 6th in kendras from each other, the
// ascendant's lord strong.
YogaHit Sankha(const YogaChart& c) { return MutualKendraLords(c, 5, 6); }

// BPHS ch. 36: Venus, Jupiter and the ascendant's lord in kendras, the 9th
// lord strong.
YogaHit Bheri(const YogaChart& c) {
    const int lagnaLord = c.LordOf(1), ninthLord = c.LordOf(9);
    if (!Kendra(c.House(kVenus)) || !Kendra(c.House(kJupiter)) || !Kendra(c.House(lagnaLord)) || !c.Strong(ninthLord))
        return kAbsent;
    return Present(Or(Or(Bit(kVenus), Bit(kJupiter)), Or(Bit(lagnaLord), Bit(ninthLord))));
}

// BPHS ch. 36: the 7th lord exalted in the 10th, the 10th lord with the 9th lord.
YogaHit Srinatha(const YogaChart& c) {
    const int seventh = c.LordOf(7), tenth = c.LordOf(10), ninth = c.LordOf(9);
    if (!ExaltedIn(seventh, c.Sign(seventh)) || c.House(seventh) != 10 || c.Sign(tenth) != c.Sign(ninth)) return kAbsent;
    return Present(Or(Or(Bit(seventh), Bit(tenth)), Bit(ninth)));
}

// BPHS ch. 36: the 10th lord in the 5th, Mercury in a kendra, the Sun in
// Leo, Jupiter or Mercury in a trikona from the Moon, Mars in the 11th.
YogaHit Sarada(const YogaChart& c) {
    const int tenth = c.LordOf(10);
    constexpr int kLeo = 4;
    const bool trikonaFromMoon = Trikona(c.HouseFrom(kMoon, kJupiter)) || Trikona(c.HouseFrom(kMoon, kMercury));
    if (c.House(tenth) != 5 || !Kendra(c.House(kMercury)) || c.Sign(kSun) != kLeo || !trikonaFromMoon ||
        c.House(kMars) != 11)
        return kAbsent;
    return Present(Or(Or(Bit(tenth), Bit(kMercury)), Or(Bit(kSun), Bit(kMars))));
}

// BPHS ch. 36: malefics in the 1st and 9th, a benefic and a malefic in the
// 5th, malefics in the 4th and 8th.
YogaHit Matsya(const YogaChart& c) {
    const BodySet m = c.Malefics(), b = c.Benefics();
    BodySet planets = 0;
    for (int h : {1, 9, 4, 8}) {
        const BodySet there = c.InHouse(h, m);
        if (!there) return kAbsent;
        planets |= there;
    }
    const BodySet fifthB = c.InHouse(5, b), fifthM = c.InHouse(5, m);
    if (!fifthB || !fifthM) return kAbsent;
    return Present(Or(planets, Or(fifthB, fifthM)));
}

// BPHS ch. 36: benefics in the 5th, 6th and 7th in their own, exaltation or
// friends' signs; malefics in the 1st, 3rd and 11th in their own or
// exaltation signs.
YogaHit Kurma(const YogaChart& c) {
    BodySet planets = 0;
    for (int h : {5, 6, 7}) {
        BodySet placed = 0;
        for (int p = 0; p < 9; ++p)
            if ((c.InHouse(h, c.Benefics()) & Bit(p)) && c.WellPlaced(p)) placed |= Bit(p);
        if (!placed) return kAbsent;
        planets |= placed;
    }
    for (int h : {1, 3, 11}) {
        BodySet placed = 0;
        for (int p = 0; p < 9; ++p)
            if ((c.InHouse(h, c.Malefics()) & Bit(p)) && c.OwnOrExalted(p)) placed |= Bit(p);
        if (!placed) return kAbsent;
        planets |= placed;
    }
    return Present(planets);
}

// BPHS ch. 36: the 2nd lord in the 9th and the 9th lord in the 2nd, the
// ascendant's lord in a kendra or a trikona.
YogaHit Khadga(const YogaChart& c) {
    const int second = c.LordOf(2), ninth = c.LordOf(9), lagnaLord = c.LordOf(1);
    if (second == ninth || c.House(second) != 9 || c.House(ninth) != 2) return kAbsent;
    if (!Kendra(c.House(lagnaLord)) && !Trikona(c.House(lagnaLord))) return kAbsent;
    return Present(Or(Or(Bit(second), Bit(ninth)), Bit(lagnaLord)));
}

// BPHS ch. 36: the 9th lord in its own or exaltation sign in a kendra, the
// ascendant's lord strong.
YogaHit Lakshmi(const YogaChart& c) {
    const int ninth = c.LordOf(9), lagnaLord = c.LordOf(1);
    if (!c.OwnOrExalted(ninth) || !Kendra(c.House(ninth)) || !c.Strong(lagnaLord)) return kAbsent;
    return Present(Or(Bit(ninth), Bit(lagnaLord)));
}

// BPHS ch. 36: Jupiter in the 2nd or 5th, joined or aspected by Mercury and
// by Venus.
YogaHit Kalanidhi(const YogaChart& c) {
    const int house = c.House(kJupiter);
    if (house != 2 && house != 5) return kAbsent;
    const int sign = c.Sign(kJupiter);
    for (int b : {kMercury, kVenus})
        if (c.Sign(b) != sign && !c.Aspects(b, sign)) return kAbsent;
    return Present(Or(Or(Bit(kJupiter), Bit(kMercury)), Bit(kVenus)));
}

// BPHS ch. 36, the three gods: benefics in the 2nd, 12th and 8th from the
// 2nd lord (Hari), in the 4th, 9th and 8th from the 7th lord (Hara), in the
// 4th, 10th and 11th from the ascendant's lord (Brahma).
YogaHit Hari(const YogaChart& c) {
    const BodySet b = BeneficsInEach(c, c.LordOf(2), {2, 12, 8});
    return b ? Present(b) : kAbsent;
}
YogaHit Hara(const YogaChart& c) {
    const BodySet b = BeneficsInEach(c, c.LordOf(7), {4, 9, 8});
    return b ? Present(b) : kAbsent;
}
YogaHit Brahma(const YogaChart& c) {
    const BodySet b = BeneficsInEach(c, c.LordOf(1), {4, 10, 11});
    return b ? Present(b) : kAbsent;
}

// BPHS ch. 36: benefics in the 7th and 8th from the ascendant, neither joined
// nor aspected by a malefic (the Sun, Mars, Saturn, the waning Moon; the
// nodes aspect nothing).
YogaHit Lagnadhi(const YogaChart& c) {
    const BodySet seventh = c.InHouse(7, c.Benefics()), eighth = c.InHouse(8, c.Benefics());
    if (!seventh || !eighth || c.InHouse(7, c.Malefics()) || c.InHouse(8, c.Malefics())) return kAbsent;
    for (int p = 0; p < 9; ++p)
        if (c.Malefic(p) && (c.Aspects(p, c.SignOfHouse(7)) || c.Aspects(p, c.SignOfHouse(8)))) return kAbsent;
    return Present(Or(seventh, eighth));
}

// Phaladeepika ch. 6: Jupiter, Venus and Mercury in kendras, trikonas or
// the 2nd, Jupiter in its own, exaltation or a friend's sign.
YogaHit Saraswati(const YogaChart& c) {
    for (int b : {kJupiter, kVenus, kMercury}) {
        const int h = c.House(b);
        if (!Kendra(h) && !Trikona(h) && h != 2) return kAbsent;
    }
    if (!c.WellPlaced(kJupiter)) return kAbsent;
    return Present(Or(Or(Bit(kJupiter), Bit(kVenus)), Bit(kMercury)));
}

// B. V. Raman, Three Hundred Important Combinations: every kendra holds a
// planet (the Sun to Saturn).
YogaHit Chatussagara(const YogaChart& c) {
    BodySet planets = 0;
    for (int h : {1, 4, 7, 10}) {
        const BodySet there = c.InHouse(h, kSevenPlanetSet);
        if (!there) return kAbsent;
        planets |= there;
    }
    return Present(planets);
}

// B. V. Raman, Three Hundred Important Combinations: Jupiter with Mars, or
// in the 7th from it.
YogaHit GuruMangala(const YogaChart& c) {
    const int h = c.HouseFrom(kJupiter, kMars);
    return h == 1 || h == 7 ? Present(Or(Bit(kJupiter), Bit(kMars))) : kAbsent;
}

}  // namespace velmora::yoga
