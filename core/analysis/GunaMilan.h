#pragma once
// Marriage matching by the eight kootas of the North-Indian guna milan
// (ashtakoota, 36 points) from the two Moons: Varna 1, Vashya 2, Tara 3,
// Yoni 4, Graha Maitri 5, Gana 6, Bhakoot 7, Nadi 8. The tables and the
// rules, with their sources, are in docs/matching.md. The bride comes first
// everywhere: Varna, Yoni and Gana score the pair differently in the other
// order.

#include <array>
#include <string_view>

namespace velmora {

inline constexpr int kKootaCount = 8;
inline constexpr std::array<std::string_view, kKootaCount> kKootaNames = {
    "Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
inline constexpr std::array<double, kKootaCount> kKootaMaxima = {1, 2, 3, 4, 5, 6, 7, 8};

// One Moon as matching reads it: its sidereal longitude, from which its
// sign, nakshatra, pada and the half of Sagittarius or Capricorn follow, and
// the sign of its Navamsa.
struct MatchMoon {
    double longitude = 0;
    int navamsaSign = 0;
};

// A Moon as the kootas read it: its sign, nakshatra and pada, and the sign
// of its Navamsa.
struct MoonPlace {
    int sign = 0, nakshatra = 0, pada = 0, navamsaSign = 0;
};

// A koota's points and the facts its reason names, which
// presentation/MatchLabels.h puts in words: the bride's and the groom's
// class (Varna, Vashya, Yoni, Gana, Nadi: an index into kVarnaNames …), the
// lord of each Moon's sign (Graha Maitri, a body number), each one's star
// counted from the other's (Tara, 1 … 27) or each one's sign counted from
// the other's (Bhakoot, 1 … 12).
struct Koota {
    std::string_view name;
    double points = 0;
    double max = 0;
    int bride = 0, groom = 0;
};

// The rule that cancels a dosha of the pair.
enum class PairDoshaException {
    None,
    OneSignTwoNakshatras,  // Nadi: both Moons in one sign, in different nakshatras
    OneNakshatraTwoSigns,  // Nadi: both in one nakshatra, in different signs
    OneNakshatraTwoPadas,  // Nadi: both in one nakshatra and sign, in different padas
    MoonSignLords,         // Bhakoot: the Moon signs' lords one planet or friends
    NavamsaLords,          // Bhakoot: the Moons' Navamsa signs' lords one planet or friends
};

// A dosha of the pair: whether it is present, whether a rule cancels it and
// which; for Bhakoot the lords that rule names (body numbers).
struct PairDosha {
    bool present = false;
    bool cancelled = false;
    PairDoshaException exception = PairDoshaException::None;
    int brideLord = 0, groomLord = 0;
};

struct GunaMilan {
    std::array<Koota, kKootaCount> kootas;
    double total = 0;
    PairDosha nadi;     // both Moons in one nadi
    PairDosha bhakoot;  // the Moons' signs 2/12, 5/9 or 6/8 apart
    MoonPlace bride, groom;
};

// The eight kootas of a bride's and a groom's Moons.
GunaMilan MatchMoons(const MatchMoon& bride, const MatchMoon& groom);

// The tables, for the tests and the documentation. Classes by index as
// kYoniNames etc. below.
inline constexpr std::array<std::string_view, 14> kYoniNames = {
    "Horse", "Elephant", "Sheep", "Serpent", "Dog", "Cat", "Rat",
    "Cow", "Buffalo", "Tiger", "Deer", "Monkey", "Mongoose", "Lion"};
inline constexpr std::array<std::string_view, 3> kGanaNames = {"Deva", "Manushya", "Rakshasa"};
inline constexpr std::array<std::string_view, 3> kNadiNames = {"Adi", "Madhya", "Antya"};
inline constexpr std::array<std::string_view, 4> kVarnaNames = {"Shudra", "Vaishya", "Kshatriya", "Brahmin"};
inline constexpr std::array<std::string_view, 5> kVashyaNames = {"Chatushpada", "Manava", "Jalachara", "Vanachara",
                                                                 "Keeta"};
// The nine taras, the 1st … 9th star of each cycle of nine.
inline constexpr std::array<std::string_view, 9> kTaraNames = {"Janma",   "Sampat", "Vipat", "Kshema",      "Pratyak",
                                                               "Sadhaka", "Vadha",  "Mitra", "Parama Mitra"};

int YoniOf(int nakshatra);
int GanaOf(int nakshatra);
int NadiOf(int nakshatra);
int VarnaOf(int sign);           // 3 Brahmin … 0 Shudra: higher is higher
int VashyaOf(double longitude);  // by sign, Sagittarius and Capricorn by half
double YoniPoints(int brideYoni, int groomYoni);
double VashyaPoints(int brideVashya, int groomVashya);
double GanaPoints(int brideGana, int groomGana);
double MaitriPoints(int lordA, int lordB);  // body numbers 0 Sun … 6 Saturn
// Natural friendship (Brihat Parashara Hora Shastra, chapter 3): +1 friend,
// 0 neutral, −1 enemy, of `of` towards `towards` (body numbers 0 … 6).
int NaturalRelation(int of, int towards);
// The lord of a sign as a body number.
int SignLord(int sign);
// The tara of a star counted 1 … 27 from another: 1 Janma … 9 Parama Mitra;
// all good but the 3rd, 5th and 7th (Vipat, Pratyak, Vadha).
int TaraOfCount(int count);
bool TaraGood(int tara);

}  // namespace velmora
