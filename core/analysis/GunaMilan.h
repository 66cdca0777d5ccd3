#pragma once
// Marriage matching by the eight kootas of the North-Indian guna milan
// (ashtakoota, 36 points) from the two Moons: Varna 1, Vashya 2, Tara 3,
// Yoni 4, Graha Maitri 5, Gana 6, Bhakoot 7, Nadi 8. The tables and the
// rules, with their sources, are in docs/matching.md. The bride comes first
// everywhere: Varna, Yoni and Gana score the pair differently in the other
// order.

#include <array>
#include <string>
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

struct Koota {
    std::string_view name;
    double points = 0;
    double max = 0;
    std::string reason;  // one sentence: why these points
};

// A dosha of the pair: whether it is present, whether a rule cancels it,
// and in words why.
struct PairDosha {
    bool present = false;
    bool cancelled = false;
    std::string reason;
};

struct GunaMilan {
    std::array<Koota, kKootaCount> kootas;
    double total = 0;
    PairDosha nadi;     // both Moons in one nadi
    PairDosha bhakoot;  // the Moons' signs 2/12, 5/9 or 6/8 apart
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

}  // namespace velmora
