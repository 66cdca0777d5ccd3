#include "analysis/Varga.h"

#include <cmath>

#include "analysis/Nakshatra.h"

namespace velmora {

namespace {

// A longitude within this many parts below a boundary counts as on it (the
// Navamsa's 3° 20′ and the Saptamsa's 4° 17′ are no binary fractions). The
// nakshatras' quarters take the same, so that D9 and the padas agree.
constexpr double kBoundarySlack = 1e-9;

constexpr int Wrap(int sign) { return sign % kSignCount; }
constexpr bool Odd(int sign) { return sign % 2 == 0; }  // Aries, the first sign, is odd
// Movable (Aries, Cancer, Libra, Capricorn) 0, fixed 1, dual 2.
constexpr int Quality(int sign) { return sign % 3; }
// Fiery (Aries, Leo, Sagittarius) 0, earthy 1, airy 2, watery 3.
constexpr int Element(int sign) { return sign % 4; }

constexpr int kAries = 0, kTaurus = 1, kGemini = 2, kCancer = 3, kLeo = 4, kVirgo = 5, kLibra = 6,
              kScorpio = 7, kSagittarius = 8, kCapricorn = 9, kAquarius = 10, kPisces = 11;

// "The n-th sign from s" counts s as the first: the 9th from Aries is Sagittarius.
constexpr int NthFrom(int sign, int n) { return Wrap(sign + n - 1); }

// The Trimsamsa's unequal parts, in whole degrees of the sign (a part of
// this varga is one degree). Odd signs: Mars 5°, Saturn 5°, Jupiter 8°,
// Mercury 7°, Venus 5°, giving the odd signs of those lords; even signs the
// same lords in the reverse order and lengths, giving their even signs.
constexpr int TrimsamsaSign(int sign, int degree) {
    if (Odd(sign)) {
        if (degree < 5) return kAries;        // Mars
        if (degree < 10) return kAquarius;    // Saturn
        if (degree < 18) return kSagittarius; // Jupiter
        if (degree < 25) return kGemini;      // Mercury
        return kLibra;                        // Venus
    }
    if (degree < 5) return kTaurus;           // Venus
    if (degree < 12) return kVirgo;           // Mercury
    if (degree < 20) return kPisces;          // Jupiter
    if (degree < 25) return kCapricorn;       // Saturn
    return kScorpio;                          // Mars
}

// Brihat Parashara Hora Shastra, chapter 6 (in R. Santhanam's translation,
// "The sixteen divisions of a sign"). "From X" means the first part is X and the parts run on in
// zodiac order.
constexpr VargaRule kVargas[kVargaCount] = {
    // D1 Rasi: the sign itself.
    {1, "Rasi", [](int s, int) { return s; }},
    // D2 Hora, 15° each: in an odd sign the Sun's hora (Leo) then the Moon's
    // (Cancer); in an even sign the Moon's first, then the Sun's.
    {2, "Hora", [](int s, int p) { return (p == 0) == Odd(s) ? kLeo : kCancer; }},
    // D3 Drekkana, 10° each: the sign itself, the 5th from it, the 9th from it.
    {3, "Drekkana", [](int s, int p) { return NthFrom(s, 1 + 4 * p); }},
    // D4 Chaturthamsa, 7° 30′ each: the sign itself, the 4th, 7th and 10th from it.
    {4, "Chaturthamsa", [](int s, int p) { return NthFrom(s, 1 + 3 * p); }},
    // D7 Saptamsa, 4° 17′ 8.6″ each: odd signs from the sign itself, even
    // signs from the 7th from it.
    {7, "Saptamsa", [](int s, int p) { return Wrap((Odd(s) ? s : NthFrom(s, 7)) + p); }},
    // D9 Navamsa, 3° 20′ each: movable signs from the sign itself, fixed
    // signs from the 9th from it, dual signs from the 5th from it (fiery
    // signs from Aries, earthy from Capricorn, airy from Libra, watery from
    // Cancer).
    {9, "Navamsa", [](int s, int p) { return Wrap(NthFrom(s, Quality(s) == 0 ? 1 : Quality(s) == 1 ? 9 : 5) + p); }},
    // D10 Dasamsa, 3° each: odd signs from the sign itself, even signs from
    // the 9th from it.
    {10, "Dasamsa", [](int s, int p) { return Wrap((Odd(s) ? s : NthFrom(s, 9)) + p); }},
    // D12 Dwadasamsa, 2° 30′ each: from the sign itself.
    {12, "Dwadasamsa", [](int s, int p) { return Wrap(s + p); }},
    // D16 Shodasamsa, 1° 52′ 30″ each: movable signs from Aries, fixed from
    // Leo, dual from Sagittarius.
    {16, "Shodasamsa", [](int s, int p) { return Wrap((Quality(s) == 0 ? kAries : Quality(s) == 1 ? kLeo : kSagittarius) + p); }},
    // D20 Vimsamsa, 1° 30′ each: movable signs from Aries, fixed from
    // Sagittarius, dual from Leo.
    {20, "Vimsamsa", [](int s, int p) { return Wrap((Quality(s) == 0 ? kAries : Quality(s) == 1 ? kSagittarius : kLeo) + p); }},
    // D24 Chaturvimsamsa (Siddhamsa), 1° 15′ each: odd signs from Leo, even
    // signs from Cancer.
    {24, "Chaturvimsamsa", [](int s, int p) { return Wrap((Odd(s) ? kLeo : kCancer) + p); }},
    // D27 Saptavimsamsa (Bhamsa, Nakshatramsa), 1° 6′ 40″ each: fiery signs
    // from Aries, earthy from Cancer, airy from Libra, watery from Capricorn.
    {27, "Saptavimsamsa", [](int s, int p) {
         constexpr int kStart[] = {kAries, kCancer, kLibra, kCapricorn};
         return Wrap(kStart[Element(s)] + p);
     }},
    // D30 Trimsamsa, unequal parts (counted here in whole degrees): odd signs
    // Mars 5°, Saturn 5°, Jupiter 8°, Mercury 7°, Venus 5° (Aries, Aquarius,
    // Sagittarius, Gemini, Libra); even signs Venus 5°, Mercury 7°, Jupiter
    // 8°, Saturn 5°, Mars 5° (Taurus, Virgo, Pisces, Capricorn, Scorpio).
    {30, "Trimsamsa", &TrimsamsaSign},
    // D40 Khavedamsa, 45′ each: odd signs from Aries, even signs from Libra.
    {40, "Khavedamsa", [](int s, int p) { return Wrap((Odd(s) ? kAries : kLibra) + p); }},
    // D45 Akshavedamsa, 40′ each: movable signs from Aries, fixed from Leo,
    // dual from Sagittarius.
    {45, "Akshavedamsa", [](int s, int p) { return Wrap((Quality(s) == 0 ? kAries : Quality(s) == 1 ? kLeo : kSagittarius) + p); }},
    // D60 Shashtiamsa, 30′ each: from the sign itself (the degrees in the
    // sign doubled, divided by 12, the remainder plus one counted from the sign).
    {60, "Shashtiamsa", [](int s, int p) { return Wrap(s + p); }},
};

constexpr int IndexOfFactor(int factor) {
    for (int v = 0; v < kVargaCount; ++v)
        if (kVargas[v].factor == factor) return v;
    return -1;
}

constexpr int kNavamsa = IndexOfFactor(9);

}  // namespace

std::span<const VargaRule, kVargaCount> AllVargas() { return kVargas; }

int VargaIndexOfFactor(int factor) { return IndexOfFactor(factor); }

namespace {

// The sign in `rule` of a longitude already folded into 0° … 360°.
int SignOfFolded(const VargaRule& rule, double folded) {
    const int parts = kSignCount * rule.factor;  // round the zodiac
    int part = static_cast<int>(std::floor(folded * (parts / 360.0) + kBoundarySlack));
    if (part >= parts) part = 0;
    return rule.signOfPart(part / rule.factor, part % rule.factor);
}

}  // namespace

int VargaSign(int varga, double degrees) { return SignOfFolded(kVargas[varga], FoldLongitude(degrees)); }

VargaSigns VargaSignsOf(const std::array<double, kBodyCount>& longitudes) {
    VargaSigns signs{};
    for (int i = 0; i < kBodyCount; ++i) {
        const double folded = FoldLongitude(longitudes[i]);
        for (int v = 0; v < kVargaCount; ++v) signs[v][i] = SignOfFolded(kVargas[v], folded);
    }
    return signs;
}

std::array<bool, kBodyCount> Vargottama(const VargaSigns& signs) {
    std::array<bool, kBodyCount> same{};
    for (int i = 0; i < kBodyCount; ++i) same[i] = signs[0][i] == signs[kNavamsa][i];
    return same;
}

}  // namespace velmora
