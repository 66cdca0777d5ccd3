#pragma once
// The marriage match's reasons in words: why each koota gives its points,
// and the Nadi and Bhakoot doshas with their cancellations, in a language.
// The analysis (analysis/GunaMilan.h) keeps the facts; the sentences are the
// phrase table's, the signs, nakshatras, planets and classes the glossary's.

#include <cstddef>
#include <string>

#include "analysis/GunaMilan.h"
#include "text/Language.h"

namespace velmora {

// "The bride's Moon in Sagittarius is Kshatriya, the groom's in Pisces
// Brahmin: the groom's varna is not below the bride's." for koota 0 (Varna)
// … 7 (Nadi).
std::string KootaReasonText(const GunaMilan& milan, std::size_t koota, Language language = Language::English);
// "Nadi dosha: both Moons are in the Madhya nadi, and no exception
// applies." and the like; empty when the pair has no Nadi dosha.
std::string NadiDoshaText(const GunaMilan& milan, Language language = Language::English);
// "Bhakoot dosha, cancelled: the Moon signs' lords are both Mars." and the
// like; empty when the pair has no Bhakoot dosha.
std::string BhakootDoshaText(const GunaMilan& milan, Language language = Language::English);

}  // namespace velmora
