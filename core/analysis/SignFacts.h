#pragma once
// What the rules of dignity, the Jaimini analyses and the sign dashas know of
// a sign: its lord (and the co-lord of Scorpio and Aquarius), its kind
// (movable, fixed, dual), whether it is odd, whether it is odd-footed, and
// the counting of signs forward and backward. Sign indices 0 Aries … 11
// Pisces; body numbers as in engine/NameTables.h (0 Sun, 1 Moon, 2 Mercury,
// 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn, 7 Rahu, 8 Ketu, 9 ascendant).
//
// Sources: Brihat Parashara Hora Shastra ch. 4 (the signs, their lords and
// kinds); the odd-footed (vishamapada) signs Aries, Taurus, Gemini, Libra,
// Scorpio, Sagittarius and the even-footed (samapada) others, BPHS ch. 46
// ("meshadi tritribhih", groups of three from Aries); Mars and Ketu the lords
// of Scorpio, Saturn and Rahu of Aquarius, as the Jaimini dashas take them
// (K. N. Rao, Predicting through Jaimini's Chara Dasha; Sanjay Rath,
// Narayana Dasa).

#include <array>

#include "engine/NameTables.h"

namespace velmora {

namespace body {
inline constexpr int kSun = 0, kMoon = 1, kMercury = 2, kVenus = 3, kMars = 4, kJupiter = 5, kSaturn = 6,
                     kRahu = 7, kKetu = 8, kAscendant = 9;
}  // namespace body

// The lord of each sign (Mars for Scorpio, Saturn for Aquarius).
inline constexpr std::array<int, kSignCount> kSignLordBodies = {
    body::kMars, body::kVenus, body::kMercury, body::kMoon,    body::kSun,    body::kMercury,
    body::kVenus, body::kMars, body::kJupiter, body::kSaturn, body::kSaturn, body::kJupiter};

// The second lord of a sign with two (Ketu of Scorpio, Rahu of Aquarius); −1 for the others.
inline constexpr int SignCoLord(int sign) { return sign == 7 ? body::kKetu : sign == 10 ? body::kRahu : -1; }

enum class SignKind { Movable, Fixed, Dual };
inline constexpr SignKind KindOfSign(int sign) { return static_cast<SignKind>(sign % 3); }

// Aries, Gemini, Leo, Libra, Sagittarius, Aquarius.
inline constexpr bool OddSign(int sign) { return sign % 2 == 0; }

// Aries, Taurus, Gemini, Libra, Scorpio, Sagittarius (groups of three from Aries).
inline constexpr bool OddFootedSign(int sign) { return (sign / 3) % 2 == 0; }

inline constexpr int Wrapped(int sign) { return ((sign % kSignCount) + kSignCount) % kSignCount; }

// The sign `n` signs on from `sign`, counting it as the first (n = 1 is the
// sign itself), forward or backward.
inline constexpr int NthSign(int sign, int n, bool forward = true) {
    return Wrapped(forward ? sign + n - 1 : sign - n + 1);
}

// Which sign `to` is counted from `from`, 1 … 12 (the same sign is 1),
// forward or backward.
inline constexpr int SignCount(int from, int to, bool forward = true) {
    return Wrapped(forward ? to - from : from - to) + 1;
}

// The sign index of a longitude in degrees, any longitude folded into 0 … 360.
int SignOfDegrees(double degrees);
// Degrees into its sign, 0 ≤ d < 30.
double DegreesInSign(double degrees);

}  // namespace velmora
