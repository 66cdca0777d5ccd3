#pragma once
// A chart's strengths as tables of texts, the same in the window, the
// printed page and the command line's text output: the shadbala's six
// sources and totals against the least each planet needs, the parts of its
// sthana and kala bala, the bhava bala of the twelve houses and the
// vimsopaka bala in its four schemes. Virupas are written with two decimals.

#include <string>
#include <vector>

#include "chart/Strengths.h"
#include "text/Language.h"

namespace velmora {

struct StrengthTable {
    std::string title;
    std::vector<std::string> header;             // the first column's header, then one a column
    std::vector<std::vector<std::string>> rows;  // each as long as the header
};

// The tables a chart has: four for a precise chart, the vimsopaka bala alone
// for a classic one.
std::vector<StrengthTable> StrengthTables(const StrengthsOutcome& strengths);
// The same in `language`: the planets and signs the glossary's, the titles
// and captions the phrase table's.
std::vector<StrengthTable> StrengthTables(const StrengthsOutcome& strengths, Language language);

// What is said under the tables: why a classic chart has no shadbala, the
// note on a day without a sunrise or sunset, and the conventions in a line.
// In another language the conventions' line is the phrase table's (the
// refusal and the note on a day without a sunrise stay in English).
std::vector<std::string> StrengthNotes(const StrengthsOutcome& strengths, Language language = Language::English);

// "12.34".
std::string VirupaText(double virupas);

}  // namespace velmora
