#pragma once
// Chara dasha in K. N. Rao's reading (Predicting through Jaimini's Chara
// Dasha, as taught at the Bharatiya Vidya Bhavan):
//
// - The periods are of the twelve signs from the ascendant's sign; they run
//   forward when the 9th sign from the ascendant is odd-footed (Aries,
//   Taurus, Gemini, Libra, Scorpio, Sagittarius) and backward when it is
//   even-footed.
// - A sign's years: count from the sign to the sign its lord stands in,
//   forward for an odd-footed sign, backward for an even-footed one, and take
//   one away; a lord in its own sign gives twelve. No year is added for an
//   exalted lord nor taken away for a debilitated one (Rao rejects the
//   commentators' adjustment).
// - Scorpio (Mars, Ketu) and Aquarius (Saturn, Rahu): a lord in the sign is
//   passed over for the other; both in it give twelve years; both elsewhere,
//   the stronger is counted to: the one with more planets beside it, then
//   the one more advanced in its sign.
// - The periods start at birth in full. After the twelve, a second turn in
//   the same order gives each sign the rest of twelve years (12 less its
//   first years; a sign of twelve has no second period): 144 years in all.
// - A period divides into twelve equal sub-periods of the twelve signs,
//   beginning with the sign after the period's own in the direction that
//   sign's sequence runs (forward when its 9th sign is odd-footed) and ending
//   with the period's own sign.
//
// Where programs differ: Parashara's reading (BPHS ch. 46) adds a year for an
// exalted lord and takes one for a debilitated one, and judges the lords of
// Scorpio and Aquarius by more rules; PyJHora's "KN Rao" variant lists only
// the first turn.

#include "analysis/DashaEngine.h"

namespace velmora {

const DashaTable& CharaTable();

// The lord counted to for `sign` (Scorpio and Aquarius by the rules above;
// −1 when both lords stand in the sign), from the signs and degrees of the
// ten longitudes.
int CharaLord(int sign, const std::array<double, kBodyCount>& longitudes);

}  // namespace velmora
