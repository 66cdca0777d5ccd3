#pragma once
// What the strengths weigh a planet's place by: the seven planets' points of
// exaltation and arcs of moolatrikona, and their friendships, natural and
// temporary, compounded (Brihat Parashara Hora Shastra, chapter 3), all read
// from the one table of the dignities (analysis/Dignity).
// Planets are body numbers 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars,
// 5 Jupiter, 6 Saturn; signs 0 Aries … 11 Pisces.

#include <array>

#include "analysis/Dignity.h"

namespace velmora {

inline constexpr int kSevenPlanets = 7;

// The planet that rules each sign.
inline constexpr std::array<int, 12> kSignLordBody = {4, 3, 2, 1, 0, 2, 3, 4, 5, 6, 6, 5};

// The deepest exaltation point of a planet, sidereal degrees, from the
// dignities' facts (analysis/Dignity: BPHS 3, Sun 10° Aries … Saturn 20°
// Libra). The deepest debilitation is the opposite point.
double ExaltationPoint(int planet);

// Whether `planet` stands in its moolatrikona (the sign and arc of the
// dignities' facts) at the sidereal longitude.
bool InMoolatrikona(int planet, double longitude);

// The shorter arc between two longitudes, 0 … 180 degrees.
double ShorterArc(double a, double b);

// Whether a planet rules a sign: OwnSign (analysis/Dignity.h).

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
