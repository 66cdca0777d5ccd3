#pragma once
// Removing whole turns of 360 degrees from an angle, with exactly the result of
// the plain loops the engine's formulas are written with:
//
//   while (x < 0) x += 360;          AddTurnsWhileBelowZero(x)
//   while (x > 360) x -= 360;        SubtractTurnsWhileAbove(x, TurnBound::Above360)
//   while (x >= 360) x -= 360;       SubtractTurnsWhileAbove(x, TurnBound::AtOrAbove360)
//
// but without hundreds of passes for an unreduced angle such as the Moon's mean
// longitude. Why the result is bit for bit the loop's: as long as a pass moves x
// towards zero without crossing it, x ± 360 is exact in double precision (360 is
// a multiple of the unit in the last place of x for |x| < 2^56, and the result
// is no larger than x). So the value after n such passes is exactly x ± n·360,
// which one addition of the exact product n·360 reproduces. Only the last pass,
// the one that lands in range, may round; it is left to the plain loop. The
// turn count is taken one short of the estimate so that rounding in x / 360
// can never carry the value past that last pass.
//
// Beyond 2^52 degrees the plain loop would run for years (and beyond 2^62 never
// end); there the remainder is taken with fmod instead. NaN stays NaN.

#include <cmath>

namespace velmora {

enum class TurnBound {
    Above360,      // stop at 360: a value of exactly 360 stays 360
    AtOrAbove360,  // stop below 360
};

namespace turns_detail {
inline constexpr double kTurn = 360.0;
inline constexpr double kExactLimit = 4503599627370496.0;  // 2^52
}  // namespace turns_detail

inline double AddTurnsWhileBelowZero(double x) {
    using namespace turns_detail;
    if (!(x < 0)) return x;
    if (x < -kExactLimit) {
        x = std::fmod(x, kTurn);
    } else if (x < -2 * kTurn) {
        const double passes = std::floor(-x / kTurn) - 1;  // at least 1, never too many
        x += passes * kTurn;
    }
    while (x < 0) x += kTurn;
    return x;
}

inline double SubtractTurnsWhileAbove(double x, TurnBound bound) {
    using namespace turns_detail;
    const auto outOfRange = [bound](double v) {
        return bound == TurnBound::Above360 ? v > kTurn : v >= kTurn;
    };
    if (!outOfRange(x)) return x;
    if (x > kExactLimit) {
        x = std::fmod(x, kTurn);
        if (x == 0 && bound == TurnBound::Above360) x = kTurn;
        return x;
    }
    if (x > 2 * kTurn) {
        const double passes = std::floor(x / kTurn) - 1;
        x -= passes * kTurn;
    }
    while (outOfRange(x)) x -= kTurn;
    return x;
}

}  // namespace velmora
