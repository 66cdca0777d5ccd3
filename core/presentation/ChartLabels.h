#pragma once
// The labels of a chart's points, made from their numbers and flags: the
// one place that spells a body with its retrograde mark, a two-letter name,
// the words a screen reader says, an arudha's label or a position row's
// caption. Every front end takes its texts from here and never reads them
// back.

#include <string>
#include <string_view>

#include "analysis/ChartState.h"
#include "engine/NameTables.h"
#include "presentation/ResultCaptions.h"
#include "text/Language.h"

namespace velmora {

// "Sun", "Mercury (R) ": a body as the chart's cells and captions name it.
std::string BodyLabel(int body, bool retrograde);

// "Su", "Me(R)": the two-letter name where a cell is narrow.
std::string BodyShortLabel(int body, bool retrograde);

// What a screen reader says: the points' full names ("Sun", "Mercury
// retrograde", "Ascendant") or, where the names are read as a cell shows
// them, the shown names ("Asc"). In another language the glossary's names
// and the phrase table's words ("बुध वक्री").
enum class SpokenNames { Full, AsShown };
std::string BodySpokenLabel(int body, bool retrograde, SpokenNames names = SpokenNames::Full,
                            Language language = Language::English);

// "AL", "A2" … "A12" by arudha number 0 … 11.
inline std::string_view ArudhaLabel(int arudha) { return kArudhaLabels[static_cast<std::size_t>(arudha)]; }

// "Surya/Sun" … "Asc/Lagna": the caption of a body's row in the position table.
inline std::string_view PositionCaption(int body) { return kPositionCaptions[static_cast<std::size_t>(body)]; }

}  // namespace velmora
