#pragma once
// The Mars dosha in words: each chart's summary and its three reasons (from
// the ascendant, the Moon and Venus), and the pair's, in a language. In
// English they are the analysis's own sentences; in another the phrase
// table's, with the glossary's planets and signs.

#include <string>

#include "analysis/KujaDosha.h"
#include "text/Language.h"

namespace velmora {

struct MarriageMatch;

// "Mars dosha from the Moon, Venus." / "No Mars dosha."
std::string KujaSummaryText(const KujaDosha& dosha, Language language = Language::English);
// "Mars is in the 7th from the ascendant, but Mars is with Jupiter:
// cancelled.", the reason counted from kKujaReferenceNames[reference].
std::string KujaReasonText(const KujaDosha& dosha, std::size_t reference, Language language = Language::English);
// "Only the bride's chart has the Mars dosha." and the like.
std::string PairKujaSummaryText(const MarriageMatch& match, Language language = Language::English);

}  // namespace velmora
