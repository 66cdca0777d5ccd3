#pragma once
// Ashtottari dasha: 108 years among eight lords in the order Sun 6, Moon 15,
// Mars 8, Mercury 17, Saturn 10, Jupiter 19, Rahu 12, Venus 21 (no Ketu).
// The nakshatras are grouped from Ardra (the "Ardradi" reckoning): Sun
// Ardra to Ashlesha (4), Moon Magha to Uttara Phalguni (3), Mars Hasta to
// Vishakha (4), Mercury Anuradha to Mula (3), Saturn Purva Ashadha to
// Shravana (3, with Abhijit inside them), Jupiter Dhanishta to Purva
// Bhadrapada (3), Rahu Uttara Bhadrapada to Bharani (4), Venus Krittika to
// Mrigashira (3). Source: Brihat Parashara Hora Shastra, the chapter on the
// dashas (Ashtottari), as in R. Santhanam's translation.
//
// The balance at birth is the share of its lord's group of nakshatras the
// Moon has still to cross, the group taken as the arc of the zodiac it
// covers (each of its nakshatras an equal part; Abhijit, the last quarter of
// Uttara Ashadha and the first fifteenth of Shravana, lies within Saturn's
// arc and adds none). One turn of 108 years is listed, each period divided
// to three levels in proportion, from its own lord on.

#include "analysis/DashaEngine.h"

namespace velmora {

const DashaTable& AshtottariTable();

}  // namespace velmora
