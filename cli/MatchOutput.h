#pragma once
// Two births matched for marriage, as the command line writes them: the
// "match" object (the tradition, the two Moons, the eight kootas with their
// points, maxima and reasons, the total and the doshas) as JSON, and the
// same as text for a person.

#include <optional>
#include <string>

#include "chart/Chart.h"
#include "chart/MarriageMatch.h"
#include "text/Language.h"

namespace velmora::cli {

// {"match": {...}} indented by two spaces; with `labels`, a "labels" object
// beside "match" holds the match's texts in that language (the keys and the
// values of "match" stay English): "language", "tradition", "signs" and "points" as a
// chart's labels have them; "bride" and "groom" ("moonSign", "nakshatra");
// "kootas" ("name", "reason"); "doshas" ("nadi" and "bhakoot" with their
// "reason", "kuja" with each chart's "summary" and "from" reasons and the
// pair's "summary").
std::string MatchJsonIndented(const MarriageMatch& match, const Chart& bride, const Chart& groom,
                              std::optional<Language> labels = std::nullopt);
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
