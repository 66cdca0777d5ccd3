#pragma once
// The yogas' and doshas' texts every front end shows alike: a row a yoga
// (its name, the planets forming it, its family and source) and the doshas'
// lines (the Mars dosha from each point with its cancellations, Kala Sarpa,
// Kemadruma with its cancellations).

#include <string>
#include <vector>

#include "chart/YogaReading.h"
#include "text/Language.h"

namespace velmora {

struct YogaRow {
    std::string name;     // "Gaja Kesari"
    std::string planets;  // "Moon, Jupiter"
    std::string family;   // "Chandra (the Moon's)"
    std::string source;   // "BPHS ch. 36; Phaladeepika ch. 6"
};

inline constexpr std::string_view kYogaHeadings[] = {"Yoga", "Formed by", "Kind", "Source"};

// In another language the names and families are YogaNames.h's, the planets
// the glossary's; the sources stay the books' titles and chapters as
// published.
std::vector<YogaRow> YogaRows(const YogasInVarga& yogas, Language language = Language::English);

// "Moon, Jupiter".
std::string BodyListText(BodySet planets, Language language = Language::English);

// The doshas, a line each: "Mars dosha: …", each point's reason indented by
// two spaces, "Kala Sarpa: …", "Kemadruma: …".
// In another language the phrase table's sentences, with the glossary's
// planets and YogaNames.h's kinds of Kala Sarpa.
std::vector<std::string> DoshaLines(const YogaReading& reading, Language language = Language::English);

// The doshas' sentences alone: "Kala Sarpa (Ananta, Rahu in house 1): …",
// "Kemadruma cancelled: Jupiter in a kendra from the Moon." In English the
// analysis's own.
std::string KalaSarpaText(const KalaSarpa& kalaSarpa, Language language = Language::English);
std::string KemadrumaText(const KemadrumaDosha& kemadruma, Language language = Language::English);

}  // namespace velmora
