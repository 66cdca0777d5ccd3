#include "presentation/MatchLabels.h"

#include <algorithm>

#include "presentation/Glossary.h"
#include "presentation/Phrases.h"

namespace velmora {

namespace {

using std::size_t;

// The term of table `names` at `index`: a sign, a nakshatra, a class.
template <typename Names>
std::string_view At(const Names& names, int index) {
    return names[static_cast<size_t>(index)];
}

std::string_view Planet(const Glossary& g, int body) { return At(g.pointNames, body); }

std::string Varna(const GunaMilan& m, const Koota& k, const Glossary& g) {
    const std::initializer_list<std::string_view> fill = {At(g.signs, m.bride.sign), At(g.varnas, k.bride),
                                                          At(g.signs, m.groom.sign), At(g.varnas, k.groom)};
    return k.groom >= k.bride
               ? Say(g.language, "The bride's Moon in %1 is %2, the groom's in %3 %4: the groom's varna is not below the bride's.", fill)
               : Say(g.language, "The bride's Moon in %1 is %2, the groom's in %3 %4: the groom's varna is below the bride's.", fill);
}

std::string Vashya(const Koota& k, const Glossary& g) {
    const std::initializer_list<std::string_view> fill = {At(g.vashyas, k.bride), At(g.vashyas, k.groom)};
    return k.bride == k.groom
               ? Say(g.language, "The bride's Moon is %1, the groom's %2: the same class.", fill)
               : Say(g.language, "The bride's Moon is %1, the groom's %2: the vashya table gives this pair its points.", fill);
}

// "the 5th star, Pratyak (bad)": a star counted 1 … 27 from the other's.
std::string TaraPart(int count, const Glossary& g) {
    const int tara = TaraOfCount(count);
    const std::string nth = OrdinalFill(count, g.language);
    const std::initializer_list<std::string_view> fill = {nth, At(g.taras, tara - 1)};
    return TaraGood(tara) ? Say(g.language, "the %1 star, %2 (good)", fill) : Say(g.language, "the %1 star, %2 (bad)", fill);
}

std::string Tara(const GunaMilan& m, const Koota& k, const Glossary& g) {
    return Say(g.language, "From the bride's %1 the groom's %2 is %3; from the groom's, the bride's is %4.",
               {At(g.nakshatras, m.bride.nakshatra), At(g.nakshatras, m.groom.nakshatra), TaraPart(k.groom, g),
                TaraPart(k.bride, g)});
}

std::string Yoni(const GunaMilan& m, const Koota& k, const Glossary& g) {
    const Language l = g.language;
    const std::string_view kind = k.bride == k.groom ? Say(l, "the same yoni")
                                  : k.points == 0    ? Say(l, "sworn enemies")
                                  : k.points == 1    ? Say(l, "enemies")
                                  : k.points == 2    ? Say(l, "neutral to each other")
                                                     : Say(l, "friends");
    return Say(l, "The bride's %1 is %2, the groom's %3 %4: %5.",
               {At(g.nakshatras, m.bride.nakshatra), At(g.yonis, k.bride), At(g.nakshatras, m.groom.nakshatra),
                At(g.yonis, k.groom), kind});
}

// "Venus counts Mars neutral": how one lord regards the other.
std::string Regard(int of, int towards, const Glossary& g) {
    const std::initializer_list<std::string_view> fill = {Planet(g, of), Planet(g, towards)};
    const int relation = NaturalRelation(of, towards);
    return relation > 0   ? Say(g.language, "%1 counts %2 a friend", fill)
           : relation < 0 ? Say(g.language, "%1 counts %2 an enemy", fill)
                          : Say(g.language, "%1 counts %2 neutral", fill);
}

std::string Maitri(const GunaMilan& m, const Koota& k, const Glossary& g) {
    const std::string_view bl = Planet(g, k.bride), bs = At(g.signs, m.bride.sign);
    const std::string_view gl = Planet(g, k.groom), gs = At(g.signs, m.groom.sign);
    if (k.bride == k.groom)
        return Say(g.language, "The lords of the Moons' signs are %1 (%2) and %3 (%4): the same planet.", {bl, bs, gl, gs});
    return Say(g.language, "The lords of the Moons' signs are %1 (%2) and %3 (%4): %5, %6.",
               {bl, bs, gl, gs, Regard(k.bride, k.groom, g), Regard(k.groom, k.bride, g)});
}

std::string Gana(const GunaMilan& m, const Koota& k, const Glossary& g) {
    return Say(g.language, "The bride's %1 is of the %2 gana, the groom's %3 of the %4 gana.",
               {At(g.nakshatras, m.bride.nakshatra), At(g.ganas, k.bride), At(g.nakshatras, m.groom.nakshatra),
                At(g.ganas, k.groom)});
}

// "6/8": the two counts of a Bhakoot pair, the smaller first.
std::string Lesser(const Koota& k) { return std::to_string(std::min(k.bride, k.groom)); }
std::string Greater(const Koota& k) { return std::to_string(std::max(k.bride, k.groom)); }

std::string Bhakoot(const GunaMilan& m, const Koota& k, const Glossary& g) {
    const Language l = g.language;
    if (k.groom == 1) return Say(l, "Both Moons are in %1: the same sign.", {At(g.signs, m.bride.sign)});
    const std::string toGroom = OrdinalFill(k.groom, l), toBride = OrdinalFill(k.bride, l);
    const std::string_view groomSign = At(g.signs, m.groom.sign), brideSign = At(g.signs, m.bride.sign);
    if (k.points == 0)
        return Say(l, "The groom's Moon sign %1 is the %2 from the bride's %3 and hers the %4 from his: a %5/%6 pair.",
                   {groomSign, toGroom, brideSign, toBride, Lesser(k), Greater(k)});
    return Say(l, "The groom's Moon sign %1 is the %2 from the bride's %3 and hers the %4 from his: not 2/12, 5/9 or 6/8.",
               {groomSign, toGroom, brideSign, toBride});
}

std::string Nadi(const Koota& k, const Glossary& g) {
    if (k.bride == k.groom) return Say(g.language, "Both Moons are in the %1 nadi.", {At(g.nadis, k.bride)});
    return Say(g.language, "The bride's Moon is in the %1 nadi, the groom's in the %2 nadi.",
               {At(g.nadis, k.bride), At(g.nadis, k.groom)});
}

}  // namespace

std::string KootaReasonText(const GunaMilan& milan, std::size_t koota, Language language) {
    const Glossary& g = GlossaryOf(language);
    const Koota& k = milan.kootas[koota];
    switch (koota) {
        case 0: return Varna(milan, k, g);
        case 1: return Vashya(k, g);
        case 2: return Tara(milan, k, g);
        case 3: return Yoni(milan, k, g);
        case 4: return Maitri(milan, k, g);
        case 5: return Gana(milan, k, g);
        case 6: return Bhakoot(milan, k, g);
        default: return Nadi(k, g);
    }
}

std::string NadiDoshaText(const GunaMilan& milan, Language language) {
    const PairDosha& d = milan.nadi;
    if (!d.present) return {};
    const Glossary& g = GlossaryOf(language);
    const std::string_view sign = At(g.signs, milan.bride.sign), star = At(g.nakshatras, milan.bride.nakshatra);
    switch (d.exception) {
        case PairDoshaException::OneSignTwoNakshatras:
            return Say(language, "Nadi dosha, cancelled: both Moons are in %1 but in different nakshatras.", {sign});
        case PairDoshaException::OneNakshatraTwoSigns:
            return Say(language, "Nadi dosha, cancelled: both Moons are in %1 but in different signs.", {star});
        case PairDoshaException::OneNakshatraTwoPadas:
            return Say(language, "Nadi dosha, cancelled: both Moons are in %1 but in different padas.", {star});
        default:
            return Say(language, "Nadi dosha: both Moons are in the %1 nadi, and no exception applies.",
                       {At(g.nadis, milan.kootas[7].bride)});
    }
}

std::string BhakootDoshaText(const GunaMilan& milan, Language language) {
    const PairDosha& d = milan.bhakoot;
    if (!d.present) return {};
    const Glossary& g = GlossaryOf(language);
    const std::string_view bride = Planet(g, d.brideLord), groom = Planet(g, d.groomLord);
    const bool one = d.brideLord == d.groomLord;
    switch (d.exception) {
        case PairDoshaException::MoonSignLords:
            return one ? Say(language, "Bhakoot dosha, cancelled: the Moon signs' lords are both %1.", {bride})
                       : Say(language, "Bhakoot dosha, cancelled: the Moon signs' lords %1 and %2 are friends.", {bride, groom});
        case PairDoshaException::NavamsaLords:
            return one ? Say(language, "Bhakoot dosha, cancelled: the lords of the Moons' Navamsa signs are both %1.", {bride})
                       : Say(language, "Bhakoot dosha, cancelled: the lords of the Moons' Navamsa signs %1 and %2 are friends.",
                             {bride, groom});
        default: {
            const Koota& k = milan.kootas[6];
            return Say(language,
                       "Bhakoot dosha: the Moon signs are %1/%2 from each other, and neither their lords nor their "
                       "Navamsa lords are one planet or friends.",
                       {Lesser(k), Greater(k)});
        }
    }
}

}  // namespace velmora
