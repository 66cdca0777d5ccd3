#pragma once
// A planet's dignity in its sign: exalted, debilitated, in its moolatrikona,
// in its own sign, or else by its compound relation to the sign's lord (great
// friend … great enemy), from the natural friendships and the temporary ones
// of the chart. Brihat Parashara Hora Shastra ch. 3: the signs and degrees of
// exaltation and debilitation, the moolatrikona arcs, the own signs, the
// natural friends, neutrals and enemies of the seven planets, the temporary
// friends (in the 2nd, 3rd, 4th, 10th, 11th and 12th from a planet) and the
// fivefold compound relation; the same relations as the effects of the
// dashas read them (ch. 47).
//
// The nodes: exalted in Taurus (Rahu) and Scorpio (Ketu) and debilitated in
// the opposite signs, the usual reading of the Parashari texts (other
// opinions put them in Gemini and Sagittarius); their own signs Aquarius
// (Rahu) and Scorpio (Ketu), the co-lordships the Jaimini dashas use. The
// nodes have no natural friendships in BPHS, so a node elsewhere has no
// dignity (None); nor has the ascendant.

#include <array>
#include <string_view>

#include "engine/NameTables.h"

namespace velmora {

enum class Dignity { None, Exalted, Moolatrikona, Own, GreatFriend, Friend, Neutral, Enemy, GreatEnemy, Debilitated };

// "exalted", "moolatrikona", "own sign", "great friend", "friend", "neutral",
// "enemy", "great enemy", "debilitated"; "" for None.
std::string_view DignityName(Dignity dignity);

// The relations of two planets, from worst to best.
enum class Relation { GreatEnemy = -2, Enemy = -1, Neutral = 0, Friend = 1, GreatFriend = 2 };
std::string_view RelationName(Relation relation);

struct DignityFacts {
    int exaltationSign;      // −1: none
    double exaltationDegree;  // the deepest point in that sign
    int moolatrikonaSign;     // −1: none
    double moolatrikonaFrom, moolatrikonaTo;  // degrees in that sign, from ≤ d < to
    std::array<int, 2> ownSigns;  // −1 where there is no second one
};

// The facts of body 0 Sun … 8 Ketu.
const DignityFacts& DignityFactsOf(int body);

// Whether `body` is exalted or debilitated in `sign` (the whole sign, as the
// dignity is read; the degree is the deepest point only).
bool ExaltedIn(int body, int sign);
bool DebilitatedIn(int body, int sign);
bool OwnSign(int body, int sign);

// The natural relation of planet `of` (Sun … Saturn) towards `towards`
// (Sun … Saturn): Friend, Neutral or Enemy.
Relation NaturalRelationOf(int of, int towards);

// Whether `towards`, in sign `towardsSign`, is a temporary friend of a planet in `ofSign`.
bool TemporaryFriend(int ofSign, int towardsSign);

// The compound relation of `of` towards `towards` (Sun … Saturn) with the
// chart's signs by body number.
Relation CompoundRelation(int of, int towards, const std::array<int, kBodyCount>& signs);

// The dignity of `body` at sidereal longitude `longitude`, with the chart's
// signs by body number (for the temporary friendship with the sign's lord).
Dignity DignityOf(int body, double longitude, const std::array<int, kBodyCount>& signs);

}  // namespace velmora
