#pragma once
// Two births matched for marriage, as the command line writes them: the
// "match" object (the tradition, the two Moons, the eight kootas with their
// points, maxima and reasons, the total and the doshas) as JSON, and the
// same as text for a person.

#include <string>

#include "chart/Chart.h"
#include "chart/MarriageMatch.h"
#include "text/Language.h"

namespace velmora::cli {

// {"match": {...}} indented by two spaces.
std::string MatchJsonIndented(const MarriageMatch& match, const Chart& bride, const Chart& groom);
// The same object in one line, appended (a batch line).
void AppendMatchJson(const MarriageMatch& match, const Chart& bride, const Chart& groom, std::string& out);

// In `language`, the headings and captions the phrase table's, the Moons'
// signs and nakshatras and the kootas the glossary's, the kootas' reasons,
// the Nadi and Bhakoot doshas and the Mars dosha's summaries and reasons the
// phrase table's (presentation/MatchLabels.h, KujaLabels.h).
std::string MatchText(const MarriageMatch& match, const Chart& bride, const Chart& groom,
                      Language language = Language::English);

// Points as a person writes them: 7, 1.5.
std::string PointsText(double points);

}  // namespace velmora::cli
