#pragma once
// What the strengths weigh a planet's place by: the seven planets' signs of
// exaltation, moolatrikona and own, and their friendships, natural and
// temporary, compounded (Brihat Parashara Hora Shastra, chapter 3).
// Planets are body numbers 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars,
// 5 Jupiter, 6 Saturn; signs 0 Aries … 11 Pisces.

#include <array>

namespace velmora {

inline constexpr int kSevenPlanets = 7;

// The planet that rules each sign.
inline constexpr std::array<int, 12> kSignLordBody = {4, 3, 2, 1, 0, 2, 3, 4, 5, 6, 6, 5};

// The deepest exaltation point of each planet, sidereal degrees (BPHS 3):
// Sun 10° Aries, Moon 3° Taurus, Mercury 15° Virgo, Venus 27° Pisces,
// Mars 28° Capricorn, Jupiter 5° Cancer, Saturn 20° Libra. The deepest
// debilitation is the opposite point.
inline constexpr std::array<double, kSevenPlanets> kExaltationPoint = {10, 33, 165, 357, 298, 95, 200};

// The moolatrikona: its sign and the degrees of it from … to (BPHS 3): Sun
// Leo 0–20, Moon Taurus 3–30, Mercury Virgo 15–20, Venus Libra 0–15, Mars
// Aries 0–12, Jupiter Sagittarius 0–10, Saturn Aquarius 0–20.
struct Moolatrikona {
    int sign;
    double from, to;
};
inline constexpr std::array<Moolatrikona, kSevenPlanets> kMoolatrikona = {
    {{4, 0, 20}, {1, 3, 30}, {5, 15, 20}, {6, 0, 15}, {0, 0, 12}, {8, 0, 10}, {10, 0, 20}}};

// Whether `planet` stands in its moolatrikona at the sidereal longitude.
bool InMoolatrikona(int planet, double longitude);

// The shorter arc between two longitudes, 0 … 180 degrees.
double ShorterArc(double a, double b);

// Whether `planet` rules `sign`.
inline bool OwnSign(int planet, int sign) { return kSignLordBody[static_cast<std::size_t>(sign)] == planet; }

// A compound (panchadha) friendship, from great enemy to great friend.
enum class Friendship { GreatEnemy = -2, Enemy = -1, Neutral = 0, Friend = 1, GreatFriend = 2 };

// The natural friendship of `planet` for `other` (BPHS 3): +1 friend, 0
// neutral, −1 enemy.
int NaturalFriendship(int planet, int other);

// The compound friendship of `planet` for `other`: the natural one, plus one
// when `other` stands 2, 3, 4, 10, 11 or 12 signs from `planet` (a temporary
// friend) and less one otherwise (a temporary enemy). `signs` are the
// planets' rasi signs by body number.
Friendship CompoundFriendship(int planet, int other, const std::array<int, kSevenPlanets>& signs);

}  // namespace velmora
