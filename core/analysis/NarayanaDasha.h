#pragma once
// Narayana dasha as Sanjay Rath teaches it (Narayana Dasa, Sagittarius
// Publications; BPHS ch. 46 on the padakrama dasha), in P. V. R. Narasimha
// Rao's statement of its computation (Vedic Astrology: An Integrated
// Approach, ch. 18):
//
// - The first period is of the stronger of the ascendant's sign and the 7th
//   from it (the signs' strength below). The sequence runs forward when the
//   9th sign from it is odd-footed, backward when even-footed; Saturn in the
//   first sign makes it run forward, Ketu there reverses it.
// - A movable first sign gives the signs one after another; a fixed one
//   every 6th sign; a dual one the three signs of its trine, then those of
//   the trine of the 10th sign from it, and so on (kendras of trines).
// - A sign's years: counted to its lord as in Chara dasha (forward from an
//   odd-footed sign, backward from an even-footed one, less one; twelve for
//   a lord in its own sign), then one more year for an exalted lord and one
//   less for a debilitated one (Mercury exalted in Virgo counts as in its own
//   sign: no year added). The second turn gives each sign 12 less its first
//   years.
// - The lords of Scorpio and Aquarius: one in the sign is passed over for
//   the other, both there give twelve years; both elsewhere, the stronger:
//   more planets beside it; then an exalted one; then the one in a dual sign
//   over a fixed one over a movable one; then the one more advanced in its
//   sign.
// - The signs' strength (Rath's rules, in order until one decides): more
//   planets in it; more of Jupiter, Mercury and its own lord joining or
//   aspecting it (rashi drishti); more planets in it exalted, in
//   moolatrikona or in their own sign; a dual sign over a fixed one over a
//   movable one; a lord in a sign of the other oddity; the greater years;
//   the lord more advanced in its sign; else the first sign compared.
// - A period divides into twelve equal sub-periods of the twelve signs one
//   after another, from the stronger of the signs where the period's sign's
//   lord and the lord of the 7th from it stand; forward from an odd sign,
//   backward from an even one (the exceptions for Saturn and Ketu are the
//   major sequence's alone).

#include "analysis/DashaEngine.h"

namespace velmora {

const DashaTable& NarayanaTable();

// The stronger of two signs by the rules above (for the first period and the
// sub-periods), from the ten longitudes; `a` when nothing decides.
int StrongerSign(int a, int b, const std::array<double, kBodyCount>& longitudes);

}  // namespace velmora
