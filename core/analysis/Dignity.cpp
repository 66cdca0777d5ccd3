#include "analysis/Dignity.h"

#include <cmath>

#include "analysis/GunaMilan.h"
#include "analysis/SignFacts.h"

namespace velmora {

namespace {

// Brihat Parashara Hora Shastra ch. 3: exaltation (sign, deepest degree),
// moolatrikona (sign, arc) and own signs. The Moon's exaltation takes the
// first 3° of Taurus and its moolatrikona the rest; Mercury's exaltation the
// first 15° of Virgo, its moolatrikona 15°–20°, its own sign the rest.
constexpr std::array<DignityFacts, 9> kFacts = {{
    {0, 10, 4, 0, 20, {4, -1}},    // Sun: Aries 10°; Leo 0°–20°; Leo
    {1, 3, 1, 3, 30, {3, -1}},     // Moon: Taurus 3°; Taurus 3°–30°; Cancer
    {5, 15, 5, 15, 20, {2, 5}},    // Mercury: Virgo 15°; Virgo 15°–20°; Gemini, Virgo
    {11, 27, 6, 0, 15, {1, 6}},    // Venus: Pisces 27°; Libra 0°–15°; Taurus, Libra
    {9, 28, 0, 0, 12, {0, 7}},     // Mars: Capricorn 28°; Aries 0°–12°; Aries, Scorpio
    {3, 5, 8, 0, 10, {8, 11}},     // Jupiter: Cancer 5°; Sagittarius 0°–10°; Sagittarius, Pisces
    {6, 20, 10, 0, 20, {9, 10}},   // Saturn: Libra 20°; Aquarius 0°–20°; Capricorn, Aquarius
    {1, 20, -1, 0, 0, {10, -1}},   // Rahu: Taurus; Aquarius
    {7, 20, -1, 0, 0, {7, -1}},    // Ketu: Scorpio; Scorpio
}};

bool IsPlanet(int body) { return body >= 0 && body < 7; }

}  // namespace

std::string_view DignityName(Dignity dignity) {
    switch (dignity) {
        case Dignity::None: return "";
        case Dignity::Exalted: return "exalted";
        case Dignity::Moolatrikona: return "moolatrikona";
        case Dignity::Own: return "own sign";
        case Dignity::GreatFriend: return "great friend";
        case Dignity::Friend: return "friend";
        case Dignity::Neutral: return "neutral";
        case Dignity::Enemy: return "enemy";
        case Dignity::GreatEnemy: return "great enemy";
        case Dignity::Debilitated: return "debilitated";
    }
    return "";
}

std::string_view RelationName(Relation relation) {
    switch (relation) {
        case Relation::GreatEnemy: return "great enemy";
        case Relation::Enemy: return "enemy";
        case Relation::Neutral: return "neutral";
        case Relation::Friend: return "friend";
        case Relation::GreatFriend: return "great friend";
    }
    return "";
}

const DignityFacts& DignityFactsOf(int body) { return kFacts[static_cast<std::size_t>(body)]; }

bool ExaltedIn(int body, int sign) { return body >= 0 && body < 9 && kFacts[static_cast<std::size_t>(body)].exaltationSign == sign; }

bool DebilitatedIn(int body, int sign) {
    return body >= 0 && body < 9 && Wrapped(kFacts[static_cast<std::size_t>(body)].exaltationSign + 6) == sign;
}

bool OwnSign(int body, int sign) {
    if (body < 0 || body >= 9) return false;
    const auto& own = kFacts[static_cast<std::size_t>(body)].ownSigns;
    return own[0] == sign || own[1] == sign;
}

Relation NaturalRelationOf(int of, int towards) {
    // The table of the natural relations (BPHS ch. 3) is the one the
    // matching of two Moons reads (GunaMilan).
    if (!IsPlanet(of) || !IsPlanet(towards) || of == towards) return Relation::Neutral;
    return static_cast<Relation>(NaturalRelation(of, towards));
}

bool TemporaryFriend(int ofSign, int towardsSign) {
    const int house = SignCount(ofSign, towardsSign);
    return house == 2 || house == 3 || house == 4 || house == 10 || house == 11 || house == 12;
}

Relation CompoundRelation(int of, int towards, const std::array<int, kBodyCount>& signs) {
    const int natural = static_cast<int>(NaturalRelationOf(of, towards));
    const int temporary = TemporaryFriend(signs[static_cast<std::size_t>(of)], signs[static_cast<std::size_t>(towards)]) ? 1 : -1;
    return static_cast<Relation>(natural + temporary);
}

Dignity DignityOf(int body, double longitude, const std::array<int, kBodyCount>& signs) {
    if (body < 0 || body >= 9) return Dignity::None;
    const int sign = SignOfDegrees(longitude);
    const double degrees = DegreesInSign(longitude);
    const DignityFacts& f = kFacts[static_cast<std::size_t>(body)];
    const bool inMoolatrikona =
        f.moolatrikonaSign == sign && degrees >= f.moolatrikonaFrom && degrees < f.moolatrikonaTo;
    // The Moon and Mercury share their exaltation sign with their moolatrikona:
    // exalted only up to where the moolatrikona begins.
    if (f.exaltationSign == sign && !(f.moolatrikonaSign == sign && degrees >= f.moolatrikonaFrom))
        return Dignity::Exalted;
    if (DebilitatedIn(body, sign)) return Dignity::Debilitated;
    if (inMoolatrikona) return Dignity::Moolatrikona;
    if (OwnSign(body, sign)) return Dignity::Own;
    if (!IsPlanet(body)) return Dignity::None;
    const int lord = kSignLordBodies[static_cast<std::size_t>(sign)];
    std::array<int, kBodyCount> withThis = signs;
    withThis[static_cast<std::size_t>(body)] = sign;
    switch (CompoundRelation(body, lord, withThis)) {
        case Relation::GreatFriend: return Dignity::GreatFriend;
        case Relation::Friend: return Dignity::Friend;
        case Relation::Neutral: return Dignity::Neutral;
        case Relation::Enemy: return Dignity::Enemy;
        case Relation::GreatEnemy: return Dignity::GreatEnemy;
    }
    return Dignity::None;
}

int SignOfDegrees(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    const int sign = static_cast<int>(d / 30.0);
    return sign >= kSignCount ? kSignCount - 1 : sign;
}

double DegreesInSign(double degrees) {
    double d = std::fmod(degrees, 30.0);
    if (d < 0) d += 30.0;
    return d >= 30.0 ? 0.0 : d;
}

}  // namespace velmora
