#include "analysis/GunaMilan.h"

#include "analysis/Nakshatra.h"
#include "analysis/SignFacts.h"
#include "analysis/SignOf.h"
#include "engine/NameTables.h"

namespace velmora {

namespace {

using std::size_t;

// The yoni of each nakshatra, Ashwini … Revati (index into kYoniNames).
constexpr std::array<int, kNakshatraCount> kYoni = {0, 1, 2,  3, 3, 4,  5, 2,  5, 6,  6, 7,  8, 9,
                                                    8, 9, 10, 10, 4, 11, 12, 11, 13, 0, 13, 7, 1};
// The gana: 0 Deva, 1 Manushya, 2 Rakshasa.
constexpr std::array<int, kNakshatraCount> kGana = {0, 1, 2, 1, 0, 1, 0, 0, 2, 2, 1, 1, 0, 2,
                                                    0, 2, 0, 2, 2, 1, 1, 0, 2, 2, 1, 1, 0};
// The nadi: 0 Adi, 1 Madhya, 2 Antya.
constexpr std::array<int, kNakshatraCount> kNadi = {0, 1, 2, 2, 1, 0, 0, 1, 2, 2, 1, 0, 0, 1,
                                                    2, 2, 1, 0, 0, 1, 2, 2, 1, 0, 0, 1, 2};
// The varna of each sign: 3 Brahmin (water), 2 Kshatriya (fire),
// 1 Vaishya (earth), 0 Shudra (air).
constexpr std::array<int, kSignCount> kVarna = {2, 1, 0, 3, 2, 1, 0, 3, 2, 1, 0, 3};

// Yoni points, bride in rows, groom in columns, in the order of kYoniNames.
constexpr double kYoniPoints[14][14] = {
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},  // Horse
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
    {1, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
    {1, 0, 1, 2, 1, 1, 2, 1, 2, 1, 1, 2, 2, 4},  // Lion
};

// Vashya points, bride in rows, groom in columns, in the order of
// kVashyaNames.
constexpr double kVashyaPoints[5][5] = {
    {2, 1, 1, 0.5, 1},  // Chatushpada
    {1, 2, 0.5, 0, 1},  // Manava
    {1, 0.5, 2, 1, 1},  // Jalachara
    {0.5, 0, 1, 2, 0},  // Vanachara
    {1, 1, 1, 0, 2},    // Keeta
};

// Gana points, bride in rows, groom in columns: Deva, Manushya, Rakshasa.
constexpr double kGanaPoints[3][3] = {{6, 6, 0}, {5, 6, 0}, {1, 0, 6}};

// Natural relations by body number (Sun, Moon, Mercury, Venus, Mars,
// Jupiter, Saturn): the row's view of the column.
constexpr int kRelation[7][7] = {
    {0, 1, 0, -1, 1, 1, -1},     // Sun: friends Moon, Mars, Jupiter; Mercury neutral; enemies Venus, Saturn
    {1, 0, 1, 0, 0, 0, 0},       // Moon: friends Sun, Mercury; the rest neutral
    {1, -1, 0, 1, 0, 0, 0},      // Mercury: friends Sun, Venus; enemy Moon
    {-1, -1, 1, 0, 0, 0, 1},     // Venus: friends Mercury, Saturn; enemies Sun, Moon
    {1, 1, -1, 0, 0, 1, 0},      // Mars: friends Sun, Moon, Jupiter; enemy Mercury
    {1, 1, -1, -1, 1, 0, 0},     // Jupiter: friends Sun, Moon, Mars; enemies Mercury, Venus
    {-1, -1, 1, 1, -1, 0, 0},    // Saturn: friends Mercury, Venus; enemies Sun, Moon, Mars
};

// The sign lords as body numbers.
constexpr const std::array<int, kSignCount>& kLord = kSignLordBodies;

// The houses a sign is from another, 1 … 12.
int HouseFrom(int from, int sign) { return (sign - from + kSignCount) % kSignCount + 1; }

// The two lords are the same planet or friends of each other.
bool LordsAgree(int a, int b) { return a == b || (NaturalRelation(a, b) > 0 && NaturalRelation(b, a) > 0); }

MoonPlace PlaceOf(const MatchMoon& moon) {
    const NakshatraPlace n = NakshatraOf(moon.longitude);
    return {SignOfLongitude(FoldLongitude(moon.longitude)), n.index, n.pada, moon.navamsaSign};
}

Koota Varna(const MoonPlace& b, const MoonPlace& g) {
    const int bv = VarnaOf(b.sign), gv = VarnaOf(g.sign);
    return {kKootaNames[0], gv >= bv ? 1.0 : 0.0, kKootaMaxima[0], bv, gv};
}

Koota Vashya(const MatchMoon& bride, const MatchMoon& groom) {
    const int bv = VashyaOf(bride.longitude), gv = VashyaOf(groom.longitude);
    return {kKootaNames[1], VashyaPoints(bv, gv), kKootaMaxima[1], bv, gv};
}

// The tara of `to` counted from `from`: its count 1 … 27.
int TaraCount(int from, int to) { return (to - from + kNakshatraCount) % kNakshatraCount + 1; }

Koota Tara(const MoonPlace& b, const MoonPlace& g) {
    const int toGroom = TaraCount(b.nakshatra, g.nakshatra), toBride = TaraCount(g.nakshatra, b.nakshatra);
    const double points = (TaraGood(TaraOfCount(toGroom)) ? 1.5 : 0.0) + (TaraGood(TaraOfCount(toBride)) ? 1.5 : 0.0);
    return {kKootaNames[2], points, kKootaMaxima[2], toBride, toGroom};
}

Koota Yoni(const MoonPlace& b, const MoonPlace& g) {
    const int by = YoniOf(b.nakshatra), gy = YoniOf(g.nakshatra);
    return {kKootaNames[3], YoniPoints(by, gy), kKootaMaxima[3], by, gy};
}

Koota Maitri(const MoonPlace& b, const MoonPlace& g) {
    const int bl = SignLord(b.sign), gl = SignLord(g.sign);
    return {kKootaNames[4], MaitriPoints(bl, gl), kKootaMaxima[4], bl, gl};
}

Koota Gana(const MoonPlace& b, const MoonPlace& g) {
    const int bg = GanaOf(b.nakshatra), gg = GanaOf(g.nakshatra);
    return {kKootaNames[5], GanaPoints(bg, gg), kKootaMaxima[5], bg, gg};
}

bool BhakootBad(int house) { return house == 2 || house == 12 || house == 5 || house == 9 || house == 6 || house == 8; }

Koota Bhakoot(const MoonPlace& b, const MoonPlace& g) {
    const int toGroom = HouseFrom(b.sign, g.sign), toBride = HouseFrom(g.sign, b.sign);
    return {kKootaNames[6], BhakootBad(toGroom) ? 0.0 : 7.0, kKootaMaxima[6], toBride, toGroom};
}

Koota Nadi(const MoonPlace& b, const MoonPlace& g) {
    const int bn = NadiOf(b.nakshatra), gn = NadiOf(g.nakshatra);
    return {kKootaNames[7], bn == gn ? 0.0 : 8.0, kKootaMaxima[7], bn, gn};
}

// Nadi dosha and its exceptions: one sign with different nakshatras, one
// nakshatra in different signs, one nakshatra with different padas.
PairDosha NadiDosha(const MoonPlace& b, const MoonPlace& g) {
    PairDosha d;
    d.present = NadiOf(b.nakshatra) == NadiOf(g.nakshatra);
    if (!d.present) return d;
    if (b.sign == g.sign && b.nakshatra != g.nakshatra) d.exception = PairDoshaException::OneSignTwoNakshatras;
    else if (b.nakshatra == g.nakshatra && b.sign != g.sign) d.exception = PairDoshaException::OneNakshatraTwoSigns;
    else if (b.nakshatra == g.nakshatra && b.pada != g.pada) d.exception = PairDoshaException::OneNakshatraTwoPadas;
    d.cancelled = d.exception != PairDoshaException::None;
    return d;
}

// Bhakoot dosha and its exceptions: the lords of the two Moon signs, or of
// the two Moons' Navamsa signs, are one planet or friends of each other.
PairDosha BhakootDosha(const MoonPlace& b, const MoonPlace& g) {
    PairDosha d;
    d.present = BhakootBad(HouseFrom(b.sign, g.sign));
    if (!d.present) return d;
    const int bl = SignLord(b.sign), gl = SignLord(g.sign);
    const int bn = SignLord(b.navamsaSign), gn = SignLord(g.navamsaSign);
    if (LordsAgree(bl, gl)) {
        d.exception = PairDoshaException::MoonSignLords;
        d.brideLord = bl, d.groomLord = gl;
    } else if (LordsAgree(bn, gn)) {
        d.exception = PairDoshaException::NavamsaLords;
        d.brideLord = bn, d.groomLord = gn;
    }
    d.cancelled = d.exception != PairDoshaException::None;
    return d;
}

}  // namespace

int YoniOf(int nakshatra) { return kYoni[static_cast<size_t>(nakshatra)]; }
int GanaOf(int nakshatra) { return kGana[static_cast<size_t>(nakshatra)]; }
int NadiOf(int nakshatra) { return kNadi[static_cast<size_t>(nakshatra)]; }
int VarnaOf(int sign) { return kVarna[static_cast<size_t>(sign)]; }
int SignLord(int sign) { return kLord[static_cast<size_t>(sign)]; }

int VashyaOf(double longitude) {
    const double l = FoldLongitude(longitude);
    const int sign = SignOfLongitude(l);
    const bool firstHalf = l - 30.0 * sign < 15.0;
    constexpr int kChatushpada = 0, kManava = 1, kJalachara = 2, kVanachara = 3, kKeeta = 4;
    switch (sign) {
        case 0: case 1: return kChatushpada;
        case 3: case 11: return kJalachara;
        case 4: return kVanachara;
        case 7: return kKeeta;
        case 8: return firstHalf ? kManava : kChatushpada;
        case 9: return firstHalf ? kChatushpada : kJalachara;
        default: return kManava;  // Gemini, Virgo, Libra, Aquarius
    }
}

int TaraOfCount(int count) { return (count - 1) % 9 + 1; }
bool TaraGood(int tara) { return tara != 3 && tara != 5 && tara != 7; }

double YoniPoints(int brideYoni, int groomYoni) { return kYoniPoints[brideYoni][groomYoni]; }
double VashyaPoints(int brideVashya, int groomVashya) { return kVashyaPoints[brideVashya][groomVashya]; }
double GanaPoints(int brideGana, int groomGana) { return kGanaPoints[brideGana][groomGana]; }
int NaturalRelation(int of, int towards) { return kRelation[of][towards]; }

// Both friends 5, friend and neutral 4, both neutral 3, friend and enemy 1,
// neutral and enemy ½, both enemies 0; one planet 5.
double MaitriPoints(int a, int b) {
    if (a == b) return 5;
    const int x = NaturalRelation(a, b), y = NaturalRelation(b, a);
    const int sum = x + y;
    if (x == 1 && y == 1) return 5;
    if (sum == 1) return 4;
    if (x == 0 && y == 0) return 3;
    if (x != y && sum == 0) return 1;  // one friend, one enemy
    if (sum == -1) return 0.5;
    return 0;
}

GunaMilan MatchMoons(const MatchMoon& bride, const MatchMoon& groom) {
    const MoonPlace b = PlaceOf(bride), g = PlaceOf(groom);
    GunaMilan m;
    m.kootas = {Varna(b, g),  Vashya(bride, groom), Tara(b, g),    Yoni(b, g),
                Maitri(b, g), Gana(b, g),           Bhakoot(b, g), Nadi(b, g)};
    m.bride = b;
    m.groom = g;
    for (const Koota& k : m.kootas) m.total += k.points;
    m.nadi = NadiDosha(b, g);
    m.bhakoot = BhakootDosha(b, g);
    return m;
}

}  // namespace velmora
