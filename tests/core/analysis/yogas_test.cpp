// The yoga catalogue and the doshas:
// - every row of the catalogue: its own key, a source, a rule that runs on
//   every placement of a sweep;
// - the example charts of B. V. Raman's Three Hundred Important Combinations
//   whose yoga the book names, as PyJHora's tests transcribe them
//   (src/jhora/tests/pvr_tests.py, the cases marked "BV Raman"): Hamsa,
//   Sunapha, Sankha, Bheri, Kalanidhi, Saraswati, Vasumati; and the charts of
//   P. V. R. Narasimha Rao's Vedic Astrology: An Integrated Approach, ch. 11,
//   whose Raja yoga the book names (Akbar, chart 10: Venus and Saturn);
// - for each family a placement where the rule, in the book's words, holds
//   and one at its edge where it does not.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "analysis/Doshas.h"
#include "analysis/Yogas.h"

namespace velmora {
namespace {

using namespace body;

const std::map<std::string, int> kSignKeys = {{"Ari", 0}, {"Tau", 1}, {"Gem", 2}, {"Can", 3}, {"Leo", 4},  {"Vir", 5},
                                              {"Lib", 6}, {"Sco", 7}, {"Sag", 8}, {"Cap", 9}, {"Aqu", 10}, {"Pis", 11}};
const std::map<std::string, int> kBodyKeys = {{"Su", kSun},     {"Mo", kMoon},   {"Me", kMercury}, {"Ve", kVenus},
                                              {"Ma", kMars},    {"Ju", kJupiter}, {"Sa", kSaturn}, {"Ra", kRahu},
                                              {"Ke", kKetu},    {"As", kAscendant}};

// "As=Ari Su=Tau …": every point's sign (a point not named stays in Aries).
YogaChart Placed(const std::string& text, bool moonWaxing = true) {
    std::array<int, kBodyCount> signs{};
    std::istringstream words(text);
    for (std::string word; words >> word;) signs[static_cast<std::size_t>(kBodyKeys.at(word.substr(0, 2)))] = kSignKeys.at(word.substr(3));
    return MakeYogaChart(signs, moonWaxing);
}

// A chart as PyJHora's tests write it: for each sign from Aries the points
// in it, "L" the ascendant and the planets by PyJHora's numbers (0 Sun,
// 1 Moon, 2 Mars, 3 Mercury, 4 Jupiter, 5 Venus, 6 Saturn, 7 Rahu, 8 Ketu).
YogaChart FromPyJHora(const std::array<const char*, 12>& bySign, bool moonWaxing = true) {
    constexpr int kTheirs[] = {kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu, kKetu};
    std::array<int, kBodyCount> signs{};
    for (int sign = 0; sign < 12; ++sign)
        for (const char* c = bySign[static_cast<std::size_t>(sign)]; *c; ++c) {
            if (*c == 'L') signs[kAscendant] = sign;
            if (*c >= '0' && *c <= '8') signs[static_cast<std::size_t>(kTheirs[*c - '0'])] = sign;
        }
    return MakeYogaChart(signs, moonWaxing);
}

const YogaRule& Row(std::string_view id) {
    for (const YogaRule& y : YogaCatalogue())
        if (y.id == id) return y;
    ADD_FAILURE() << "no yoga " << id;
    return YogaCatalogue()[0];
}

BodySet Bits(std::initializer_list<int> bodies) {
    BodySet set = 0;
    for (int b : bodies) set |= BodyBit(b);
    return set;
}

TEST(Yogas, EveryRowHasItsOwnKeyASourceAndARuleThatRunsEverywhere) {
    std::set<std::string_view> ids;
    for (const YogaRule& y : YogaCatalogue()) {
        EXPECT_TRUE(ids.insert(y.id).second) << y.id;
        EXPECT_FALSE(y.source.empty()) << y.id;
        EXPECT_FALSE(YogaFamilyName(y.family).empty()) << y.id;
        EXPECT_NE(y.rule, nullptr) << y.id;
    }
    EXPECT_GE(ids.size(), 100u);
    // Every rule over a sweep of placements: a found yoga names its planets.
    for (int n = 0; n < 2000; ++n) {
        std::array<int, kBodyCount> signs{};
        for (int b = 0; b < kBodyCount; ++b) signs[static_cast<std::size_t>(b)] = (n * (b + 3) + n / (b + 1)) % 12;
        signs[kKetu] = (signs[kRahu] + 6) % 12;
        for (const YogaFound& f : YogasIn(MakeYogaChart(signs, n % 2 == 0)))
            EXPECT_NE(f.planets, 0) << f.Rule().id << " at sweep " << n;
    }
}

TEST(Yogas, RamansExampleCharts) {
    struct Case {
        const char* yoga;
        std::array<const char*, 12> chart;
        BodySet planets;  // 0: only that it is present
    };
    const Case cases[] = {
        // "Hamsa Yoga: Jupiter in a kendra identical with his own or exaltation sign."
        {"hamsa", {"", "0/3", "5/6", "8", "2/1", "", "", "", "L", "7", "", "4"}, Bits({kJupiter})},
        {"hamsa", {"1", "", "8/2/L", "", "", "", "", "", "7", "", "", "0/5/4/3/6"}, Bits({kJupiter})},
        {"hamsa", {"", "", "", "4", "8", "", "L/5/6", "1/2/3", "0", "", "7", ""}, Bits({kJupiter})},
        // "Sunapha: planets (other than the Sun) in the 2nd from the Moon."
        {"sunapha", {"", "0/1/3", "5", "", "", "2/7", "", "", "", "6", "4", "L/8"}, Bits({kMoon, kVenus})},
        // "Sankha: the lords of the 5th and 6th in mutual kendras, the lord of
        // lagna powerful."
        {"sankha", {"", "6/1", "", "0", "2/3/5", "8", "", "4", "", "", "L", "7"}, Bits({kMercury, kMoon, kSaturn})},
        // "Bheri: Venus, Jupiter and the lord of lagna in kendras, the lord of
        // the 9th powerful."
        {"bheri", {"", "", "1", "4", "8", "", "L/6", "", "", "2/5/3", "0/7", ""},
         Bits({kVenus, kJupiter, kMercury})},
        // "Kalanidhi: Jupiter in the 2nd or 5th, joined or aspected by Mercury
        // and Venus."
        {"kalanidhi", {"", "", "", "8", "", "", "", "", "2", "L/7", "0/5/1/3/4", "6"},
         Bits({kJupiter, kMercury, kVenus})},
        // "Saraswati: Jupiter, Venus and Mercury in kendras, trikonas or the
        // 2nd, Jupiter in his own, exaltation or a friend's sign."
        {"saraswati", {"0/3/5", "", "2/8", "4", "6", "", "", "", "7", "", "", "L/1"},
         Bits({kJupiter, kVenus, kMercury})},
        // "Vasumati: benefics in the upachayas from the ascendant or the Moon."
        {"vasumati", {"", "L", "6", "8/1/2", "", "3", "0/5", "", "", "7", "4", ""}, Bits({kJupiter, kVenus})},
        // Narasimha Rao, ch. 11, Akbar's chart: "Venus and Saturn, lords of
        // the 1st and the 5th, conjoined in the lagna: a Raja yoga."
        {"raja_1_5", {"", "", "1", "", "8", "", "4/5/6/L", "0", "3", "2", "7", ""}, Bits({kVenus, kSaturn})},
    };
    for (const Case& c : cases) {
        const YogaHit hit = Row(c.yoga).rule(FromPyJHora(c.chart));
        EXPECT_TRUE(hit.present) << c.yoga;
        if (c.planets) {
            EXPECT_EQ(hit.planets, c.planets) << c.yoga;
        }
    }
}

struct Edge {
    const char* yoga;
    const char* chart;
    bool present;
    const char* why;
};

void CheckEdges(std::initializer_list<Edge> edges) {
    for (const Edge& e : edges) EXPECT_EQ(Row(e.yoga).rule(Placed(e.chart)).present, e.present) << e.yoga << ": " << e.why;
}

// Sign keys: Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis.
TEST(Yogas, GreatPersonsMoonAndSun) {
    CheckEdges({
        // BPHS ch. 75: "Jupiter in a kendra in its own or exaltation sign: Hamsa".
        {"hamsa", "As=Ari Ju=Can", true, "exalted in the 4th"},
        {"hamsa", "As=Tau Ju=Can", false, "exalted in the 3rd: no kendra"},
        {"hamsa", "As=Ari Ju=Cap", false, "debilitated in the 10th"},
        {"ruchaka", "As=Ari Ma=Cap", true, "Mars exalted in the 10th"},
        {"sasa", "As=Lib Sa=Lib", true, "Saturn exalted in the ascendant"},
        {"malavya", "As=Gem Ve=Pis", true, "Venus exalted in the 10th"},
        {"bhadra", "As=Sag Me=Vir", true, "Mercury in its own sign in the 10th"},
        // BPHS ch. 37: "a planet other than the Sun in the 2nd from the Moon: Sunapha".
        {"sunapha", "Mo=Can Ma=Leo Su=Lib Ra=Ari Ke=Lib", true, "Mars in the 2nd"},
        {"sunapha", "Mo=Can Su=Leo Me=Vir Ve=Vir Ma=Vir Ju=Vir Sa=Vir", false, "only the Sun in the 2nd"},
        {"anapha", "Mo=Can Ve=Gem Su=Lib Me=Lib Ma=Lib Ju=Lib Sa=Lib", true, "Venus in the 12th"},
        {"durudhara", "Mo=Can Ve=Gem Sa=Leo Su=Lib Me=Lib Ma=Lib Ju=Lib", true, "both sides"},
        {"kemadruma", "Mo=Can Su=Leo Ra=Gem Ke=Sag Me=Lib Ve=Lib Ma=Lib Ju=Lib Sa=Lib", true,
         "only the Sun and the nodes beside the Moon"},
        {"kemadruma", "Mo=Can Ju=Leo Me=Lib Ve=Lib Ma=Lib Sa=Lib", false, "Jupiter in the 2nd"},
        // BPHS ch. 36: "Jupiter in a kendra from the Moon: Gaja Kesari".
        {"gaja_kesari", "Mo=Ari Ju=Can", true, "the 4th from the Moon"},
        {"gaja_kesari", "Mo=Ari Ju=Leo", false, "the 5th from the Moon"},
        // Phaladeepika ch. 6: Sakata, the Moon in the 6th, 8th or 12th from
        // Jupiter, "unless the Moon is in a kendra from the lagna".
        {"sakata", "As=Ari Ju=Ari Mo=Vir", true, "the 6th from Jupiter, the 6th house"},
        {"sakata", "As=Gem Ju=Ari Mo=Vir", false, "the 6th from Jupiter but in the 4th house"},
        {"chandra_adhi", "Mo=Ari Me=Vir Ju=Lib Ve=Sag", true, "Mercury 6th, Jupiter 7th"},
        {"chandra_adhi", "Mo=Ari Me=Vir Ju=Sag Ve=Sag", false, "one benefic only in the 6th to 8th"},
        // BPHS ch. 38: "a planet other than the Moon in the 2nd from the Sun: Vesi".
        {"vesi", "Su=Ari Mo=Tau Me=Pis Ve=Pis Ma=Pis Ju=Pis Sa=Pis", false, "only the Moon in the 2nd"},
        {"vesi", "Su=Ari Me=Tau Ve=Leo Ma=Leo Ju=Leo Sa=Leo", true, "Mercury in the 2nd"},
        {"ubhayachari", "Su=Ari Me=Tau Ve=Pis", true, "Mercury and Venus on either side"},
    });
}

TEST(Yogas, Nabhasa) {
    CheckEdges({
        // BPHS ch. 35: "all the planets in movable signs: Rajju".
        {"rajju", "As=Tau Su=Ari Mo=Can Me=Ari Ve=Lib Ma=Cap Ju=Can Sa=Lib", true, "seven in movable signs"},
        {"rajju", "As=Tau Su=Ari Mo=Can Me=Ari Ve=Lib Ma=Cap Ju=Can Sa=Leo", false, "Saturn in a fixed sign"},
        // "all the planets in the four kendras: Kamala".
        {"kamala", "As=Ari Su=Ari Mo=Can Me=Lib Ve=Cap Ma=Ari Ju=Can Sa=Lib", true, "all four kendras held"},
        {"kamala", "As=Ari Su=Ari Mo=Can Me=Lib Ve=Ari Ma=Ari Ju=Can Sa=Lib", false, "the 10th empty"},
        // Seven houses from the 1st held: Nauka, and not Yupa.
        {"nauka", "As=Ari Su=Ari Mo=Tau Me=Gem Ve=Can Ma=Leo Ju=Vir Sa=Lib", true, "houses 1 to 7"},
        {"yupa", "As=Ari Su=Ari Mo=Tau Me=Gem Ve=Can Ma=Leo Ju=Vir Sa=Lib", false, "houses 1 to 7, not 1 to 4"},
        {"yupa", "As=Ari Su=Ari Mo=Tau Me=Gem Ve=Can Ma=Ari Ju=Tau Sa=Gem", true, "houses 1 to 4"},
        {"danda", "As=Ari Su=Cap Mo=Aqu Me=Pis Ve=Ari Ma=Cap Ju=Aqu Sa=Pis", true, "houses 10 to 1"},
        {"ardha_chandra", "As=Ari Su=Tau Mo=Gem Me=Can Ve=Leo Ma=Vir Ju=Lib Sa=Sco", true, "houses 2 to 8"},
        {"ardha_chandra", "As=Ari Su=Can Mo=Leo Me=Vir Ve=Lib Ma=Sco Ju=Sag Sa=Cap", false, "from the 4th: Kuta"},
        {"kuta", "As=Ari Su=Can Mo=Leo Me=Vir Ve=Lib Ma=Sco Ju=Sag Sa=Cap", true, "houses 4 to 10"},
        {"chakra", "As=Ari Su=Ari Mo=Gem Me=Leo Ve=Lib Ma=Sag Ju=Aqu Sa=Ari", true, "the six odd houses"},
        {"samudra", "As=Ari Su=Tau Mo=Can Me=Vir Ve=Sco Ma=Cap Ju=Pis Sa=Tau", true, "the six even houses"},
        {"gada", "As=Ari Su=Ari Mo=Can Me=Ari Ve=Can Ma=Ari Ju=Can Sa=Ari", true, "the 1st and 4th"},
        {"gada", "As=Ari Su=Ari Mo=Lib Me=Ari Ve=Lib Ma=Ari Ju=Lib Sa=Ari", false, "the 1st and 7th: Sakata"},
        {"nabhasa_sakata", "As=Ari Su=Ari Mo=Lib Me=Ari Ve=Lib Ma=Ari Ju=Lib Sa=Ari", true, "the 1st and 7th"},
        {"shringataka", "As=Ari Su=Ari Mo=Leo Me=Sag Ve=Ari Ma=Leo Ju=Sag Sa=Ari", true, "the three trikonas"},
        {"hala", "As=Ari Su=Tau Mo=Vir Me=Cap Ve=Tau Ma=Vir Ju=Cap Sa=Tau", true, "the 2nd, 6th and 10th"},
        // "benefics in the lagna and 7th, malefics in the 4th and 10th: Vajra".
        {"vajra", "As=Ari Ju=Ari Ve=Lib Me=Lib Mo=Ari Su=Can Ma=Cap Sa=Can", true, "waxing Moon a benefic"},
        {"yava", "As=Ari Su=Ari Ma=Lib Sa=Lib Ju=Can Ve=Cap Me=Cap Mo=Can", true, "malefics 1 and 7"},
        {"mala", "As=Ari Ju=Ari Ve=Can Me=Lib Su=Gem Ma=Gem Sa=Gem Mo=Gem", true, "benefics in three kendras"},
        {"mala", "As=Ari Ju=Ari Ve=Can Me=Lib Sa=Cap Su=Gem Ma=Gem Mo=Gem", false, "Saturn in the 10th"},
        {"sarpa", "As=Ari Su=Ari Ma=Can Sa=Lib Ju=Gem Ve=Gem Me=Gem Mo=Gem", true, "malefics in three kendras"},
        // Sankhya: the number of signs the seven hold.
        {"gola", "Su=Leo Mo=Leo Me=Leo Ve=Leo Ma=Leo Ju=Leo Sa=Leo", true, "one sign"},
        {"yuga", "Su=Leo Mo=Leo Me=Leo Ve=Leo Ma=Leo Ju=Leo Sa=Vir", true, "two signs"},
        {"vallaki", "Su=Ari Mo=Tau Me=Gem Ve=Can Ma=Leo Ju=Vir Sa=Lib", true, "seven signs"},
        {"dama", "Su=Ari Mo=Tau Me=Gem Ve=Can Ma=Leo Ju=Vir Sa=Ari", true, "six signs"},
    });
}

TEST(Yogas, LordsOfHouses) {
    CheckEdges({
        // BPHS ch. 39: the lords of the 9th and 10th associated. Aries rising:
        // Jupiter lord of the 9th, Saturn of the 10th.
        {"raja_10_9", "As=Ari Ju=Leo Sa=Leo", true, "together in Leo"},
        {"raja_10_9", "As=Ari Ju=Leo Sa=Aqu", true, "in the 7th from each other"},
        {"raja_10_9", "As=Ari Ju=Cap Sa=Pis", true, "each in the other's sign"},
        {"raja_10_9", "As=Ari Ju=Ari Sa=Leo", false, "Jupiter aspects Saturn (its 5th), Saturn not Jupiter (its 9th)"},
        // Cancer rising: Mars lord of the 5th, Saturn of the 7th.
        {"raja_7_5", "As=Can Ma=Ari Sa=Can", true, "Mars's 4th and Saturn's 10th aspects meet"},
        {"raja_7_5", "As=Can Ma=Ari Sa=Leo", false, "Leo is Mars's 5th, Aries Saturn's 9th"},
        // BPHS ch. 34: for Taurus rising Saturn lords the 9th and 10th.
        {"yogakaraka", "As=Tau Sa=Cap", true, "Saturn in the 9th"},
        {"yogakaraka", "As=Tau Sa=Gem", false, "Saturn in the 2nd"},
        {"yogakaraka", "As=Ari Sa=Cap", false, "no planet lords a kendra and a trikona for Aries"},
        // BPHS ch. 41: the lords of the 2nd and 11th associated (Aries: Venus, Saturn).
        {"dhana_2_11", "As=Ari Ve=Cap Sa=Cap", true, "together"},
        {"dhana_2_11", "As=Ari Ve=Aqu Sa=Cap", false, "next to each other"},
        // Phaladeepika ch. 6: the 6th lord in the 6th, 8th or 12th (Aries: Mercury).
        {"harsha", "As=Ari Me=Sco", true, "Mercury in the 8th"},
        {"harsha", "As=Ari Me=Lib", false, "Mercury in the 7th"},
        {"sarala", "As=Ari Ma=Pis", true, "Mars, lord of the 8th, in the 12th"},
        {"vimala", "As=Ari Ju=Vir", true, "Jupiter, lord of the 12th, in the 6th"},
        // Phaladeepika ch. 6: exchanges. Aries rising.
        {"maha_parivartana", "As=Ari Ma=Tau Ve=Ari", true, "the 1st and 2nd lords"},
        {"dainya_parivartana", "As=Ari Ma=Tau Ve=Ari", false, "no 6th, 8th or 12th"},
        {"dainya_parivartana", "As=Ari Ma=Vir Me=Ari", true, "the 1st and 6th lords"},
        {"khala_parivartana", "As=Ari Ma=Gem Me=Ari", true, "the 1st and 3rd lords"},
        {"maha_parivartana", "As=Ari Ma=Gem Me=Ari", false, "the 3rd takes part"},
        // Phaladeepika ch. 7: the Sun debilitated in Libra; Venus, Libra's
        // lord, in a kendra from the lagna.
        {"neecha_bhanga", "As=Ari Su=Lib Ve=Cap Ma=Tau Mo=Gem Sa=Leo", true, "Venus in the 10th"},
        {"neecha_bhanga", "As=Ari Su=Lib Ve=Tau Ma=Tau Mo=Gem Sa=Leo", false, "Venus and Mars in no kendra"},
        {"neecha_bhanga", "As=Ari Su=Lib Ve=Tau Ma=Vir Mo=Gem Sa=Leo", true,
         "Mars, lord of Aries where the Sun is exalted, in the 4th from the Moon"},
        {"duryoga", "As=Ari Sa=Vir", true, "the 10th lord in the 6th"},
        {"daridra", "As=Ari Sa=Lib", false, "the 11th lord in the 7th"},
    });
}

TEST(Yogas, NamedCombinations) {
    CheckEdges({
        // BPHS ch. 36: "a benefic in the 10th from the lagna or the Moon: Amala".
        {"amala", "As=Ari Mo=Tau Ve=Cap Su=Leo Ma=Leo Sa=Leo", true, "Venus alone in the 10th"},
        {"amala", "As=Ari Mo=Tau Ve=Cap Sa=Cap Su=Leo Ma=Leo", false, "Saturn with it; nothing in the 10th from the Moon"},
        {"chatussagara", "As=Ari Su=Ari Mo=Can Me=Lib Ve=Cap", true, "every kendra held"},
        {"chatussagara", "As=Ari Su=Ari Mo=Can Me=Lib Ve=Aqu Ma=Aqu Ju=Aqu Sa=Aqu", false, "the 10th empty"},
        // "the lords of the 4th and 9th in mutual kendras, the lagna lord
        // strong: Kahala". Aries: the Moon and Jupiter; Mars in Aries.
        {"kahala", "As=Ari Ma=Ari Mo=Can Ju=Lib", true, "the Moon and Jupiter 4th from each other"},
        {"kahala", "As=Ari Ma=Ari Mo=Can Ju=Vir", false, "Jupiter 3rd from the Moon"},
        {"kahala", "As=Ari Ma=Can Mo=Can Ju=Lib", false, "Mars debilitated: not strong"},
        {"guru_mangala", "Ju=Leo Ma=Aqu", true, "7th from each other"},
        {"budha_aditya", "Su=Leo Me=Leo", true, "together"},
        {"chandra_mangala", "Mo=Leo Ma=Vir", false, "apart"},
        {"lakshmi", "As=Ari Ma=Ari Ju=Can", true, "Jupiter, 9th lord, exalted in the 4th"},
        {"lakshmi", "As=Ari Ma=Ari Ju=Leo", false, "Jupiter in the 5th"},
        {"khadga", "As=Ari Ve=Sag Ju=Tau Ma=Ari", true, "the 2nd and 9th lords exchanged"},
        // "the 7th lord exalted in the 10th, the 10th lord with the 9th lord":
        // Sagittarius rising, Mercury lord of the 7th and 10th, the Sun of the 9th.
        {"srinatha", "As=Sag Me=Vir Su=Vir", true, "Mercury exalted in the 10th with the Sun"},
        {"srinatha", "As=Sag Me=Vir Su=Leo", false, "the Sun apart from Mercury"},
        {"srinatha", "As=Pis Me=Vir Su=Vir", false, "Mercury exalted, but in the 7th"},
    });
}

TEST(Doshas, KalaSarpa) {
    // Longitudes: Sun … Ketu, then the ascendant.
    struct Case {
        std::array<double, kBodyCount> longitudes;
        bool present, fromRahu;
        const char* kind;
    };
    const Case cases[] = {
        {{10, 20, 30, 40, 50, 60, 70, 5, 185, 0}, true, true, "Ananta"},
        {{190, 200, 210, 220, 230, 240, 250, 5, 185, 0}, true, false, "Ananta"},
        {{10, 20, 30, 40, 50, 60, 190, 5, 185, 0}, false, true, ""},
        // A planet on the node's very longitude is on neither side.
        {{5, 20, 30, 40, 50, 60, 70, 5, 185, 0}, false, true, ""},
        {{100, 120, 130, 140, 150, 160, 170, 95, 275, 0}, true, true, "Shankhapala"},
    };
    for (const Case& c : cases) {
        const KalaSarpa k = FindKalaSarpa(c.longitudes);
        EXPECT_EQ(k.present, c.present) << k.summary;
        if (c.present) {
            EXPECT_EQ(k.fromRahu, c.fromRahu);
        }
        EXPECT_EQ(k.kind, c.kind);
    }
}

TEST(Doshas, KemadrumaAndItsCancellations) {
    auto signs = [](const char* text) { return Placed(text).signs; };
    struct Case {
        const char* chart;
        bool yoga, present;
        const char* why;
    };
    const Case cases[] = {
        {"As=Gem Mo=Ari Su=Tau Ra=Pis Ke=Vir Me=Leo Ve=Leo Ma=Leo Ju=Aqu Sa=Aqu", true, true,
         "nothing beside the Moon, nothing in a kendra from it or the lagna, the Moon in the 11th"},
        {"As=Gem Mo=Ari Su=Tau Ra=Pis Ke=Vir Me=Leo Ve=Leo Ma=Leo Ju=Aqu Sa=Tau", false, false, "Saturn in the 2nd"},
        {"As=Gem Mo=Ari Su=Tau Ra=Pis Ke=Vir Me=Leo Ve=Leo Ma=Leo Ju=Aqu Sa=Can", true, false,
         "Saturn in the 4th from the Moon"},
        {"As=Gem Mo=Ari Su=Tau Ra=Pis Ke=Vir Me=Leo Ve=Leo Ma=Ari Ju=Aqu Sa=Aqu", true, false, "Mars with the Moon"},
        {"As=Can Mo=Ari Su=Tau Ra=Pis Ke=Vir Me=Leo Ve=Leo Ma=Leo Ju=Aqu Sa=Aqu", true, false,
         "the Moon in the 10th house"},
        {"As=Leo Mo=Ari Su=Tau Ra=Pis Ke=Vir Me=Leo Ve=Leo Ma=Leo Ju=Aqu Sa=Aqu", true, false,
         "Mercury in the lagna: a kendra from it"},
    };
    for (const Case& c : cases) {
        const KemadrumaDosha k = FindKemadrumaDosha(signs(c.chart));
        EXPECT_EQ(k.yoga, c.yoga) << c.why << ": " << k.summary;
        EXPECT_EQ(k.present, c.present) << c.why << ": " << k.summary;
        EXPECT_EQ(k.cancelled, c.yoga && !c.present) << c.why;
    }
}

}  // namespace
}  // namespace velmora
