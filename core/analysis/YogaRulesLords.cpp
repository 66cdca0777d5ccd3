// Yogas of the houses' lords: Raja and Dhana yogas (two lords associated),
// the yogakaraka, the Viparita yogas, the exchanges of signs, cancelled
// debilitation, Duryoga and Daridra.

#include "analysis/YogaRules.h"

namespace velmora::yoga {

using namespace body;

namespace {

// The lord of `house` in the 6th, 8th or 12th (Phaladeepika ch. 6).
YogaHit LordInDusthana(const YogaChart& c, int house) {
    const int lord = c.LordOf(house);
    return Dusthana(c.House(lord)) ? Present(BodyBit(lord)) : kAbsent;
}

// The exchanges of signs (each lord in the other's sign) whose two houses
// pass `kind`, the planets of all of them.
template <typename Kind>
YogaHit Exchanges(const YogaChart& c, Kind kind) {
    BodySet planets = 0;
    for (int h = 1; h <= 12; ++h) {
        for (int k = h + 1; k <= 12; ++k) {
            const int a = c.LordOf(h), b = c.LordOf(k);
            if (a == b || c.SignOfHouse(k) != c.Sign(a) || c.SignOfHouse(h) != c.Sign(b)) continue;
            if (kind(h, k)) planets |= static_cast<BodySet>(BodyBit(a) | BodyBit(b));
        }
    }
    return planets ? Present(planets) : kAbsent;
}

}  // namespace

// BPHS ch. 39 (Raja yogas: the lord of a kendra and the lord of a trikona
// associated) and ch. 41 (Dhana yogas: the lords of the 1st, 2nd, 5th, 9th
// and 11th associated); the association as YogaChart::Associated.
YogaHit LordsAssociated(const YogaChart& c, int house, int otherHouse) {
    const int a = c.LordOf(house), b = c.LordOf(otherHouse);
    return a != b && c.Associated(a, b) ? Present(static_cast<BodySet>(BodyBit(a) | BodyBit(b))) : kAbsent;
}

// BPHS ch. 34: a planet that lords both a kendra (4th, 7th, 10th) and a
// trikona (5th, 9th) is a yogakaraka; present here where it stands in a
// kendra or a trikona.
YogaHit Yogakaraka(const YogaChart& c) {
    BodySet planets = 0;
    for (int kendra : {4, 7, 10})
        for (int trikona : {5, 9}) {
            const int lord = c.LordOf(kendra);
            if (lord == c.LordOf(trikona) && (Kendra(c.House(lord)) || Trikona(c.House(lord)))) planets |= BodyBit(lord);
        }
    return planets ? Present(planets) : kAbsent;
}

// Phaladeepika ch. 6: the lord of the 6th (Harsha), the 8th (Sarala) or the
// 12th (Vimala) in the 6th, 8th or 12th.
YogaHit Harsha(const YogaChart& c) { return LordInDusthana(c, 6); }
YogaHit Sarala(const YogaChart& c) { return LordInDusthana(c, 8); }
YogaHit Vimala(const YogaChart& c) { return LordInDusthana(c, 12); }

// Phaladeepika ch. 6: the lords of two houses in each other's signs. Maha:
// both houses among the 1st, 2nd, 4th, 5th, 7th, 9th, 10th and 11th; Dainya:
// one of them the 6th, 8th or 12th; Khala: one of them the 3rd, the other
// not the 6th, 8th or 12th.
YogaHit MahaParivartana(const YogaChart& c) {
    return Exchanges(c, [](int h, int k) { return h != 3 && k != 3 && !Dusthana(h) && !Dusthana(k); });
}
YogaHit DainyaParivartana(const YogaChart& c) {
    return Exchanges(c, [](int h, int k) { return Dusthana(h) || Dusthana(k); });
}
YogaHit KhalaParivartana(const YogaChart& c) {
    return Exchanges(c, [](int h, int k) { return (h == 3 || k == 3) && !Dusthana(h) && !Dusthana(k); });
}

// Phaladeepika ch. 7: a debilitated planet whose debilitation is cancelled:
// the lord of the sign it stands in, or the lord of its exaltation sign, is
// in a kendra from the ascendant or from the Moon. The planets: each such
// debilitated planet and the lord that cancels it.
YogaHit NeechaBhanga(const YogaChart& c) {
    BodySet planets = 0;
    for (int p = kSun; p <= kSaturn; ++p) {
        if (!DebilitatedIn(p, c.Sign(p))) continue;
        const int cancellers[] = {kSignLordBodies[static_cast<std::size_t>(c.Sign(p))],
                                  kSignLordBodies[static_cast<std::size_t>(DignityFactsOf(p).exaltationSign)]};
        for (int lord : cancellers)
            if (Kendra(c.House(lord)) || Kendra(c.HouseFrom(kMoon, lord)))
                planets |= static_cast<BodySet>(BodyBit(p) | BodyBit(lord));
    }
    return planets ? Present(planets) : kAbsent;
}

// Phaladeepika ch. 6: the lord of the 10th (Duryoga) or of the 11th
// (Daridra) in the 6th, 8th or 12th.
YogaHit Duryoga(const YogaChart& c) { return LordInDusthana(c, 10); }
YogaHit Daridra(const YogaChart& c) { return LordInDusthana(c, 11); }

}  // namespace velmora::yoga
